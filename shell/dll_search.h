// Where the process may load DLLs from.
#pragma once

// Makes Windows' own folder the only place that DLLs loaded by name come from, so that a DLL
// planted beside the executable (an "opengl32.dll" in a downloads folder) is never loaded.
// Systems older than Windows 7 with KB2533623 lack the call; there it does nothing and the
// process starts as before. True when the restriction is in force.
bool restrictDllSearchToSystemFolder();

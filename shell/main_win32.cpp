// The process entry: Windows' screensaver host starts the program with "/s", "/p <handle>" or
// "/c"; the switch decides between the saver and the About window.
#include <windows.h>

#include "about/about_window.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/dll_search.h"
#include "shell/main_loop.h"
#include "shell/single_instance.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandText, int showCommand) {
  // Before anything loads a DLL by name: GLFW loads opengl32.dll, XInput and others at run time.
  restrictDllSearchToSystemFolder();

  commandLine = new ScreensaverCommandLine(parseCommandLine(commandText ? commandText : ""));

  if ((commandLine->mode == Preview || commandLine->mode == Unspecified) && !isFirstInstance()) return 0;

  // The saver has no settings; "/c" shows the About window and never starts GLFW.
  if (commandLine->mode == Configure) {
    new AboutWindow(instance, showCommand);
    return 0;
  }

  application = new GLFWApplication(commandLine);
  runMainLoop();
  return 0;
}

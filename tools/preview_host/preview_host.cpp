// preview_host <saver.scr> [--action disable|destroy|none] [--delay-ms N] [--timeout-ms N] [--second]
//              [--stale-handle]
// Plays the screen saver settings dialog: a "Preview Host" window holds a 152 x 112 preview child,
// and the saver runs on it with "/p <child>". After the delay the host reports the windows inside
// the child, then disables or destroys the child (or does nothing) and reports how long the saver
// took to exit. --second starts another "/p" saver on the same child while the first runs.
// With --action none and no --timeout-ms the host waits until the saver ends: close the host's
// window (or end the host) to end the preview.
// --stale-handle destroys the child before the saver starts, so the saver gets a dead handle; the
// host then only waits for the saver's exit.
//
// Report lines on standard output:
//   CHILD <handle>                 SAVERPID <pid>                 SECONDPID <pid>
//   TREE count=<n>                 WINDOW hwnd= parent= class= x= y= w= h= disabled= visible= pid=
//   TOPLEVEL hwnd= class= w= h= visible=   (the saver's own top-level windows)
//   SECONDEXIT <code> after_ms=<n> | SECONDTIMEOUT
//   ACTION <name>
//   SAVEREXIT <code> after_ms=<n> from=action|start  | SAVERTIMEOUT after_ms=<n>
//   (from=start: the saver ended before the action, timed from its start)
// Exit code 0 when the saver ended within the timeout, 1 when it did not, 2 on bad usage or when
// the saver could not be started.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

enum class Action { None, Disable, Destroy };

struct Options {
  const char* saver = nullptr;
  Action action = Action::None;
  DWORD delayMs = 3000;
  DWORD timeoutMs = 0;  // 0: not given (15 s after an action; with none, until the saver ends)
  bool second = false;
  bool staleHandle = false;
};

void report(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stdout, format, args);
  va_end(args);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(argv[i], "--action") && hasValue) {
      const char* name = argv[++i];
      if (!std::strcmp(name, "none")) options.action = Action::None;
      else if (!std::strcmp(name, "disable")) options.action = Action::Disable;
      else if (!std::strcmp(name, "destroy")) options.action = Action::Destroy;
      else return false;
    } else if (!std::strcmp(argv[i], "--delay-ms") && hasValue) {
      options.delayMs = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
    } else if (!std::strcmp(argv[i], "--timeout-ms") && hasValue) {
      options.timeoutMs = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
    } else if (!std::strcmp(argv[i], "--second")) {
      options.second = true;
    } else if (!std::strcmp(argv[i], "--stale-handle")) {
      options.staleHandle = true;
    } else if (argv[i][0] != '-' && !options.saver) {
      options.saver = argv[i];
    } else {
      return false;
    }
  }
  if (!options.timeoutMs) options.timeoutMs = options.action == Action::None ? INFINITE : 15000;
  return options.saver != nullptr;
}

// The handle as the dialog passes it: its 32 significant bits, in decimal.
unsigned long handleNumber(HWND window) {
  return static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window) & 0xFFFFFFFFu);
}

// Runs messages while waiting: the saver's window inside ours sends us messages across processes.
// Returns true when the handle was signalled, false when the time ran out.
bool waitPumping(HANDLE handle, DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now >= end ? 0 : static_cast<DWORD>(end - now);
    const DWORD count = handle ? 1 : 0;
    const DWORD result = MsgWaitForMultipleObjects(count, handle ? &handle : nullptr, FALSE, left, QS_ALLINPUT);
    if (handle && result == WAIT_OBJECT_0) return true;
    if (result == WAIT_OBJECT_0 + count) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      continue;
    }
    if (result == WAIT_TIMEOUT || left == 0) return false;
  }
}

bool startSaver(const char* saver, HWND child, PROCESS_INFORMATION& process) {
  std::string commandLine = std::string("\"") + saver + "\" /p " + std::to_string(handleNumber(child));
  // The saver's own output would mix into our report: it goes to NUL.
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0,
                           nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (nul != INVALID_HANDLE_VALUE) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
  }
  const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, nul != INVALID_HANDLE_VALUE, 0,
                                      nullptr, nullptr, &startup, &process);
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (!started) {
    report("ERROR CreateProcess failed: %lu", GetLastError());
    return false;
  }
  return true;
}

BOOL CALLBACK reportDescendant(HWND window, LPARAM) {
  char cls[128] = "";
  GetClassNameA(window, cls, sizeof cls);
  RECT rect{};
  GetWindowRect(window, &rect);
  HWND parent = GetParent(window);
  POINT origin{rect.left, rect.top};
  if (parent) ScreenToClient(parent, &origin);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  report("WINDOW hwnd=%lu parent=%lu class=%s x=%ld y=%ld w=%ld h=%ld disabled=%d visible=%d pid=%lu",
         handleNumber(window), handleNumber(parent), cls, origin.x, origin.y, rect.right - rect.left,
         rect.bottom - rect.top, (style & WS_DISABLED) ? 1 : 0, (style & WS_VISIBLE) ? 1 : 0, pid);
  return TRUE;
}

BOOL CALLBACK countWindow(HWND, LPARAM param) {
  ++*reinterpret_cast<int*>(param);
  return TRUE;
}

BOOL CALLBACK reportTopLevel(HWND window, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != static_cast<DWORD>(param)) return TRUE;
  char cls[128] = "";
  GetClassNameA(window, cls, sizeof cls);
  RECT rect{};
  GetWindowRect(window, &rect);
  report("TOPLEVEL hwnd=%lu class=%s w=%ld h=%ld visible=%d", handleNumber(window), cls, rect.right - rect.left,
         rect.bottom - rect.top, IsWindowVisible(window) ? 1 : 0);
  return TRUE;
}

// Every window inside the preview child (children of children too), and the saver's top-level ones.
void reportTree(HWND child, DWORD saverPid) {
  int count = 0;
  EnumChildWindows(child, countWindow, reinterpret_cast<LPARAM>(&count));
  report("TREE count=%d", count);
  EnumChildWindows(child, reportDescendant, 0);
  EnumWindows(reportTopLevel, static_cast<LPARAM>(saverPid));
}

unsigned long exitCode(HANDLE process) {
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  return code;
}

HWND createWindows(HWND& child) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW host{};
  host.lpfnWndProc = DefWindowProcW;
  host.hInstance = instance;
  host.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  host.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  host.lpszClassName = L"PreviewHost";
  WNDCLASSW slot = host;
  slot.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  slot.lpszClassName = L"PreviewSlot";
  if (!RegisterClassW(&host) || !RegisterClassW(&slot)) return nullptr;
  // A caption with a close box: closing the host takes the preview child with it, which ends the
  // saver as the dialog's closing would.
  HWND top = CreateWindowExW(0, L"PreviewHost", L"Preview Host",
                             WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, 400, 300, nullptr,
                             nullptr, instance, nullptr);
  if (!top) return nullptr;
  child = CreateWindowExW(0, L"PreviewSlot", L"", WS_CHILD | WS_VISIBLE, 20, 20, 152, 112, top, nullptr, instance,
                          nullptr);
  return child ? top : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: preview_host <saver.scr> [--action disable|destroy|none] [--delay-ms N] [--timeout-ms N]"
                 " [--second] [--stale-handle]\n");
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);

  HWND child = nullptr;
  if (!createWindows(child)) {
    report("ERROR cannot create the host windows: %lu", GetLastError());
    return 2;
  }
  report("CHILD %lu", handleNumber(child));
  if (options.staleHandle) {
    DestroyWindow(child);
    report("DESTROYED %lu", handleNumber(child));
  }

  PROCESS_INFORMATION saver{};
  if (!startSaver(options.saver, child, saver)) return 2;
  report("SAVERPID %lu", saver.dwProcessId);

  const ULONGLONG started = GetTickCount64();
  // A saver that ends before the action (it refused the handle, or found another saver running)
  // is timed from its start.
  const DWORD firstWait = options.staleHandle ? options.timeoutMs : options.delayMs;
  if (waitPumping(saver.hProcess, firstWait)) {
    report("SAVEREXIT %lu after_ms=%llu from=start", exitCode(saver.hProcess), GetTickCount64() - started);
    return 0;
  }
  if (options.staleHandle) {
    report("SAVERTIMEOUT after_ms=%llu", GetTickCount64() - started);
    TerminateProcess(saver.hProcess, 1);
    return 1;
  }
  reportTree(child, saver.dwProcessId);

  if (options.second) {
    PROCESS_INFORMATION second{};
    if (!startSaver(options.saver, child, second)) return 2;
    report("SECONDPID %lu", second.dwProcessId);
    const ULONGLONG secondStarted = GetTickCount64();
    if (waitPumping(second.hProcess, options.timeoutMs)) {
      report("SECONDEXIT %lu after_ms=%llu", exitCode(second.hProcess), GetTickCount64() - secondStarted);
    } else {
      report("SECONDTIMEOUT");
      TerminateProcess(second.hProcess, 1);
    }
    reportTree(child, second.dwProcessId);
  }

  const char* actionName = options.action == Action::Disable   ? "disable"
                           : options.action == Action::Destroy ? "destroy"
                                                               : "none";
  report("ACTION %s", actionName);
  const ULONGLONG acted = GetTickCount64();
  if (options.action == Action::Disable) EnableWindow(child, FALSE);
  if (options.action == Action::Destroy) DestroyWindow(child);

  if (waitPumping(saver.hProcess, options.timeoutMs)) {
    report("SAVEREXIT %lu after_ms=%llu from=action", exitCode(saver.hProcess), GetTickCount64() - acted);
    return 0;
  }
  report("SAVERTIMEOUT after_ms=%llu", GetTickCount64() - acted);
  // Ask the saver to leave the way the dialog would, then make sure it is gone.
  DestroyWindow(child);
  if (!waitPumping(saver.hProcess, 3000)) TerminateProcess(saver.hProcess, 1);
  return 1;
}

// Looks at the About window of another process the way a user's tools would: finds the window by
// its class, prints one JSON object with its rectangles, children, texts and fonts, and the window
// classes of every top-level window of that process; then optionally clicks the button or closes it.
//
//   about_window_probe.exe <wait_ms> [click|close|none]
//
// Fonts and window classes belong to the window's process; about_probe_hook.dll (next to this
// program) is hooked into it to read them there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string jsonText(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string windowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string className(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string rectJson(const RECT& r) {
  char out[128];
  std::snprintf(out, sizeof out, "[%ld, %ld, %ld, %ld]", r.left, r.top, r.right, r.bottom);
  return out;
}

// Runs the probe hook inside the About window's process and returns its JSON answer.
std::string probeInside(HWND window, const char* hookDll) {
  HMODULE dll = LoadLibraryA(hookDll);
  HOOKPROC hook = dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "aboutProbeHook")))
                      : nullptr;
  if (!hook) return "null";
  char name[64];
  std::snprintf(name, sizeof name, "TesselumeAboutProbe-%lu", GetCurrentProcessId());
  const DWORD size = 65536;
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
  char* view = mapping ? static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, size)) : nullptr;
  if (!view) return "null";
  HHOOK installed = SetWindowsHookExA(WH_CALLWNDPROC, hook, dll, GetWindowThreadProcessId(window, nullptr));
  if (!installed) return "null";
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, RegisterWindowMessageA("TesselumeAboutProbe"), GetCurrentProcessId(), 0,
                      SMTO_ABORTIFHUNG, 5000, &ignored);
  UnhookWindowsHookEx(installed);
  std::string answer(view, strnlen(view, size));
  UnmapViewOfFile(view);
  CloseHandle(mapping);
  return answer.empty() ? "null" : answer;
}

HWND aboutWindow = nullptr;

BOOL CALLBACK findAbout(HWND window, LPARAM) {
  if (className(window) == "VantomereWindowClass") {
    aboutWindow = window;
    return FALSE;
  }
  return TRUE;
}

struct ProcessWindows {
  DWORD pid;
  std::vector<std::string> classes;
};

BOOL CALLBACK collectProcessWindows(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<ProcessWindows*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == found->pid) found->classes.push_back(className(window));
  return TRUE;
}

BOOL CALLBACK collectChildren(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  const DWORD waitMs = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 10000;
  const std::string action = argc > 2 ? argv[2] : "none";

  const DWORD start = GetTickCount();
  while (!aboutWindow && GetTickCount() - start < waitMs) {
    EnumWindows(findAbout, 0);
    if (!aboutWindow || !IsWindowVisible(aboutWindow)) {
      aboutWindow = nullptr;
      Sleep(50);
    }
  }
  if (!aboutWindow) {
    std::printf("{\"found\": false}\n");
    return 1;
  }

  RECT outer, client;
  GetWindowRect(aboutWindow, &outer);
  GetClientRect(aboutWindow, &client);
  POINT origin{0, 0};
  ClientToScreen(aboutWindow, &origin);
  ProcessWindows windows{0, {}};
  GetWindowThreadProcessId(aboutWindow, &windows.pid);
  EnumWindows(collectProcessWindows, reinterpret_cast<LPARAM>(&windows));

  std::string out = "{\"found\": true";
  out += ", \"title\": " + jsonText(windowText(aboutWindow));
  out += ", \"rect\": " + rectJson(outer);
  out += ", \"client\": " + rectJson(client);
  out += ", \"client_origin\": [" + std::to_string(origin.x) + ", " + std::to_string(origin.y) + "]";
  out += ", \"style\": " + std::to_string(static_cast<unsigned long>(GetWindowLongPtrA(aboutWindow, GWL_STYLE)));
  out += ", \"exstyle\": " + std::to_string(static_cast<unsigned long>(GetWindowLongPtrA(aboutWindow, GWL_EXSTYLE)));
  out += ", \"process_window_classes\": [";
  for (size_t i = 0; i < windows.classes.size(); ++i) out += (i ? ", " : "") + jsonText(windows.classes[i]);
  out += "], \"children\": [";

  std::vector<HWND> children;
  EnumChildWindows(aboutWindow, collectChildren, reinterpret_cast<LPARAM>(&children));
  HWND button = nullptr;
  for (size_t i = 0; i < children.size(); ++i) {
    HWND child = children[i];
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, aboutWindow, reinterpret_cast<POINT*>(&r), 2);
    const std::string cls = className(child);
    if (cls == "Button") button = child;
    out += i ? ", " : "";
    out += "{\"class\": " + jsonText(cls);
    out += ", \"id\": " + std::to_string(GetDlgCtrlID(child));
    out += ", \"text\": " + jsonText(windowText(child));
    out += ", \"rect\": " + rectJson(r);
    out += ", \"style\": " + std::to_string(static_cast<unsigned long>(GetWindowLongPtrA(child, GWL_STYLE)));
    out += ", \"hwnd\": " + std::to_string(reinterpret_cast<UINT_PTR>(child)) + "}";
  }
  char hookDll[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, hookDll, MAX_PATH);
  std::string hookPath(hookDll, length);
  hookPath = hookPath.substr(0, hookPath.find_last_of("\\/") + 1) + "about_probe_hook.dll";
  out += "], \"inside\": " + probeInside(aboutWindow, hookPath.c_str()) + "}";
  std::printf("%s\n", out.c_str());
  std::fflush(stdout);

  if (action == "click" && button) SendMessageA(button, BM_CLICK, 0, 0);
  // What the close box sends.
  if (action == "close") PostMessageA(aboutWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

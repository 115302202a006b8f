// A hook DLL that Windows loads into the About window's process (the way window spies look
// inside other programs): fonts and window classes are per process, so they can only be read
// from inside. On the probe message it writes one JSON object into the shared memory the
// inspector named.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string fontJson(HWND control) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  LOGFONTA f{};
  if (!font || GetObjectA(font, sizeof f, &f) != sizeof f) return "null";
  char out[512];
  std::snprintf(out, sizeof out,
                "{\"face\": \"%s\", \"height\": %ld, \"width\": %ld, \"weight\": %ld, \"italic\": %d, "
                "\"underline\": %d, \"strikeout\": %d, \"charset\": %d, \"out_precision\": %d, "
                "\"clip_precision\": %d, \"quality\": %d, \"pitch_and_family\": %d, \"escapement\": %ld, "
                "\"orientation\": %ld}",
                f.lfFaceName, f.lfHeight, f.lfWidth, f.lfWeight, f.lfItalic, f.lfUnderline, f.lfStrikeOut,
                f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision, f.lfQuality, f.lfPitchAndFamily, f.lfEscapement,
                f.lfOrientation);
  return out;
}

BOOL CALLBACK addFont(HWND control, LPARAM data) {
  auto* out = reinterpret_cast<std::string*>(data);
  char key[32];
  std::snprintf(key, sizeof key, "\"%llu\": ", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(control)));
  *out += (out->back() == '{' ? "" : ", ") + std::string(key) + fontJson(control);
  return TRUE;
}

void answer(HWND window, DWORD inspectorPid) {
  WNDCLASSEXA glfwClass{};
  glfwClass.cbSize = sizeof glfwClass;
  // GLFW registers its window class for the program's module when it initialises.
  const bool glfwRegistered = GetClassInfoExA(GetModuleHandleA(nullptr), "GLFW30", &glfwClass) != 0;
  const bool openglLoaded = GetModuleHandleA("opengl32.dll") != nullptr;

  std::string out = "{\"glfw_class_registered\": ";
  out += glfwRegistered ? "true" : "false";
  out += ", \"opengl_loaded\": ";
  out += openglLoaded ? "true" : "false";
  out += ", \"fonts\": {";
  EnumChildWindows(window, addFont, reinterpret_cast<LPARAM>(&out));
  out += "}}";

  char name[64];
  std::snprintf(name, sizeof name, "TesselumeAboutProbe-%lu", inspectorPid);
  HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
  if (!mapping) return;
  if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0)) {
    // The mapping is 64 KiB; the answer is far smaller, but never write past it.
    const size_t size = out.size() < 65535 ? out.size() : 65535;
    std::memcpy(view, out.c_str(), size);
    static_cast<char*>(view)[size] = '\0';
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK aboutProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT probeMessage = RegisterWindowMessageA("TesselumeAboutProbe");
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == probeMessage) {
    answer(message->hwnd, static_cast<DWORD>(message->wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

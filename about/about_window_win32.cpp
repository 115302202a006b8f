#include "about/about_window.h"

#include <shellapi.h>

#include <cstring>

namespace {

constexpr int windowWidth = 400;
constexpr int windowHeight = 300;
constexpr int noticeId = 10;
constexpr int titleId = 30;
// The button shares the notice's id; a plain static control sends no commands, so only the
// button's click arrives as WM_COMMAND with wParam 10.
constexpr int buttonId = 10;
constexpr int logoX = 142;
constexpr int logoY = 55;

const COLORREF groundColour = RGB(177, 232, 179);
const COLORREF titleColour = RGB(0, 0, 0);
const COLORREF noticeColour = RGB(0, 51, 255);

HWND mainWindow = nullptr;
HWND noticeControl = nullptr;
HWND titleControl = nullptr;
HWND button = nullptr;
HBITMAP logo = nullptr;

HFONT createArial(int height, int width, int weight, BOOL underline) {
  return CreateFontA(height, width, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH, "Arial");
}

void paintWindow(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  SetBkColor(dc, groundColour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);

  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, logo);
  BITMAP size{};
  GetObjectA(logo, sizeof size, &size);
  BitBlt(dc, logoX, logoY, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  EndPaint(window, &paint);
}

LRESULT CALLBACK aboutWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Made on the first message and kept for the life of the process.
  static HBRUSH groundBrush = CreateSolidBrush(groundColour);

  switch (message) {
    case WM_PAINT:
      paintWindow(window);
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, reinterpret_cast<HWND>(lParam) == titleControl ? titleColour : noticeColour);
      SetBkColor(dc, groundColour);
      return reinterpret_cast<LRESULT>(groundBrush);
    }
    case WM_COMMAND:
      if (wParam == buttonId) {
        // A browser that does not start is nothing the About window can help with.
        ShellExecuteA(window, "open", aboutWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
      }
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      DeleteObject(logo);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND createStatic(const char* text, int x, int y, int width, int height, int id, HFONT font) {
  // The controls belong to the module that owns the main window.
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
  HWND control = CreateWindowExA(0, "static", "ST_U", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height,
                                 mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SetWindowTextA(control, text);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return control;
}

// SetProcessDPIAware came with Vista; imported directly it would keep the program from loading on
// XP, where there is no display scaling to opt out of anyway.
void declareDpiAware() {
  using SetProcessDpiAware = BOOL(WINAPI*)();
  FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware");
  SetProcessDpiAware setAware = nullptr;
  std::memcpy(&setAware, &found, sizeof setAware);
  if (setAware) setAware();
}

}  // namespace

const char* const aboutWebAddress = "https://www.tesselume.example/?utm_source=About";

AboutWindow::AboutWindow(HINSTANCE instance, int showCommand)
    : title("About"),
      className("VantomereWindowClass"),
      buttonCaption("Visit website"),
      notice("Copyright (c) 2007-2019 Tesselume Studio\r\n"
             "More free screensavers at www.tesselume.example\r\n"
             "Write to us: support@tesselume.example"),
      productTitle("Tesselume Screensaver") {
  HICON icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA("user32.dll"), MAKEINTRESOURCEA(104), IMAGE_ICON, 16, 16, LR_SHARED));

  WNDCLASSA windowClass{};
  windowClass.style = 0;
  windowClass.lpfnWndProc = aboutWindowProcedure;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = className;
  if (!RegisterClassA(&windowClass)) {
    MessageBoxA(nullptr, "Window Registration Failed!", "Error!", MB_ICONEXCLAMATION | MB_OK);
  }

  // Physical pixels: the window keeps its size and centre under display scaling.
  declareDpiAware();
  HDC screen = GetDC(nullptr);
  const int screenWidth = GetDeviceCaps(screen, HORZRES);
  const int screenHeight = GetDeviceCaps(screen, VERTRES);
  ReleaseDC(nullptr, screen);
  const int x = static_cast<int>((screenWidth - 400.0) * 0.5);
  const int y = static_cast<int>((screenHeight - 300.0) * 0.5);

  mainWindow = CreateWindowExA(0, className, title, WS_SYSMENU, x, y, windowWidth, windowHeight, nullptr, nullptr,
                               instance, nullptr);
  if (!mainWindow) {
    MessageBoxA(nullptr, "Window Creation Failed!", "Error!", MB_ICONEXCLAMATION | MB_OK);
    // Everything below needs the window, and a loop without one would never see WM_QUIT.
    return;
  }

  logo = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(101), IMAGE_BITMAP, 0, 0, LR_SHARED));
  HFONT textFont = createArial(16, 6, FW_NORMAL, FALSE);
  HFONT titleFont = createArial(18, 8, FW_BOLD, TRUE);

  noticeControl = createStatic(notice, 20, 150, 380, 80, noticeId, textFont);
  titleControl = createStatic(productTitle, 105, 20, 280, 20, titleId, titleFont);
  button = CreateWindowExA(0, "BUTTON", buttonCaption, WS_CHILD | WS_VISIBLE, 150, 210, 100, 32, mainWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId)), instance, nullptr);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(textFont), TRUE);

  ShowWindow(mainWindow, showCommand);
  UpdateWindow(mainWindow);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

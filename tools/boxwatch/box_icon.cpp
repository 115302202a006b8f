#include "box_icon.h"

#include <cstdint>
#include <vector>

namespace {

using Pixels = std::vector<std::uint32_t>;

BOOL CALLBACK findIconControl(HWND child, LPARAM param) {
  wchar_t cls[16];
  if (GetClassNameW(child, cls, 16) && !_wcsicmp(cls, L"Static") &&
      (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    *reinterpret_cast<HWND*>(param) = child;
    return FALSE;
  }
  return TRUE;
}

// A top-down 32-bit DIB section selected into a memory DC; draw() fills it.
template <typename Draw>
Pixels renderPixels(int width, int height, Draw draw) {
  Pixels pixels;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (draw(memory)) {
      GdiFlush();
      const auto* first = static_cast<const std::uint32_t*>(bits);
      pixels.assign(first, first + static_cast<size_t>(width) * height);
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  return pixels;
}

Pixels screenPixels(const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  return renderPixels(width, height, [&](HDC memory) {
    HDC screen = GetDC(nullptr);
    const BOOL copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return copied != FALSE;
  });
}

Pixels iconPixels(WORD id, int width, int height, std::uint32_t background) {
  return renderPixels(width, height, [&](HDC memory) {
    HBRUSH brush = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    const RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(id));
    return icon && DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  });
}

int matchingPixels(const Pixels& a, const Pixels& b) {
  if (a.size() != b.size()) return 0;
  int same = 0;
  for (size_t i = 0; i < a.size(); ++i) same += (a[i] & 0xFFFFFF) == (b[i] & 0xFFFFFF);
  return same;
}

}  // namespace

const char* messageBoxIcon(HWND box) {
  HWND control = nullptr;
  EnumChildWindows(box, findIconControl, reinterpret_cast<LPARAM>(&control));
  if (!control) return nullptr;
  RECT rect{};
  if (!GetWindowRect(control, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) return nullptr;

  const struct {
    WORD id;
    const char* name;
  } known[] = {{32516, "information"},  // IDI_INFORMATION (IDI_ASTERISK)
               {32515, "exclamation"},  // IDI_WARNING
               {32513, "error"},        // IDI_ERROR (IDI_HAND)
               {32514, "question"}};    // IDI_QUESTION
  // The box may not be painted yet when it first shows: look a few times.
  for (int attempt = 0; attempt < 10; ++attempt) {
    const Pixels shown = screenPixels(rect);
    if (!shown.empty()) {
      const int width = rect.right - rect.left, height = rect.bottom - rect.top;
      const char* best = nullptr;
      int bestSame = 0;
      for (const auto& icon : known) {
        const int same = matchingPixels(shown, iconPixels(icon.id, width, height, shown[0]));
        if (same > bestSame) {
          bestSame = same;
          best = icon.name;
        }
      }
      // Nearly every pixel must agree; a half-drawn or covered box does not count.
      if (bestSame * 100 >= static_cast<int>(shown.size()) * 95) return best;
    }
    Sleep(50);
  }
  return nullptr;
}

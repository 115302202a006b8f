#include "render/texture.h"

#include <windows.h>

#include <vector>

namespace {

constexpr int largestSize = 2048;
constexpr int longestChain = 12;  // 1 × 1 up to 2048 × 2048

bool isPowerOfTwoUpTo2048(int size) { return size >= 1 && size <= largestSize && (size & (size - 1)) == 0; }

std::vector<float> readSquare(int id, int size) {
  std::vector<float> pixels(static_cast<size_t>(size) * size * 4);
  GLFWTexture::readBitmap(pixels.data(), id, size, size, true);
  return pixels;
}

void setWrapAndFilters() {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

}  // namespace

void GLFWTexture::readBitmap(float* destination, int id, int width, int height, bool flipRows) {
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
    destination[i * 4 + 0] = destination[i * 4 + 1] = destination[i * 4 + 2] = 0.0f;
    destination[i * 4 + 3] = 1.0f;
  }
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
  if (!bitmap) return;
  BITMAP size{};
  GetObjectA(bitmap, sizeof size, &size);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  for (int i = 0; i < height; ++i) {
    const int y = flipRows ? height - 1 - i : i;
    if (y >= size.bmHeight) continue;
    for (int x = 0; x < width && x < size.bmWidth; ++x) {
      const COLORREF colour = GetPixel(memory, x, y);
      if (colour == CLR_INVALID) continue;
      float* pixel = destination + (static_cast<size_t>(i) * width + x) * 4;
      pixel[0] = GetRValue(colour) / 255.0f;
      pixel[1] = GetGValue(colour) / 255.0f;
      pixel[2] = GetBValue(colour) / 255.0f;
    }
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

void GLFWTexture::createTexture() {
  release();
  glGenTextures(1, &textureName);
  glActiveTexture(GL_TEXTURE0);
}

void GLFWTexture::loadMipmapChain(const int* ids, int count) {
  if (!ids || count < 1 || count > longestChain) return;
  createTexture();
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, textureName);
  int size = 1;
  for (int i = 0; i < count; ++i) {
    const std::vector<float> pixels = readSquare(ids[i], size);
    glTexImage2D(GL_TEXTURE_2D, count - 1 - i, GL_RGBA, size, size, 0, GL_RGBA, GL_FLOAT, pixels.data());
    size *= 2;
  }
  setWrapAndFilters();
}

void GLFWTexture::loadBitmap(int id, int size) {
  if (!isPowerOfTwoUpTo2048(size)) return;
  createTexture();
  glBindTexture(GL_TEXTURE_2D, textureName);
  // One level fewer than a full chain; only level 0 is filled and used.
  int levels = 0;
  while ((1 << (levels + 1)) <= size) ++levels;
  if (levels == 0) levels = 1;

  const std::vector<float> pixels = readSquare(id, size);
  if (glTexStorage2D) {
    glTexStorage2D(GL_TEXTURE_2D, levels, GL_RGBA32F, size, size);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_RGBA, GL_FLOAT, pixels.data());
  } else {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_FLOAT, pixels.data());
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

void GLFWTexture::release() {
  if (textureName) glDeleteTextures(1, &textureName);
  textureName = 0;
}

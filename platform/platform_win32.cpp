#include "platform/platform.h"

#include <windows.h>

namespace platform {

std::string_view resourceBytes(unsigned id, const char* type) {
  HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(id & 0xFFFFu), type);
  if (!info) return {};
  HGLOBAL handle = LoadResource(nullptr, info);
  DWORD size = SizeofResource(nullptr, info);
  const void* bytes = handle ? LockResource(handle) : nullptr;
  if (!bytes || size == 0) return {};
  return {static_cast<const char*>(bytes), static_cast<size_t>(size)};
}

void showMessageBox(const char* text, const char* caption, BoxIcon icon) {
  MessageBoxA(nullptr, text, caption, icon == BoxIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
}

void debugOutput(const char* text) { OutputDebugStringA(text); }

}  // namespace platform

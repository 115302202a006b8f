// Prints, as one JSON object, what the saver's executable carries among its pictures: the size and
// depth of bitmaps 101 and 123, the PNG header of 124, and the image sizes of icon group 1.
//
//   saver_resources_probe.exe <path of tesselume.scr>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

HMODULE saver = nullptr;

std::string_view bytesOf(LPCSTR type, int id) {
  HRSRC info = FindResourceA(saver, MAKEINTRESOURCEA(id), type);
  if (!info) return {};
  HGLOBAL handle = LoadResource(saver, info);
  const void* bytes = handle ? LockResource(handle) : nullptr;
  return bytes ? std::string_view(static_cast<const char*>(bytes), SizeofResource(saver, info)) : std::string_view{};
}

std::uint32_t bigEndian(std::string_view b, size_t at) {
  auto u = [&](size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])); };
  return u(0) << 24 | u(1) << 16 | u(2) << 8 | u(3);
}

// A BITMAP resource is a BITMAPINFOHEADER and the pixels, without the file header.
std::string bitmapJson(int id) {
  const std::string_view b = bytesOf(RT_BITMAP, id);
  if (b.size() < sizeof(BITMAPINFOHEADER)) return "null";
  BITMAPINFOHEADER header;
  std::memcpy(&header, b.data(), sizeof header);
  return "{\"width\": " + std::to_string(header.biWidth) + ", \"height\": " + std::to_string(header.biHeight) +
         ", \"bits\": " + std::to_string(header.biBitCount) + "}";
}

std::string pngJson(int id) {
  const std::string_view b = bytesOf("PNG", id);
  if (b.size() < 24 || b.substr(0, 8) != "\x89PNG\r\n\x1a\n" || b.substr(12, 4) != "IHDR") return "null";
  return "{\"width\": " + std::to_string(bigEndian(b, 16)) + ", \"height\": " + std::to_string(bigEndian(b, 20)) +
         ", \"bytes\": " + std::to_string(b.size()) + "}";
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

std::string iconGroupJson(int id) {
  const std::string_view b = bytesOf(RT_GROUP_ICON, id);
  if (b.size() < 6) return "null";
  WORD count;
  std::memcpy(&count, b.data() + 4, sizeof count);
  std::string out = "[";
  for (WORD i = 0; i < count && 6 + (i + 1) * sizeof(GroupIconEntry) <= b.size(); ++i) {
    GroupIconEntry entry;
    std::memcpy(&entry, b.data() + 6 + i * sizeof entry, sizeof entry);
    out += (i ? ", " : "") + std::string("{\"size\": ") + std::to_string(entry.width ? entry.width : 256) +
           ", \"bits\": " + std::to_string(entry.bits) + "}";
  }
  return out + "]";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  saver = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!saver) return 1;
  std::printf("{\"bitmap101\": %s, \"bitmap123\": %s, \"png124\": %s, \"icon1\": %s}\n", bitmapJson(101).c_str(),
              bitmapJson(123).c_str(), pngJson(124).c_str(), iconGroupJson(1).c_str());
  return 0;
}

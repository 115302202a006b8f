#include "platform/native_resources.h"
#include "platform/platform.h"

#include <cstdio>
#include <deque>
#include <map>
#include <string>
#include <strings.h>
#include <utility>

namespace platform {
namespace {

// Resource types compare without case, as Windows' lookup does.
struct TypeLess {
  bool operator()(const std::pair<unsigned, std::string>& a, const std::pair<unsigned, std::string>& b) const {
    if (a.first != b.first) return a.first < b.first;
    return strcasecmp(a.second.c_str(), b.second.c_str()) < 0;
  }
};

std::map<std::pair<unsigned, std::string>, std::string_view, TypeLess>& table() {
  static std::map<std::pair<unsigned, std::string>, std::string_view, TypeLess> resources;
  return resources;
}

std::string& boxLog() {
  static std::string log;
  return log;
}

}  // namespace

std::string_view resourceBytes(unsigned id, const char* type) {
  auto found = table().find({id & 0xFFFFu, type});
  return found == table().end() ? std::string_view{} : found->second;
}

void showMessageBox(const char* text, const char* caption, BoxIcon) {
  std::fprintf(stderr, "[%s] %s\n", caption, text);
  boxLog() += std::string(caption) + "|" + text + "\n";
}

void debugOutput(const char* text) { std::fputs(text, stderr); }

namespace native {

void registerResources(const EmbeddedResource* entries, unsigned long count) {
  for (unsigned long i = 0; i < count; ++i) {
    table()[{entries[i].id & 0xFFFFu, entries[i].type}] =
        std::string_view(reinterpret_cast<const char*>(entries[i].bytes), entries[i].size);
  }
}

void registerResource(unsigned id, const char* type, std::string_view bytes) {
  static std::deque<std::string> kept;  // a deque never moves what it holds
  kept.emplace_back(bytes);
  table()[{id & 0xFFFFu, type}] = kept.back();
}

const char* messageBoxLog() { return boxLog().c_str(); }

}  // namespace native
}  // namespace platform

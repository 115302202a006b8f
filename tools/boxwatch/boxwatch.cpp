// boxwatch --count N --timeout-ms T [--pid P]
// Waits for message boxes (visible top-level "#32770" windows, optionally of one Windows process),
// prints each as one JSON line, presses its OK button, and goes on until N boxes were handled.
// Exit code 0 when N boxes were seen, 1 on timeout, 2 on a bad command line.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "box_icon.h"
#include "json_line.h"

namespace {

struct Options {
  int count = 1;
  DWORD timeoutMs = 20000;
  DWORD pid = 0;  // 0: boxes of any process
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(argv[i], "--count") && hasValue) {
      options.count = std::atoi(argv[++i]);
    } else if (!std::strcmp(argv[i], "--timeout-ms") && hasValue) {
      options.timeoutMs = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
    } else if (!std::strcmp(argv[i], "--pid") && hasValue) {
      options.pid = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
    } else {
      return false;
    }
  }
  return options.count > 0;
}

struct Search {
  DWORD pid;
  const std::set<HWND>* handled;
  HWND found;
};

BOOL CALLBACK findBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  wchar_t cls[16];
  if (!IsWindowVisible(window) || !GetClassNameW(window, cls, 16) || std::wcscmp(cls, L"#32770") != 0) return TRUE;
  if (search->handled->count(window)) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (search->pid && pid != search->pid) return TRUE;
  search->found = window;
  return FALSE;
}

std::wstring windowText(HWND window) {
  // WM_GETTEXT is marshalled across processes; the length query tells the buffer size.
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

BoxReport readBox(HWND box) {
  BoxReport report;
  report.caption = windowText(box);
  // The message text is the static control with the id 0xFFFF.
  if (HWND textControl = GetDlgItem(box, 0xFFFF)) report.text = windowText(textControl);
  GetWindowThreadProcessId(box, &report.pid);
  report.icon = messageBoxIcon(box);
  return report;
}

// OK as a user would press it; a box without an OK button is asked to close.
void dismiss(HWND box) {
  DWORD_PTR result = 0;
  if (HWND ok = GetDlgItem(box, IDOK)) {
    SendMessageTimeoutW(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  } else {
    PostMessageW(box, WM_CLOSE, 0, 0);
  }
  // Wait until it is gone so it is not seen twice.
  for (int i = 0; i < 100 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(20);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: boxwatch [--count N] [--timeout-ms T] [--pid P]\n");
    return 2;
  }
  // Plain "\n" line ends: the reader is a Unix program.
  _setmode(_fileno(stdout), _O_BINARY);

  std::set<HWND> handled;
  int seen = 0;
  const ULONGLONG start = GetTickCount64();
  while (seen < options.count && GetTickCount64() - start < options.timeoutMs) {
    Search search{options.pid, &handled, nullptr};
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
      Sleep(30);
      continue;
    }
    const std::string line = boxReportJson(readBox(search.found)) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
    handled.insert(search.found);
    dismiss(search.found);
    ++seen;
  }
  return seen >= options.count ? 0 : 1;
}

// One message box as a single line of JSON.
#pragma once

#include <string>

struct BoxReport {
  std::wstring caption;
  std::wstring text;
  unsigned long pid = 0;
  const char* icon = nullptr;  // "information", "exclamation", ...; null when not known
};

// UTF-8 JSON object without a line break of its own; control characters are escaped.
std::string boxReportJson(const BoxReport& box);

#include "util/messages.h"

#include <locale>
#include <sstream>

#include "platform/platform.h"

std::string formatFloat(float value) {
  std::ostringstream text;
  // The classic locale keeps the decimal point whatever the process's global locale says.
  text.imbue(std::locale::classic());
  text << value;
  return text.str();
}

void showFloats(float x, float y, float z) {
  const std::string text = "Float X: " + formatFloat(x) + "\r\nFloat Y: " + formatFloat(y) +
                           "\r\nFloat Z: " + formatFloat(z);
  platform::showMessageBox(text.c_str(), "Info");
}

void showStatistics(float minimum, float maximum, float average) {
  const std::string text = "Min: " + formatFloat(minimum) + "\r\nMax: " + formatFloat(maximum) +
                           "\r\nAverage: " + formatFloat(average);
  platform::showMessageBox(text.c_str(), "Info");
}

void TESSELUME_GL_CALLBACK debugOutput(unsigned, unsigned, unsigned, unsigned, int, const char* message, const void*) {
  platform::debugOutput(message ? message : "");
  platform::debugOutput("\n");
}

#include "Accelerator.h"

#include <cctype>

bool IsAccel(char32_t Ch, const std::string& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] == '&') {
      ++i;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(Caption[i + 1]);
    return Ch < 128 && std::toupper(c) == std::toupper(static_cast<int>(Ch));
  }
  return false;
}

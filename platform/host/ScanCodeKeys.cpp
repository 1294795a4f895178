#include "ScanCodeKeys.h"

#include <string_view>

uint16_t VirtualKeyFromScanCode(uint32_t NativeScanCode) {
  // The rows of a US keyboard from their first X keycode.
  struct Row {
    uint32_t first;
    std::string_view keys;
  };
  static constexpr Row rows[] = {{10, "1234567890"}, {24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
  for (const Row& r : rows)
    if (NativeScanCode >= r.first && NativeScanCode < r.first + r.keys.size())
      return static_cast<uint16_t>(r.keys[NativeScanCode - r.first]);
  return 0;
}

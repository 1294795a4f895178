#include "TColor.h"

#include <array>

namespace {
constexpr std::array<uint32_t, 31> kSysColors = {
    RGB(200, 200, 200), RGB(0, 0, 0),       RGB(153, 180, 209), RGB(191, 205, 219),
    RGB(240, 240, 240), RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(180, 180, 180), RGB(244, 247, 252),
    RGB(171, 171, 171), RGB(51, 153, 255),  RGB(255, 255, 255), RGB(240, 240, 240),
    RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0),       RGB(67, 78, 84),
    RGB(255, 255, 255), RGB(105, 105, 105), RGB(227, 227, 227), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 102, 204),   RGB(185, 209, 234),
    RGB(215, 228, 242), RGB(51, 153, 255),  RGB(240, 240, 240),
};
}  // namespace

uint32_t GetSysColor(int Index) {
  if (Index < 0 || Index >= static_cast<int>(kSysColors.size())) return 0;
  return kSysColors[Index];
}

TColor ColorToRGB(TColor Color) {
  if (Color < 0) return static_cast<TColor>(GetSysColor(Color & 0xFF));
  return Color;
}

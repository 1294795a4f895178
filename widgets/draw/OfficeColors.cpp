#include "OfficeColors.h"

#include <algorithm>

#include "OfficeRounding.h"

namespace {

// Channels stay within 0..255 rather than wrapping: a large percentage
// turns a black channel white, darkening beyond -100 % gives black.
int ScaleChannel(int c, int p) {
  if (c == 0) return std::clamp(p, 0, 255);
  const long double q = std::clamp(100.0L + p, 0.0L, 100.0L);
  return RoundHalfEven(c * q / 100);
}

}  // namespace

ARGB ColorToArgb(TColor Color) {
  TColor c = ColorToRGB(Color);
  return MakeARGB(255, GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor BlendColor(TColor Col1, TColor Col2, int Percent) {
  if (Percent >= 100) return Col1;
  if (Percent <= 0) return Col2;
  TColor a = ColorToRGB(Col1), b = ColorToRGB(Col2);
  const long double f = Percent / 100.0L;
  auto mix = [f](int x, int y) { return RoundHalfEven(f * x + (1 - f) * y); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor ScaleColorRGB(TColor Color, int RedPercent, int GreenPercent, int BluePercent) {
  TColor c = ColorToRGB(Color);
  return RGB(ScaleChannel(GetRValue(c), RedPercent), ScaleChannel(GetGValue(c), GreenPercent),
             ScaleChannel(GetBValue(c), BluePercent));
}

TColor ScaleColor(TColor Color, int Percent) { return ScaleColorRGB(Color, Percent, Percent, Percent); }

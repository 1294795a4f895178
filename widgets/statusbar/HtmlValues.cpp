#include "HtmlValues.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct TNamedColor {
  std::string_view Name;
  TColor Color;
};

constexpr std::array<TNamedColor, 40> kNamedColors{{
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

}  // namespace

THtmlInt ReadHtmlInt(std::string_view Text) {
  size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
  int base = 10;
  if (i < Text.size() && Text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  // The magnitude saturates just past the limit, so no digit count overflows.
  int64_t magnitude = 0;
  size_t digits = 0;
  for (; i < Text.size(); ++i) {
    int d = base == 16 ? HexDigit(Text[i]) : (Text[i] >= '0' && Text[i] <= '9' ? Text[i] - '0' : -1);
    if (d < 0) break;
    magnitude = std::min<int64_t>(magnitude * base + d, int64_t{kHtmlCoordLimit} + 1);
    ++digits;
  }
  THtmlInt out;
  bool inRange = magnitude <= kHtmlCoordLimit;
  magnitude = std::min<int64_t>(magnitude, kHtmlCoordLimit);
  out.Value = static_cast<int>(negative ? -magnitude : magnitude);
  out.Whole = digits > 0 && i == Text.size() && inRange;
  return out;
}

TColor ParseHtmlColor(std::string_view Value) {
  if (!Value.empty() && Value[0] == '#') {
    if (Value.size() != 7) return clBlack;
    int bytes[3];
    for (int k = 0; k < 3; ++k) {
      int hi = HexDigit(Value[1 + 2 * k]), lo = HexDigit(Value[2 + 2 * k]);
      if (hi < 0 || lo < 0) return clBlack;
      bytes[k] = hi * 16 + lo;
    }
    return RGB(bytes[0], bytes[1], bytes[2]);
  }
  std::string lower(Value);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (const TNamedColor& n : kNamedColors)
    if (n.Name == lower) return n.Color;
  return clBlack;
}

std::string UpperAscii(std::string_view Text) {
  std::string out(Text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::optional<std::string_view> HtmlAttribute(std::string_view Tag, std::string_view Name) {
  size_t at = Tag.find(Name);
  if (at == std::string_view::npos) return std::nullopt;
  size_t open = Tag.find('"', at + Name.size());
  if (open == std::string_view::npos) return Tag.substr(at + Name.size(), 0);
  size_t close = Tag.find('"', open + 1);
  if (close == std::string_view::npos) close = Tag.size();
  return Tag.substr(open + 1, close - open - 1);
}

std::string_view FirstQuoted(std::string_view Tag) {
  size_t open = Tag.find('"');
  if (open == std::string_view::npos) return Tag.substr(Tag.size());
  size_t close = Tag.find('"', open + 1);
  if (close == std::string_view::npos) close = Tag.size();
  return Tag.substr(open + 1, close - open - 1);
}

std::optional<int> HtmlFontSize(std::string_view UpperTag) {
  size_t at = UpperTag.find("SIZE");
  if (at == std::string_view::npos) return std::nullopt;
  size_t eq = UpperTag.find('=', at + 4);
  std::string_view rest = eq == std::string_view::npos ? std::string_view{} : UpperTag.substr(eq + 1);
  // A quote opens the value only where it follows the "=" directly, so a
  // later attribute's value is never read as the size.
  size_t first = rest.find_first_not_of(' ');
  if (first != std::string_view::npos && rest[first] == '"') rest = rest.substr(first + 1);
  size_t digits = 0;
  while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
  int n = ReadHtmlInt(rest.substr(0, digits)).Value;
  static constexpr int kHtmlSizes[] = {8, 10, 12, 14, 16};
  if (n >= 1 && n <= 5) return kHtmlSizes[n - 1];
  return std::clamp(n, 1, 200);
}

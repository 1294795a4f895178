// Reading values out of status-panel markup: integers, colours and the
// quoted values of tag attributes. Every reader is total: malformed input
// gives a defined value, never an error.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "graphics/TColor.h"

// Offsets and sizes read from markup stay within this many pixels either way.
constexpr int kHtmlCoordLimit = 32767;

struct THtmlInt {
  int Value = 0;     // clamped to +-kHtmlCoordLimit
  bool Whole = false;  // the text was one integer and nothing else, in range
};

// An integer up to the first character that does not belong to one (0 when
// there is none): leading spaces and a sign are allowed, and "$" or "0x"
// introduces hexadecimal digits. Values beyond the limit are clamped.
THtmlInt ReadHtmlInt(std::string_view Text);

// "#RRGGBB" (exactly six hexadecimal digits, either case) or a colour name
// such as "clRed" or "clBtnFace" (any case); anything else is black.
TColor ParseHtmlColor(std::string_view Value);

// ASCII letters upper-cased; every other byte (UTF-8 too) kept, so byte
// offsets match the original text.
std::string UpperAscii(std::string_view Text);

// The value of attribute Name in Tag: the text between the first double
// quote after the name and the next one (to the end when that is missing);
// empty when the name is followed by no quote, nothing when the name is
// absent. Tag and Name are compared as given (callers pass upper case).
// The value is a view into Tag, empty ones too, so its offset in Tag finds
// the same bytes in the tag's original-case text.
std::optional<std::string_view> HtmlAttribute(std::string_view Tag, std::string_view Name);

// The first double-quoted value in Tag, or an empty view at its end.
std::string_view FirstQuoted(std::string_view Tag);

// A FONT tag's SIZE: the number after "SIZE" and "=" (quoted or not);
// 1 to 5 are the HTML sizes 8, 10, 12, 14 and 16 points, any other number
// that many points, clamped to 1..200. Nothing when the tag has no SIZE.
std::optional<int> HtmlFontSize(std::string_view UpperTag);

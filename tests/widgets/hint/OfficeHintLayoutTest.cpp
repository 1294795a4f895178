// The Office hint window's sizes without pixels: each layout measured by a
// fixed-pitch stand-in for the font, and keeping the window on the work area.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "hint/OfficeHintLayout.h"

namespace {

constexpr int kCharWidth = 6;
constexpr int kLineHeight = 12;

// Every character 6 pixels wide, lines 12 high, broken at line breaks
// and wrapped between words; a trailing line break adds no line.
TSize Measure(std::string_view text, int width) {
  int widest = 0, lines = 0;
  while (!text.empty()) {
    const size_t end = text.find("\r\n");
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
    int used = 0;
    ++lines;
    while (!line.empty()) {
      const size_t space = line.find(' ');
      const int word = static_cast<int>(space == std::string_view::npos ? line.size() : space) * kCharWidth;
      if (used > 0 && used + kCharWidth + word > width) {
        ++lines;
        used = 0;
      }
      used += (used > 0 ? kCharWidth : 0) + word;
      widest = std::max(widest, used);
      line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    }
  }
  return {widest, lines * kLineHeight};
}

// The platform's rectangle for the hint text "*".
constexpr TRect kStar{100, 200, 110, 220};
constexpr int kHintWidth = 200;

}  // namespace

TEST(OfficeHintLayout, SizesTitleNotesPictureAndHelpLine) {
  const std::string notes = "Short notes\r\n";  // 66 wide
  const std::string fiveWords = "xxxxxxxxx xxxxxxxxx xxxxxxxxx xxxxxxxxx xxxxxxxxx\r\n";
  struct Case {
    const char* name;
    TOfficeHintContent content;
    TRect expected;
  };
  const Case cases[] = {
      // Title line g + g / 3 above the notes, HintWidth + 4 wider.
      {"title and notes", {.Title = true, .Notes = notes}, {100, 200, 314, 248}},
      // 24 wider than the widest line; no title line.
      {"notes only", {.Notes = notes}, {100, 200, 190, 232}},
      // Wrapped at 10 + 4 + HintWidth - 16 = 198: lines of three and two words.
      {"notes only, wrapped", {.Notes = fiveWords}, {100, 200, 298, 244}},
      {"title, notes and a higher picture", {.Title = true, .Notes = notes, .Picture = {32, 40}}, {100, 200, 314, 276}},
      // The picture and its gap stay in the width.
      {"notes and a picture", {.Notes = notes, .Picture = {32, 40}}, {100, 200, 224, 260}},
      {"title, notes and help line", {.Title = true, .Notes = notes, .ShowHelp = true}, {100, 200, 314, 264}},
      {"notes and help line with a higher picture",
       {.Notes = notes, .ShowHelp = true, .HelpPictureHeight = 20},
       {100, 200, 190, 252}},
      {"wide title and wide notes", {.WideTitle = true, .WideNotes = "Wide notes"}, {100, 200, 314, 248}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TRect r = OfficeHintRect(kStar, kHintWidth, c.content, kLineHeight, Measure);
    EXPECT_EQ(r, c.expected);
    // The notes are painted in at least the width they were measured in,
    // so they wrap as measured and nothing is cut.
    const std::string& text = c.content.Notes.empty() ? c.content.WideNotes : c.content.Notes;
    const int measuredIn = kStar.Width() + 4 + kHintWidth - 16 - (c.content.Picture.cx ? c.content.Picture.cx + 2 : 0);
    EXPECT_GE(OfficeHintNotesWidth(r.Width(), c.content.Picture.cx), Measure(text, measuredIn).cx);
  }
}

TEST(OfficeHintLayout, ThePlainLayoutAddsMarginsOnly) {
  EXPECT_EQ(PlainHintRect(kStar, true), (TRect{100, 200, 114, 228}));
  EXPECT_EQ(PlainHintRect(kStar, false), (TRect{100, 200, 114, 220}));
}

TEST(OfficeHintLayout, KeepsTheWindowInsideTheWorkAreaOnEverySide) {
  // A monitor right of the primary one, with panels along its top.
  const TRect work{1000, 30, 1600, 380};
  struct Case {
    const char* name;
    TRect r, expected;
  };
  const Case cases[] = {
      {"inside", {1100, 100, 1200, 150}, {1100, 100, 1200, 150}},
      {"past the right", {1500, 100, 1700, 150}, {1400, 100, 1600, 150}},
      {"past the bottom", {1100, 350, 1200, 400}, {1100, 330, 1200, 380}},
      {"before the left", {900, 100, 1000, 150}, {1000, 100, 1100, 150}},
      {"above the top", {1100, 10, 1200, 60}, {1100, 30, 1200, 80}},
      {"larger than the area", {900, 0, 1700, 500}, {1000, 30, 1800, 530}},
  };
  for (const Case& c : cases) EXPECT_EQ(KeepOnWorkArea(c.r, work), c.expected) << c.name;
}

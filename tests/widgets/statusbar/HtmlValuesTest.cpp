// Values read out of markup: integers with their overflow clamp, colours,
// font sizes, entities, and which anchors may go to the opener.
#include <gtest/gtest.h>

#include <string>

#include "statusbar/HtmlAnchor.h"
#include "statusbar/HtmlEntities.h"
#include "statusbar/HtmlValues.h"

TEST(HtmlValues, ReadHtmlIntStopsAtTheFirstStrangerAndClamps) {
  struct Case { const char* text; int value; bool whole; };
  const Case cases[] = {
      {"42", 42, true},          {"  -17", -17, true},       {"+8", 8, true},
      {"$1F", 31, true},         {"0x1f", 31, true},         {"12px", 12, false},
      {"", 0, false},            {"abc", 0, false},          {"-", 0, false},
      {"32767", 32767, true},    {"32768", 32767, false},    {"-99999999999999999999", -32767, false},
      {"0xFFFFFFFFFFFFFFFFFF", 32767, false},                {"$", 0, false},
  };
  for (const Case& k : cases) {
    THtmlInt n = ReadHtmlInt(k.text);
    EXPECT_EQ(n.Value, k.value) << k.text;
    EXPECT_EQ(n.Whole, k.whole) << k.text;
  }
}

TEST(HtmlValues, ParseHtmlColor) {
  struct Case { const char* value; TColor color; };
  const Case cases[] = {
      {"#FF0000", clRed},    {"#ff0000", clRed},     {"#0000FF", clBlue},  {"clred", clRed},
      {"CLRED", clRed},      {"clBtnFace", clBtnFace}, {"clinfobk", clInfoBk}, {"nocolour", clBlack},
      // Anything but exactly six hexadecimal digits is black.
      {"#FF00", clBlack},    {"#FF00001", clBlack},  {"#GG0000", clBlack}, {"#", clBlack}, {"", clBlack},
  };
  for (const Case& k : cases) EXPECT_EQ(ParseHtmlColor(k.value), k.color) << k.value;
}

TEST(HtmlValues, FontSizesAreHtmlSizesOrPointsWithinOneToTwoHundred) {
  struct Case { const char* tag; int points; };
  const Case cases[] = {
      {" SIZE=\"3\"", 12}, {" SIZE=\"7\"", 7},  {" SIZE=1", 8},           {" SIZE=\"5\"", 16},
      {" SIZE=\"0\"", 1},  {" SIZE=\"999999999999\"", 200}, {" SIZE=\"250\"", 200}, {" SIZE=", 1},
      // A quote further on belongs to another attribute, not to the size.
      {" SIZE=4 COLOR=\"9\"", 14},
  };
  for (const Case& k : cases) EXPECT_EQ(HtmlFontSize(k.tag), k.points) << k.tag;
  EXPECT_EQ(HtmlFontSize(" COLOR=\"3\""), std::nullopt);
}

TEST(HtmlValues, AttributesAreTheirFirstQuotedValue) {
  EXPECT_EQ(HtmlAttribute("<IMG SRC=\"IDX:3\" WIDTH=\"9\">", "WIDTH"), "9");
  EXPECT_EQ(HtmlAttribute("<IMG SRC=\"IDX:3", "SRC"), "IDX:3");
  EXPECT_EQ(HtmlAttribute("<IMG SRC=X>", "SRC"), "");
  EXPECT_EQ(HtmlAttribute("<IMG>", "SRC"), std::nullopt);
}

TEST(HtmlEntities, BecomeUtf8) {
  struct Case { const char* in; const char* out; };
  const Case cases[] = {
      {"a &amp; b", "a && b"},
      {"&QUOT;x&quot;", "\"x\""},
      {"&sect;&permil;&reg;&copy;&para;&trade;&euro;", "§‰®©¶™€"},
      {"&amp;amp;", "&&&"},  // a second round finds what the first made
      {"&amp;quot;", "&\""},  // and one round the entity that an earlier one completed
      {"&unknown; &", "&unknown; &"},
      {"&euro", "&euro"},
  };
  for (const Case& k : cases) {
    std::string s = k.in;
    ReplaceTextEntities(s);
    EXPECT_EQ(s, k.out) << k.in;
  }
  std::string run = "a&nbsp;b&LT;&gt;";
  ReplaceRunEntities(run);
  EXPECT_EQ(run, "a b<>");
}

TEST(HtmlAnchor, OnlyWebAndMailAnchorsWithoutAttachmentsOpen) {
  struct Case { const char* anchor; bool openable; };
  const Case cases[] = {
      {"http://www.example.com", true},
      {"https://example.com/a?b=c#d", true},
      {"HTTP://EXAMPLE.COM", true},
      {"mailto:someone@example.com", true},
      {"mailto:someone@example.com?subject=hi", true},
      {"mailto:a@b.c?attach=/etc/passwd", false},
      {"mailto:a@b.c?subject=x&Attachment=~/.ssh/id_rsa", false},
      {"mailto:a@b.c?%61ttach=/etc/passwd", false},
      {"mailto:", false},
      {"mailto:?attach=x", false},
      {"http://", false},
      {"http:///etc/passwd", false},
      {"https://@evil", false},
      {"http://exa mple.com", false},
      {"http://example.com\n", false},
      {"http://example.com\t", false},
      {"http://ex\x7F.com", false},
      {"http:\\\\example.com", false},
      {"http://example.com\\@evil", false},
      {"file:///etc/passwd", false},
      {"javascript:alert(1)", false},
      {"ftp://example.com", false},
      {"/usr/bin/xterm", false},
      {"--help", false},
      {"", false},
      {"Version", false},
  };
  for (const Case& k : cases) EXPECT_EQ(IsOpenableAnchor(k.anchor), k.openable) << k.anchor;
}

// Pixel-exact pictures, written out row by row.
#include "Glyphs.h"

#include "Painting.h"

#include <initializer_list>
#include <map>
#include <string_view>

namespace {

// One string per row; each character picks the colour of its pixel.
QImage FromRows(std::initializer_list<std::string_view> Rows, const std::map<char, QRgb>& Colours)
{
  const int W = int(Rows.begin()->size());
  QImage Image(W, int(Rows.size()), QImage::Format_RGB32);
  int Y = 0;
  for (std::string_view Row : Rows) {
    for (int X = 0; X < W; ++X)
      Image.setPixel(X, Y, Colours.at(Row[size_t(X)]));
    ++Y;
  }
  return Image;
}

const std::map<char, QRgb> Ink{{'#', 0xFF000000}, {'.', 0xFFFFFFFF}};

} // namespace

QImage SubMenuArrowGlyph()
{
  return FromRows({"#...", "##..", "###.", "####", "###.", "##..", "#..."}, Ink);
}

QImage CheckGlyph()
{
  return FromRows({"................", "................", "................", "................",
                   "................", "..........#.....", ".........##.....", "....#...###.....",
                   "....##.###......", "....#####.......", ".....###........", "......#.........",
                   "................", "................", "................", "................"},
                  Ink);
}

QImage RadioGlyph()
{
  return FromRows({"................", "................", "................", "................",
                   "................", "......####......", ".....######.....", ".....######.....",
                   ".....######.....", ".....######.....", "......####......", "................",
                   "................", "................", "................", "................"},
                  Ink);
}

QImage LauncherGlyph()
{
  return FromRows({"#####....", "#........", "#........", "#..#.....", "#...#..#.", ".....#.#.",
                   "......##.", "....####.", "........."},
                  {{'#', 0xFF5F7EA6}, {'.', KeyColour}});
}

QImage KeyedSample()
{
  QImage Image(8, 8, QImage::Format_RGB32);
  Image.fill(QColor(0x33, 0x66, 0xCC));
  for (int I = 0; I < 8; ++I)
    Image.setPixel(I, I, KeyColour);
  Image.setPixel(0, 7, KeyColour);
  return Image;
}

QImage AlphaSample()
{
  QImage Image(8, 8, QImage::Format_ARGB32);
  Image.fill(Qt::transparent);
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 4; ++X)
      Image.setPixel(X, Y, 0xFFFF0000);
  return Image;
}

QImage PatternSample()
{
  QImage Image(16, 16, QImage::Format_RGB32);
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 16; ++X)
      Image.setPixel(X, Y, (X < 8) == (Y < 8) ? 0xFF000000 : 0xFFFFFFFF);
  return Image;
}

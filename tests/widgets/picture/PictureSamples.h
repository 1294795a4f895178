// The sample pictures of the picture tests, and a canvas to draw them on.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "Resources.h"
#include "core/TStream.h"
#include "graphics/TBitmap.h"

inline std::vector<uint8_t> Sample(std::string_view Name) {
  std::span<const uint8_t> bytes = FindResource(Name);
  EXPECT_FALSE(bytes.empty()) << Name;
  return {bytes.begin(), bytes.end()};
}

inline void PutLE32(std::vector<uint8_t>& Out, uint32_t V) {
  for (int i = 0; i < 4; ++i) Out.push_back(static_cast<uint8_t>(V >> (8 * i)));
}

// A bitmap filled with one colour that tells which pixels a draw touched.
struct TTarget {
  TBitmap bitmap;
  TColor background;

  TTarget(int Width, int Height, TColor Background = clLime) : bitmap(Width, Height), background(Background) {
    bitmap.Canvas()->Brush()->SetColor(Background);
    bitmap.Canvas()->FillRect({0, 0, Width, Height});
  }
  TCanvas* Canvas() { return bitmap.Canvas(); }
  TColor At(int X, int Y) { return bitmap.Canvas()->Pixel(X, Y); }
  bool Untouched() {
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        if (At(x, y) != background) return false;
    return true;
  }
};

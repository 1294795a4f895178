// Colour arithmetic: conversion, blending with its pass-through ends, and
// darkening with halves rounded to even.
#include <gtest/gtest.h>

#include "draw/OfficeColors.h"

TEST(OfficeColors, ColorToArgbIsOpaqueRedGreenBlueOfTheResolvedColour) {
  EXPECT_EQ(ColorToArgb(0x563412), 0xFF123456u);
  EXPECT_EQ(ColorToArgb(clRed), 0xFFFF0000u);
  EXPECT_EQ(ColorToArgb(clBtnFace), 0xFFF0F0F0u);
}

TEST(OfficeColors, BlendColor) {
  struct Case { TColor a, b; int percent; TColor expected; };
  const Case cases[] = {
      {clWhite, clBlack, 50, 0x808080},       // 127.5 rounds to 128
      {0x010101, clBlack, 50, 0x000000},      // 0.5 rounds to 0
      {0x030303, clBlack, 50, 0x020202},      // 1.5 rounds to 2
      {clWhite, clBlack, 25, 0x404040},
      {clBtnFace, clBlack, 50, 0x787878},     // resolved first
      {clBtnFace, clBlack, 100, clBtnFace},   // returned as given
      {clBtnFace, clBlack, 250, clBtnFace},
      {clBlack, clBtnFace, 0, clBtnFace},
      {clBlack, clBtnFace, -7, clBtnFace},
  };
  for (const Case& k : cases)
    EXPECT_EQ(BlendColor(k.a, k.b, k.percent), k.expected)
        << std::hex << k.a << " " << k.b << " " << std::dec << k.percent;
}

TEST(OfficeColors, ScaleColorDarkensAndLeavesBrighterChannels) {
  struct Case { TColor color; int percent; TColor expected; };
  const Case cases[] = {
      {clWhite, -10, 0xE6E6E6},  {clWhite, -5, 0xF2F2F2},   {clSilver, -5, 0xB6B6B6},
      {clBlack, -10, clBlack},   {clBlack, 20, 0x141414},   {0x808080, 30, 0x808080},
      {clBtnFace, -10, 0xD8D8D8},
      {0x070505, -50, 0x040202},  // 2.5 to 2, 3.5 to 4
      // Beyond the channel range: black, and white, instead of wrapping.
      {clWhite, -150, clBlack},  {clBlack, 300, clWhite},
  };
  for (const Case& k : cases)
    EXPECT_EQ(ScaleColor(k.color, k.percent), k.expected) << std::hex << k.color << " " << std::dec << k.percent;
  EXPECT_EQ(ScaleColorRGB(RGB(0x80, 0xFF, 0), -50, -10, 30), RGB(64, 230, 30));
}

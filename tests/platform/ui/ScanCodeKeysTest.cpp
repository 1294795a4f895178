// The virtual key of a key by its position, for layouts whose letters are
// not Latin.
#include <gtest/gtest.h>

#include "host/ScanCodeKeys.h"

TEST(ScanCodeKeys, LettersAndDigitsTakeTheVirtualKeyOfTheirUsPosition) {
  struct Case {
    uint32_t scanCode;
    uint16_t key;
  };
  const Case cases[] = {
      {24, 'Q'}, {25, 'W'}, {33, 'P'},  // top letter row
      {38, 'A'}, {41, 'F'}, {46, 'L'},  // home row
      {52, 'Z'}, {54, 'C'}, {58, 'M'},  // bottom row
      {10, '1'}, {18, '9'}, {19, '0'},  // digit row
      {0, 0},    {9, 0},    {20, 0},    // none, Escape, minus
      {34, 0},   {36, 0},   {37, 0},    // bracket, Return, Control
      {47, 0},   {50, 0},   {59, 0},    // semicolon, Shift, comma
      {65, 0},   {300, 0},              // space, beyond the keyboard
  };
  for (const Case& c : cases) EXPECT_EQ(VirtualKeyFromScanCode(c.scanCode), c.key) << "scan code " << c.scanCode;
}

// The page toolbar's rectangles as pure functions.
#include <gtest/gtest.h>

#include "pager/ToolBarGeometry.h"

namespace {

// AdvToolBar12 of the main window: 197 x 69, caption below, no handle.
TToolBarMetrics Information() {
  TToolBarMetrics m;
  m.Width = 197;
  m.Height = 69;
  m.CaptionPosition = cpBottom;
  m.ShowCaption = true;
  m.ShowRightHandle = false;
  return m;
}

TEST(ToolBarGeometry, Rectangles) {
  struct Case {
    const char* Name;
    TToolBarMetrics M;
    TRect Caption, Body, Option, Text;
  };
  TToolBarMetrics top = Information();
  top.CaptionPosition = cpTop;
  TToolBarMetrics noCaption = Information();
  noCaption.ShowCaption = false;
  TToolBarMetrics noIndicator = Information();
  noIndicator.ShowOptionIndicator = false;
  TToolBarMetrics handle = Information();
  handle.ShowRightHandle = true;
  TToolBarMetrics tall = Information();
  tall.CaptionHeight = 20;
  const Case cases[] = {
      {"caption below", Information(), {0, 53, 197, 69}, {0, 0, 197, 53}, {182, 55, 196, 68}, {3, 53, 182, 69}},
      {"caption above", top, {0, 0, 197, 16}, {0, 16, 197, 69}, {182, 2, 196, 15}, {3, 0, 182, 16}},
      {"no caption", noCaption, {}, {0, 0, 197, 69}, {}, {}},
      {"no indicator", noIndicator, {0, 53, 197, 69}, {0, 0, 197, 53}, {}, {3, 53, 197, 69}},
      {"right handle", handle, {0, 53, 197, 69}, {0, 0, 197, 53}, {}, {3, 53, 197, 69}},
      {"taller caption", tall, {0, 49, 197, 69}, {0, 0, 197, 49}, {178, 51, 196, 68}, {3, 49, 178, 69}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ToolBarCaptionRect(c.M), c.Caption);
    EXPECT_EQ(ToolBarBodyRect(c.M), c.Body);
    EXPECT_EQ(ToolBarOptionRect(c.M), c.Option);
    EXPECT_EQ(ToolBarCaptionTextRect(c.M), c.Text);
  }
}

}  // namespace

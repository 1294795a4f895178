// The arithmetic of the application button: centring its picture, the
// monitor its menu keeps to, and where the menu opens.
#include <gtest/gtest.h>

#include "appmenu/ShapeButtonGeometry.h"

namespace {

TEST(ShapeButtonGeometry, PicturesCentreTruncatingTowardZero) {
  EXPECT_EQ(CentredPicture({55, 49}, {48, 48}), (TPoint{3, 0}));
  EXPECT_EQ(CentredPicture({20, 20}, {48, 48}), (TPoint{-14, -14}));
  EXPECT_EQ(CentredPicture({21, 21}, {48, 48}), (TPoint{-13, -13}));
}

TEST(ShapeButtonGeometry, TheWorkAreaIsThatOfTheMonitorHoldingOrNearestThePoint) {
  const std::vector<TMonitor> monitors = {TMonitor{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
                                          TMonitor{{1920, 0, 3200, 1024}, {1920, 0, 3180, 1000}, false}};
  const TRect fallback{0, 0, 800, 600};
  struct Case {
    TPoint point;
    int right;
  };
  for (Case c : {Case{{1919, 500}, 1920}, Case{{1920, 500}, 3180}, Case{{3500, 10}, 3180}, Case{{-40, 2000}, 1920},
                 Case{{2500, 1050}, 3180}}) {
    EXPECT_EQ(NearestWorkArea(monitors, c.point, fallback).Right, c.right) << c.point.X << "," << c.point.Y;
  }
  EXPECT_EQ(NearestWorkArea({}, {5, 5}, fallback), fallback);
}

TEST(ShapeButtonGeometry, TheMenuOpensBelowTheBandAndMovesLeftOnlyPastTheRightEdge) {
  const TRect work{0, 0, 1000, 700};
  struct Case {
    int buttonLeft;
    int left, shift;
  };
  for (Case c : {Case{100, 97, 0}, Case{773, 770, 0}, Case{774, 770, -1}, Case{990, 770, -217}}) {
    const TAppMenuPlacement p = PlaceAppMenu({c.buttonLeft, 50}, 49, 16, {230, 189}, work);
    EXPECT_EQ(p.At, (TPoint{c.left, 50 + 49 - 14})) << c.buttonLeft;
    EXPECT_EQ(p.Shift, c.shift) << c.buttonLeft;
  }
}

}  // namespace

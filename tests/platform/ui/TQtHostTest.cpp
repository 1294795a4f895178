// What the real host tells the desktop about its windows (on Qt's
// offscreen platform): owned windows and pop-ups belong to their owner
// and stay out of the taskbar; hints never take the focus.
#include <gtest/gtest.h>

#include "host/TQtHost.h"

TEST(QtHost, OwnedAndPopupWindowsBelongToTheirOwnerAndStayOffTheTaskbar) {
  TQtHost host;
  THostWindowParams mainParams;
  mainParams.Kind = hwkFrameless;
  mainParams.Bounds = TRect::Bounds(10, 10, 200, 100);
  THostWindow main = host.CreateWindow(mainParams);
  EXPECT_TRUE(host.Traits(main).TaskbarEntry);
  EXPECT_EQ(host.Traits(main).Owner, 0u);

  struct Case {
    const char* name;
    THostWindowKind kind;
    bool takesFocus;
    bool staysOnTop;
  };
  const Case cases[] = {
      {"message box", hwkFramed, true, false},
      {"frameless modal form", hwkFrameless, true, false},
      {"hint", hwkPopup, false, true},
      {"menu", hwkMenu, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    THostWindowParams p;
    p.Kind = c.kind;
    p.Bounds = TRect::Bounds(20, 20, 50, 30);
    p.Transient = main;
    THostWindow w = host.CreateWindow(p);
    TQtHost::TWindowTraits t = host.Traits(w);
    EXPECT_EQ(t.Owner, main);
    EXPECT_FALSE(t.TaskbarEntry);
    EXPECT_EQ(t.TakesFocus, c.takesFocus);
    EXPECT_EQ(t.StaysOnTop, c.staysOnTop);
    host.DestroyWindow(w);
  }
}

TEST(QtHost, AWindowChangesOwnerBetweenShowings) {
  TQtHost host;
  THostWindowParams p;
  p.Bounds = TRect::Bounds(10, 10, 200, 100);
  THostWindow first = host.CreateWindow(p);
  THostWindow second = host.CreateWindow(p);
  THostWindow box = host.CreateWindow(p);
  EXPECT_TRUE(host.Traits(box).TaskbarEntry);
  host.SetTransient(box, first);
  EXPECT_EQ(host.Traits(box).Owner, first);
  EXPECT_FALSE(host.Traits(box).TaskbarEntry);
  host.SetTransient(box, second);
  EXPECT_EQ(host.Traits(box).Owner, second);
  host.SetShowState(box, hssNormal);
  EXPECT_TRUE(host.Traits(box).Mapped);
  host.SetShowState(box, hssHidden);
  host.SetTransient(box, 0);
  EXPECT_EQ(host.Traits(box).Owner, 0u);
  EXPECT_TRUE(host.Traits(box).TaskbarEntry);
}

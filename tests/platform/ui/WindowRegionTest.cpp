// Window shapes: outside its region a window shows what lies behind it and
// lets the mouse through to it, for child windows and top-level ones.
#include <gtest/gtest.h>

#include "desktop/HeadlessDesktop.h"
#include "ui/TCustomForm.h"

namespace {

class Shaped : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int presses = 0;
  void WndProc(TMessage& M) override {
    if (M.Msg == WM_LBUTTONDOWN) ++presses;
    TCustomControl::WndProc(M);
  }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
};

class Counting : public TForm {
 public:
  using TForm::TForm;
  int presses = 0;
  void WndProc(TMessage& M) override {
    if (M.Msg == WM_LBUTTONDOWN) ++presses;
    TForm::WndProc(M);
  }
};

// A 100 x 100 square with its top-left 30 x 30 corner cut away.
TRegion Notched() { return TRegion(TRect{0, 0, 100, 100}).Subtracted(TRegion(TRect{0, 0, 30, 30})); }

TEST(WindowRegion, AChildWindowShowsAndTakesInputOnlyInsideItsShape) {
  HeadlessDesktop desk;
  auto* form = new Counting(&desk.App());
  form->SetBounds(0, 0, 200, 200);
  form->SetColor(clWhite);
  auto* child = new Shaped(form);
  child->SetParent(form);
  child->SetBounds(50, 50, 100, 100);
  form->Show();
  desk.Paint();
  TRegion notched = Notched();
  child->SetWindowRgn(&notched);
  desk.Paint();

  EXPECT_EQ(desk.Pixel(form, 60, 60), clWhite) << "the cut corner shows the form";
  EXPECT_EQ(desk.Pixel(form, 100, 100), clRed);
  desk.Click(form, {60, 60});
  desk.Click(form, {100, 100});
  EXPECT_EQ(form->presses, 1);
  EXPECT_EQ(child->presses, 1);

  child->SetWindowRgn(nullptr);
  desk.Paint();
  EXPECT_EQ(desk.Pixel(form, 60, 60), clRed);
  desk.Click(form, {60, 60});
  EXPECT_EQ(child->presses, 2);
}

TEST(WindowRegion, ATopLevelWindowsShapeReachesTheDesktopAndLetsClicksThrough) {
  HeadlessDesktop desk;
  auto* below = new Counting(&desk.App());
  below->SetBounds(0, 0, 300, 300);
  below->Show();
  auto* above = new Counting(&desk.App());
  above->SetBounds(50, 50, 100, 100);
  TRegion notched = Notched();
  above->SetWindowRgn(&notched);  // before its window exists
  above->Show();
  desk.Paint();
  const THeadlessHost::TWindowInfo* info = desk.Host().Info(above->HostWindow());
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->Masked);
  EXPECT_EQ(info->Mask, notched);

  desk.Click(below, {100, 100});  // on the window above
  desk.Click(below, {60, 60});    // in its cut corner (this raises the one below)
  EXPECT_EQ(below->presses, 1);
  EXPECT_EQ(above->presses, 1);
}

}  // namespace

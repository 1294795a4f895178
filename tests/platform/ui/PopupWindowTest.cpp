// Pop-up windows on the headless desktop: hints, menus and the forms shown
// over an active form belong to that form, go on screen already painted,
// and a window of no size is shown for the program but never mapped.
#include <gtest/gtest.h>

#include <functional>

#include "desktop/HeadlessDesktop.h"
#include "ui/TApplication.h"
#include "ui/TCustomForm.h"
#include "ui/THintWindow.h"
#include "ui/TMessageForm.h"
#include "ui/TPopupMenu.h"

namespace {

struct Popups : ::testing::Test {
  HeadlessDesktop desk;
  TForm* main = nullptr;
  void SetUp() override {
    main = desk.App().CreateForm<TForm>();
    main->SetBounds(100, 100, 300, 200);
    main->Show();
    desk.Paint();
  }
  const THeadlessHost::TWindowInfo& Info(const TWinControl* c) {
    const THeadlessHost::TWindowInfo* info = desk.Host().Info(c->HostWindow());
    EXPECT_NE(info, nullptr);
    static THeadlessHost::TWindowInfo none;
    return info ? *info : none;
  }
};

}  // namespace

// Each kind of window opened while the main form is active is owned by it,
// and was painted before it was mapped.
TEST_F(Popups, WindowsOpenedOverTheActiveFormBelongToItAndArriveFilled) {
  ASSERT_TRUE(main->Active());
  EXPECT_EQ(Info(main).Params.Transient, 0u) << "the first form belongs to nobody";
  EXPECT_GT(Info(main).PresentsAtMap, 0) << "the main form was mapped blank";

  struct Case {
    const char* name;
    // Opens the window and calls check with it while it is on screen.
    std::function<void(const std::function<void(TWinControl*)>& check)> open;
  };
  const Case cases[] = {
      {"hint",
       [&](const auto& check) {
         auto* hint = new THintWindow(main);
         hint->ActivateHint(TRect::Bounds(150, 150, 80, 20), "tip");
         check(hint);
       }},
      {"pop-up menu",
       [&](const auto& check) {
         auto* menu = new TPopupMenu(main);
         menu->Add("&Open", nullptr);
         desk.Host().OnIdle = [&] {
           check(menu->Window());
           menu->CloseMenu();
         };
         menu->Popup(150, 150);
       }},
      {"modal form",
       [&](const auto& check) {
         auto* dialog = new TForm(&desk.App());
         dialog->SetBounds(120, 120, 100, 80);
         desk.Host().OnIdle = [&] {
           check(dialog);
           dialog->SetModalResult(mrOk);
         };
         dialog->ShowModal();
       }},
      {"message box",
       [&](const auto& check) {
         desk.App().MessageBoxHook = nullptr;
         desk.Host().OnIdle = [&] {
           auto* box = dynamic_cast<TCustomForm*>(desk.App().Windows().ActiveForm());
           ASSERT_NE(box, main);
           check(box);
           box->SetModalResult(mrOk);
         };
         desk.App().MessageBox("Done", "Morvane", 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool checked = false;
    c.open([&](TWinControl* w) {
      checked = true;
      ASSERT_TRUE(w && w->HandleAllocated());
      const auto& info = Info(w);
      EXPECT_EQ(info.Params.Transient, main->HostWindow());
      EXPECT_NE(info.State, hssHidden);
      EXPECT_GT(info.PresentsAtMap, 0) << "mapped before its first paint";
    });
    EXPECT_TRUE(checked);
  }
}

// A window hidden and shown again is repainted before it is mapped, and
// is owned by whichever form is active at that showing.
TEST_F(Popups, ShowingAgainRepaintsFirstAndTakesTheNewOwner) {
  auto* hint = new THintWindow(main);
  hint->ActivateHint(TRect::Bounds(150, 150, 80, 20), "tip");
  hint->Hide();
  int before = Info(hint).Presents;

  auto* dialog = new TForm(&desk.App());
  dialog->SetBounds(120, 120, 100, 80);
  bool checked = false;
  desk.Host().OnIdle = [&] {
    hint->ActivateHint(TRect::Bounds(130, 130, 80, 20), "other");
    EXPECT_EQ(Info(hint).Params.Transient, dialog->HostWindow());
    EXPECT_GT(Info(hint).PresentsAtMap, before);
    checked = true;
    dialog->SetModalResult(mrOk);
  };
  dialog->ShowModal();
  EXPECT_TRUE(checked);

  // A box the program opens while the user works elsewhere still belongs
  // to the main form.
  desk.App().Windows().HostActivated(main->HostWindow(), false);
  ASSERT_EQ(desk.App().Windows().ActiveForm(), nullptr);
  desk.App().MessageBoxHook = nullptr;
  checked = false;
  desk.Host().OnIdle = [&] {
    auto* box = desk.App().Windows().ModalForm();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Info(box).Params.Transient, main->HostWindow());
    checked = true;
    box->SetModalResult(mrOk);
  };
  desk.App().MessageBox("Done", "Morvane", 0);
  EXPECT_TRUE(checked);
}

// A window shown at no size counts as shown but stays off the screen until
// it has a size, and leaves the screen when it loses it.
TEST_F(Popups, AWindowOfNoSizeIsShowingButNotMapped) {
  auto* hint = new THintWindow(main);
  ASSERT_EQ(hint->Width(), 0);
  hint->Show();
  EXPECT_TRUE(hint->Showing());
  EXPECT_EQ(Info(hint).State, hssHidden);

  hint->SetBounds(150, 150, 60, 20);
  EXPECT_EQ(Info(hint).State, hssNormal);
  EXPECT_GT(Info(hint).PresentsAtMap, 0) << "mapped before its first paint";
  EXPECT_EQ(desk.Pixel(hint, 5, 5), ColorToRGB(clInfoBk));

  hint->SetBounds(150, 150, 0, 20);
  EXPECT_TRUE(hint->Showing());
  EXPECT_EQ(Info(hint).State, hssHidden);
  hint->Hide();
  EXPECT_EQ(Info(hint).State, hssHidden);
}

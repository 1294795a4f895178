// The Office hint on the headless desktop: the hint information, the
// component's rules before each hint, and the window it shows after the
// hint pause: its size, its place on the work area and its pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "Resources.h"
#include "core/TStringList.h"
#include "desktop/HeadlessDesktop.h"
#include "draw/OfficeGradients.h"
#include "draw/SystemFontName.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "hint/TAdvHintInfo.h"
#include "hint/TAdvOfficeHint.h"
#include "hint/TAdvOfficeHintWindow.h"
#include "os/SystemInfo.h"
#include "picture/TGDIPPicture.h"
#include "ui/TCustomControl.h"
#include "ui/TCustomForm.h"
#include "ui/THintInfo.h"

namespace {

// A control that publishes its Office hint information, as the widgets do.
class OfficeHinted : public TCustomControl {
 public:
  explicit OfficeHinted(TComponent* owner) : TCustomControl(owner) { SetShowHint(true); }
  TPersistent* PublishedObject(std::string_view name) const override {
    return name == "OfficeHint" ? const_cast<TAdvHintInfo*>(&info) : nullptr;
  }
  TAdvHintInfo info;
};

std::unique_ptr<TGDIPPicture> PictureOf(const char* resource) {
  auto picture = std::make_unique<TGDIPPicture>();
  TMemoryStream bytes(FindResource(resource));
  picture->LoadFromStream(bytes);
  return picture;
}

bool Dark(TColor c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 384; }

struct OfficeHint : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TAdvOfficeHint* hint = nullptr;
  OfficeHinted* office = nullptr;
  TCustomControl* plain = nullptr;

  void SetUp() override {
    form = desk.App().CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 200);
    hint = new TAdvOfficeHint(form);
    office = Add(new OfficeHinted(form), 10);
    office->info.Title = "Statusbar";
    office->info.Notes()->SetText("The Office 2007 style statusbar appears here.");
    plain = Add(new TCustomControl(form), 100);
    plain->SetHint("Refresh the process listing");
    plain->SetShowHint(true);
    form->Show();
    desk.Paint();
  }
  template <class T>
  T* Add(T* control, int left) {
    control->SetParent(form);
    control->SetBounds(left, 10, 80, 40);
    return control;
  }
  TAdvOfficeHintWindow* Window() { return dynamic_cast<TAdvOfficeHintWindow*>(desk.App().Hints().HintWindow()); }
  bool Showing() { return Window() && Window()->Showing(); }
  // Rests the mouse on Control through the hint pause.
  void ShowHintOf(TControl* control) {
    desk.MoveTo(control, {5, 5});
    desk.Advance(500);
  }
  // The platform's rectangle for a hint text, as the window was given it.
  TRect PlatformRect(const std::string& text) {
    return Window()->CalcHintRect(desk.App().Windows().PrimaryMonitor().WorkareaRect.Width(), text);
  }
  // The window's pixels as last painted.
  TCanvas& Pixels() {
    desk.Paint();
    return *desk.App().Windows().BackBuffer(Window())->Canvas();
  }
};

}  // namespace

TEST(AdvHintInfo, AssignCopiesEveryMemberAndTheSettersCopy) {
  TAdvHintInfo from;
  from.Title = "Title";
  from.Notes()->SetText("one\ntwo");
  from.ShowHelp = true;
  from.WideTitle = u"Wide";
  from.WideNotes = u"W\u00e9de notes";
  from.SetPicture(PictureOf("hint_help.bmp").get());
  TAdvHintInfo to;
  to.Assign(&from);
  EXPECT_EQ(to.Title, "Title");
  EXPECT_EQ(to.NotesText(), "one\r\ntwo\r\n");
  EXPECT_TRUE(to.ShowHelp);
  EXPECT_EQ(to.WideTitleText(), "Wide");
  EXPECT_EQ(to.WideNotesText(), "W\xc3\xa9" "de notes");
  ASSERT_FALSE(to.Picture()->Empty());
  EXPECT_TRUE(std::ranges::equal(to.Picture()->Bytes(), from.Picture()->Bytes()));

  // Copies, not shared: changing the source later leaves the copy alone.
  from.Notes()->SetText("changed");
  from.SetPicture(nullptr);
  EXPECT_EQ(to.NotesText(), "one\r\ntwo\r\n");
  EXPECT_FALSE(to.Picture()->Empty());
}

TEST_F(OfficeHint, ConstructionNeedsAFormWithoutAnotherOne) {
  EXPECT_EQ(desk.App().HintWindowClass(), HintWindowClassOf<TAdvOfficeHintWindow>);
  try {
    new TAdvOfficeHint(form);
    FAIL() << "a second one was made";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Only one instance of TAdvOfficeHint allowed on form");
  }
  try {
    new TAdvOfficeHint(plain);
    FAIL() << "one was made on a control";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Control parent must be a form!");
  }
  EXPECT_EQ(TAdvOfficeHint::OfMainForm(), hint);
}

TEST_F(OfficeHint, TheHandlerPicksTheInformationAndTheLayout) {
  struct Case {
    const char* name;
    std::string title, notes, hintText;
    bool canShow, office;
    std::string shownText, currentNotes;
  };
  const Case cases[] = {
      {"title and notes", "T", "N", "", true, true, "*", "N\r\n"},
      {"title without notes still shows", "T", "", "", true, true, "*", ""},
      {"notes only", "", "N", "", true, true, "*", "N\r\n"},
      {"empty office hint falls back to the hint text", "", "", "Plain", true, false, "Plain", "Plain\r\n"},
      {"nothing at all", "", "", "", false, false, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    office->info.Title = c.title;
    office->info.Notes()->SetText(c.notes);
    THintInfo info;
    info.HintControl = office;
    std::string text = c.hintText;
    bool canShow = true;
    hint->ShowHintHandler(text, canShow, info);
    EXPECT_EQ(canShow, c.canShow);
    EXPECT_EQ(hint->OfficeLayout(), c.office);
    if (c.canShow) EXPECT_EQ(text, c.shownText);
    EXPECT_EQ(hint->CurrentHint()->NotesText(), c.currentNotes);
  }

  // A control without hint information: its hint text as notes, no title.
  THintInfo info;
  info.HintControl = plain;
  std::string text = plain->Hint();
  bool canShow = true;
  hint->ShowHintHandler(text, canShow, info);
  EXPECT_FALSE(hint->OfficeLayout());
  EXPECT_EQ(hint->CurrentHint()->Title, "");
  EXPECT_EQ(text, "Refresh the process listing");

  // The event may switch the layout.
  hint->OnBeforeShowHint = [&](TObject* sender, TControl* control, TAdvHintInfo* shown, bool& useOffice) {
    EXPECT_EQ(sender, hint);
    EXPECT_EQ(control, plain);
    EXPECT_EQ(shown, hint->CurrentHint());
    useOffice = true;
  };
  hint->ShowHintHandler(text, canShow, info);
  EXPECT_TRUE(hint->OfficeLayout());
}

TEST_F(OfficeHint, StyleCodesSetTheThreeColours) {
  struct Case {
    int code;
    TColor color, colorTo, line;
  };
  const Case cases[] = {
      {0, 0xFCE1CB, 0xE0A57D, 0x962D00}, {3, 0xFFFFFF, 0xC9D1D5, 0x8C8D8E}, {5, 0xF2F1F0, 0xC9C2BD, 0xC9C2BD},
      {6, 0xFFFFFF, clBtnFace, 0x808080}, {9, 0xF2F1F0, 0xC9C2BD, 0xC9C2BD}, {0x84, 0xFFFFFF, 0xEFD9CA, 0xFFC69A},
      {8, 0x123456, 0x234567, 0x345678},  // no scheme: unchanged
  };
  for (const Case& c : cases) {
    hint->HintColor = 0x123456;
    hint->HintColorTo = 0x234567;
    hint->HintHelpLineColor = 0x345678;
    hint->ApplyStyleCode(c.code);
    EXPECT_EQ(hint->HintColor, c.color) << c.code;
    EXPECT_EQ(hint->HintColorTo, c.colorTo) << c.code;
    EXPECT_EQ(hint->HintHelpLineColor, c.line) << c.code;
  }
}

TEST_F(OfficeHint, TheSystemFontReplacesTheFontsFace) {
  hint->Font()->SetName("Courier");
  EXPECT_EQ(hint->HintFont()->Name(), SystemFontName());
  hint->SetSystemFont(false);
  hint->Font()->SetName("Courier");
  EXPECT_EQ(hint->HintFont()->Name(), "Courier");
  SetVistaOrLaterOverride(false);
  hint->SetSystemFont(true);
  EXPECT_EQ(hint->Font()->Name(), "Tahoma");
  SetVistaOrLaterOverride(std::nullopt);
}

TEST_F(OfficeHint, AnOfficeHintShowsAfterThePauseWithTitleAndNotes) {
  desk.MoveTo(office, {5, 5});
  desk.Advance(499);
  EXPECT_FALSE(Showing());
  desk.Advance(1);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(Window()->Caption(), "*");
  EXPECT_EQ(hint->HintControl(), office);
  EXPECT_EQ(hint->CurrentHint()->Title, "Statusbar");
  const TRect r = Window()->BoundsRect();
  EXPECT_EQ(r.Width(), PlatformRect("*").Width() + 4 + hint->HintWidth);
  // Rounded: the corner pixel is not part of the window.
  const TRegion* shape = Window()->WindowRgn();
  ASSERT_NE(shape, nullptr);
  EXPECT_FALSE(shape->Contains({0, 0}));
  EXPECT_TRUE(shape->Contains({r.Width() / 2, 0}));

  desk.Advance(2500);
  EXPECT_FALSE(Showing());
  EXPECT_EQ(hint->HintControl(), nullptr);
}

TEST_F(OfficeHint, APlainHintShowsItsTextInThePlainLayout) {
  ShowHintOf(plain);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(Window()->Caption(), "Refresh the process listing");
  const TRect r = Window()->BoundsRect();
  const TRect platform = PlatformRect("Refresh the process listing");
  EXPECT_EQ(r.Width(), platform.Width() + 4);
  EXPECT_EQ(r.Height(), std::max(platform.Height() + 8, 22));
}

TEST_F(OfficeHint, NoHintShowsWithoutTheComponentOnTheMainForm) {
  auto* other = new TForm(&desk.App());
  delete hint;
  hint = new TAdvOfficeHint(other);
  ShowHintOf(plain);
  EXPECT_FALSE(Showing());
}

TEST_F(OfficeHint, TheWindowStaysOnTheWorkAreaOfTheMonitorUnderTheCursor) {
  // A second monitor right of the primary one, with a panel at its bottom.
  desk.Host().SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, 600}, true}, {{800, 0, 1400, 500}, {800, 0, 1400, 480}, false}});
  form->SetBounds(1300, 400, 100, 80);
  office->SetBounds(0, 0, 100, 80);
  desk.Paint();
  desk.MoveTo(office, {95, 75});
  desk.Advance(500);
  ASSERT_TRUE(Showing());
  const TRect r = Window()->BoundsRect();
  EXPECT_GT(r.Width(), 200);
  EXPECT_GE(r.Left, 800);
  EXPECT_LE(r.Right, 1400);
  EXPECT_LE(r.Bottom, 480);
}

TEST_F(OfficeHint, PaintsTheGradientTheFrameAndABoldTitle) {
  ShowHintOf(office);
  ASSERT_TRUE(Showing());
  const int w = Window()->Width(), h = Window()->Height();
  TCanvas& px = Pixels();

  // The frame: one grey line along each side, inside the right and bottom edges.
  for (TPoint p : {TPoint{w / 2, 0}, TPoint{0, h / 2}, TPoint{w - 2, h / 2}, TPoint{w / 2, h - 2}})
    EXPECT_EQ(px.Pixel(p.X, p.Y), 0x808080) << p.X << "," << p.Y;
  // The gradient: the hint's colours top to bottom in 64 bands, the last
  // one in the end colour, seen inside the frame right of the text.
  const auto bands = StepGradientBands(hint->HintColor, hint->HintColorTo, 64, {0, 0, w, h}, false, sgvHint);
  for (int y : {2, h / 3, h / 2, h - 4}) {
    // Bands overlap by a row; the later one is on top.
    TColor expected = clNone;
    for (const TGradientBand& b : bands)
      if (b.Rect.Top <= y && y < b.Rect.Bottom) expected = b.Color;
    EXPECT_EQ(px.Pixel(w - 4, y), expected) << y;
  }
  EXPECT_NE(px.Pixel(w - 4, 2), px.Pixel(w - 4, h - 4));
  EXPECT_EQ(px.Pixel(w / 2, h - 1), hint->HintColorTo);

  // The title: its ink ends where the bold text ends, past the regular one.
  TBitmap probe;
  probe.SetSize(10, 10);
  std::unique_ptr<TFont> font = hint->HintFont();
  probe.Canvas()->Font()->Assign(font.get());
  const int regular = probe.Canvas()->TextWidth("Statusbar");
  const TSize regularSize = probe.Canvas()->TextExtent("Statusbar");
  probe.Canvas()->Font()->SetStyle(TFontStyles{fsBold});
  const int bold = probe.Canvas()->TextWidth("Statusbar");
  ASSERT_GT(bold, regular + 1);
  int inkRight = -1;
  for (int y = 4; y < 4 + regularSize.cy; ++y)
    for (int x = 1; x < w - 4; ++x)
      if (Dark(px.Pixel(x, y))) inkRight = std::max(inkRight, x);
  const int left = 2 + 4;
  EXPECT_GT(inkRight, left + regular);
  EXPECT_LT(inkRight, left + bold + 1);
}

TEST_F(OfficeHint, TheHelpLineHasItsSeparatorAndPicture) {
  hint->SetHintHelpPicture(PictureOf("hint_help.bmp").get());
  office->info.ShowHelp = true;
  ShowHintOf(office);
  ASSERT_TRUE(Showing());
  const int w = Window()->Width(), h = Window()->Height();
  TCanvas& px = Pixels();
  int separator = -1;
  for (int y = 0; y < h; ++y)
    if (px.Pixel(w / 2, y) == hint->HintHelpLineColor) separator = y;
  ASSERT_GT(separator, 0);
  // The help picture (16 high) fits below the separator.
  EXPECT_GE(h - separator, 4 + 16);
}

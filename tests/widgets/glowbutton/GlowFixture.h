// A form on the headless desktop with glow buttons in the main window's
// Luna colours, the main window's image list, and helpers that read the
// painted face.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>

#include "Resources.h"
#include "desktop/HeadlessDesktop.h"
#include "draw/OfficeGradients.h"
#include "glowbutton/TAdvGlowButton.h"
#include "graphics/TBitmap.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "picture/TGDIPPicture.h"
#include "ui/TCustomForm.h"
#include "ui/TCustomImageList.h"

inline std::unique_ptr<TGDIPPicture> ResourcePicture(const char* Name) {
  auto p = std::make_unique<TGDIPPicture>();
  std::span<const uint8_t> bytes = FindResource(Name);
  EXPECT_FALSE(bytes.empty()) << Name;
  TMemoryStream stream(bytes);
  p->LoadFromStream(stream);
  return p;
}

struct GlowFixture : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TCustomImageList* images = nullptr;

  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(100, 100, 400, 200);
    images = new TCustomImageList(form);
    images->SetSize(24, 24);
    images->AddImages(FindResource("iml_normal.png"));
    form->Show();
    desk.Paint();
  }

  // An 81 x 45 action-button-like glow button at (Left, Top) of the form.
  TAdvGlowButton* Button(int Left = 10, int Top = 10, const std::string& Caption = "Kill Process") {
    auto* b = new TAdvGlowButton(form);
    b->SetParent(form);
    b->SetBounds(Left, Top, 81, 45);
    b->ApplyStyleCode(4);
    b->SetFocusType(ftHot);
    b->SetCaption(Caption);
    b->SetImages(images);
    b->SetImageIndex(1);
    desk.Paint();
    return b;
  }

  // Runs fade ticks until the button's fade timer is gone; the ticks run.
  int SettleFade(TAdvCustomGlowButton* B) {
    int ticks = 0;
    while (B->Fading() && ticks < 20) {
      desk.Advance(TAdvCustomGlowButton::FadeInterval());
      ++ticks;
    }
    return ticks;
  }

  TColor At(const TControl* C, int X, int Y) { return desk.Pixel(C, X, Y); }
};

// The face a colour set gives on a face of W x H at the origin.
struct ReferenceFace {
  TBitmap bitmap;
  ReferenceFace(int W, int H, const TGlowColorSet& S) : bitmap(W, H) {
    GpGraphics g(*bitmap.Canvas());
    FillMirrorGradient(g, {0, 0, W, H}, S.Color, S.ColorTo, S.ColorMirror, S.ColorMirrorTo, S.Gradient,
                       S.GradientMirror);
  }
  TColor At(int X, int Y) { return bitmap.Canvas()->Pixel(X, Y); }
};

// The darkest channel value in a rectangle of a control's face.
inline int DarkestIn(HeadlessDesktop& Desk, const TControl* C, const TRect& R) {
  int darkest = 255;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) {
      TColor c = Desk.Pixel(C, x, y);
      darkest = std::min({darkest, int(GetRValue(c)), int(GetGValue(c)), int(GetBValue(c))});
    }
  return darkest;
}

// A coloured form on the headless desktop with an application button laid
// out as the main window's (55 x 49, the orb pictures) and its menu.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <span>

#include "Resources.h"
#include "appmenu/TAdvPreviewMenu.h"
#include "appmenu/TAdvShapeButton.h"
#include "desktop/HeadlessDesktop.h"
#include "graphics/TBitmap.h"
#include "picture/TGDIPPicture.h"
#include "ui/TCustomForm.h"

inline std::unique_ptr<TGDIPPicture> ResourcePicture(const char* Name) {
  auto p = std::make_unique<TGDIPPicture>();
  std::span<const uint8_t> bytes = FindResource(Name);
  EXPECT_FALSE(bytes.empty()) << Name;
  TMemoryStream stream(bytes);
  p->LoadFromStream(stream);
  return p;
}

// A resource BMP as a bitmap, to compare painted pixels with.
inline std::unique_ptr<TBitmap> ResourceBitmap(const char* Name) {
  auto b = std::make_unique<TBitmap>();
  TMemoryStream stream(FindResource(Name));
  b->LoadFromStream(stream);
  return b;
}

struct ShapeFixture : ::testing::Test {
  static constexpr TColor FormColor = 0x3C8A2E;  // a green no picture contains
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TAdvPreviewMenu* menu = nullptr;

  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(100, 100, 400, 200);
    form->SetColor(FormColor);
    menu = new TAdvPreviewMenu(form);
    form->Show();
    desk.Paint();
  }

  TAdvShapeButton* Button(int Left = 7, int Top = 4) {
    auto* b = new TAdvShapeButton(form);
    b->SetParent(form);
    b->SetBounds(Left, Top, 55, 49);
    b->SetPicture(ResourcePicture("appbutton.bmp").get());
    b->SetPictureHot(ResourcePicture("appbutton_hot.bmp").get());
    b->SetAdvPreviewMenu(menu);
    desk.Paint();
    return b;
  }

  // Somewhere on the form away from the button.
  void MoveAway() { desk.MoveTo(form, {300, 150}); }
};

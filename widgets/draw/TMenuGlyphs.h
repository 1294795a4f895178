// The pictures a menu draws in place of its own marks: the sub-menu arrow
// and the check and radio marks. Empty pictures leave the menu's own.
#pragma once

#include "core/TPersistent.h"
#include "graphics/TBitmap.h"

class TMenuGlyphs : public TPersistent {
 public:
  std::string ClassName() const override { return "TMenuGlyphs"; }
  void Assign(const TPersistent* Source) override;

  TBitmap& SubMenu() { return subMenu_; }
  const TBitmap& SubMenu() const { return subMenu_; }
  TBitmap& Check() { return check_; }
  const TBitmap& Check() const { return check_; }
  TBitmap& Radio() { return radio_; }
  const TBitmap& Radio() const { return radio_; }

 private:
  TBitmap subMenu_, check_, radio_;
};

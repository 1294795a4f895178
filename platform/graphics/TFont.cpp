#include "TFont.h"

#include <cmath>

#include "QtBridge.h"
#include "SyntheticBold.h"

TFont::TFont() = default;
TFont::~TFont() = default;

void TFont::Changed() {
  handle_.reset();
  if (OnChange) OnChange(this);
}

void TFont::SetName(const std::string& Value) {
  if (name_ == Value) return;
  name_ = Value;
  Changed();
}

void TFont::SetHeight(int Value) {
  if (height_ == Value) return;
  height_ = Value;
  Changed();
}

int TFont::Size() const {
  return static_cast<int>(std::lround(-height_ * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int Points) {
  SetHeight(-static_cast<int>(std::lround(Points * double(PixelsPerInch) / 72.0)));
}

void TFont::SetStyle(TFontStyles Value) {
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  if (OnChange) OnChange(this);
}

bool TFont::SameAs(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_;
}

void TFont::Assign(const TPersistent* Source) {
  if (auto* f = dynamic_cast<const TFont*>(Source)) {
    if (SameAs(*f)) return;
    name_ = f->name_;
    height_ = f->height_;
    style_ = f->style_;
    color_ = f->color_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

const TFontHandle& TFont::Handle() const {
  if (!handle_) {
    QFont f(QString::fromStdString(name_));
    // A negative height is the em size; a positive one the whole cell,
    // of which the em is about 85 % for the kit's faces.
    int px = height_ < 0 ? -height_ : std::max(1, static_cast<int>(std::lround(height_ * 0.85)));
    f.setPixelSize(std::max(1, px));
    f.setBold(style_.Contains(fsBold));
    f.setItalic(style_.Contains(fsItalic));
    f.setUnderline(style_.Contains(fsUnderline));
    f.setStrikeOut(style_.Contains(fsStrikeOut));
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    SpaceSyntheticBold(f);
    handle_ = std::make_unique<TFontHandle>(TFontHandle{f, QFontMetrics(f), {}});
  }
  return *handle_;
}

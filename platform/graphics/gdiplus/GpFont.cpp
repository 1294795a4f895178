#include "GpFont.h"

#include <QFontMetricsF>
#include <cmath>

#include "GdiPlusBridge.h"
#include "graphics/SyntheticBold.h"

namespace {
float PixelsPer(GpUnit Unit) {
  switch (Unit) {
    case UnitPoint: return 96.0f / 72.0f;
    case UnitInch: return 96.0f;
    case UnitDocument: return 96.0f / 300.0f;
    case UnitMillimeter: return 96.0f / 25.4f;
    default: return 1.0f;
  }
}
}  // namespace

GpFont::GpFont(const GpFontFamily& Family, float EmSize, int Style, GpUnit Unit)
    : family_(Family.Name()), size_(EmSize), style_(Style), unit_(Unit), d_(std::make_unique<GpFontData>()) {
  if (Family.Status() != Ok) {
    status_ = FontFamilyNotFound;
  } else if (!(EmSize > 0) || Unit < UnitWorld || Unit > UnitMillimeter) {
    status_ = InvalidParameter;
  }
  emPixels_ = status_ == Ok ? EmSize * PixelsPer(Unit) : 0;
  QFont& f = d_->font;
  f.setFamily(QString::fromStdString(family_));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(emPixels_))));
  f.setBold(Style & FontStyleBold);
  f.setItalic(Style & FontStyleItalic);
  f.setUnderline(Style & FontStyleUnderline);
  f.setStrikeOut(Style & FontStyleStrikeout);
  f.setKerning(false);
  f.setHintingPreference(QFont::PreferFullHinting);
  SpaceSyntheticBold(f);
}

GpFont::~GpFont() = default;

float GpFont::GetHeight() const {
  if (status_ != Ok) return 0;
  return static_cast<float>(QFontMetricsF(d_->font).lineSpacing());
}

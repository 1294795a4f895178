// A colour set that also carries a font: the system font at 8 points by
// default, copied with the values.
#pragma once

#include "SystemFontName.h"
#include "TValueHolder.h"
#include "graphics/TFont.h"

template <class V>
class TFontedValueHolder : public TValueHolder<V> {
 public:
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }

 protected:
  TFontedValueHolder() {
    font_.SetName(SystemFontName());
    font_.SetSize(8);
  }
  // Holders of the same values are of the same class, so Source carries a font.
  void AssignNested(const TValueHolder<V>& Source) override {
    font_.Assign(&static_cast<const TFontedValueHolder&>(Source).font_);
  }

 private:
  TFont font_;
};

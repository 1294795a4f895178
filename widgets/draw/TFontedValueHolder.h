// A colour set that also carries a font: the system font at 8 points by
// default, copied with the values. Its SystemFont, switched on, renames
// the font by the system font rule at once, telling nobody.
#pragma once

#include <type_traits>

#include "SystemFontName.h"
#include "TValueHolder.h"
#include "graphics/TFont.h"

template <class V>
class TFontedValueHolder : public TValueHolder<V> {
 public:
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }

  template <class F>
  void Set(F V::*Field, std::type_identity_t<F> Value) {
    if constexpr (std::is_same_v<F, bool>) {
      if (Field == &V::SystemFont) {
        this->MutableValues().SystemFont = Value;
        if (Value) font_.SetName(SystemFontName());
        return;
      }
    }
    TValueHolder<V>::Set(Field, Value);
  }

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

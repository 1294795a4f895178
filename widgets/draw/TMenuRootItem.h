// The top-level items of a main menu's bar: at rest, hot and opened
// (selected). A change of a hot or selected colour tells the owner
// (OnChange), which tells the menu; the other values are stored silently.
#pragma once

#include <type_traits>

#include "MenuStylerTypes.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

struct TMenuRootItemValues {
  TColor Color = clBtnFace;
  TColor ColorTo = clNone;
  TMenuGradientDirection GradientDirection = TMenuGradientDirection::gdVertical;
  bool UseSystemFont = true;
  TColor SelectedColor = clBtnFace;
  TColor SelectedColorTo = clNone;
  TColor SelectedColorMirror = clNone;
  TColor SelectedColorMirrorTo = clNone;
  TMenuGradientDirection SelectedGradientDirection = TMenuGradientDirection::gdVertical;
  TColor SelectedBorderColor = 0x7A868A;
  TColor SelectedTextColor = clWindowText;
  TColor HoverColor = 0xEFD3C6;
  TColor HoverColorTo = clNone;
  TColor HoverColorMirror = clNone;
  TColor HoverColorMirrorTo = clNone;
  TMenuGradientDirection HoverGradientDirection = TMenuGradientDirection::gdVertical;
  TColor HoverBorderColor = 0xC66931;
  TColor HoverTextColor = clWindowText;
  friend bool operator==(const TMenuRootItemValues&, const TMenuRootItemValues&) = default;
};

class TMenuRootItem : public TValueHolder<TMenuRootItemValues> {
 public:
  TMenuRootItem();
  std::string ClassName() const override { return "TMenuRootItem"; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }

  template <class F>
  void Set(F TMenuRootItemValues::*Field, std::type_identity_t<F> Value) {
    if constexpr (std::is_same_v<F, TColor>) {
      if (TellsMenu(Field)) {
        TValueHolder::Set(Field, Value);
        return;
      }
    }
    MutableValues().*Field = Value;
  }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  // The hot and selected colours, which the menu bar shows at once.
  static bool TellsMenu(TColor TMenuRootItemValues::*Field);

  TFont font_;
};

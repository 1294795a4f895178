// One tab group of the pager: a captioned box above a run of consecutive
// tabs (TabIndexStart to TabIndexEnd), drawn with the styler's group
// colours or its own.
#pragma once

#include <functional>
#include <string>

#include "core/TPersistent.h"
#include "draw/TGroupAppearance.h"
#include "ui/ControlTypes.h"

class TTabGroupItem : public TPersistent {
 public:
  TTabGroupItem();
  std::string ClassName() const override { return "TTabGroupItem"; }
  // Copies Caption, ImageIndex, TabIndexStart and TabIndexEnd.
  void Assign(const TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { Store(caption_, Value); }
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment Value) { Store(captionAlignment_, Value); }
  bool DefaultAppearance() const { return defaultAppearance_; }
  void SetDefaultAppearance(bool Value) { Store(defaultAppearance_, Value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { Store(imageIndex_, Value); }
  int TabIndexStart() const { return tabIndexStart_; }
  void SetTabIndexStart(int Value) { Store(tabIndexStart_, Value); }
  int TabIndexEnd() const { return tabIndexEnd_; }
  void SetTabIndexEnd(int Value) { Store(tabIndexEnd_, Value); }
  TGroupAppearance& GroupAppearance() { return groupAppearance_; }
  const TGroupAppearance& GroupAppearance() const { return groupAppearance_; }

  // Whether the group covers page index I.
  bool Covers(int I) const { return tabIndexStart_ <= I && I <= tabIndexEnd_; }

  // Any change of the item or its colours.
  std::function<void()> OnChange;

 private:
  template <class T>
  void Store(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange();
  }

  std::string caption_;
  TAlignment captionAlignment_ = taLeftJustify;
  bool defaultAppearance_ = true;
  int imageIndex_ = -1;
  int tabIndexStart_ = -1;
  int tabIndexEnd_ = -1;
  TGroupAppearance groupAppearance_;
};

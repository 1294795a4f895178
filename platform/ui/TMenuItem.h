// One command of a pop-up menu: its caption ("&" marks the accelerator,
// "-" makes a separator line), enabled state and click handler.
#pragma once

#include <string>

#include "core/TComponent.h"

class TPopupMenu;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  bool IsSeparator() const { return caption_ == "-"; }
  // A visible, enabled item that is not a separator.
  bool Selectable() const { return visible_ && enabled_ && !IsSeparator(); }

  // The menu the item is in, if any.
  TPopupMenu* Menu() const { return menu_; }
  // Runs OnClick.
  virtual void Click();

  TNotifyEvent OnClick;

 private:
  friend class TPopupMenu;
  void Changed();
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  TPopupMenu* menu_ = nullptr;
};

// One panel of the Office status bar: what it shows (its style), its
// text, width, alignment and look, and the timed content the bar keeps up
// to date (clock, date, lock keys, animation).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TProgressStyle.h"
#include "core/TPersistent.h"
#include "core/TWeak.h"
#include "ui/ControlTypes.h"

class TCustomImageList;

enum TAdvOfficeStatusPanelStyle : uint8_t {
  psHTML, psText, psOwnerDraw, psTime, psDate, psNumLock, psCapsLock, psScrollLock,
  psProgress, psImage, psImageList, psAnimation, psEllipsText, psFileEllipsText,
};
enum TPanelAppearanceStyle : uint8_t { psLight, psDark };

class TAdvOfficeStatusPanel : public TPersistent {
 public:
  TAdvOfficeStatusPanel();
  std::string ClassName() const override { return "TAdvOfficeStatusPanel"; }

  TAdvOfficeStatusPanelStyle Style() const { return style_; }
  void SetStyle(TAdvOfficeStatusPanelStyle Value) { Store(style_, Value); }
  const std::string& Text() const { return text_; }
  // An equal text changes nothing (so a clock repaints once a second).
  void SetText(const std::string& Value);
  int Width() const { return width_; }
  void SetWidth(int Value) { Store(width_, Value); }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int Value) { Store(minWidth_, Value); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value) { Store(alignment_, Value); }
  TPanelAppearanceStyle AppearanceStyle() const { return appearanceStyle_; }
  void SetAppearanceStyle(TPanelAppearanceStyle Value) { Store(appearanceStyle_, Value); }
  bool Button() const { return button_; }
  void SetButton(bool Value) { Store(button_, Value); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { Store(enabled_, Value); }
  // Empty: the locale's long time and short date formats.
  const std::string& TimeFormat() const { return timeFormat_; }
  void SetTimeFormat(const std::string& Value) { Store(timeFormat_, Value); }
  const std::string& DateFormat() const { return dateFormat_; }
  void SetDateFormat(const std::string& Value) { Store(dateFormat_, Value); }
  int HTMLOffsetX() const { return htmlOffsetX_; }
  void SetHTMLOffsetX(int Value) { Store(htmlOffsetX_, Value); }
  int HTMLOffsetY() const { return htmlOffsetY_; }
  void SetHTMLOffsetY(int Value) { Store(htmlOffsetY_, Value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { Store(imageIndex_, Value); }
  TCustomImageList* AnimationImages() const { return animationImages_.Get(); }
  void SetAnimationImages(TCustomImageList* Value);
  bool Animated() const { return animated_; }
  void SetAnimated(bool Value) { Store(animated_, Value); }
  int AnimationDelay() const { return animationDelay_; }
  // Negative delays are ignored.
  void SetAnimationDelay(int Value);
  TProgressStyle& Progress() { return progress_; }
  const TProgressStyle& Progress() const { return progress_; }
  // The image indexes of a psImageList panel.
  const std::vector<int>& ImageIndexes() const { return imageIndexes_; }
  void SetImageIndexes(std::vector<int> Value);
  int AnimationFrame = 0;

  // The panel's Office hint: title and notes.
  std::string HintTitle;
  std::string HintNotes;

  // Any change but the text's; a new text tells TextChanged alone, so the
  // bar repaints that panel only (unless its width follows the text).
  std::function<void()> OnChange;
  std::function<void()> OnTextChanged;

 private:
  template <class T>
  void Store(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange();
  }

  TAdvOfficeStatusPanelStyle style_ = psHTML;
  std::string text_;
  int width_ = 50;
  int minWidth_ = 20;
  bool autoSize_ = false;
  TAlignment alignment_ = taLeftJustify;
  TPanelAppearanceStyle appearanceStyle_ = psLight;
  bool button_ = false;
  bool enabled_ = true;
  std::string timeFormat_, dateFormat_;
  int htmlOffsetX_ = 2, htmlOffsetY_ = 2;
  int imageIndex_ = -1;
  TWeak<TCustomImageList> animationImages_;
  bool animated_ = false;
  int animationDelay_ = 0;
  TProgressStyle progress_;
  std::vector<int> imageIndexes_;
};

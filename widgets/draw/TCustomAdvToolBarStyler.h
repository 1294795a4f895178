// The toolbar styler's base: every colour set that the pager, its pages,
// tabs and groups, the toolbars, their glow buttons and the frame paint
// with, the registry of controls that use it and the notices it sends
// them, and a private menu styler. It has no schemes; each control keeps
// one as its fallback ("InternalStyler") and paints with its defaults.
#pragma once

#include <memory>
#include <type_traits>
#include <vector>

#include "TButtonAppearance.h"
#include "TCaptionAppearance.h"
#include "TContainerAppearance.h"
#include "TCustomAdvMenuStyler.h"
#include "TGradientBackground.h"
#include "TGroupAppearance.h"
#include "TQATAppearance.h"
#include "TStylerGlowAppearance.h"
#include "TTabAppearance.h"
#include "TVistaBackground.h"
#include "TVistaTextBackground.h"
#include "ToolBarStylerTypes.h"
#include "core/TComponent.h"
#include "core/TWeak.h"
#include "graphics/TBitmap.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

// The styler's own plain values.
struct TToolBarStylerValues {
  TColor BorderColor = clNone;
  TColor BorderColorHot = clNone;
  TColor RightHandleColor = 0x9E9E9E;
  TColor RightHandleColorTo = clBlack;
  TColor RightHandleColorHot = 0xD2BDB6;
  TColor RightHandleColorHotTo = clBlack;
  TColor RightHandleColorDown = 0x76C1FF;
  TColor RightHandleColorDownTo = 0x2DA0FF;
  TColor FloatingWindowBorderColor = 0x6D6D6D;
  int FloatingWindowBorderWidth = 2;
  TDragGripStyle DragGripStyle = dsDots;
  bool BackGroundTransparent = true;
  TBackGroundDisplay BackGroundDisplay = bdTile;
  // How toolbars draw their outline: rounded corners, and a bevel
  // (0 none, 1 sunken, 2 or 3 raised) when BevelVisible.
  bool RoundedOutline = true;
  int BevelKind = 0;
  bool BevelVisible = false;
};

class TCustomAdvToolBarStyler : public TComponent {
 public:
  explicit TCustomAdvToolBarStyler(TComponent* AOwner);
  ~TCustomAdvToolBarStyler() override;
  std::string ClassName() const override { return "TCustomAdvToolBarStyler"; }
  // Copies the menu colours (when Source has a menu styler assigned), the
  // backgrounds, fonts, grip, floating window border, caption and button
  // looks; not the style, the other colours or the other looks.
  void Assign(const TPersistent* Source) override;

  // The registry of controls that use this styler. AddControl appends
  // without looking for duplicates; RemoveControl drops the first entry.
  void AddControl(TComponent* Control);
  void RemoveControl(TComponent* Control);
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // Tells each registered control (an IToolBarStylerClient) of a change of
  // Kind. A control freed or unregistered by an earlier one's handler is
  // not reached; the walk ends when a handler frees the styler.
  void NotifyControls(int Kind);

  const TToolBarStylerValues& Values() const { return values_; }
  // Stores a plain value; when it differs, tells the controls (drag grip:
  // tcDragGrip, background display and transparency: tcBackground, the
  // rest: tcColors).
  template <class F>
  void SetValue(F TToolBarStylerValues::*Field, std::type_identity_t<F> Value) {
    if (values_.*Field == Value) return;
    values_.*Field = Value;
    NotifyControls(KindOf(Field));
  }

  TButtonAppearance& ButtonAppearance() { return buttonAppearance_; }
  const TButtonAppearance& ButtonAppearance() const { return buttonAppearance_; }
  TCaptionAppearance& CaptionAppearance() { return captionAppearance_; }
  const TCaptionAppearance& CaptionAppearance() const { return captionAppearance_; }
  TContainerAppearance& ContainerAppearance() { return containerAppearance_; }
  const TContainerAppearance& ContainerAppearance() const { return containerAppearance_; }
  TGradientBackground& Color() { return color_; }
  const TGradientBackground& Color() const { return color_; }
  TGradientBackground& ColorHot() { return colorHot_; }
  const TGradientBackground& ColorHot() const { return colorHot_; }
  TGradientBackground& DockColor() { return dockColor_; }
  const TGradientBackground& DockColor() const { return dockColor_; }
  TStylerGlowAppearance& GlowButtonAppearance() { return glowButtonAppearance_; }
  const TStylerGlowAppearance& GlowButtonAppearance() const { return glowButtonAppearance_; }
  TStylerGlowAppearance& CompactGlowButtonAppearance() { return compactGlowButtonAppearance_; }
  const TStylerGlowAppearance& CompactGlowButtonAppearance() const { return compactGlowButtonAppearance_; }
  TGroupAppearance& GroupAppearance() { return groupAppearance_; }
  const TGroupAppearance& GroupAppearance() const { return groupAppearance_; }
  TVistaBackground& PageAppearance() { return pageAppearance_; }
  const TVistaBackground& PageAppearance() const { return pageAppearance_; }
  TVistaTextBackground& PagerCaption() { return pagerCaption_; }
  const TVistaTextBackground& PagerCaption() const { return pagerCaption_; }
  TQATAppearance& QATAppearance() { return qatAppearance_; }
  const TQATAppearance& QATAppearance() const { return qatAppearance_; }
  TTabAppearance& TabAppearance() { return tabAppearance_; }
  const TTabAppearance& TabAppearance() const { return tabAppearance_; }
  // Copies Value's colours without telling the controls, except the hot
  // end colour and hot text colour, which go through the setters.
  void SetCaptionAppearance(const TCaptionAppearance& Value);

  // The toolbar background picture (its changes: tcBackground), the
  // picture grip and the right handle picture (tcColors); set by copy.
  const TBitmap& BackGround() const { return backGround_; }
  void SetBackGround(const TBitmap& Value);
  const TBitmap& DragGripImage() const { return dragGripImage_; }
  void SetDragGripImage(const TBitmap& Value) { dragGripImage_.Assign(&Value); }
  const TBitmap& RightHandleImage() const { return rightHandleImage_; }
  void SetRightHandleImage(const TBitmap& Value);

  const TFont& Font() const { return font_; }
  const TFont& CaptionFont() const { return captionFont_; }
  // Copy the given font and tell the controls (tcBackground, tcColors).
  void SetFont(const TFont& Value);
  void SetCaptionFont(const TFont& Value);
  bool SystemFont() const { return systemFont_; }
  // Turning it on renames Font and CaptionFont by the system font rule.
  void SetSystemFont(bool Value);
  // Renames every font whose holder follows the system font.
  void ApplySystemFonts();

  TCustomAdvMenuStyler* AdvMenuStyler() const { return advMenuStyler_.Get(); }
  void SetAdvMenuStyler(TCustomAdvMenuStyler* Value);
  // The assigned menu styler, else the private one.
  TCustomAdvMenuStyler* CurrentMenuStyler() const;

  // The code toolbars hand their glow buttons; NoStyleCode for none.
  int StyleCode() const { return styleCode_; }
  // Set only by the Obsidian scheme; the quick access toolbar reads it.
  bool DarkScheme() const { return darkScheme_; }
  void SetSchemeCodes(int StyleCode, bool DarkScheme) {
    styleCode_ = StyleCode;
    darkScheme_ = DarkScheme;
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Tells every control still using this styler that it goes away.
  void ReleaseControls();

 private:
  template <class F>
  static int KindOf([[maybe_unused]] F TToolBarStylerValues::*Field) {
    if constexpr (std::is_same_v<F, TDragGripStyle>) return tcDragGrip;
    if constexpr (std::is_same_v<F, TBackGroundDisplay>) return tcBackground;
    if constexpr (std::is_same_v<F, bool>)
      if (Field == &TToolBarStylerValues::BackGroundTransparent) return tcBackground;
    return tcColors;
  }
  bool IsRegistered(const TComponent* Control) const;

  std::vector<TWeak<TComponent>> controls_;
  TToolBarStylerValues values_;
  TButtonAppearance buttonAppearance_;
  TCaptionAppearance captionAppearance_;
  TContainerAppearance containerAppearance_;
  TGradientBackground color_, colorHot_, dockColor_;
  TStylerGlowAppearance glowButtonAppearance_, compactGlowButtonAppearance_;
  TGroupAppearance groupAppearance_;
  TVistaBackground pageAppearance_;
  TVistaTextBackground pagerCaption_;
  TQATAppearance qatAppearance_;
  TTabAppearance tabAppearance_;
  TFont font_, captionFont_;
  TBitmap backGround_, dragGripImage_, rightHandleImage_;
  bool systemFont_ = true;
  TWeak<TCustomAdvMenuStyler> advMenuStyler_;
  // Which component the assigned menu styler was, to recognise its removal
  // notice after its handle has already expired; never dereferenced.
  const TComponent* advMenuStylerId_ = nullptr;
  std::unique_ptr<TCustomAdvMenuStyler> internalMenuStyler_;
  int styleCode_ = NoStyleCode;
  bool darkScheme_ = false;
};

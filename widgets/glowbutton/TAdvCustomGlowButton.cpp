#include "TAdvCustomGlowButton.h"

#include <algorithm>

#include "GlowButtonLayout.h"
#include "GlowFace.h"
#include "TAdvGlowButtonActionLink.h"
#include "core/TStringList.h"
#include "graphics/TBitmap.h"
#include "os/SystemInfo.h"
#include "pager/TShortCutHintWindow.h"
#include "picture/TGDIPPicture.h"
#include "ui/TAction.h"
#include "ui/TActionList.h"
#include "ui/TApplication.h"
#include "ui/Accelerator.h"
#include "ui/PaintParentImage.h"
#include "ui/TCustomImageList.h"
#include "ui/TPopupMenu.h"

TAdvCustomGlowButton::TAdvCustomGlowButton(TComponent* AOwner)
    : TCustomControl(AOwner),
      appearance_(std::make_unique<TGlowButtonAppearance>()),
      picture_(std::make_unique<TGDIPPicture>()),
      hotPicture_(std::make_unique<TGDIPPicture>()),
      disabledPicture_(std::make_unique<TGDIPPicture>()),
      notes_(std::make_unique<TStringList>()),
      notesFont_(std::make_unique<TFont>()) {
  // Double clicks arrive as two presses: a quick second click still clicks.
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable});
  SetBounds(Left(), Top(), 100, 41);
  notesFont_->SetName("Tahoma");
  notesFont_->SetSize(8);
  appearance_->OnChange = [this](TObject*) { Invalidate(); };
  auto changed = [this](TObject*) {
    RequestMeasure();
    Invalidate();
  };
  picture_->OnChange = changed;
  hotPicture_->OnChange = changed;
  disabledPicture_->OnChange = changed;
  notes_->OnChange = changed;
  notesFont_->OnChange = changed;
}

TAdvCustomGlowButton::~TAdvCustomGlowButton() {
  for (TWeak<TCustomImageList>* field : {&images_, &hotImages_, &disabledImages_})
    if (TCustomImageList* list = field->Get()) list->UnRegisterChanges(field);
  delete keyTip_;
  keyTip_ = nullptr;
}

// ---------------------------------------------------------------------------
// Properties.

void TAdvCustomGlowButton::SetAppearance(const TGlowButtonAppearance* Value) { appearance_->Assign(Value); }

void TAdvCustomGlowButton::SetAntiAlias(TAntiAlias Value) {
  if (antiAlias_ == Value) return;
  antiAlias_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetDefault(bool Value) {
  if (default_ == Value) return;
  default_ = Value;
  defaultActive_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetImageList(TWeak<TCustomImageList>& Field, TCustomImageList* Value, bool Repaint) {
  if (Field == Value) return;
  if (TCustomImageList* old = Field.Get()) old->UnRegisterChanges(&Field);
  Field = Value;
  if (Value) {
    Value->FreeNotification(this);
    Value->RegisterChanges(&Field, [this] { ListChanged(); });
  }
  if (Repaint) {
    RequestMeasure();
    Invalidate();
  }
}

void TAdvCustomGlowButton::SetImages(TCustomImageList* Value) { SetImageList(images_, Value, true); }
void TAdvCustomGlowButton::SetHotImages(TCustomImageList* Value) { SetImageList(hotImages_, Value, false); }
void TAdvCustomGlowButton::SetDisabledImages(TCustomImageList* Value) { SetImageList(disabledImages_, Value, true); }

void TAdvCustomGlowButton::ListChanged() {
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetPicture(const TGDIPPicture* Value) { picture_->Assign(Value); }
void TAdvCustomGlowButton::SetHotPicture(const TGDIPPicture* Value) { hotPicture_->Assign(Value); }
void TAdvCustomGlowButton::SetDisabledPicture(const TGDIPPicture* Value) { disabledPicture_->Assign(Value); }

void TAdvCustomGlowButton::SetLayout(TButtonLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetMarginHorz(int Value) {
  if (marginHorz_ == Value) return;
  marginHorz_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetMarginVert(int Value) {
  if (marginVert_ == Value) return;
  marginVert_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetSpacing(int Value) {
  if (spacing_ == Value) return;
  spacing_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetNotes(const TStringList* Value) { notes_->Assign(Value); }
void TAdvCustomGlowButton::SetNotesFont(const TFont* Value) { notesFont_->Assign(Value); }

void TAdvCustomGlowButton::SetPosition(TButtonPosition Value) {
  if (position_ == Value) return;
  position_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetRounded(bool Value) {
  if (rounded_ == Value) return;
  rounded_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetShowCaption(bool Value) {
  if (showCaption_ == Value) return;
  showCaption_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetShowDisabled(bool Value) {
  if (showDisabled_ == Value) return;
  showDisabled_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetTrimming(StringTrimming Value) {
  if (trimming_ == Value) return;
  trimming_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetFocusType(TFocusType Value) {
  if (focusType_ == Value) return;
  focusType_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetWideCaption(const std::string& Value) {
  if (wideCaption_ == Value) return;
  wideCaption_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetDropDownButton(bool Value) {
  if (dropDownButton_ == Value) return;
  dropDownButton_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetDropDownPosition(TDropDownPosition Value) {
  if (dropDownPosition_ == Value) return;
  dropDownPosition_ = Value;
  RequestMeasure();
  Invalidate();
}

void TAdvCustomGlowButton::SetDropDownSplit(bool Value) {
  if (dropDownSplit_ == Value) return;
  dropDownSplit_ = Value;
  Invalidate();
}

void TAdvCustomGlowButton::SetDropDownMenu(TPopupMenu* Value) {
  if (dropDownMenu_ == Value) return;
  dropDownMenu_ = Value;
}

std::string TAdvCustomGlowButton::Version() const {
  const uint32_t v = VersionNumber();
  return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
         "." + std::to_string(v & 0xFF);
}

bool TAdvCustomGlowButton::FocusBorderVisible() const {
  return Focused() && (focusType_ == ftBorder || focusType_ == ftHotBorder);
}

void TAdvCustomGlowButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  // A list that goes away takes its registrations and its images with it;
  // the handles read empty already.
  if (dynamic_cast<TCustomImageList*>(AComponent)) Invalidate();
}

// ---------------------------------------------------------------------------
// Down, groups and styles.

TGlowInnerState TAdvCustomGlowButton::RestState() const {
  return down_ && groupIndex_ != 0 ? gisExclusive : gisUp;
}

TGlowInnerState TAdvCustomGlowButton::ButtonState() const {
  return EffectiveGlowState(state_, Enabled(), down_, groupIndex_, style_);
}

bool TAdvCustomGlowButton::ActionLinked() const {
  auto* link = dynamic_cast<TAdvGlowButtonActionLink*>(ActionLink());
  if (!link || !Action()) return false;
  bool checked = link->IsCheckedLinked();
  bool group = link->IsGroupIndexLinked();
  return checked || group;
}

void TAdvCustomGlowButton::SetDown(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    downPending_ = true;
    pendingDown_ = Value;
    return;
  }
  if (groupIndex_ == 0 && style_ == bsButton) Value = false;
  if (style_ == bsCheck) {
    down_ = Value;
    state_ = Value ? gisDown : gisUp;
    Invalidate();
    return;
  }
  if (Value == down_ || (down_ && !allowAllUp_)) return;
  down_ = Value;
  if (Value) {
    if (state_ == gisUp) Invalidate();
    state_ = gisExclusive;
  } else {
    state_ = gisUp;
    Invalidate();
  }
  if (!Value) return;
  auto* link = dynamic_cast<TAdvGlowButtonActionLink*>(ActionLink());
  if (!(link && Action() && link->IsCheckedLinked())) NotifyGroup();
}

void TAdvCustomGlowButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  NotifyGroup();
}

void TAdvCustomGlowButton::SetGroupIndex(int Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  NotifyGroup();
  Invalidate();
}

void TAdvCustomGlowButton::SetStyle(TAdvButtonStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  // A push button outside a group is never down.
  if (style_ == bsButton && groupIndex_ == 0 && down_) {
    down_ = false;
    if (state_ != gisDisabled) state_ = gisUp;
  }
  Invalidate();
}

void TAdvCustomGlowButton::NotifyGroup() {
  TWinControl* p = Parent();
  if (!p || groupIndex_ == 0) return;
  auto alive = AliveToken();
  std::vector<TControl*> siblings;
  for (int i = 0; i < p->ControlCount(); ++i) siblings.push_back(p->Controls(i));
  const intptr_t sender = reinterpret_cast<intptr_t>(static_cast<TControl*>(this));
  for (TControl* c : siblings) {
    if (!IsAlive(alive) || Parent() != p) return;
    bool stillThere = false;
    for (int i = 0; i < p->ControlCount() && !stillThere; ++i) stillThere = p->Controls(i) == c;
    if (stillThere) c->Perform(CM_BUTTONPRESSED, groupIndex_, sender);
  }
}

void TAdvCustomGlowButton::ButtonPressed(TAdvCustomGlowButton* Sender) {
  // Only a member that is down releases the others: a notification from
  // a button that is up (a changed AllowAllUp or GroupIndex) leaves them.
  if (!Sender || Sender == this || !Sender->Down() || !down_) return;
  down_ = false;
  state_ = Enabled() ? gisUp : gisDisabled;
  Invalidate();
}

// ---------------------------------------------------------------------------
// Painting.

TButtonLayout TAdvCustomGlowButton::LayoutFor(TButtonSizeState State) const {
  if (!autoSize_ || State == sizeState_) return layout_;
  return State == bsLarge ? savedLayout_ : blGlyphLeft;
}

TDropDownPosition TAdvCustomGlowButton::DropDownPositionFor(TButtonSizeState State) const {
  if (!autoSize_ || State == sizeState_) return dropDownPosition_;
  return State == bsLarge ? savedDropDownPosition_ : dpRight;
}

TGlowLookInputs TAdvCustomGlowButton::LookInputs() const {
  TGlowLookInputs in;
  in.State = ButtonState();
  in.Enabled = Enabled();
  in.Style = style_;
  in.GroupIndex = groupIndex_;
  in.ShowDisabled = showDisabled_;
  in.HotLook = hotLook_;
  in.Fading = fadeTimer_;
  in.HotFade = hotFade_;
  in.DownFade = downFade_;
  in.Pressed = pressed_;
  in.MouseInside = mouseInside_;
  in.Transparent = transparent_;
  in.Standalone = position_ == bpStandalone;
  in.PressedInside = pressedInside_;
  in.FocusHot = Focused() && (focusType_ == ftHot || focusType_ == ftHotBorder) && !pressed_;
  return in;
}

TGlowFace TAdvCustomGlowButton::BuildFace(TButtonSizeState State, TFont& FontCopy, const TBitmap* Glyph) const {
  TGlowFace f;
  f.R = ClientRect();
  const bool enabled = Enabled();
  const TCustomImageList* list = nullptr;
  bool imageEnabled = true;
  if (enabled || !disabledImages_) {
    list = hotLook_ && hotImages_ ? hotImages_.Get() : images_.Get();
    imageEnabled = enabled;
  } else {
    list = disabledImages_.Get();
  }
  TGDIPPicture* picture = !enabled && !disabledPicture_->Empty() ? disabledPicture_.get()
                          : hotLook_ && !hotPicture_->Empty()    ? hotPicture_.get()
                                                                 : picture_.get();
  if (auto* a = dynamic_cast<TCustomAction*>(Action()); a && a->ImageIndex() >= 0 && a->ActionList() &&
                                                         a->ActionList()->Images()) {
    list = a->ActionList()->Images();
    imageEnabled = enabled;
  }
  if (showCaption_) f.Caption = wideCaption_.empty() ? Caption() : wideCaption_;
  FontCopy.Assign(Font());
  if (!ParentFont() && appearance_->SystemFont()) FontCopy.SetName(IsVistaOrLater() ? "Segoe UI" : "Tahoma");
  if (autoSize_ && State < bsLarge) {
    f.ForcedImageSize = {16, 16};
    if (list && imageIndex_ >= 0) picture = nullptr;
  }
  if (State == bsGlyph) f.Caption.clear();
  f.Font = &FontCopy;
  f.Images = list;
  f.ImageIndex = imageIndex_;
  f.ImageEnabled = imageEnabled;
  f.Picture = picture;
  f.Glyph = Glyph;
  f.Layout = LayoutFor(State);
  f.DropDownButton = dropDownButton_;
  f.DropDownPosition = DropDownPositionFor(State);
  f.DropDownDirection = dropDownDirection_;
  f.DropDownSplit = dropDownSplit_;
  f.Enabled = enabled;
  f.Position = position_;
  f.BorderVisible = BorderVisible();
  f.Rounded = rounded_;
  f.WordWrap = wordWrap_;
  f.Trimming = trimming_;
  f.AntiAlias = antiAlias_;
  f.Spacing = spacing_;
  if (notes_->Count() > 0) f.Notes = notes_->Text();
  f.NotesFont = notesFont_.get();
  return f;
}

void TAdvCustomGlowButton::Paint() {
  // The canvas draws straight into the window's back buffer, which is the
  // off-screen bitmap of this paint: the window shows it in one piece
  // when the paint pass is over.
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  auto alive = AliveToken();
  if (transparent_ && !hot_ && Parent()) PaintParentImage(*this, *Parent(), *c);

  const TGlowLookInputs in = LookInputs();
  const TGlowLook look = ResolveGlowLook(*appearance_, in);
  TFont font;
  TBitmap glyph(1, 1);
  FillGlyph(glyph);
  TGlowFace face = BuildFace(sizeState_, font, &glyph);
  face.Colors = look.Set;
  face.Highlighted = look.Highlighted;
  face.DropDownState = dropDownButton_ && (mouseInside_ || pressedInside_) ? (dropDownHot_ ? 2 : 1) : 0;
  face.FocusFrame = FocusBorderVisible();
  face.HotOrDown = hot_ || down_;
  const bool focusHot = Focused() && (focusType_ == ftHot || focusType_ == ftHotBorder);
  face.SkipBackground = transparent_ && !hot_ && !focusHot && in.State != gisDown;
  DrawGlowFace(*c, face, false);

  AfterPaint();
  if (OnDrawButton) {
    TGlowButtonState s = in.State == gisDown ? gsDown : hot_ ? gsHot : gsNormal;
    OnDrawButton(this, c, r, s);
    if (!IsAlive(alive)) return;
  }

  // The corners a rounded frame leaves outside show the parent.
  if (Parent() && rounded_ && (!transparent_ || hot_ || in.State == gisDown || hotLook_)) {
    const int w = r.Width(), h = r.Height();
    switch (position_) {
      case bpStandalone: PaintParentImage(*this, *Parent(), *c, {{1, 0, w - 1, h}, {0, 1, w, h - 1}}); break;
      case bpLeft: PaintParentImage(*this, *Parent(), *c, {{1, 0, w, h}, {0, 1, w, h - 1}}); break;
      case bpRight: PaintParentImage(*this, *Parent(), *c, {{0, 0, w - 1, h}, {0, 1, w, h - 1}}); break;
      case bpMiddle: break;
    }
  }
}

void TAdvCustomGlowButton::ApplyStyleCode(int Code) {
  const TGlowColorSet officeHot{15465983, 11332863, 5888767, 10807807, 10079963, ggVertical, ggVertical};
  const TGlowColorSet officeDown{7778289, 4296947, 946929, 5021693, 4548219, ggVertical, ggVertical};
  TGlowButtonAppearance& a = *appearance_;
  auto normal = [&](TColor c, TColor to, TColor mirror, TColor mirrorTo, TColor border) {
    a.SetNormal({c, to, mirror, mirrorTo, border, ggVertical, ggVertical});
  };
  auto office = [&] {
    a.SetHot(officeHot);
    a.SetDown(officeDown);
    a.SetChecked({11918331, 7915518, 10480637, 5682430, a.BorderColorChecked(), ggVertical, ggVertical});
  };
  switch (Code) {
    case 0: normal(15653832, 16178633, 15586496, 16245200, 14727579); office(); break;
    case 1: normal(15586496, 15128792, 15586496, 13152947, 9598070); office(); break;
    case 2: normal(13627626, 13627626, 13627626, 9224369, 9224369); office(); break;
    case 3: normal(0xFFFFFF, 13226453, 0xFFFFFF, 13226453, 0); office(); break;
    case 4:
    case 5:
    case 9:
      if (Code == 4) normal(15653832, 16178633, 15586496, 16245200, 14727579);
      if (Code == 5) normal(14671574, 15000283, 14144974, 15197664, 12631218);
      if (Code == 9) normal(15987697, 16119283, 15657703, 16316406, 13421257);
      office();
      a.SetBorderColorChecked(4548219);
      break;
    case 6:
      normal(0xFFFFFF, 12179676, 12179676, 12179676, 12179676);
      a.SetHot({15717318, 15717318, 15717318, 15717318, clHighlight, ggVertical, ggVertical});
      a.SetDown({11899524, 11899524, 11899524, 11899524, clHighlight, ggVertical, ggVertical});
      a.SetChecked({12179676, 12179676, 12179676, 12179676, clBlack, ggVertical, ggVertical});
      break;
    case 7: normal(0xFFFFFF, 14675440, 14675440, 14675440, 10070188); office(); break;
    default: break;
  }
  Invalidate();
}

// ---------------------------------------------------------------------------
// Size states and measuring.

void TAdvCustomGlowButton::SetSizeState(TButtonSizeState Value) {
  if (sizeState_ == Value) return;
  if (autoSize_) {
    if (sizeState_ == bsLarge) {
      savedLayout_ = layout_;
      savedDropDownPosition_ = dropDownPosition_;
    }
    if (Value == bsLarge) {
      layout_ = savedLayout_;
      dropDownPosition_ = savedDropDownPosition_;
    } else {
      layout_ = blGlyphLeft;
      dropDownPosition_ = dpRight;
    }
  }
  sizeState_ = Value;
  RequestMeasure();
  Invalidate();
}

TSize TAdvCustomGlowButton::SizeForState(TButtonSizeState State) const {
  TCanvas measure;
  TFont font;
  TBitmap glyph(1, 1);
  FillGlyph(glyph);
  TGlowFace face = BuildFace(State, font, &glyph);
  const TSize content = DrawGlowFace(measure, face, true);
  return GlowAutoSize(content, spacing_, marginHorz_, marginVert_, dropDownButton_, face.DropDownPosition);
}

void TAdvCustomGlowButton::RequestMeasure() {
  if (!autoSize_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  const TSize s = SizeForState(sizeState_);
  int w = s.cx, h = s.cy;
  if (SizeHook) {
    auto alive = AliveToken();
    SizeHook(this, w, h);
    if (!IsAlive(alive)) return;
  }
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TAdvCustomGlowButton::Loaded() {
  TCustomControl::Loaded();
  if (downPending_) {
    downPending_ = false;
    SetDown(pendingDown_);
  }
  RequestMeasure();
}

// ---------------------------------------------------------------------------
// Actions.

std::unique_ptr<TControlActionLink> TAdvCustomGlowButton::CreateActionLink() {
  return std::make_unique<TAdvGlowButtonActionLink>(this);
}

void TAdvCustomGlowButton::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  TCustomControl::ActionChange(Sender, CheckDefaults);
  auto* a = dynamic_cast<TCustomAction*>(Sender);
  if (!a) return;
  if (!CheckDefaults || groupIndex_ == 0) SetGroupIndex(a->GroupIndex());
  SetImageIndex(a->ImageIndex());
  if (auto* link = dynamic_cast<TAdvGlowButtonActionLink*>(ActionLink())) link->SetPassedImageIndex(a->ImageIndex());
}

void TAdvCustomGlowButton::Click() {
  auto alive = AliveToken();
  if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  if (ClickHook) {
    ClickHook(this);
    if (!IsAlive(alive)) return;
  }
  TCustomControl::Click();
}

// ---------------------------------------------------------------------------
// Fading.

void TAdvCustomGlowButton::EnsureFadeTimer() {
  if (fadeTimer_ || !Application) return;
  Application->SetTimer(this, FadeTimerId, static_cast<unsigned>(std::max(1, fadeInterval_)));
  fadeTimer_ = true;
}

void TAdvCustomGlowButton::StopFadeTimer() {
  if (!fadeTimer_) return;
  if (Application) Application->KillTimer(this, FadeTimerId);
  fadeTimer_ = false;
}

void TAdvCustomGlowButton::StartFade(int Step, TFadeKind Kind) {
  EnsureFadeTimer();
  fadeStep_ = Step;
  fadeKind_ = Kind;
}

void TAdvCustomGlowButton::FadeTick() {
  // A fade ends once its percentage passed 0 or 100; the frame after it
  // is painted from the look the fade ended in.
  int* fade = fadeKind_ == fkHot ? &hotFade_ : fadeKind_ == fkDown ? &downFade_ : nullptr;
  if (!fade) {
    StopFadeTimer();
    Invalidate();
    return;
  }
  *fade += fadeStep_;
  if ((fadeStep_ > 0 && *fade > 100) || (fadeStep_ < 0 && *fade < 0)) {
    *fade = std::clamp(*fade, 0, 100);
    if (fadeKind_ == fkDown && fadeStep_ < 0) pressed_ = rePress_ = false;
    fadeKind_ = fkNone;
    StopFadeTimer();
  }
  Invalidate();
}

// ---------------------------------------------------------------------------
// Mouse.

void TAdvCustomGlowButton::MouseEnter() {
  if (ComponentState().Contains(csDesigning) || hot_) return;
  hotLook_ = true;
  if (rePress_) pressed_ = true;
  EnsureFadeTimer();
  if (!pressed_ && fadeKind_ != fkDown) {
    fadeStep_ = FadeStep;
    fadeKind_ = fkHot;
  }
  Invalidate();
  mouseInside_ = true;
  hot_ = true;
}

void TAdvCustomGlowButton::MouseLeave() {
  if (!hot_) return;
  hot_ = mouseInside_ = hotLook_ = dropDownHot_ = false;
  if (pressed_ && pressedInside_) {
    pressed_ = false;
    fadeStep_ = -FadeStep;
    fadeKind_ = fkHot;
    Invalidate();
    rePress_ = true;
  } else {
    pressed_ = false;
    hotFade_ = 100;
    fadeStep_ = -FadeStep;
    fadeKind_ = fkHot;
    Invalidate();
  }
  EnsureFadeTimer();
}

bool TAdvCustomGlowButton::CursorOverButton() const {
  if (!Application) return false;
  TWindowManager& wm = Application->Windows();
  return wm.FindControlAt(wm.CursorPos(), true) == this;
}

void TAdvCustomGlowButton::ResyncHover() {
  if (!Enabled()) return;
  const bool over = CursorOverButton();
  if (over == mouseInside_) return;
  mouseInside_ = over;
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TAdvCustomGlowButton::StopRepeat() {
  if (!repeatTimer_) return;
  if (Application) Application->KillTimer(this, RepeatTimerId);
  repeatTimer_ = false;
}

void TAdvCustomGlowButton::RepeatTick() {
  if (!Application) return;
  Application->SetTimer(this, RepeatTimerId, static_cast<unsigned>(std::max(1, repeatPause_)));
  if (!pressed_ || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    StopRepeat();
    throw;
  }
}

void TAdvCustomGlowButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  auto alive = AliveToken();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsAlive(alive) || Button != mbLeft) return;
  if (repeatClick_ && Application) {
    Application->SetTimer(this, RepeatTimerId, static_cast<unsigned>(std::max(1, initRepeatPause_)));
    repeatTimer_ = true;
  }
  pressed_ = pressedInside_ = true;
  if (TabStop() && CanFocus()) {
    SetFocus();
    if (!IsAlive(alive)) return;
  }
  StartFade(FadeStep, fkDown);
  const bool inPart = InGlowDropDownPart({X, Y}, {Width(), Height()}, dropDownButton_, dropDownPosition_,
                                         GlowDropDownWidth);
  const bool opens = (dropDownButton_ && inPart && dropDownSplit_) ||
                     (dropDownButton_ && !dropDownSplit_ && style_ == bsButton && groupIndex_ <= 0) ||
                     (!dropDownButton_ && DropDownOnly());
  if (opens) {
    DropDownFromMouse();
    return;
  }
  if (style_ == bsCheck) SetDown(!down_);
  if (!down_ || style_ == bsCheck) state_ = gisDown;
  pressHandled_ = true;
  Invalidate();
}

void TAdvCustomGlowButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (!ComponentState().Contains(csDesigning)) {
    const bool partHot = InGlowDropDownPart({X, Y}, {Width(), Height()}, dropDownButton_, dropDownPosition_,
                                            GlowDropDownHotWidth);
    if (partHot != dropDownHot_) {
      dropDownHot_ = partHot;
      Invalidate();
    }
    if (pressHandled_) {
      TGlowInnerState s = down_ ? gisExclusive : ClientRect().Contains({X, Y}) ? gisDown : gisUp;
      if (style_ == bsCheck && down_) s = gisDown;
      if (s != state_) {
        state_ = s;
        Invalidate();
      }
    } else if (!mouseInside_) {
      auto alive = AliveToken();
      ResyncHover();
      if (!IsAlive(alive)) return;
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

// How a left press on the button ends. A press toggles a check button's
// Down at once; a push button in a group toggles on a release inside.
//
//   end of the press                     click  check button's Down  state
//   release inside                       yes    stays toggled        rest
//   release outside                      no     toggled back         rest
//   capture lost (a menu or another      no     toggled back         rest
//     control took the mouse, cancel
//     mode, disabled)
//   focus lost (gives the mouse back)    no     toggled back         rest
//   the press opened its drop-down menu  no     not toggled          rest
//
// Rest is exclusive for a grouped button that is down, else up (a check
// button that is down paints down). Every way stops the repeat timer;
// all but the drop-down fade the down look out. A handler run on the way
// may free the button: each step that calls out checks it is still alive.
void TAdvCustomGlowButton::LeftButtonUp(TMessage& M) {
  auto alive = AliveToken();
  StopRepeat();
  StartFade(-FadeStep, fkDown);
  pressedInside_ = false;
  rePress_ = false;
  // The platform's handling releases the capture and clicks when the
  // press started here and ends inside.
  bool released = false;
  auto platformRelease = [&] {
    if (released) return;
    released = true;
    TCustomControl::WndProc(M);
  };
  if (!(!dropDownButton_ && DropDownOnly()) && pressHandled_) {
    pressHandled_ = false;
    // Inside as the platform's click decides it.
    const bool inside = ClientRect().Contains(LParamToPoint(M.LParam));
    // A check button toggled when it was pressed: released outside, the
    // press is undone, whichever way it toggled, also on a button that
    // shows its action's Checked (the action never ran).
    const bool undo = style_ == bsCheck && !inside;
    if (groupIndex_ == 0) {
      state_ = gisUp;
      mouseInside_ = false;
      if (style_ == bsCheck) {
        if (Action()) {
          platformRelease();
          if (!IsAlive(alive)) return;
        }
        if (undo) SetDown(!down_);
        if (Action() && ActionLinked()) return;
      }
      Invalidate();
    } else {
      if (undo) SetDown(!down_);
      if (Action() && ActionLinked()) {
        platformRelease();
        return;
      }
      if (style_ == bsButton) {
        if (inside) SetDown(!down_);
        else state_ = down_ ? gisExclusive : gisUp;
      }
      Invalidate();
    }
    ResyncHover();
    if (!IsAlive(alive)) return;
  }
  platformRelease();
  if (!IsAlive(alive)) return;
  Invalidate();
}

void TAdvCustomGlowButton::CancelPress() {
  // The press sees no release of its own: it ends as one outside would,
  // without a click.
  StopRepeat();
  SetStateFlag(csClicked, false);
  StartFade(-FadeStep, fkDown);
  pressedInside_ = rePress_ = false;
  if (pressHandled_) {
    pressHandled_ = false;
    if (style_ == bsCheck) SetDown(!down_);
    if (state_ != gisDisabled) state_ = RestState();
  }
  Invalidate();
}

// ---------------------------------------------------------------------------
// Drop-down.

void TAdvCustomGlowButton::ShowDropDownMenu() {
  TPopupMenu* menu = dropDownMenu_.Get();
  if (!menu) return;
  const TPoint org = ClientToScreen({0, 0});
  const TPoint at = DropDownMenuPoint(dropDownDirection_, TRect::Bounds(org.X, org.Y, Width(), Height()));
  auto alive = AliveToken();
  menuOpen_ = true;
  menu->SetPopupComponent(this);
  menu->Popup(at.X, at.Y);
  if (IsAlive(alive)) menuOpen_ = false;
}

void TAdvCustomGlowButton::DropDownFromMouse() {
  auto alive = AliveToken();
  mouseInside_ = false;
  if (OnDropDown) {
    OnDropDown(this);
    if (!IsAlive(alive)) return;
  }
  if (dropDownMenu_) {
    pressed_ = false;
    hotLook_ = false;
    hot_ = true;
    Invalidate();
    ShowDropDownMenu();
    if (!IsAlive(alive)) return;
    if (!CursorOverButton()) hot_ = mouseInside_ = hotLook_ = dropDownHot_ = false;
    // The menu took the mouse: the press that opened it is over.
    pressedInside_ = false;
    SetStateFlag(csClicked, false);
    StopRepeat();
  }
  Invalidate();
}

void TAdvCustomGlowButton::DropDownFromKeyboard() {
  auto alive = AliveToken();
  if (dropDownMenu_) {
    state_ = gisDown;
    if (OnDropDown) {
      OnDropDown(this);
      if (!IsAlive(alive)) return;
    }
    Invalidate();
    ShowDropDownMenu();
    if (!IsAlive(alive)) return;
    state_ = RestState();
  }
  Invalidate();
}

// ---------------------------------------------------------------------------
// Keyboard.

void TAdvCustomGlowButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  auto alive = AliveToken();
  if (Key == VK_RETURN || Key == VK_SPACE) {
    pressed_ = true;
    state_ = gisDown;
    Invalidate();
  }
  if (Key == VK_F4 && (DropDownOnly() || dropDownMenu_)) {
    DropDownFromKeyboard();
    if (!IsAlive(alive)) return;
  }
  if (KeyDownHook) {
    KeyDownHook(this, Key, Shift);
    if (!IsAlive(alive)) return;
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TAdvCustomGlowButton::KeyUp(uint16_t& Key, TShiftState Shift) {
  pressed_ = false;
  state_ = RestState();
  Invalidate();
  TCustomControl::KeyUp(Key, Shift);
}

void TAdvCustomGlowButton::KeyPress(char32_t& Key) {
  auto alive = AliveToken();
  TCustomControl::KeyPress(Key);
  if (!IsAlive(alive) || (Key != U'\r' && Key != U' ')) return;
  if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TCustomControl::Click();
}

void TAdvCustomGlowButton::PushFromKeyboard() {
  if (!dropDownButton_ && DropDownOnly()) return;
  if (dropDownButton_ && !dropDownSplit_ && style_ != bsCheck && groupIndex_ <= 0) return;
  if (style_ == bsCheck) SetDown(!down_);
  if (!down_ || style_ == bsCheck) {
    state_ = gisDown;
    Invalidate();
  }
  auto alive = AliveToken();
  Click();
  if (!IsAlive(alive)) return;
  // The key's release reaches the focused control, which need not be this
  // button: the push ends with its click.
  if (state_ == gisDown) {
    state_ = RestState();
    Invalidate();
  }
}

// ---------------------------------------------------------------------------
// Key tips.

void TAdvCustomGlowButton::ShowKeyTip() {
  if (!keyTip_) {
    keyTip_ = new TShortCutHintWindow(this);
    keyTip_->SetParent(this);
  }
  keyTip_->SetCaption(shortCutHint_);
  const TPoint org = ClientToScreen({0, 0});
  const TSize size{keyTip_->Width(), keyTip_->Height()};
  const TPoint at = KeyTipPosition(shortCutHintPos_, TRect::Bounds(org.X, org.Y, Width(), Height()), size);
  keyTip_->SetBounds(at.X, at.Y, size.cx, size.cy);
  // A tip without text has no size and stays hidden.
  if (size.cx > 0 && size.cy > 0) {
    keyTip_->Show();
    keyTip_->Invalidate();
  }
}

void TAdvCustomGlowButton::HideKeyTip() {
  if (keyTip_) keyTip_->Hide();
}

// ---------------------------------------------------------------------------
// Messages.

void TAdvCustomGlowButton::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND: M.Result = 1; return;
    case WM_TIMER:
      if (M.WParam == static_cast<intptr_t>(FadeTimerId)) FadeTick();
      else if (M.WParam == static_cast<intptr_t>(RepeatTimerId)) RepeatTick();
      return;
    case CM_MOUSEENTER: {
      auto alive = AliveToken();
      if (OnMouseEnter) OnMouseEnter(this);
      if (IsAlive(alive)) MouseEnter();
      return;
    }
    case CM_MOUSELEAVE: {
      auto alive = AliveToken();
      if (OnMouseLeave) OnMouseLeave(this);
      if (IsAlive(alive)) MouseLeave();
      return;
    }
    case WM_LBUTTONUP: LeftButtonUp(M); return;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: StopRepeat(); break;
    case WM_GETDLGCODE:
      M.Result = KeyDownHook ? DLGC_WANTARROWS : 0;
      return;
    case CM_DIALOGKEY: {
      const bool shift = Application && Application->Windows().IsKeyDown(VK_SHIFT);
      const bool ctrl = Application && Application->Windows().IsKeyDown(VK_CONTROL);
      const bool alt = (M.LParam & KF_ALTDOWN_LPARAM) != 0;
      if (((M.WParam == VK_RETURN && defaultActive_) || (M.WParam == VK_ESCAPE && cancel_)) && !shift && !ctrl &&
          !alt && CanFocus()) {
        M.Result = 1;
        PushFromKeyboard();
        return;
      }
      break;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(M.WParam), Caption()) && CanFocus()) {
        M.Result = 1;
        if (DropDownOnly() || dropDownMenu_) DropDownFromKeyboard();
        else Click();
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      // Enter clicks the focused glow button; with the focus elsewhere,
      // each button that is Default.
      auto* focused = reinterpret_cast<TWinControl*>(M.LParam);
      const bool was = defaultActive_;
      defaultActive_ = dynamic_cast<TAdvCustomGlowButton*>(focused) ? focused == this : default_;
      if (was != defaultActive_) Invalidate();
      break;
    }
    case WM_KILLFOCUS:
      // A mouse press ends with the focus: giving the mouse back ends it
      // without a click.
      if (pressedInside_ && MouseCapture()) {
        auto alive = AliveToken();
        SetMouseCapture(false);
        if (!IsAlive(alive)) return;
      }
      pressed_ = false;
      state_ = Enabled() ? RestState() : gisDisabled;
      Invalidate();
      break;
    case WM_CAPTURECHANGED:
      // The button's own release gives the mouse back after it ended the
      // press; its drop-down menu takes the mouse while the press opened
      // it and ends the press itself when it closes.
      if (pressedInside_ && !menuOpen_) CancelPress();
      break;
    case CN_COMMAND:
      if (((M.WParam >> 16) & 0xFFFF) == 0) {
        Click();
        return;
      }
      break;
    case CM_BUTTONPRESSED:
      if (M.WParam == groupIndex_ && groupIndex_ != 0)
        ButtonPressed(dynamic_cast<TAdvCustomGlowButton*>(reinterpret_cast<TControl*>(M.LParam)));
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) {
        state_ = gisDisabled;
        pressed_ = pressHandled_ = false;
        StopRepeat();
      } else if (state_ == gisDisabled) {
        state_ = RestState();
      }
      break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: RequestMeasure(); break;
    default: break;
  }
  TCustomControl::WndProc(M);
}

#include "TAdvToolBar.h"

#include <algorithm>
#include <cassert>

#include "TAdvPage.h"
#include "TAdvToolBarPager.h"
#include "ToolBarFace.h"
#include "draw/OfficeGradients.h"
#include "draw/TCustomAdvToolBarStyler.h"
#include "glowbutton/TAdvCustomGlowButton.h"
#include "graphics/TBitmap.h"
#include "picture/TGDIPPicture.h"
#include "ui/Messages.h"
#include "ui/TApplication.h"

namespace {

constexpr unsigned kFadeInterval = 30;
constexpr int kFadeStep = 20;
constexpr int kCaptionSteps = 80;
// How far up the parent chain focus inside the toolbar is looked for.
constexpr int kFocusDepth = 50;

void StopTimer(uintptr_t& Timer) {
  if (Timer && Application) Application->StopTimer(Timer);
  Timer = 0;
}

// Children that show the toolbar through them repaint with it.
bool SeesThrough(const TControl* C) {
  const std::string name = C->ClassName();
  return dynamic_cast<const TAdvCustomGlowButton*>(C) || name.find("AdvOffice") != std::string::npos ||
         name.find("Container") != std::string::npos;
}

uint32_t AlignmentFlag(TAlignment Alignment) {
  switch (Alignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
  }
  return DT_LEFT;
}

}  // namespace

struct TAdvToolBar::TPaintPlan {
  TRect Caption, Body, Option, Text;
  TToolBarColors Colors;
  bool Horizontal = false;
  // A rounded outline (and on a page, corners taken from the page).
  bool Rounded = true;
  bool CopyCorners = false;
  bool Bevel = false;
  int BevelKind = 0;
  TOptionFace OptionFace;
  TGDIPPicture* OptionGlyph = nullptr;
  const TFont* CaptionFont = nullptr;
  const TBitmap* BackGround = nullptr;
  TBackGroundDisplay BackGroundDisplay = bdTile;
};

TAdvToolBar::TAdvToolBar(TComponent* AOwner)
    : TCustomControl(AOwner),
      optionPicture_(std::make_unique<TGDIPPicture>()),
      optionDisabledPicture_(std::make_unique<TGDIPPicture>()),
      compactPicture_(std::make_unique<TGDIPPicture>()),
      fallbackStyler_(std::make_unique<TCustomAdvToolBarStyler>(nullptr)) {
  SetBounds(Left(), Top(), Width(), 26);
  DoubleBuffered = true;
  SetShowHint(true);
  fallbackStyler_->SetName("InternalStyler");
  fallbackStyler_->AddControl(this);
}

TAdvToolBar::~TAdvToolBar() {
  Destroying();
  StopHotFade();
  StopWatch();
  StopOptionFade();
  if (auto* s = registered_.Get()) s->RemoveControl(this);
  if (auto* s = toolBarStyler_.Get()) s->RemoveFreeNotification(this);
  fallbackStyler_->RemoveControl(this);
}

void TAdvToolBar::SetParent(TWinControl* AParent) {
  TCustomControl::SetParent(AParent);
  if (AParent && !dynamic_cast<TAdvPage*>(AParent)) {
    const std::string name = AParent->ClassName();
    if (name != "TAdvDockPanel" && name != "TFloatingWindow") parentStyler_ = false;
  }
  UseStylerInForce();
}

// --- settings ---------------------------------------------------------------

void TAdvToolBar::SetCaptionHeight(int Value) {
  if (Value == captionHeight_ || Value < 0) return;
  captionHeight_ = Value;
  Invalidate();
}

void TAdvToolBar::SetCaptionPosition(TCaptionPosition Value) {
  if (Value == captionPosition_) return;
  captionPosition_ = Value;
  Invalidate();
}

void TAdvToolBar::SetCaptionAlignment(TAlignment Value) {
  if (Value == captionAlignment_) return;
  captionAlignment_ = Value;
  Invalidate();
}

void TAdvToolBar::SetShowCaption(bool Value) {
  if (Value == showCaption_) return;
  showCaption_ = Value;
  Invalidate();
}

void TAdvToolBar::SetShowOptionIndicator(bool Value) {
  if (Value == showOptionIndicator_) return;
  showOptionIndicator_ = Value;
  Invalidate();
}

void TAdvToolBar::SetShowRightHandle(bool Value) {
  if (Value == showRightHandle_) return;
  showRightHandle_ = Value;
  Invalidate();
}

void TAdvToolBar::SetAntiAlias(TAntiAlias Value) {
  if (Value == antiAlias_) return;
  antiAlias_ = Value;
  Invalidate();
}

void TAdvToolBar::SetOptionPicture(const TGDIPPicture* Value) {
  optionPicture_->Assign(Value);
  Invalidate();
}

void TAdvToolBar::SetOptionDisabledPicture(const TGDIPPicture* Value) {
  optionDisabledPicture_->Assign(Value);
  Invalidate();
}

void TAdvToolBar::SetParentOptionPicture(bool Value) {
  if (Value == parentOptionPicture_) return;
  parentOptionPicture_ = Value;
  Invalidate();
}

void TAdvToolBar::SetCompactCaption(const std::string& Value) {
  compactCaption_ = Value;
  if (compact_) Invalidate();
}

void TAdvToolBar::SetCompactPicture(const TGDIPPicture* Value) {
  compactPicture_->Assign(Value);
  if (compact_) Invalidate();
}

TToolBarMetrics TAdvToolBar::Metrics() const {
  TToolBarMetrics m;
  m.Width = Width();
  m.Height = Height();
  m.CaptionHeight = captionHeight_;
  m.CaptionPosition = captionPosition_;
  m.ShowCaption = showCaption_;
  m.ShowOptionIndicator = showOptionIndicator_;
  m.ShowRightHandle = showRightHandle_;
  return m;
}

// --- place in the page ---------------------------------------------------------

TAdvPage* TAdvToolBar::Page() const { return dynamic_cast<TAdvPage*>(Parent()); }

int TAdvToolBar::ToolBarIndex() const {
  const TAdvPage* page = Page();
  return page ? page->IndexOfToolBar(this) : -1;
}

void TAdvToolBar::SetToolBarIndex(int Value) {
  if (TAdvPage* page = Page()) page->MoveToolBar(this, Value);
}

// --- compact form -------------------------------------------------------------

void TAdvToolBar::SetCompact(bool Value) {
  if (compact_ == Value) return;
  ResetPointerState();
  if (Value) {
    fullWidth_ = Width();
    compact_ = true;
    hiddenByCompact_.clear();
    for (int i = 0; i < ControlCount(); ++i)
      if (TControl* c = Controls(i); c->Visible()) {
        hiddenByCompact_.emplace_back(c);
        c->SetVisible(false);
      }
    SetBounds(Left(), Top(), CompactWidth, Height());
  } else {
    compact_ = false;
    SetBounds(Left(), Top(), fullWidth_, Height());
    for (const auto& c : hiddenByCompact_)
      if (TControl* child = c.Get(); child && child->Parent() == this) child->SetVisible(true);
    hiddenByCompact_.clear();
  }
  PushGlowAppearance();
  Invalidate();
}

// --- styler -------------------------------------------------------------------

TCustomAdvToolBarStyler* TAdvToolBar::CurrentStyler() const {
  if (const TAdvPage* page = Page(); page && parentStyler_)
    if (const TAdvToolBarPager* pager = page->AdvToolBarPager()) return pager->CurrentStyler();
  if (auto* s = toolBarStyler_.Get()) return s;
  return fallbackStyler_.get();
}

void TAdvToolBar::SetToolBarStyler(TCustomAdvToolBarStyler* Value) {
  if (Value && toolBarStyler_ == Value) return;
  if (auto* old = toolBarStyler_.Get()) old->RemoveFreeNotification(this);
  toolBarStyler_ = Value;
  toolBarStylerId_ = Value;
  if (Value) Value->FreeNotification(this);
  UseStylerInForce();
}

void TAdvToolBar::SetParentStyler(bool Value) {
  if (parentStyler_ == Value) return;
  parentStyler_ = Value;
  UseStylerInForce();
}

void TAdvToolBar::ApplyParentStyler() { UseStylerInForce(); }

void TAdvToolBar::UseStylerInForce() {
  TCustomAdvToolBarStyler* s = CurrentStyler();
  if (!(registered_ == s)) {
    if (auto* old = registered_.Get()) old->RemoveControl(this);
    registered_.Reset();
    registeredId_ = nullptr;
    if (s != fallbackStyler_.get()) {
      s->AddControl(this);
      registered_ = s;
      registeredId_ = s;
    }
  }
  SetColor(s->Color().Values().Color);
  PushGlowAppearance();
  InvalidateSeeThroughChildren();
  Invalidate();
}

void TAdvToolBar::ToolBarStylerChanged(int Kind) {
  SetColor(CurrentStyler()->Color().Values().Color);
  if (Kind == tcColors || Kind == tcGlowButtons) PushGlowAppearance();
  // A page toolbar has no grip to lay out again (tcDragGrip) and no menus
  // to hand a menu styler (tcMenuStyler).
  InvalidateSeeThroughChildren();
  Invalidate();
}

void TAdvToolBar::ToolBarStylerReleased(TCustomAdvToolBarStyler* Styler) { DropStyler(Styler); }

void TAdvToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent) DropStyler(AComponent);
}

void TAdvToolBar::DropStyler(const TComponent* Styler) {
  // The styler is going away and reads as gone already; it clears its
  // registry itself, so it is not asked to unregister.
  bool dropped = false;
  if (Styler == toolBarStylerId_) {
    toolBarStyler_.Reset();
    toolBarStylerId_ = nullptr;
    dropped = true;
  }
  if (Styler == registeredId_) {
    registered_.Reset();
    registeredId_ = nullptr;
    dropped = true;
  }
  if (dropped && !ComponentState().Contains(csDestroying)) UseStylerInForce();
}

void TAdvToolBar::PushGlowAppearance() {
  for (int i = 0; i < ControlCount(); ++i) PushGlowAppearance(Controls(i));
}

void TAdvToolBar::PushGlowAppearance(TControl* Child) {
  auto* b = dynamic_cast<TAdvCustomGlowButton*>(Child);
  if (!b) return;
  const TCustomAdvToolBarStyler& s = *CurrentStyler();
  b->Appearance()->Assign(compact_ ? &s.CompactGlowButtonAppearance() : &s.GlowButtonAppearance());
  if (s.StyleCode() != NoStyleCode) b->ApplyStyleCode(s.StyleCode());
  b->Invalidate();
}

void TAdvToolBar::InvalidateSeeThroughChildren() {
  for (int i = 0; i < ControlCount(); ++i)
    if (TControl* c = Controls(i); SeesThrough(c)) c->Invalidate();
}

void TAdvToolBar::Loaded() {
  TCustomControl::Loaded();
  PushGlowAppearance();
  loaded_ = true;
}

// --- messages -----------------------------------------------------------------

void TAdvToolBar::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND: M.Result = 1; return;
    case CM_CONTROLCHANGE:
      TCustomControl::WndProc(M);
      if (M.LParam) PushGlowAppearance(reinterpret_cast<TControl*>(M.WParam));
      return;
    case CM_MOUSEENTER:
      TCustomControl::WndProc(M);
      MouseEntered();
      return;
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(M);
      MouseLeft();
      return;
    case WM_CAPTURECHANGED:
      TCustomControl::WndProc(M);
      // Losing the mouse ends a press of the option button as a release.
      if (option_.Pressed) OptionReleased();
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) ResetPointerState();
      TCustomControl::WndProc(M);
      return;
    case CM_FOCUSCHANGED:
      FocusChanged(reinterpret_cast<const TControl*>(M.LParam));
      TCustomControl::WndProc(M);
      return;
    case WM_SETFOCUS: {
      const auto alive = AliveToken();
      TCustomControl::WndProc(M);
      // The focus goes on to the first child that can take it.
      if (IsAlive(alive) && !compact_ && ControlCount() > 0)
        if (TWinControl* first = FindNextControl(nullptr, true, false, true)) first->SetFocus();
      return;
    }
    default: break;
  }
  TCustomControl::WndProc(M);
}

void TAdvToolBar::FocusChanged(const TControl* Focused) {
  bool inside = false;
  int depth = 0;
  for (const TControl* c = Focused; c && depth <= kFocusDepth; c = c->Parent(), ++depth)
    if (c == this) {
      inside = true;
      break;
    }
  if (inside == focusInside_) return;
  focusInside_ = inside;
  InvalidateSeeThroughChildren();
  Invalidate();
}

// --- pointer: the hot fade ---------------------------------------------------------

bool TAdvToolBar::PointerInside() const {
  if (!Application) return false;
  return ClientRect().Contains(ScreenToClient(Application->Windows().CursorPos()));
}

void TAdvToolBar::MouseEntered() {
  StopWatch();
  if (ComponentState().Contains(csDesigning) || !Page() || !Enabled() || hot_) return;
  hot_ = true;
  StartHotFade(kFadeStep);
  Invalidate();
}

void TAdvToolBar::MouseLeft() {
  if (optionInside_ && !option_.Pressed) {
    optionInside_ = false;
    if (option_.Hot) StartOptionFade(-kFadeStep, ofmHover);
  }
  if (!hot_) return;
  // Onto a child: still over the toolbar, which hears no leave when the
  // pointer later moves off the child, so it watches for that.
  if (PointerInside()) {
    StartWatch();
    return;
  }
  hot_ = false;
  Invalidate();
  StartHotFade(-kFadeStep);
}

void TAdvToolBar::StartHotFade(int Step) {
  assert(Application);
  hotStep_ = Step;
  if (!hotTimer_) hotTimer_ = Application->StartTimer(kFadeInterval, [this] { HotTick(); }, AliveToken());
}

void TAdvToolBar::StopHotFade() { StopTimer(hotTimer_); }

void TAdvToolBar::HotTick() {
  hotPercent_ += hotStep_;
  const bool done = (hotStep_ > 0 && hotPercent_ > 100) || (hotStep_ < 0 && hotPercent_ < 0) ||
                    CurrentStyler()->ColorHot().Values().Color == clNone;
  if (done) {
    StopHotFade();
    return;
  }
  Invalidate();
  InvalidateSeeThroughChildren();
}

void TAdvToolBar::StartWatch() {
  if (!watchTimer_ && Application)
    watchTimer_ = Application->StartTimer(kFadeInterval, [this] {
      if (PointerInside()) return;
      StopWatch();
      MouseLeft();
    }, AliveToken());
}

void TAdvToolBar::StopWatch() { StopTimer(watchTimer_); }

// --- pointer: the option button --------------------------------------------------------

void TAdvToolBar::MouseMove(TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseMove(Shift, X, Y);
  if (!IsAlive(alive) || compact_ || !Enabled()) return;
  const bool inside = OptionRect().Contains({X, Y});
  if (inside == optionInside_ || option_.Pressed) return;
  optionInside_ = inside;
  if (inside) option_.Hot = true;
  StartOptionFade(inside ? kFadeStep : -kFadeStep, ofmHover);
  InvalidateRect(OptionRect(), false);
}

void TAdvToolBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsAlive(alive) || Button != mbLeft || compact_ || ComponentState().Contains(csDesigning)) return;
  if (OptionRect().Contains({X, Y})) OptionPressed();
}

void TAdvToolBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (IsAlive(alive) && Button == mbLeft && option_.Pressed) OptionReleased();
}

void TAdvToolBar::OptionPressed() {
  optionInside_ = true;
  option_.Hot = true;
  option_.Pressed = true;
  StartOptionFade(kFadeStep, ofmGlow);
  InvalidateRect(OptionRect(), false);
  if (!OnOptionClick) return;
  const TPoint client{Left() + Width() - 12, Top() + Height() + 1};
  const TPoint screen = Parent() ? Parent()->ClientToScreen(client) : client;
  OnOptionClick(this, client, screen);
}

void TAdvToolBar::OptionReleased() {
  option_.Pressed = false;
  StartOptionFade(-kFadeStep, ofmGlow);
  InvalidateRect(OptionRect(), false);
}

void TAdvToolBar::StartOptionFade(int Step, TOptionFadeMode Mode) {
  if (!Application) return;
  optionStep_ = Step;
  option_.Mode = Mode;
  if (!optionTimer_) optionTimer_ = Application->StartTimer(kFadeInterval, [this] { OptionTick(); }, AliveToken());
}

void TAdvToolBar::StopOptionFade() {
  StopTimer(optionTimer_);
  option_.Mode = ofmFinished;
}

void TAdvToolBar::OptionTick() {
  if (option_.Mode == ofmHover) {
    option_.Hover += optionStep_;
    if (option_.Hover > 100 || option_.Hover < 0) {
      const bool out = option_.Hover < 0;
      StopOptionFade();
      if (out) option_.Hot = false;
      option_.Glow = 0;
      option_.Hover = out ? -kFadeStep : 100 + kFadeStep;
      InvalidateRect(CaptionRect(), false);
      return;
    }
  } else if (option_.Mode == ofmGlow) {
    option_.Glow += optionStep_;
    if (option_.Glow > 100 || option_.Glow < 0) {
      const bool back = option_.Glow < 0;
      StopOptionFade();
      if (back) {
        option_.Pressed = false;
        InvalidateRect(CaptionRect(), false);
        // Released away from the button: it fades out from here.
        if (!optionInside_ && option_.Hot) StartOptionFade(-kFadeStep, ofmHover);
      }
      return;
    }
  }
  InvalidateRect(OptionRect(), false);
}

void TAdvToolBar::ResetPointerState() {
  StopHotFade();
  StopWatch();
  StopOptionFade();
  hot_ = false;
  hotPercent_ = 0;
  optionInside_ = false;
  option_ = {};
  Invalidate();
}

// --- painting -------------------------------------------------------------------------

TAdvToolBar::TPaintPlan TAdvToolBar::Plan() const {
  TPaintPlan p;
  const TToolBarMetrics m = Metrics();
  p.Caption = ToolBarCaptionRect(m);
  p.Body = ToolBarBodyRect(m);
  p.Option = ToolBarOptionRect(m);
  p.Text = ToolBarCaptionTextRect(m);

  const TCustomAdvToolBarStyler& s = *CurrentStyler();
  const TAdvPage* page = Page();
  const TAdvToolBarPager* pager = page ? page->AdvToolBarPager() : nullptr;
  const TGroupAppearance* group = page ? page->ActiveGroupAppearance() : nullptr;
  const TCaptionAppearanceValues& caption =
      group ? group->CaptionAppearance().Values() : s.CaptionAppearance().Values();
  const TGradientBackgroundValues& color = group ? group->ToolBarAppearance().Color().Values() : s.Color().Values();
  const TGradientBackgroundValues& colorHot =
      group ? group->ToolBarAppearance().ColorHot().Values() : s.ColorHot().Values();
  const TColor border = group ? group->ToolBarAppearance().Values().BorderColor : s.Values().BorderColor;
  const TColor borderHot = group ? group->ToolBarAppearance().Values().BorderColorHot : s.Values().BorderColorHot;
  const TToolBarLookState state{hot_, hotTimer_ != 0, hotPercent_, focusInside_, Enabled()};
  p.Colors = ResolveToolBarColors(caption, color, colorHot, border, borderHot, state);
  p.Horizontal = s.Color().Values().Direction == gdHorizontal;
  p.Rounded = s.Values().RoundedOutline && s.Values().BevelKind == 0;
  p.CopyCorners = p.Rounded && page;
  p.Bevel = s.Values().BevelVisible;
  p.BevelKind = s.Values().BevelKind;
  p.OptionFace = ResolveOptionFace(s.GlowButtonAppearance().Values(), caption, option_);
  p.CaptionFont = &s.CaptionFont();
  p.BackGround = &s.BackGround();
  p.BackGroundDisplay = s.Values().BackGroundDisplay;

  TGDIPPicture* normal = optionPicture_.get();
  TGDIPPicture* disabled = optionDisabledPicture_.get();
  if (parentOptionPicture_ && pager) {
    normal = pager->OptionPicture();
    disabled = pager->OptionDisabledPicture();
  }
  p.OptionGlyph = !Enabled() && disabled && !disabled->Empty() ? disabled : normal;
  return p;
}

void TAdvToolBar::Paint() {
  if (compact_) {
    PaintCompact();
    return;
  }
  const TPaintPlan p = Plan();
  const int w = Width(), h = Height();
  TBitmap face(w, h);
  TCanvas& c = *face.Canvas();
  const TToolBarColors& k = p.Colors;

  if (!p.Caption.IsEmpty()) {
    if (k.CaptionColor != clNone && k.CaptionColorTo != clNone) {
      DrawToolBarStepGradient(c, k.CaptionColor, k.CaptionColorTo, kCaptionSteps, p.Caption, false);
    } else if (k.CaptionColor != clNone) {
      c.Pen()->SetColor(k.CaptionColor);
      c.Brush()->SetColor(k.CaptionColor);
      c.Rectangle(p.Caption);
    }
    if (k.CaptionBorder != clNone) {
      c.Pen()->SetColor(k.CaptionBorder);
      c.Brush()->SetStyle(bsClear);
      c.Rectangle(p.Caption);
    }
    if (!Caption().empty()) {
      c.Font()->Assign(p.CaptionFont);
      c.Font()->SetColor(k.CaptionText);
      c.Brush()->SetStyle(bsClear);
      TRect text = p.Text;
      c.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | AlignmentFlag(captionAlignment_));
    }
  }

  // The toolbar variant of the gradient lets each band overlap the next
  // by a pixel and ends the last one on the rectangle's far edge, so over
  // the body itself it covers the body exactly and leaves the caption band.
  if (k.ColorTo == clNone) {
    c.Brush()->SetColor(k.Color);
    c.FillRect(p.Body);
  } else {
    DrawToolBarStepGradient(c, k.Color, k.ColorTo, k.Steps, p.Body, p.Horizontal);
  }
  if (!p.BackGround->Empty()) {
    auto* picture = const_cast<TBitmap*>(p.BackGround);
    const int pw = picture->Width(), ph = picture->Height();
    switch (p.BackGroundDisplay) {
      case bdTile:
        for (int y = 1; y < h; y += ph)
          for (int x = 1; x < w; x += pw) c.Draw(x, y, picture);
        break;
      case bdCenter: c.Draw((w - pw) / 2, (h - ph) / 2, picture); break;
      case bdStretch: c.StretchDraw({2, 2, w - 2, h - 2}, picture); break;
    }
  }

  if (p.Bevel && p.BevelKind > 0) {
    const bool sunken = p.BevelKind == 1;
    c.Pen()->SetColor(sunken ? clBtnShadow : clWhite);
    c.MoveTo(0, h - 1);
    c.LineTo(0, 0);
    c.LineTo(w - 1, 0);
    c.Pen()->SetColor(sunken ? clWhite : clBtnShadow);
    c.LineTo(w - 1, h - 1);
    c.LineTo(0, h - 1);
  }

  if (!p.Option.IsEmpty()) {
    if (const TOptionFace& f = p.OptionFace; f.Visible) {
      const TStylerGlowSet& g = f.Colors;
      DrawToolBarFace(c, p.Option, g.Color, g.ColorTo, g.ColorMirror, g.ColorMirrorTo, g.Gradient, g.GradientMirror,
                      g.BorderColor, false);
    }
    if (TGDIPPicture* glyph = p.OptionGlyph; glyph && !glyph->Empty()) {
      const int x = p.Option.Left + std::max(0, (p.Option.Width() - glyph->Width()) / 2);
      const int y = p.Option.Top + std::max(0, (p.Option.Height() - glyph->Height()) / 2);
      c.Draw(x, y, glyph);
    }
  }

  if (p.CopyCorners) {
    // Rounded corners: the page's pixels just outside each corner, read
    // through this canvas in the toolbar's own coordinates.
    const TCanvas& around = *Canvas();
    auto copy = [&](std::initializer_list<TPoint> Targets, TPoint From) {
      const TColor color = around.SurfacePixel(From.X, From.Y);
      if (color < 0) return;
      for (TPoint t : Targets) c.SetPixel(t.X, t.Y, color);
    };
    copy({{0, 0}}, {-1, -1});
    copy({{1, 0}}, {1, -1});
    copy({{0, 1}}, {-1, 0});
    copy({{0, h - 1}, {1, h - 1}, {0, h - 2}}, {-1, h});
    if (!showRightHandle_) {
      copy({{w - 1, 0}, {w - 2, 0}, {w - 1, 1}}, {w + 1, 0});
      copy({{w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}}, {w + 1, h});
    }
  }

  if (k.Border != clNone) {
    c.Pen()->SetColor(k.Border);
    c.Brush()->SetStyle(bsClear);
    if (p.Rounded) c.RoundRect(0, 0, w, h, 6, 6);
    else c.Rectangle(p.Body.Left, p.Body.Top, p.Body.Right + 1, p.Body.Bottom + 1);
  }
  face.EndPainting();
  Canvas()->Draw(0, 0, &face);
}

void TAdvToolBar::PaintCompact() {
  // One glow-button face over the whole toolbar: the picture above, the
  // compact caption below it.
  const TCustomAdvToolBarStyler& s = *CurrentStyler();
  const TStylerGlowValues& look = s.CompactGlowButtonAppearance().Values();
  const TStylerGlowSet& g = hot_ ? look.Hot : look.Normal;
  const int w = Width(), h = Height();
  TBitmap face(w, h);
  TCanvas& c = *face.Canvas();
  c.Brush()->SetColor(Color());
  c.FillRect({0, 0, w, h});
  DrawToolBarFace(c, {0, 0, w, h}, g.Color, g.ColorTo, g.ColorMirror, g.ColorMirrorTo, g.Gradient, g.GradientMirror,
                  g.BorderColor, true);
  int textTop = 4;
  if (!compactPicture_->Empty()) {
    c.Draw(std::max(0, (w - compactPicture_->Width()) / 2), 4, compactPicture_.get());
    textTop += compactPicture_->Height() + 2;
  }
  if (!compactCaption_.empty()) {
    c.Font()->Assign(&s.Font());
    c.Font()->SetColor(s.CaptionAppearance().Values().CaptionTextColor);
    c.Brush()->SetStyle(bsClear);
    TRect text{2, textTop, w - 2, h - 4};
    c.DrawText(compactCaption_, text, DT_CENTER | DT_WORDBREAK);
  }
  face.EndPainting();
  Canvas()->Draw(0, 0, &face);
}

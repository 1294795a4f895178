#include "TAdvToolBarPager.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "ToolBarFace.h"
#include "core/Exceptions.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "glowbutton/TAdvGlowButton.h"
#include "graphics/TBitmap.h"
#include "os/SystemInfo.h"
#include "picture/TGDIPPicture.h"
#include "ui/Messages.h"
#include "ui/SystemMenu.h"
#include "ui/TApplication.h"
#include "ui/TCustomForm.h"
#include "ui/TCustomImageList.h"

namespace {

constexpr int kGlyphSize = 14;
constexpr TColor kGlyphMask = 0xFF00FF;
// SC_MOVE with its low bits 1: the desktop's move loop under the pointer.
constexpr int kCaptionMove = SC_MOVE + 1;

// The caption glyphs as 1-pixel lines in a 16 x 16 box, end points excluded.
struct TGlyphLine {
  TPoint From, To;
};
constexpr std::array<TGlyphLine, 4> kCloseGlyph{{{{3, 10}, {11, 3}}, {{4, 10}, {10, 3}}, {{3, 4}, {11, 11}}, {{4, 4}, {10, 11}}}};
constexpr std::array<TGlyphLine, 2> kMaximizeLines{{{{2, 3}, {11, 3}}, {{2, 4}, {11, 4}}}};
constexpr std::array<TPoint, 4> kMaximizeOutline{{{2, 4}, {2, 10}, {10, 10}, {10, 4}}};
constexpr std::array<TGlyphLine, 5> kRestoreLines{
    {{{4, 2}, {10, 2}}, {{4, 3}, {10, 3}}, {{10, 2}, {10, 8}}, {{2, 5}, {9, 5}}, {{2, 6}, {9, 6}}}};
constexpr std::array<TPoint, 4> kRestoreOutline{{{2, 6}, {2, 10}, {8, 10}, {8, 6}}};
constexpr std::array<TGlyphLine, 2> kMinimizeGlyph{{{{3, 8}, {9, 8}}, {{3, 9}, {9, 9}}}};

std::unique_ptr<TBitmap> GlyphBitmap(TColor Ink, std::span<const TGlyphLine> Lines,
                                     std::span<const TPoint> Outline = {}) {
  auto b = std::make_unique<TBitmap>(kGlyphSize, kGlyphSize);
  TCanvas& c = *b->Canvas();
  c.Brush()->SetColor(kGlyphMask);
  c.FillRect({0, 0, kGlyphSize, kGlyphSize});
  c.Pen()->SetColor(Ink);
  c.Pen()->SetWidth(1);
  for (const TGlyphLine& l : Lines) {
    c.MoveTo(l.From.X, l.From.Y);
    c.LineTo(l.To.X, l.To.Y);
  }
  if (!Outline.empty()) c.Polyline(Outline);
  b->EndPainting();
  return b;
}

// Where a pager may not be placed.
bool RefusesPager(const TWinControl* Parent) {
  if (!Parent) return false;
  const std::string name = Parent->ClassName();
  return name == "TAdvDockPanel" || name == "TAdvToolBar" || name == "TAdvToolBarPager" || name == "TAdvPage";
}

}  // namespace

TAdvToolBarPager::TAdvToolBarPager(TComponent* AOwner)
    : TCustomControl(AOwner),
      caption_(std::make_unique<TAdvPageCaption>()),
      tabSettings_(std::make_unique<TATBTabSettings>()),
      fallbackStyler_(std::make_unique<TCustomAdvToolBarStyler>(nullptr)),
      officeStyler_(std::make_unique<TAdvToolBarOfficeStyler>(nullptr)),
      optionPicture_(std::make_unique<TGDIPPicture>()),
      optionDisabledPicture_(std::make_unique<TGDIPPicture>()) {
  SetAlign(alTop);
  SetBounds(Left(), Top(), Width(), 140);
  SetTabStop(false);
  SetShowHint(false);
  DoubleBuffered = true;
  fallbackStyler_->SetName("InternalStyler");
  fallbackStyler_->AddControl(this);
  officeStyler_->SetStyle(bsOffice2007Luna);
  current_ = officeStyler_.get();
  caption_->OnChange = [this] { CaptionChanged(); };
  tabSettings_->OnChange = [this] { Invalidate(); };
}

TAdvToolBarPager::~TAdvToolBarPager() {
  Destroying();
  RemoveFormHook();
  if (auto* styler = toolBarStyler_.Get()) styler->RemoveControl(this);
  fallbackStyler_->RemoveControl(this);
}

void TAdvToolBarPager::SetParent(TWinControl* AParent) {
  if (RefusesPager(AParent)) throw EPlatformError("Invalid Parent");
  RemoveFormHook();
  TCustomControl::SetParent(AParent);
  InstallFormHook();
}

TCustomForm* TAdvToolBarPager::OwningForm() const { return ParentForm(); }

TCustomAdvToolBarStyler* TAdvToolBarPager::FallbackStyler() const { return fallbackStyler_.get(); }

// --- settings ---------------------------------------------------------------

void TAdvToolBarPager::SetAntiAlias(TAntiAlias Value) {
  if (antiAlias_ == Value) return;
  antiAlias_ = Value;
  Invalidate();
}

void TAdvToolBarPager::SetCaptionButtons(TCaptionButtons Value) {
  if (captionButtons_ == Value) return;
  captionButtons_ = Value;
  UpdateCaptionButtons(true);
  Invalidate();
}

void TAdvToolBarPager::SetAutoMDIButtons(bool Value) {
  if (autoMDIButtons_ == Value) return;
  autoMDIButtons_ = Value;
  Invalidate();
}

void TAdvToolBarPager::SetImages(TCustomImageList* Value) {
  images_ = Value;
  if (Value) Value->FreeNotification(this);
  Invalidate();
}

void TAdvToolBarPager::SetDisabledImages(TCustomImageList* Value) {
  disabledImages_ = Value;
  if (Value) Value->FreeNotification(this);
  Invalidate();
}

void TAdvToolBarPager::SetShowNonSelectedTabs(bool Value) {
  if (showNonSelectedTabs_ == Value) return;
  showNonSelectedTabs_ = Value;
  Invalidate();
}

void TAdvToolBarPager::SetPageLeftMargin(int Value) {
  if (Value < 0 || Value == pageLeftMargin_) return;
  pageLeftMargin_ = Value;
  Invalidate();
}

void TAdvToolBarPager::SetPageRightMargin(int Value) {
  if (Value < 0 || Value == pageRightMargin_) return;
  pageRightMargin_ = Value;
  Invalidate();
}

void TAdvToolBarPager::SetOptionPicture(const TGDIPPicture* Value) {
  optionPicture_->Assign(Value);
  Invalidate();
}

void TAdvToolBarPager::SetOptionDisabledPicture(const TGDIPPicture* Value) {
  optionDisabledPicture_->Assign(Value);
  Invalidate();
}

void TAdvToolBarPager::CaptionChanged() {
  UpdateCaptionButtons(true);
  Invalidate();
}

// --- styler -------------------------------------------------------------------

TCustomAdvToolBarStyler* TAdvToolBarPager::CurrentStyler() const {
  // A styler being freed reads as gone at once: the fallback stands in.
  TCustomAdvToolBarStyler* s = current_.Get();
  return s ? s : fallbackStyler_.get();
}

void TAdvToolBarPager::SetToolBarStyler(TCustomAdvToolBarStyler* Value) {
  if (Value && toolBarStyler_ == Value) return;
  if (auto* old = toolBarStyler_.Get(); old && old != fallbackStyler_.get()) {
    old->RemoveControl(this);
    old->RemoveFreeNotification(this);
  }
  toolBarStyler_ = Value;
  stylerId_ = Value;
  if (Value) {
    Value->AddControl(this);
    Value->FreeNotification(this);
    current_ = Value;
  } else {
    current_ = fallbackStyler_.get();
  }
  ToolBarStylerChanged(0);
}

void TAdvToolBarPager::ToolBarStylerChanged(int Kind) {
  Invalidate();
  if (toolBarStyler_)
    for (TAdvGlowButton* b : {closeButton_, maxButton_, minButton_})
      if (b) {
        b->Appearance()->Assign(&CurrentStyler()->GlowButtonAppearance());
        b->Invalidate();
      }
  if (Kind == tcPagerCaption) UpdateCaptionButtons(true);
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->ClassName() == "TAdvShapeButton") Controls(i)->Invalidate();
}

void TAdvToolBarPager::ToolBarStylerReleased(TCustomAdvToolBarStyler* Styler) {
  if (Styler == stylerId_) DropStyler();
}

void TAdvToolBarPager::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == stylerId_) DropStyler();
}

void TAdvToolBarPager::DropStyler() {
  // The styler is going away: it reads as gone already and clears its
  // registry itself, so it is not asked to unregister.
  toolBarStyler_.Reset();
  stylerId_ = nullptr;
  current_ = fallbackStyler_.get();
  ToolBarStylerChanged(0);
}

// --- geometry -----------------------------------------------------------------

TPagerMetrics TAdvToolBarPager::Metrics() const {
  TPagerMetrics m;
  m.Width = Width();
  m.Height = Height();
  m.CaptionVisible = caption_->Visible();
  m.CaptionHeight = caption_->Height();
  m.TabHeight = tabSettings_->Height();
  m.TabStartMargin = tabSettings_->StartMargin();
  m.TabEndMargin = tabSettings_->EndMargin();
  m.PageLeftMargin = pageLeftMargin_;
  m.PageRightMargin = pageRightMargin_;
  m.AutoMDIButtons = autoMDIButtons_;
  return m;
}

TRect TAdvToolBarPager::CaptionButtonsRect() const {
  if (!closeButton_) return {};
  return {minButton_->Left(), maxButton_->Top(), closeButton_->Left() + closeButton_->Width(),
          maxButton_->Top() + maxButton_->Height()};
}

// --- caption buttons ------------------------------------------------------------

void TAdvToolBarPager::UpdateCaptionButtons(bool RebuildGlyphs) {
  if (!caption_->Visible() || captionButtons_.Empty()) {
    if (closeButton_) {
      caption_->RightIndent = savedRightIndent_;
      for (TAdvGlowButton** b : {&closeButton_, &maxButton_, &minButton_}) {
        delete *b;
        *b = nullptr;
      }
    }
    return;
  }
  if (!closeButton_) savedRightIndent_ = caption_->RightIndent;
  auto make = [this](TAdvGlowButton*& Button, void (TAdvToolBarPager::*Action)(TObject*)) {
    if (Button) return;
    Button = new TAdvGlowButton(this);
    Button->SetParent(this);
    Button->SetCaption("");
    Button->SetTransparent(true);
    Button->SetBounds(0, 0, 16, 16);
    Button->OnClick = [this, Action](TObject* Sender) { (this->*Action)(Sender); };
  };
  make(closeButton_, &TAdvToolBarPager::CloseButtonClick);
  make(maxButton_, &TAdvToolBarPager::MaxButtonClick);
  make(minButton_, &TAdvToolBarPager::MinButtonClick);

  const TCaptionButtonPlaces places = CaptionButtonPlaces(Metrics());
  const std::array<std::pair<TAdvGlowButton*, TRect>, 3> buttons{
      {{closeButton_, places.Close}, {maxButton_, places.Maximize}, {minButton_, places.Minimize}}};
  for (auto& [button, place] : buttons) {
    button->Appearance()->Assign(&CurrentStyler()->GlowButtonAppearance());
    button->SetBounds(place.Left, place.Top, place.Width(), place.Height());
  }
  caption_->RightIndent = std::max(caption_->RightIndent, Width() - places.Minimize.Left);
  if (RebuildGlyphs) DrawCaptionGlyphs();
  for (int i = 0; i < 3; ++i) {
    TAdvGlowButton* b = buttons[i].first;
    b->SetImages(captionGlyphs_.get());
    b->SetImageIndex(i);
    b->SetVisible(true);
    b->BringToFront();
  }
  closeButton_->SetEnabled(captionButtons_.Contains(cbClose));
  minButton_->SetEnabled(captionButtons_.Contains(cbMinimize));
  maxButton_->SetEnabled(captionButtons_.Contains(cbMaximize));
}

void TAdvToolBarPager::DrawCaptionGlyphs() {
  if (!captionGlyphs_) {
    captionGlyphs_ = std::make_unique<TCustomImageList>(nullptr);
    captionGlyphs_->SetSize(kGlyphSize, kGlyphSize);
  }
  captionGlyphs_->Clear();
  const TColor ink = CurrentStyler()->PagerCaption().Values().TextColor;
  const TCustomForm* form = OwningForm();
  const bool restore = form && form->WindowState() != wsNormal;
  captionGlyphs_->AddMasked(*GlyphBitmap(ink, kCloseGlyph), kGlyphMask);
  captionGlyphs_->AddMasked(restore ? *GlyphBitmap(ink, kRestoreLines, kRestoreOutline)
                                    : *GlyphBitmap(ink, kMaximizeLines, kMaximizeOutline),
                            kGlyphMask);
  captionGlyphs_->AddMasked(*GlyphBitmap(ink, kMinimizeGlyph), kGlyphMask);
}

void TAdvToolBarPager::CloseButtonClick(TObject* Sender) {
  if (OnCloseButtonClick) {
    OnCloseButtonClick(Sender);
    return;
  }
  if (TCustomForm* form = OwningForm()) form->Close();
}

void TAdvToolBarPager::MaxButtonClick(TObject* Sender) {
  if (OnMaxButtonClick) {
    OnMaxButtonClick(Sender);
    return;
  }
  ToggleMaximized();
}

void TAdvToolBarPager::MinButtonClick(TObject* Sender) {
  if (OnMinButtonClick) {
    OnMinButtonClick(Sender);
    return;
  }
  if (Application) Application->Minimize();
}

void TAdvToolBarPager::ToggleMaximized() {
  TCustomForm* form = OwningForm();
  if (!form) return;
  const auto alive = AliveToken();
  form->SetWindowState(form->WindowState() == wsNormal ? wsMaximized : wsNormal);
  if (!IsAlive(alive)) return;
  UpdateCaptionButtons(true);
}

// --- life -----------------------------------------------------------------------

void TAdvToolBarPager::Loaded() {
  TCustomControl::Loaded();
  UpdateCaptionButtons(true);
  loaded_ = true;
}

void TAdvToolBarPager::Resize() {
  TCustomControl::Resize();
  UpdateCaptionButtons(false);
}

// --- mouse ----------------------------------------------------------------------

void TAdvToolBarPager::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsAlive(alive)) return;
  const TRect caption = CaptionRect();
  if (!caption_->Visible() || !caption.Contains({X, Y})) return;
  if (Button == mbRight) {
    auto* form = dynamic_cast<TCustomForm*>(Parent());
    if (!form) return;
    if (const int command = TrackSystemMenu(*form, ClientToScreen({X, Y})); command != 0)
      form->Perform(WM_SYSCOMMAND, command, 0);
    return;
  }
  if (!CanMove || Shift.Contains(ssDouble)) return;
  if (TCustomForm* form = OwningForm()) {
    if (Application) Application->Windows().SetCaptureControl(nullptr);
    form->Perform(WM_SYSCOMMAND, kCaptionMove, 0);
  }
}

void TAdvToolBarPager::DblClick() {
  const auto alive = AliveToken();
  TCustomControl::DblClick();
  if (!IsAlive(alive) || !Application) return;
  const TPoint p = ScreenToClient(Application->Windows().CursorPos());
  if (caption_->Visible() && CaptionRect().Contains(p) && captionButtons_.Contains(cbMaximize)) ToggleMaximized();
}

// --- messages ---------------------------------------------------------------------

void TAdvToolBarPager::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND: M.Result = 1; return;
    case WM_NCHITTEST:
      TCustomControl::WndProc(M);
      if (!ComponentState().Contains(csDesigning) && InPagerEdgeStrip(Width(), ScreenToClient(LParamToPoint(M.LParam))))
        M.Result = HTTRANSPARENT;
      return;
    default: break;
  }
  TCustomControl::WndProc(M);
}

void TAdvToolBarPager::InstallFormHook() {
  TCustomForm* form = OwningForm();
  if (!form || ComponentState().Contains(csDesigning)) return;
  hookedForm_ = form;
  savedFormHandler_ = form->WindowProc;
  // From the moment the pager starts going away, the form's messages go
  // straight to the handler it had.
  form->WindowProc = [this, alive = AliveToken(), saved = savedFormHandler_](TMessage& M) {
    if (alive.expired()) saved(M);
    else FormHook(M);
  };
}

void TAdvToolBarPager::RemoveFormHook() {
  // The form may be going away itself (it frees its children): its
  // handler is put back all the same, since it still sends messages.
  if (hookedForm_) hookedForm_->WindowProc = std::move(savedFormHandler_);
  hookedForm_ = nullptr;
  savedFormHandler_ = nullptr;
}

void TAdvToolBarPager::FormHook(TMessage& M) {
  if (M.Msg == WM_MOUSEWHEEL && EnableWheel) {
    const TPoint p = ScreenToClient(LParamToPoint(M.LParam));
    if (ClientRect().Contains(p) || Focused()) {
      // With pages to switch between (none yet), the wheel steps through
      // them; either way it is taken here.
      M.Result = 1;
      return;
    }
  }
  // The saved handler may free the form and with it this pager.
  auto handler = savedFormHandler_;
  handler(M);
}

// --- painting -------------------------------------------------------------------------

void TAdvToolBarPager::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  TCustomAdvToolBarStyler& s = *CurrentStyler();
  if (const TBitmap& bg = s.BackGround(); !bg.Empty()) {
    auto* picture = const_cast<TBitmap*>(&bg);
    switch (s.Values().BackGroundDisplay) {
      case bdTile:
        for (int y = 1; y < Height() - 2; y += bg.Height())
          for (int x = 1; x < Width() - 2; x += bg.Width()) c.Draw(x, y, picture);
        break;
      case bdCenter: c.Draw((Width() - bg.Width()) / 2, (Height() - bg.Height()) / 2, picture); break;
      case bdStretch: c.StretchDraw({2, 2, Width() - 2, Height() - 2}, picture); break;
    }
  }
  PaintCaptionBar();
  if (caption_->Visible() && !captionButtons_.Empty())
    if (const TCustomForm* form = OwningForm(); form && form->WindowState() != lastWindowState_) {
      lastWindowState_ = form->WindowState();
      UpdateCaptionButtons(true);
    }
  PaintFrameCorners();
}

void TAdvToolBarPager::PaintCaptionBar() {
  if (!caption_->Visible()) return;
  const TRect r = CaptionRect();
  const TVistaTextBackground& look = CurrentStyler()->PagerCaption();
  const TVistaTextBackgroundValues& v = look.Values();
  TBitmap bar(r.Width(), r.Height());
  TCanvas& bc = *bar.Canvas();
  DrawToolBarFace(bc, {r.Left, r.Top, r.Right, r.Bottom + 1}, v.Color, v.ColorTo, v.ColorMirror, v.ColorMirrorTo,
                  v.Gradient, v.GradientMirror, v.BorderColor, false);
  const TRect text{r.Left + caption_->Indent(), r.Top, r.Right - caption_->RightIndent, r.Bottom};
  TFont font;
  font.Assign(&look.Font());
  font.SetColor(v.TextColor);
  DrawToolBarText(bc, taCenter, text, antiAlias_, Enabled(), font, caption_->Caption());
  bar.EndPainting();
  Canvas()->Draw(r.Left, r.Top, &bar);
}

void TAdvToolBarPager::PaintFrameCorners() {
  if (IsVistaOrLater() || !Parent() || !dynamic_cast<const TCustomForm*>(Parent())) return;
  if (Parent()->ClassName() == "TForm") return;
  TColor ink = CurrentStyler()->CaptionAppearance().Values().CaptionTextColor;
  if (ink == clWhite) ink = clBlack;
  TCanvas& c = *Canvas();
  c.Pen()->SetColor(ink);
  c.Pen()->SetWidth(1);
  const int w = Width();
  const std::array<TGlyphLine, 8> lines{{{{0, 0}, {7, 0}},
                                         {{0, 1}, {4, 1}},
                                         {{1, 1}, {1, 4}},
                                         {{0, 0}, {0, 7}},
                                         {{w - 7, 0}, {w, 0}},
                                         {{w - 4, 1}, {w, 1}},
                                         {{w - 2, 1}, {w - 2, 4}},
                                         {{w - 1, 0}, {w - 1, 7}}}};
  for (const TGlyphLine& l : lines) {
    c.MoveTo(l.From.X, l.From.Y);
    c.LineTo(l.To.X, l.To.Y);
  }
}

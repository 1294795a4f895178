#include "TAdvToolBarPager.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "TAdvPage.h"
#include "TAdvPageScrollButton.h"
#include "TAdvToolBar.h"
#include "TabLook.h"
#include "ToolBarFace.h"
#include "draw/OfficeColors.h"
#include "draw/OfficeGradients.h"
#include "draw/OfficeText.h"
#include "core/Exceptions.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "glowbutton/TAdvGlowButton.h"
#include "graphics/TBitmap.h"
#include "os/SystemInfo.h"
#include "picture/TGDIPPicture.h"
#include "ui/Accelerator.h"
#include "ui/Messages.h"
#include "ui/THintInfo.h"
#include "ui/SystemMenu.h"
#include "ui/TApplication.h"
#include "ui/TCustomForm.h"
#include "ui/TCustomImageList.h"

namespace {

constexpr int kGlyphSize = 14;
// The kit's fade interval.
constexpr unsigned kFadeInterval = 30;
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
  tabSettings_->OnChange = [this] {
    PlacePages();
    ResetTabLayout();
    Invalidate();
    if (TAdvPage* page = ActivePage()) page->Invalidate();
  };
  tabGroups_.OnChange = [this] { Invalidate(); };
}

TAdvToolBarPager::~TAdvToolBarPager() {
  Destroying();
  RemoveFormHook();
  // Pages lose their link first; their fades stop.
  for (const auto& handle : pages_)
    if (TAdvPage* page = handle.Get()) {
      StopTabFade(page);
      page->LinkPager(nullptr);
    }
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
  PlacePages();
  if (TAdvPage* page = ActivePage()) page->Invalidate();
}

void TAdvToolBarPager::SetPageRightMargin(int Value) {
  if (Value < 0 || Value == pageRightMargin_) return;
  pageRightMargin_ = Value;
  PlacePages();
  if (TAdvPage* page = ActivePage()) page->Invalidate();
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
  PlacePages();
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
  if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying)) ReapplyToolBarStylers();
  ToolBarStylerChanged(0);
}

void TAdvToolBarPager::ReapplyToolBarStylers() {
  for (int i = 0; i < PageCount(); ++i) {
    TAdvPage* page = Pages(i);
    if (!page) continue;
    for (int t = 0; t < page->ToolBarCount(); ++t)
      if (TAdvToolBar* toolBar = page->ToolBars(t)) toolBar->ApplyParentStyler();
    page->Invalidate();
  }
}

void TAdvToolBarPager::ToolBarStylerChanged(int Kind) {
  Invalidate();
  if (TAdvPage* page = ActivePage()) page->Invalidate();
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
  if (!ComponentState().Contains(csDestroying)) ReapplyToolBarStylers();
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
  PlacePages();
  ResetTabLayout();
  FitTabs();
}

void TAdvToolBarPager::Resize() {
  TCustomControl::Resize();
  PlacePages();
  FitTabs();
  UpdateCaptionButtons(false);
}

// --- mouse ----------------------------------------------------------------------

void TAdvToolBarPager::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsAlive(alive)) return;
  pressedIndex_ = -1;
  if (caption_->Visible() && CaptionRect().Contains({X, Y})) {
    if (Button == mbRight) {
      auto* form = dynamic_cast<TCustomForm*>(Parent());
      if (!form) return;
      if (const int command = TrackSystemMenu(*form, ClientToScreen({X, Y})); command != 0)
        form->Perform(WM_SYSCOMMAND, command, 0);
      return;
    }
    if (CanMove && !Shift.Contains(ssDouble)) {
      if (TCustomForm* form = OwningForm()) {
        if (Application) Application->Windows().SetCaptureControl(nullptr);
        form->Perform(WM_SYSCOMMAND, kCaptionMove, 0);
      }
      return;
    }
  }
  if (ComponentState().Contains(csDesigning) || !TabRowRect().Contains({X, Y})) return;
  // Beside every tab nothing happens; the active or a disabled tab shows
  // its press; another tab is selected and glows.
  const int i = TabAtPoint({X, Y});
  if (i < 0) return;
  if (i == activeIndex_ || !Pages(i)->TabEnabled()) {
    pressedIndex_ = i;
    InvalidateTabRow();
    return;
  }
  SelectPage(i);
  if (!IsAlive(alive)) return;
  StartTabFade(IndexOfPage(Pages(i)), 20, tamGlow);
  Invalidate();
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
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(M);
      MouseLeft();
      return;
    case CM_CONTROLCHANGE:
      TCustomControl::WndProc(M);
      if (auto* page = dynamic_cast<TAdvPage*>(reinterpret_cast<TControl*>(M.WParam)); page && !M.LParam)
        RemovePage(page);
      return;
    case CM_HINTSHOW: {
      auto* info = reinterpret_cast<THintInfo*>(M.LParam);
      if (!ShowTabHint) {
        M.Result = 1;
        return;
      }
      if (const TAdvPage* page = Pages(hintIndex_)) {
        info->HintStr = page->TabHint();
        info->CursorRect = TabRect(hintIndex_);
      }
      return;
    }
    case CM_DIALOGCHAR:
      if (CanFocus())
        for (int i = 0; i < PageCount(); ++i)
          if (TAdvPage* p = Pages(i); p && p->TabVisible() && IsAccel(static_cast<char32_t>(M.WParam), p->Caption())) {
            SelectPage(i);
            InvalidateTabRow();
            M.Result = 1;
            return;
          }
      break;
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
      // Towards the user: the next page; away: the previous one; only
      // pages whose tab can be activated count, and there is no wrapping.
      const int delta = static_cast<int16_t>(M.WParam >> 16);
      const int step = delta < 0 ? 1 : -1;
      for (int i = activeIndex_ + step; i >= 0 && i < PageCount(); i += step)
        if (const TAdvPage* page = Pages(i); page && page->TabVisible() && page->TabEnabled()) {
          SelectPage(i);
          InvalidateTabRow();
          break;
        }
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
  PaintTabRow();
  if (tabSettings_->Height() > 0) {
    PaintGroups();
    for (int i = 0; i < PageCount(); ++i) PaintTab(i);
  }
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
  TRect text{r.Left + caption_->Indent(), r.Top, r.Right - caption_->RightIndent, r.Bottom};
  int groupsRight = -1;
  for (int g = 0; g < tabGroups_.Count(); ++g)
    if (const TRect G = GroupRect(g); G.Left >= 0 || G.Right >= 0) groupsRight = std::max(groupsRight, G.Right);
  if (groupsRight >= 0) text.Left = groupsRight;
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

// --- pages ----------------------------------------------------------------------------

TAdvPage* TAdvToolBarPager::Pages(int Index) const { return WeakAt(pages_, Index); }

int TAdvToolBarPager::IndexOfPage(const TAdvPage* Page) const { return IndexOfWeak(pages_, Page); }

void TAdvToolBarPager::SetActivePage(TAdvPage* Page) {
  const int i = IndexOfPage(Page);
  if (i < 0) return;
  SelectPage(i);
  InvalidateTabRow();
}

void TAdvToolBarPager::SelectPage(int Index) {
  if (Index < 0 || Index >= PageCount() || Index == activeIndex_) return;
  bool allow = true;
  const auto alive = AliveToken();
  TAdvPage* target = Pages(Index);
  if (OnChanging) OnChanging(this, activeIndex_, Index, allow);
  if (!IsAlive(alive) || !allow) return;
  // The handler may have changed the list: the page it allowed counts.
  Index = IndexOfPage(target);
  if (Index < 0) return;
  if (TAdvPage* old = ActivePage()) old->SetVisible(false);
  activeIndex_ = Index;
  ShowActivePage();
  if (OnChange) OnChange(this);
}

void TAdvToolBarPager::ShowActivePage() {
  if (TAdvPage* page = ActivePage()) {
    page->SetVisible(true);
    page->BringToFront();
    page->Invalidate();
  }
}

void TAdvToolBarPager::AddPage(TAdvPage* Page) {
  if (IndexOfPage(Page) < 0) pages_.emplace_back(Page);
  Page->LinkPager(this);
  const TRect r = PageRect();
  Page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  if (IndexOfPage(Page) != activeIndex_) Page->SetVisible(false);
  if (TAdvPage* active = ActivePage()) active->BringToFront();
  ResetTabLayout();
  Invalidate();
}

void TAdvToolBarPager::RemovePage(TAdvPage* Page) {
  const int i = IndexOfPage(Page);
  if (i < 0) return;
  Page->LinkPager(nullptr);
  // While the pager or its form goes away, nothing is selected or told.
  const TCustomForm* form = OwningForm();
  if (ComponentState().Contains(csDestroying) || (form && form->ComponentState().Contains(csDestroying))) {
    StopTabFade(Page);
    pages_.erase(pages_.begin() + i);
    ClampIndices();
    return;
  }
  const int former = activeIndex_;
  // The active page hands over to the next one after it that can be
  // activated, wrapping around.
  TAdvPage* next = nullptr;
  if (i == former)
    for (int k = 1; k < PageCount() && !next; ++k)
      if (TAdvPage* p = Pages((i + k) % PageCount()); p && p->TabVisible() && p->TabEnabled()) next = p;
  StopTabFade(Page);
  pages_.erase(pages_.begin() + i);
  // Every index is made true for the shorter list before anyone is told.
  auto shift = [i](int& Index) {
    if (Index == i) Index = -1;
    else if (Index > i) --Index;
  };
  shift(hotIndex_);
  shift(pressedIndex_);
  shift(hintIndex_);
  activeIndex_ = former > i ? former - 1 : former == i ? -1 : former;
  ClampIndices();
  if (next) SelectPage(IndexOfPage(next));
  ResetTabLayout();
  Invalidate();
}

void TAdvToolBarPager::MovePage(TAdvPage* Page, int Index) {
  const int from = IndexOfPage(Page);
  if (from < 0 || Index < 0 || Index >= PageCount() || from == Index) return;
  TAdvPage* active = ActivePage();
  TWeak<TAdvPage> moved = pages_[from];
  pages_.erase(pages_.begin() + from);
  pages_.insert(pages_.begin() + Index, moved);
  activeIndex_ = IndexOfPage(active);
  hotIndex_ = pressedIndex_ = hintIndex_ = -1;
  ResetTabLayout();
  FitTabs();
  Invalidate();
}

void TAdvToolBarPager::ClampIndices() {
  for (int* index : {&activeIndex_, &hotIndex_, &pressedIndex_, &hintIndex_})
    if (*index >= PageCount()) *index = -1;
}

void TAdvToolBarPager::PlacePages() {
  const TRect r = PageRect();
  for (const auto& handle : pages_)
    if (TAdvPage* p = handle.Get()) p->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

// --- tabs -----------------------------------------------------------------------------

const TCustomTabAppearance& TAdvToolBarPager::TabAppearanceOf(int Index) const {
  const TCustomAdvToolBarStyler& s = *CurrentStyler();
  const int g = GroupOfTab(Index);
  if (g < 0) return s.TabAppearance();
  return GroupAppearanceOf(g).TabAppearance();
}

const TGroupAppearance& TAdvToolBarPager::GroupAppearanceOf(int Group) const {
  const TTabGroupItem& item = tabGroups_.Items(Group);
  return item.DefaultAppearance() ? CurrentStyler()->GroupAppearance() : item.GroupAppearance();
}

int TAdvToolBarPager::MeasureTab(int Index) {
  TAdvPage* page = Pages(Index);
  if (!page) return 0;
  TCanvas& c = *Canvas();
  c.Font()->Assign(&TabAppearanceOf(Index).Font());
  const std::string& caption = page->Caption();
  int width = caption.empty() ? 0 : c.TextWidth(caption);
  if (antiAlias_ == aaNone) width += 2;
  else width += std::max<int>(5, static_cast<int>(caption.size())) + std::max(0, c.Font()->Size() - 8);
  if (TCustomImageList* images = Images(); images && page->ImageIndex() >= 0) {
    TCustomImageList* list = page->Enabled() || !DisabledImages() ? images : DisabledImages();
    width += list->Width() + 2;
  }
  return width;
}

std::vector<TTabSlot> TAdvToolBarPager::TabSlots() const {
  std::vector<TTabSlot> slots;
  for (int i = 0; i < PageCount(); ++i) {
    const TAdvPage* p = Pages(i);
    if (!p) {
      slots.push_back({false, false, 0, 0, 0});
      continue;
    }
    slots.push_back({p->TabVisible(), GroupOfTab(i) >= 0, p->FullContentWidth, p->ContentWidth, p->TabX});
  }
  return slots;
}

void TAdvToolBarPager::StoreTabSlots(const std::vector<TTabSlot>& Slots) {
  for (int i = 0; i < PageCount() && i < static_cast<int>(Slots.size()); ++i) {
    TAdvPage* p = Pages(i);
    if (!p) continue;
    p->TabX = Slots[i].X;
    p->ContentWidth = Slots[i].Width;
    p->FullContentWidth = Slots[i].FullWidth;
  }
}

namespace {

TTabLayoutState WantedLayout(const TATBTabSettings& T) {
  return {T.Spacing(), T.LeftMargin(), T.RightMargin(), T.LeftMargin(), T.RightMargin()};
}

}  // namespace

void TAdvToolBarPager::ResetTabLayout() {
  layout_ = WantedLayout(*tabSettings_);
  for (int i = 0; i < PageCount(); ++i) {
    if (TAdvPage* p = Pages(i)) p->FullContentWidth = p->ContentWidth = MeasureTab(i);
  }
  std::vector<TTabSlot> slots = TabSlots();
  PositionTabs(slots, layout_, TabAreaRect().Left, false);
  StoreTabSlots(slots);
  tabScroller_.SetPosition(0);
  UpdateTabScroller();
  InvalidateTabRow();
}

void TAdvToolBarPager::FitTabs() {
  const TRect area = TabAreaRect();
  std::vector<TTabSlot> slots = TabSlots();
  PositionTabs(slots, layout_, area.Left, false);
  ::FitTabs(slots, layout_, WantedLayout(*tabSettings_), area.Left, area.Width());
  StoreTabSlots(slots);
  tabScroller_.SetPosition(0);
  UpdateTabScroller();
  InvalidateTabRow();
}

std::vector<int> TAdvToolBarPager::TabRuns() const {
  // The first tab of each run: as many tabs as fit the area from there.
  const TRect area = TabAreaRect();
  std::vector<int> runs;
  int used = 0;
  for (int i = 0; i < PageCount(); ++i) {
    const TAdvPage* p = Pages(i);
    if (!p || !p->TabVisible()) continue;
    const int w = TabWidth(i);
    if (runs.empty() || used + w > area.Width()) {
      runs.push_back(i);
      used = 0;
    }
    used += w + layout_.Spacing;
  }
  return runs;
}

void TAdvToolBarPager::UpdateTabScroller() {
  const int extra = std::max(0, static_cast<int>(TabRuns().size()) - 1);
  tabScroller_.SetMin(0);
  tabScroller_.SetMax(extra);
  tabScroller_.SetPosition(std::clamp(tabScroller_.Position(), 0, extra));
  const TRect area = TabAreaRect();
  auto place = [&](TAdvPageScrollButton*& Button, bool Forward, bool Shown) {
    TAdvPageScrollButton::Place(Button, this, Forward, Shown,
                                TRect::Bounds(Forward ? area.Right - 12 : area.Left, area.Top, 12, area.Height() - 5),
                                &CurrentStyler()->GlowButtonAppearance(), [this, Forward] { ScrollTabs(Forward ? 1 : -1); });
  };
  place(scrollBack_, false, tabScroller_.CanGoBack());
  place(scrollForward_, true, tabScroller_.CanGoForward());
}

void TAdvToolBarPager::ScrollTabs(int Direction) {
  const std::vector<int> runs = TabRuns();
  const int position = std::clamp(tabScroller_.Position() + Direction, 0, static_cast<int>(runs.size()) - 1);
  if (position == tabScroller_.Position() || runs.empty()) return;
  tabScroller_.SetPosition(position);
  // The strip moves in 5-pixel steps until the run's first tab starts at
  // the area's left or, going forward, the last tab ends at its right.
  const TRect area = TabAreaRect();
  int shift = area.Left - Pages(runs[position])->TabX;
  if (Direction > 0) {
    int lastRight = area.Left;
    for (int i = 0; i < PageCount(); ++i)
      if (Pages(i) && Pages(i)->TabVisible()) lastRight = TabRect(i).Right;
    shift = std::max(shift, area.Right - lastRight);
  }
  const auto alive = AliveToken();
  for (int moved = 0; moved != shift && IsAlive(alive);) {
    const int step = shift > moved ? std::min(5, shift - moved) : std::max(-5, shift - moved);
    for (int i = 0; i < PageCount(); ++i)
      if (TAdvPage* p = Pages(i)) p->TabX += step;
    moved += step;
    InvalidateTabRow();
    Update();
  }
  if (!IsAlive(alive)) return;
  UpdateTabScroller();
  if (TAdvPage* page = ActivePage()) page->InvalidateRect({0, 0, page->Width(), 3}, false);
}

int TAdvToolBarPager::TabWidth(int Index) const {
  const TAdvPage* p = Pages(Index);
  if (!p) return 0;
  return SlotWidth({p->TabVisible(), GroupOfTab(Index) >= 0, p->FullContentWidth, p->ContentWidth, p->TabX}, layout_);
}

TRect TAdvToolBarPager::TabRect(int Index) const {
  const TAdvPage* p = Pages(Index);
  if (!p || !p->TabVisible()) return NoRect;
  const TRect area = TabAreaRect();
  return {p->TabX, area.Top, p->TabX + TabWidth(Index), area.Bottom};
}

int TAdvToolBarPager::TabAtPoint(TPoint P) const {
  for (int i = 0; i < PageCount(); ++i)
    if (TabRect(i).Contains(P)) return i;
  return -1;
}

TRect TAdvToolBarPager::GroupRect(int Group) const { return GroupRect(Group, nullptr); }

TRect TAdvToolBarPager::GroupRect(int Group, bool* Cut) const {
  if (Cut) *Cut = false;
  if (Group < 0 || Group >= tabGroups_.Count()) return NoRect;
  const TTabGroupItem& item = tabGroups_.Items(Group);
  if (item.TabIndexStart() < 0 || item.TabIndexEnd() < item.TabIndexStart() || item.TabIndexEnd() >= PageCount())
    return NoRect;
  TRect g = NoRect;
  for (int i = item.TabIndexStart(); i <= item.TabIndexEnd(); ++i) {
    const TRect t = TabRect(i);
    if (t.Left < 0 && t.Right < 0) continue;
    if (g.Left < 0 && g.Right < 0) g = t;
    else g.Right = t.Right;
  }
  if (g.Left < 0 && g.Right < 0) return NoRect;
  g.Top = CaptionRect().Top;
  if (const int spacing = tabSettings_->Spacing(); spacing > 2) {
    g.Left -= spacing / 2;
    g.Right += spacing / 2;
  }
  if (minButton_) {
    const int buttons = minButton_->Left();
    if (g.Left > buttons) return NoRect;
    if (g.Right > buttons) {
      g.Right = buttons - 1;
      if (Cut) *Cut = true;
    }
  }
  return g;
}

void TAdvToolBarPager::InvalidateTabRow() { InvalidateRect(TabRowRect(), false); }

// --- tab painting -----------------------------------------------------------------------

void TAdvToolBarPager::PaintTabRow() {
  TCanvas& c = *Canvas();
  const TGradientBackgroundValues& b = CurrentStyler()->TabAppearance().BackGround().Values();
  const int top = caption_->Visible() ? caption_->Height() : 0;
  const TRect row{0, top, Width(), Height()};
  if (b.Color != clNone && b.ColorTo != clNone) {
    DrawToolBarStepGradient(c, b.Color, b.ColorTo, b.Steps, row, b.Direction == gdHorizontal);
  } else if (b.Color != clNone) {
    c.Brush()->SetColor(b.Color);
    c.FillRect(row);
  }
  if (caption_->Visible()) {
    c.Pen()->SetColor(BlendColor(clWhite, b.Color, 70));
    c.MoveTo(0, top + 1);
    c.LineTo(Width(), top + 1);
  }
}

void TAdvToolBarPager::PaintGroups() {
  TCanvas& c = *Canvas();
  const TCustomAdvToolBarStyler& s = *CurrentStyler();
  for (int g = 0; g < tabGroups_.Count(); ++g) {
    bool cut = false;
    const TRect G = GroupRect(g, &cut);
    if (G.Left < 0 && G.Right < 0) continue;
    const TGroupAppearance& look = GroupAppearanceOf(g);
    const TGroupAppearanceValues& v = look.Values();
    const TRect K{G.Left, G.Top + 8, G.Right, TabRowRect().Top};
    DrawToolBarFace(c, K, v.Color, v.ColorTo, v.ColorMirror, v.ColorMirrorTo, v.Gradient, v.GradientMirror, clNone,
                    false);
    c.Pen()->SetColor(BlendColor(v.ColorMirrorTo, clBlack, 80));
    c.MoveTo(G.Left, K.Bottom);
    c.LineTo(G.Right, K.Bottom);
    const TColor caption = s.PagerCaption().Values().Color;
    const TColor row = s.TabAppearance().BackGround().Values().Color;
    DrawToolBarStepGradient(c, caption, v.BorderColor, 40, {G.Left, G.Top + 6, G.Left + 1, K.Bottom + 1}, false);
    DrawToolBarStepGradient(c, caption, v.BorderColor, 40, {G.Right - 1, G.Top + 6, G.Right, K.Bottom + 2}, false);
    DrawToolBarStepGradient(c, v.BorderColor, row, 40, {G.Left, K.Bottom, G.Left + 1, G.Bottom}, false);
    if (!cut) DrawToolBarStepGradient(c, v.BorderColor, row, 40, {G.Right - 1, K.Bottom, G.Right, G.Bottom}, false);

    const TTabGroupItem& item = tabGroups_.Items(g);
    TRect text{K.Left + 3, K.Top, K.Right, K.Bottom};
    TFont font;
    font.Assign(&look.Font());
    font.SetColor(v.TextColor);
    c.Font()->Assign(&font);
    if (TCustomImageList* images = Images(); images && item.ImageIndex() >= 0) {
      const int textWidth = c.TextWidth(item.Caption()) + static_cast<int>(item.Caption().size());
      const int iw = images->Width();
      int x = K.Left + 3;
      if (item.CaptionAlignment() == taRightJustify) x = K.Right - iw - 3 - textWidth - 3;
      if (item.CaptionAlignment() == taCenter) x = K.Left + (K.Width() - iw - 3 - textWidth) / 2;
      x = std::max(x, K.Left + 3);
      images->Draw(&c, x, K.Top + (K.Height() - images->Height()) / 2, item.ImageIndex());
      text.Left = x + iw + 3;
    }
    if (antiAlias_ != aaNone && CanDrawGdipText(c)) {
      // Cut the caption with "..." while it is wider than its room.
      std::string caption = item.Caption();
      const int room = text.Width();
      if (c.TextWidth(caption) > room)
        while (!caption.empty() && c.TextWidth(caption + "...") > room) caption.pop_back();
      if (caption != item.Caption()) caption += "...";
      DrawToolBarText(c, item.CaptionAlignment(), text, antiAlias_, Enabled(), font, caption);
    } else {
      c.Brush()->SetStyle(bsClear);
      c.DrawText(item.Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
      c.Brush()->SetStyle(bsSolid);
    }
  }
}

void TAdvToolBarPager::PaintTab(int Index) {
  TAdvPage* page = Pages(Index);
  if (!page || tabSettings_->Height() == 0) return;
  const TRect R = TabRect(Index);
  const TRect A = TabAreaRect();
  if (R.Right <= A.Left || R.Left >= A.Right) return;
  const TCustomAdvToolBarStyler& s = *CurrentStyler();
  const TGradientBackgroundValues& row = s.TabAppearance().BackGround().Values();
  // A tab sticking out of the tab area is painted aside and copied in
  // clipped to the area.
  const bool aside = R.Left < A.Left || R.Right > A.Right;
  std::unique_ptr<TBitmap> bitmap;
  TCanvas* c = Canvas();
  if (aside) {
    bitmap = std::make_unique<TBitmap>(Width(), Height());
    bitmap->Canvas()->CopyRect(ClientRect(), Canvas(), ClientRect());
    bitmap->Canvas()->Brush()->SetColor(row.Color);
    bitmap->Canvas()->FillRect(R);
    c = bitmap->Canvas();
  }
  const TCustomTabAppearanceValues& a = TabAppearanceOf(Index).Values();

  int firstVisible = -1;
  for (int i = 0; i < PageCount() && firstVisible < 0; ++i)
    if (Pages(i) && Pages(i)->TabVisible()) firstVisible = i;
  if (layout_.Spacing <= kLeastTabSpacing && Index != firstVisible && !aside) {
    const TColor selected = s.TabAppearance().Values().BorderColorSelected;
    DrawToolBarStepGradient(*c, BlendColor(row.Color, selected, 60), selected, 40,
                            {R.Left - 2, R.Top + 1, R.Left - 1, R.Bottom}, false);
  }

  TTabState st;
  st.Enabled = page->TabEnabled();
  st.Active = Index == activeIndex_;
  st.Hot = Index == hotIndex_;
  st.Pressed = Index == pressedIndex_ && !ComponentState().Contains(csDesigning);
  st.ShowNonSelectedTabs = showNonSelectedTabs_;
  st.PagerFocused = Focused();
  st.Hovering = page->Animation.Timer && page->Animation.Mode == tamHover;
  st.Glowing = page->Animation.Timer && page->Animation.Mode == tamGlow;
  st.Hover = page->Animation.Hover;
  st.Glow = page->Animation.Glow;
  st.RowColor = row.Color;
  st.RowColorTo = row.ColorTo;
  const TTabLook look = ResolveTabLook(a, st);

  if (look.Fill) {
    DrawToolBarFace(*c, R, look.Color, look.ColorTo, look.ColorMirror, look.ColorMirrorTo, look.Upper, look.Lower,
                    look.Border, true);
    // Soften the top corners with the tab row's own pixels.
    auto copy = [&](std::initializer_list<TPoint> Targets, TPoint From) {
      const TColor color = c->Pixel(From.X, From.Y);
      for (TPoint p : Targets) c->SetPixel(p.X, p.Y, color);
    };
    copy({{R.Left, R.Top}}, {R.Left - 1, R.Top - 1});
    copy({{R.Left + 1, R.Top}}, {R.Left + 1, R.Top - 1});
    copy({{R.Left, R.Top + 1}}, {R.Left - 1, R.Top});
    copy({{R.Right - 1, R.Top}, {R.Right - 2, R.Top}, {R.Right - 1, R.Top + 1}}, {R.Right + 1, R.Top});
    const bool lit = look.Focused || st.Hovering;
    auto line = [&](TColor Color, int X1, int Y1, int X2, int Y2) {
      c->Pen()->SetColor(Color);
      c->MoveTo(X1, Y1);
      c->LineTo(X2, Y2);
    };
    line(BlendColor(clWhite, look.Color, lit ? 20 : 50), R.Left + 3, R.Top + 3, R.Right - 3, R.Top + 3);
    line(BlendColor(look.Color, look.Border, 80), R.Left + 3, R.Top + 1, R.Right - 3, R.Top + 1);
    line(BlendColor(look.Color, look.Border, 50), R.Left + 1, R.Top + 3, R.Left + 1, R.Bottom - 5);
    line(BlendColor(look.Color, look.Border, 50), R.Right - 2, R.Top + 3, R.Right - 2, R.Bottom - 5);
  }

  const bool grouped = GroupOfTab(Index) >= 0;
  TRect content{R.Left + (grouped ? layout_.GroupLeftMargin : layout_.LeftMargin), R.Top, R.Right, R.Bottom};
  if ((Images() || DisabledImages()) && page->ImageIndex() >= 0) {
    TCustomImageList* list = page->Enabled() ? Images() : DisabledImages() ? DisabledImages() : Images();
    if (list) {
      list->Draw(c, content.Left, R.Top + (R.Height() - list->Height()) / 2, page->ImageIndex(),
                 page->Enabled() || list == DisabledImages());
      content.Left += list->Width() + 2;
    }
  }
  content.Right -= 2;
  if (content.Width() > 0) {
    // The text goes through a bitmap of the tab's height, so it is cut at
    // the content's right edge and centred in the whole tab.
    TBitmap text(content.Width(), R.Height());
    text.Canvas()->CopyRect({0, 0, content.Width(), R.Height()}, c, {content.Left, R.Top, content.Right, R.Bottom});
    TFont font;
    font.Assign(&s.TabAppearance().Font());
    font.SetColor(look.Text);
    DrawToolBarText(*text.Canvas(), taLeftJustify, {0, 0, content.Width(), R.Height()}, antiAlias_, Enabled(), font,
                    page->Caption());
    text.EndPainting();
    c->Draw(content.Left, R.Top, &text);
  }
  if (aside) {
    bitmap->EndPainting();
    const TRect visible{std::max(R.Left, A.Left), R.Top, std::min(R.Right, A.Right), R.Bottom};
    Canvas()->CopyRect(visible, bitmap->Canvas(), visible);
  }
}

// --- tab input and fades ------------------------------------------------------------------

void TAdvToolBarPager::StartTabFade(int Index, int Step, TTabAnimationMode Mode) {
  TAdvPage* page = Pages(Index);
  if (!page || !Application) return;
  TTabAnimation& a = page->Animation;
  if (!a.Timer) {
    TWeak<TAdvPage> weak = page;
    a.Timer = Application->StartTimer(
        kFadeInterval, [this, weak] { if (TAdvPage* p = weak.Get()) TabFadeTick(IndexOfPage(p)); }, page->AliveToken());
  }
  a.Step = Step;
  a.Mode = Mode;
}

void TAdvToolBarPager::StopTabFade(TAdvPage* Page) {
  TTabAnimation& a = Page->Animation;
  if (a.Timer && Application) Application->StopTimer(a.Timer);
  a.Timer = 0;
  a.Mode = tamFinished;
}

void TAdvToolBarPager::TabFadeTick(int Index) {
  TAdvPage* page = Pages(Index);
  if (!page) return;
  TTabAnimation& a = page->Animation;
  if (a.Mode == tamGlow) {
    a.Glow += a.Step;
    if ((a.Step > 0 && a.Glow > 100) || (a.Step < 0 && a.Glow < 0)) {
      StopTabFade(page);
      a.Glow = 0;
      return;
    }
    InvalidateTabRow();
    return;
  }
  a.Hover += a.Step;
  if (a.Step > 0 && a.Hover > 100) {
    // Fully lit: it stays while the pointer is on the tab, then fades out.
    a.Hover = 120;
    const TPoint p = Application ? ScreenToClient(Application->Windows().CursorPos()) : TPoint{-1, -1};
    if (!TabRect(Index).Contains(p)) {
      a.Step = -20;
      a.Mode = tamHover;
      hotIndex_ = -1;
    }
    return;
  }
  if (a.Step < 0 && a.Hover < 0) {
    a.Hover = -20;
    StopTabFade(page);
  }
  InvalidateTabRow();
}

void TAdvToolBarPager::MouseMove(TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseMove(Shift, X, Y);
  if (!IsAlive(alive) || ComponentState().Contains(csDesigning)) return;
  if (!TabRowRect().Contains({X, Y})) return;
  ClampIndices();
  const int i = TabAtPoint({X, Y});
  auto dropPressed = [&] {
    if (pressedIndex_ < 0) return;
    pressedIndex_ = -1;
    InvalidateTabRow();
  };
  if (i >= 0 && i != hotIndex_) {
    dropPressed();
    if (hotIndex_ >= 0) {
      StartTabFade(hotIndex_, -20, tamHover);
      hotIndex_ = -1;
      InvalidateTabRow();
    }
    if (Pages(i)->TabEnabled()) {
      hotIndex_ = i;
      StartTabFade(i, 20, tamHover);
      Invalidate();
    }
    if (hintIndex_ != i) {
      hintIndex_ = i;
      if (Application) Application->Hints().CancelHint();
    }
    return;
  }
  if (i < 0) {
    if (hotIndex_ >= 0) {
      dropPressed();
      StartTabFade(hotIndex_, -20, tamHover);
      hotIndex_ = -1;
      InvalidateTabRow();
    }
    if (hintIndex_ >= 0) {
      hintIndex_ = -1;
      if (Application) Application->Hints().CancelHint();
    }
  }
}

void TAdvToolBarPager::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (!IsAlive(alive) || pressedIndex_ < 0) return;
  pressedIndex_ = -1;
  InvalidateTabRow();
}

void TAdvToolBarPager::MouseLeft() {
  hintIndex_ = -1;
  if (ComponentState().Contains(csDesigning) || !Application) return;
  TRect visibleTabs = TabAreaRect();
  visibleTabs.Bottom -= 4;
  if (visibleTabs.Contains(ScreenToClient(Application->Windows().CursorPos()))) return;
  ClampIndices();
  if (hotIndex_ < 0) return;
  if (hotIndex_ == activeIndex_) {
    hotIndex_ = -1;
    Invalidate();
    return;
  }
  StartTabFade(hotIndex_, -20, tamHover);
  hotIndex_ = -1;
  InvalidateTabRow();
}

#include "TAdvPage.h"

#include <algorithm>
#include <string>

#include "TAdvPageScrollButton.h"
#include "TAdvToolBar.h"
#include "TAdvToolBarPager.h"
#include "ToolBarFace.h"
#include "core/Exceptions.h"
#include "draw/OfficeColors.h"
#include "draw/TCustomAdvToolBarStyler.h"
#include "graphics/TBitmap.h"
#include "ui/Messages.h"

TAdvPage::TAdvPage(TComponent* AOwner) : TCustomControl(AOwner) { DoubleBuffered = true; }

TAdvPage::~TAdvPage() {
  Destroying();
  if (TAdvToolBarPager* pager = pager_.Get()) pager->RemovePage(this);
  else if (auto* parent = dynamic_cast<TAdvToolBarPager*>(Parent())) parent->RemovePage(this);
}

void TAdvPage::SetParent(TWinControl* AParent) {
  if (AParent) {
    const std::string name = AParent->ClassName();
    if (name == "TAdvDockPanel" || dynamic_cast<TAdvToolBar*>(AParent)) throw EPlatformError("Invalid Parent");
    // Another page of the same pager: move to its place in the list.
    if (auto* other = dynamic_cast<TAdvPage*>(AParent)) {
      TAdvToolBarPager* pager = pager_.Get();
      const int from = PageIndex(), to = other->PageIndex();
      if (!pager || other->AdvToolBarPager() != pager || from < 0 || to < 0)
        throw EPlatformError("Invalid Parent " + std::to_string(from) + " " + std::to_string(to) + ":");
      pager->MovePage(this, to);
      return;
    }
  }
  TAdvToolBarPager* old = pager_.Get();
  auto* next = dynamic_cast<TAdvToolBarPager*>(AParent);
  if (old && old != next) old->RemovePage(this);
  TCustomControl::SetParent(AParent);
  if (next && next != old) next->AddPage(this);
}

int TAdvPage::PageIndex() const {
  const TAdvToolBarPager* pager = pager_.Get();
  return pager ? pager->IndexOfPage(this) : -1;
}

void TAdvPage::SetPageIndex(int Value) {
  TAdvToolBarPager* pager = pager_.Get();
  if (!pager || Value < 0 || Value >= pager->PageCount()) return;
  pager->MovePage(this, Value);
}

void TAdvPage::SetAutoPosition(bool Value) {
  if (autoPosition_ == Value) return;
  autoPosition_ = Value;
  ArrangeToolBars();
}

void TAdvPage::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  TabChanged();
}

void TAdvPage::SetTabVisible(bool Value) {
  if (tabVisible_ == Value) return;
  tabVisible_ = Value;
  TabChanged();
}

void TAdvPage::SetTabEnabled(bool Value) {
  if (tabEnabled_ == Value) return;
  tabEnabled_ = Value;
  Invalidate();
  if (TAdvToolBarPager* pager = pager_.Get()) pager->Invalidate();
}

void TAdvPage::TabChanged() {
  if (TAdvToolBarPager* pager = pager_.Get()) {
    pager->ResetTabLayout();
    pager->FitTabs();
    pager->Invalidate();
  }
}

const TGroupAppearance* TAdvPage::ActiveGroupAppearance() const {
  const TAdvToolBarPager* pager = pager_.Get();
  if (!pager || pager->ActivePage() != this) return nullptr;
  const int group = pager->GroupOfTab(PageIndex());
  return group < 0 ? nullptr : &pager->GroupAppearanceOf(group);
}

void TAdvPage::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND: M.Result = 1; return;
    case CM_TEXTCHANGED:
      TCustomControl::WndProc(M);
      TabChanged();
      return;
    case CM_CONTROLCHANGE: {
      TCustomControl::WndProc(M);
      auto* control = reinterpret_cast<TControl*>(M.WParam);
      // A toolbar being freed is no longer one by its type: its entry is
      // found by identity.
      if (!M.LParam) RemoveToolBar(control);
      else if (auto* toolBar = dynamic_cast<TAdvToolBar*>(control)) InsertToolBar(toolBar);
      return;
    }
    default: break;
  }
  TCustomControl::WndProc(M);
}

// --- toolbars -------------------------------------------------------------------

TAdvToolBar* TAdvPage::ToolBars(int Index) const { return WeakAt(toolBars_, Index); }

int TAdvPage::IndexOfToolBar(const TAdvToolBar* ToolBar) const { return IndexOfWeak(toolBars_, ToolBar); }

void TAdvPage::InsertToolBar(TAdvToolBar* ToolBar) {
  if (IndexOfToolBar(ToolBar) >= 0) return;
  toolBars_.emplace_back(ToolBar);
  if (!ComponentState().Contains(csLoading) && !ToolBar->ToolBarStyler()) ToolBar->SetParentStyler(true);
  ArrangeToolBars();
}

void TAdvPage::RemoveToolBar(const TControl* Control) {
  const auto before = toolBars_.size();
  std::erase_if(toolBars_, [&](const TWeak<TAdvToolBar>& t) { return t.RefersTo(Control) || !t; });
  if (toolBars_.size() != before) ArrangeToolBars();
}

void TAdvPage::MoveToolBar(TAdvToolBar* ToolBar, int Index) {
  const int from = IndexOfToolBar(ToolBar);
  if (from < 0) return;
  Index = std::clamp(Index, 0, ToolBarCount() - 1);
  TWeak<TAdvToolBar> moved = toolBars_[from];
  toolBars_.erase(toolBars_.begin() + from);
  toolBars_.insert(toolBars_.begin() + Index, moved);
  ArrangeToolBars();
}

std::vector<TAdvToolBar*> TAdvPage::Row() const {
  std::vector<TAdvToolBar*> row;
  for (const auto& handle : toolBars_)
    if (TAdvToolBar* t = handle.Get(); t && t->Visible()) row.push_back(t);
  return row;
}

void TAdvPage::ArrangeToolBars() {
  if (!autoPosition_ || arranging_ || ComponentState().Contains(csLoading)) return;
  arranging_ = true;
  // Scrolled by whole toolbars: the first ones stand left of the page.
  const std::vector<TAdvToolBar*> row = Row();
  int x = 3;
  for (int i = 0; i < scroller_.Position() && i < static_cast<int>(row.size()); ++i) x -= row[i]->Width() + 3;
  for (TAdvToolBar* t : row) {
    t->SetBounds(x, 3, t->Width(), Height() - 6);
    x += t->Width() + 3;
  }
  arranging_ = false;
  FitToolBars();
}

void TAdvPage::UpdateScroller() {
  const std::vector<TAdvToolBar*> row = Row();
  int total = 3;
  for (TAdvToolBar* t : row) total += t->Width() + 3;
  // The first toolbar from which the rest of the row fits.
  int last = 0;
  for (int from = 0, width = total; from < static_cast<int>(row.size()) && width - 1 > Width(); ++from) {
    width -= row[from]->Width() + 3;
    last = from + 1;
  }
  scroller_.SetMax(last);
  const int position = std::clamp(scroller_.Position(), 0, last);
  const TStylerGlowAppearance* look =
      pager_ ? &pager_->CurrentStyler()->CompactGlowButtonAppearance() : nullptr;
  auto place = [&](TAdvPageScrollButton*& Button, bool Forward, bool Shown) {
    TAdvPageScrollButton::Place(Button, this, Forward, Shown, TRect::Bounds(Forward ? Width() - 12 : 0, 0, 12, Height()),
                                look, [this, Forward] { ScrollToolBars(Forward ? 1 : -1); });
  };
  place(scrollBack_, false, position > 0);
  place(scrollForward_, true, position < last);
  if (position != scroller_.Position()) {
    scroller_.SetPosition(position);
    ArrangeToolBars();
  }
}

void TAdvPage::ScrollToolBars(int Direction) {
  const int position = std::clamp(scroller_.Position() + Direction, 0, scroller_.Max());
  if (position == scroller_.Position()) return;
  scroller_.SetPosition(position);
  ArrangeToolBars();
}

void TAdvPage::FitToolBars() {
  if (arranging_ || ComponentState().Contains(csLoading)) return;
  // The visible toolbars by their left edges.
  std::vector<TAdvToolBar*> row = Row();
  if (row.empty()) return UpdateScroller();
  std::sort(row.begin(), row.end(), [](TAdvToolBar* a, TAdvToolBar* b) { return a->Left() < b->Left(); });
  // The row's right edge as if it were not scrolled.
  auto rightEdge = [&] {
    int x = 0;
    for (TAdvToolBar* t : row) x += t->Width() + 3;
    return x;
  };
  // Narrower: the rightmost full toolbar goes compact until the row fits.
  while (rightEdge() + 2 > Width()) {
    auto it = std::find_if(row.rbegin(), row.rend(), [](TAdvToolBar* t) { return !t->Compact() && t->IsLoaded(); });
    if (it == row.rend()) break;
    (*it)->SetCompact(true);
    ArrangeToolBars();
    return;
  }
  // Wider: the leftmost compact toolbar comes back when its room is there.
  auto it = std::find_if(row.begin(), row.end(), [](TAdvToolBar* t) { return t->Compact(); });
  if (it != row.end() && Width() - rightEdge() - 2 >= (*it)->FullWidth() - (*it)->Width() + 4) {
    (*it)->SetCompact(false);
    ArrangeToolBars();
    return;
  }
  UpdateScroller();
}

void TAdvPage::Loaded() {
  TCustomControl::Loaded();
  // The list follows the toolbars' left edges.
  std::stable_sort(toolBars_.begin(), toolBars_.end(), [](const TWeak<TAdvToolBar>& a, const TWeak<TAdvToolBar>& b) {
    return a && b && a->Left() < b->Left();
  });
  ArrangeToolBars();
}

void TAdvPage::Resize() {
  TCustomControl::Resize();
  if (Width() != lastWidth_) {
    lastWidth_ = Width();
    ArrangeToolBars();
  }
}

// --- painting -------------------------------------------------------------------

void TAdvPage::Paint() {
  TAdvToolBarPager* pager = pager_.Get();
  if (!pager) return;
  const TCustomAdvToolBarStyler& s = *pager->CurrentStyler();
  const TGroupAppearance* group = ActiveGroupAppearance();
  const TVistaBackgroundValues& v = group ? group->PageAppearance().Values() : s.PageAppearance().Values();
  const bool rounded = s.Values().RoundedOutline;
  const int w = Width(), h = Height();
  TBitmap face(w, h);
  DrawToolBarFace(*face.Canvas(), {0, 0, w, h}, v.Color, v.ColorTo, v.ColorMirror, v.ColorMirrorTo, v.Gradient,
                  v.GradientMirror, v.BorderColor, rounded);
  TCanvas& fc = *face.Canvas();
  if (!group) {
    fc.Pen()->SetColor(BlendColor(clWhite, v.BorderColor, 50));
    fc.MoveTo(1, 10);
    fc.LineTo(1, h - 2);
    fc.MoveTo(w - 2, 10);
    fc.LineTo(w - 2, h - 2);
    fc.MoveTo(3, h - 2);
    fc.LineTo(w - 2, h - 2);
  }
  // The active page joins its tab: its top border is lifted under the tab,
  // and its corners take the pager's pixels just outside them.
  if (pager->ActivePage() == this) {
    const TRect tab = pager->TabRect(PageIndex());
    const TRect area = pager->TabAreaRect();
    const int left = std::max(tab.Left, area.Left), right = std::min(tab.Right, area.Right);
    if (tab.Left >= 0 && left > 0 && right > 0 && right > left) {
      const int offset = pager->PageLeftMargin() + 4;
      if (pager->TabSettings().Height() > 0) {
        fc.Pen()->SetColor(v.Color);
        fc.MoveTo(tab.Left - offset, 0);
        fc.LineTo(tab.Right - offset, 0);
      }
      if (rounded) {
        // The pager's pixels around the page, read in page coordinates.
        const TCanvas& around = *Canvas();
        auto copy = [&](std::initializer_list<TPoint> Targets, TPoint From) {
          const TColor c = around.SurfacePixel(From.X, From.Y);
          for (TPoint p : Targets) fc.SetPixel(p.X, p.Y, c);
        };
        copy({{0, 0}}, {-1, -1});
        copy({{1, 0}}, {1, -1});
        copy({{0, 1}}, {-1, 0});
        copy({{0, h - 1}, {1, h - 1}, {0, h - 2}}, {-1, h});
        copy({{w - 1, 0}, {w - 2, 0}, {w - 1, 1}}, {w + 1, 0});
        copy({{w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}}, {w + 1, h});
      }
    }
  }
  face.EndPainting();
  Canvas()->Draw(0, 0, &face);
}

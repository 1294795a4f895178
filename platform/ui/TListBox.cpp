#include "TListBox.h"

#include <algorithm>
#include <cctype>

#include "TApplication.h"
#include "graphics/TSavedCanvasState.h"

namespace {
constexpr int kScrollBarWidth = 17;
constexpr int kMinThumb = 8;
constexpr uintptr_t kRepeatTimer = 1;
constexpr unsigned kRepeatFirst = 400;
constexpr unsigned kRepeatNext = 50;

// The first character of an item as an upper-case ASCII letter or digit.
int FirstKey(const std::string& s) {
  return s.empty() ? 0 : std::toupper(static_cast<unsigned char>(s[0]));
}
}  // namespace

TListBoxLayout ListBoxLayout(int Width, int Height, int Count, int ItemHeight, int TopIndex) {
  TListBoxLayout l;
  TRect inner{1, 1, std::max(1, Width - 1), std::max(1, Height - 1)};
  ItemHeight = std::max(1, ItemHeight);
  int rows = std::max(0, inner.Height() / ItemHeight);
  bool scroll = Count > rows;
  l.Items = inner;
  l.VisibleRows = rows;
  l.MaxTopIndex = std::max(0, Count - rows);
  if (!scroll) return l;
  l.Items.Right = std::max(inner.Left, inner.Right - kScrollBarWidth);
  l.ScrollBar = {l.Items.Right, inner.Top, inner.Right, inner.Bottom};
  int button = std::min(kScrollBarWidth, l.ScrollBar.Height() / 2);
  l.UpButton = {l.ScrollBar.Left, l.ScrollBar.Top, l.ScrollBar.Right, l.ScrollBar.Top + button};
  l.DownButton = {l.ScrollBar.Left, l.ScrollBar.Bottom - button, l.ScrollBar.Right, l.ScrollBar.Bottom};
  l.Track = {l.ScrollBar.Left, l.UpButton.Bottom, l.ScrollBar.Right, l.DownButton.Top};
  int track = l.Track.Height();
  if (track >= kMinThumb) {
    int thumb = std::max(kMinThumb, static_cast<int>(int64_t{track} * rows / std::max(1, Count)));
    int top = std::clamp(TopIndex, 0, l.MaxTopIndex);
    int pos = l.MaxTopIndex ? static_cast<int>(int64_t{track - thumb} * top / l.MaxTopIndex) : 0;
    l.Thumb = {l.Track.Left, l.Track.Top + pos, l.Track.Right, l.Track.Top + pos + thumb};
  }
  return l;
}

TListBox::TListBox(TComponent* AOwner) : TCustomControl(AOwner), items_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  // The list reports its own selection changes; a press and release is
  // not a click of its own.
  SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csOpaque, csDoubleClicks});
  items_->OnChange = [this](TObject*) { ItemsChanged(); };
  // The selection follows each change at once, as it does in a list whose
  // redrawing is suspended: cleared with the items, moved with its item.
  items_->OnEdit = [this](TStringsEdit edit, int index) {
    if (edit == seCleared) itemIndex_ = -1;
    else if (edit == seDeleted && index == itemIndex_) itemIndex_ = -1;
    else if (edit == seDeleted && index < itemIndex_) --itemIndex_;
    else if (edit == seInserted && itemIndex_ >= 0 && index <= itemIndex_) ++itemIndex_;
  };
}

TListBox::~TListBox() {
  items_->OnChange = nullptr;
  items_->OnEdit = nullptr;
}

TListBoxLayout TListBox::Layout() const { return ListBoxLayout(Width(), Height(), Count(), itemHeight_, topIndex_); }

TListBox::TView TListBox::View() const {
  TView view{Layout(), {}};
  int rows = (view.Layout.Items.Height() + itemHeight_ - 1) / itemHeight_;
  for (int i = topIndex_; i < std::min(Count(), topIndex_ + rows); ++i)
    view.Rows.emplace_back(items_->Strings(i), i == itemIndex_);
  return view;
}

void TListBox::Invalidate() {
  shown_ = View();
  TCustomControl::Invalidate();
}

void TListBox::ItemsChanged() {
  if (itemIndex_ >= Count()) itemIndex_ = -1;
  topIndex_ = std::clamp(topIndex_, 0, Layout().MaxTopIndex);
  TView view = View();
  if (view.Layout != shown_.Layout) {
    Invalidate();
    return;
  }
  const TRect& area = view.Layout.Items;
  size_t rows = std::max(view.Rows.size(), shown_.Rows.size());
  for (size_t k = 0; k < rows; ++k) {
    bool same = k < view.Rows.size() && k < shown_.Rows.size() && view.Rows[k] == shown_.Rows[k];
    if (same) continue;
    int top = area.Top + static_cast<int>(k) * itemHeight_;
    InvalidateRect({area.Left, top, area.Right, std::min(area.Bottom, top + itemHeight_)}, false);
  }
  shown_ = std::move(view);
}

void TListBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= Count()) Value = -1;
  if (itemIndex_ == Value) return;
  itemIndex_ = Value;
  if (Value >= 0) ScrollIntoView(Value);
  Invalidate();
}

void TListBox::SetTopIndex(int Value) {
  Value = std::clamp(Value, 0, Layout().MaxTopIndex);
  if (topIndex_ == Value) return;
  topIndex_ = Value;
  Invalidate();
}

void TListBox::SetItemHeight(int Value) {
  Value = std::max(1, Value);
  if (itemHeight_ == Value) return;
  itemHeight_ = Value;
  ItemsChanged();
}

void TListBox::ScrollIntoView(int Index) {
  TListBoxLayout l = Layout();
  int rows = std::max(1, l.VisibleRows);
  if (Index < topIndex_) SetTopIndex(Index);
  else if (Index >= topIndex_ + rows) SetTopIndex(Index - rows + 1);
}

TRect TListBox::ItemRect(int Index) const {
  TListBoxLayout l = Layout();
  int y = l.Items.Top + (Index - topIndex_) * itemHeight_;
  return {l.Items.Left, y, l.Items.Right, y + itemHeight_};
}

int TListBox::ItemAtPos(TPoint P) const {
  TListBoxLayout l = Layout();
  if (!l.Items.Contains(P)) return -1;
  int index = topIndex_ + (P.Y - l.Items.Top) / itemHeight_;
  return index < Count() ? index : -1;
}

void TListBox::SelectByUser(int Index) {
  if (Index < 0 || Index >= Count()) return;
  itemIndex_ = Index;
  ScrollIntoView(Index);
  Invalidate();
  Click();
}

TListBox::TScrollPart TListBox::ScrollPartAt(TPoint P) const {
  TListBoxLayout l = Layout();
  if (!l.ScrollBar.Contains(P)) return spNone;
  if (l.UpButton.Contains(P)) return spUp;
  if (l.DownButton.Contains(P)) return spDown;
  if (l.Thumb.Contains(P)) return spThumb;
  return P.Y < l.Thumb.Top ? spPageUp : spPageDown;
}

void TListBox::ScrollStep() {
  int rows = std::max(1, Layout().VisibleRows);
  switch (scrolling_) {
    case spUp: SetTopIndex(topIndex_ - 1); break;
    case spDown: SetTopIndex(topIndex_ + 1); break;
    case spPageUp: SetTopIndex(topIndex_ - rows); break;
    case spPageDown: SetTopIndex(topIndex_ + rows); break;
    default: break;
  }
}

void TListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    TScrollPart part = ScrollPartAt({X, Y});
    if (part != spNone) {
      scrolling_ = part;
      if (part == spThumb) {
        thumbGrab_ = Y - Layout().Thumb.Top;
      } else {
        ScrollStep();
        if (Application) Application->SetTimer(this, kRepeatTimer, kRepeatFirst);
      }
    } else if (int index = ItemAtPos({X, Y}); index >= 0) {
      selecting_ = true;
      auto alive = AliveToken();
      SelectByUser(index);
      if (!IsAlive(alive)) return;
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (scrolling_ == spThumb) {
    TListBoxLayout l = Layout();
    int span = l.Track.Height() - l.Thumb.Height();
    if (span > 0) {
      int pos = std::clamp(Y - thumbGrab_ - l.Track.Top, 0, span);
      SetTopIndex(static_cast<int>((int64_t{pos} * l.MaxTopIndex + span / 2) / span));
    }
  } else if (selecting_) {
    TListBoxLayout l = Layout();
    int index = ItemAtPos({l.Items.Left, std::clamp(Y, l.Items.Top, l.Items.Bottom - 1)});
    if (index >= 0 && index != itemIndex_) {
      auto alive = AliveToken();
      SelectByUser(index);
      if (!IsAlive(alive)) return;
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    selecting_ = false;
    scrolling_ = spNone;
    if (Application) Application->KillTimer(this, kRepeatTimer);
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0 || Count() == 0) return;
  int rows = std::max(1, Layout().VisibleRows);
  int current = itemIndex_;
  int next = current;
  switch (Key) {
    case VK_UP: next = current < 0 ? 0 : current - 1; break;
    case VK_DOWN: next = current < 0 ? 0 : current + 1; break;
    case VK_PRIOR: next = current < 0 ? 0 : current - (rows - 1); break;
    case VK_NEXT: next = current < 0 ? 0 : current + (rows - 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = Count() - 1; break;
    default: return;
  }
  next = std::clamp(next, 0, Count() - 1);
  if (next != current) SelectByUser(next);
  else ScrollIntoView(next);
}

void TListBox::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key < 0x21 || Key > 0x7E || Count() == 0) return;
  int wanted = std::toupper(static_cast<int>(Key));
  // The next item after the selection that starts with the letter.
  for (int step = 1; step <= Count(); ++step) {
    int i = (std::max(itemIndex_, -1) + step) % Count();
    if (FirstKey(items_->Strings(i)) == wanted) {
      if (i != itemIndex_) SelectByUser(i);
      return;
    }
  }
}

void TListBox::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_GETDLGCODE: M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_TIMER:
      if (M.WParam == static_cast<intptr_t>(kRepeatTimer)) {
        if (Application) Application->SetTimer(this, kRepeatTimer, kRepeatNext);
        ScrollStep();
      }
      return;
    case WM_MOUSEWHEEL: {
      int delta = static_cast<int16_t>((M.WParam >> 16) & 0xFFFF);
      SetTopIndex(topIndex_ - delta * 3 / 120);
      M.Result = 1;
      return;
    }
    case WM_SIZE:
      TCustomControl::WndProc(M);
      topIndex_ = std::clamp(topIndex_, 0, Layout().MaxTopIndex);
      Invalidate();
      return;
    default: break;
  }
  TCustomControl::WndProc(M);
}

void TListBox::Paint() {
  TCanvas* c = Canvas();
  TListBoxLayout l = Layout();
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(ClientRect());
  PaintRows(l);
  if (!l.ScrollBar.IsEmpty()) PaintScrollBar(l);
}

void TListBox::PaintRows(const TListBoxLayout& l) {
  TCanvas* c = Canvas();
  TSavedCanvasState saved(c);
  c->IntersectClipRect(l.Items);
  c->Font()->Assign(Font());
  // Only the rows the clip reaches: a long list costs what a short one does.
  TRect clip = c->ClipRect();
  int first = topIndex_ + std::max(0, (clip.Top - l.Items.Top) / itemHeight_);
  int last = std::min(Count() - 1, topIndex_ + (clip.Bottom - l.Items.Top + itemHeight_ - 1) / itemHeight_);
  for (int i = first; i <= last; ++i) {
    TRect r = ItemRect(i);
    bool selected = i == itemIndex_;
    c->Brush()->SetColor(selected ? clHighlight : Color());
    c->FillRect(r);
    c->Font()->SetColor(selected ? clHighlightText : Font()->Color());
    c->Brush()->SetStyle(bsClear);
    TRect text{r.Left + 2, r.Top, r.Right, r.Bottom};
    c->DrawText(items_->Strings(i), text, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    if (selected && Focused()) {
      // A dotted focus frame, every other pixel.
      for (int x = r.Left; x < r.Right; x += 2) {
        c->SetPixel(x, r.Top, clHighlightText);
        c->SetPixel(x, r.Bottom - 1, clHighlightText);
      }
      for (int y = r.Top; y < r.Bottom; y += 2) {
        c->SetPixel(r.Left, y, clHighlightText);
        c->SetPixel(r.Right - 1, y, clHighlightText);
      }
    }
  }
  int rowsBottom = l.Items.Top + (Count() - topIndex_) * itemHeight_;
  if (rowsBottom < l.Items.Bottom) {
    c->Brush()->SetColor(Color());
    c->FillRect({l.Items.Left, std::max(l.Items.Top, rowsBottom), l.Items.Right, l.Items.Bottom});
  }
}

void TListBox::PaintScrollBar(const TListBoxLayout& l) {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(RGB(234, 234, 234));
  c->FillRect(l.ScrollBar);
  auto button = [&](const TRect& r, bool up) {
    c->Brush()->SetColor(RGB(222, 222, 222));
    c->FillRect(r.Inflate(-1, -1));
    int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    c->Pen()->SetColor(RGB(96, 96, 96));
    for (int i = 0; i < 4; ++i) {
      int y = up ? cy - 2 + i : cy + 1 - i;
      c->MoveTo(cx - i, y);
      c->LineTo(cx + i + 1, y);
    }
  };
  button(l.UpButton, true);
  button(l.DownButton, false);
  if (!l.Thumb.IsEmpty()) {
    c->Brush()->SetColor(RGB(205, 205, 205));
    c->FillRect({l.Thumb.Left + 2, l.Thumb.Top + 1, l.Thumb.Right - 2, l.Thumb.Bottom - 1});
  }
}

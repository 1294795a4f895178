// A list of text items, each with an object the list does not own: own
// painting of the visible rows only, a vertical scroll bar, selection by
// mouse and keyboard (arrows, pages, Home, End, first letter) and the
// wheel. A change of the selection by the user runs Click (OnClick).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "TCustomControl.h"
#include "core/TStringList.h"

// Where the parts of a list box lie for a given size and content.
struct TListBoxLayout {
  TRect Items;      // the rows' area
  TRect ScrollBar;  // empty when every row fits
  TRect UpButton, DownButton, Track, Thumb;
  int VisibleRows = 0;  // rows that show whole
  int MaxTopIndex = 0;
  friend bool operator==(const TListBoxLayout&, const TListBoxLayout&) = default;
};
TListBoxLayout ListBoxLayout(int Width, int Height, int Count, int ItemHeight, int TopIndex);

class TListBox : public TCustomControl {
 public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;
  std::string ClassName() const override { return "TListBox"; }
  void WndProc(TMessage& Message) override;
  void Invalidate() override;

  TStringList* Items() const { return items_.get(); }
  int Count() const { return items_->Count(); }
  // -1 for none. Setting it from code does not run OnClick.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int Value);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int Value);
  // The item under a client point, or -1.
  int ItemAtPos(TPoint P) const;
  TRect ItemRect(int Index) const;
  TListBoxLayout Layout() const;

  // Stops repainting until the matching EndUpdate.
  void BeginUpdate() { items_->BeginUpdate(); }
  void EndUpdate() { items_->EndUpdate(); }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;

 private:
  enum TScrollPart { spNone, spUp, spDown, spPageUp, spPageDown, spThumb };
  // What the list shows: its layout and, top to bottom, each row that the
  // rows' area reaches, with its text and whether it is selected.
  struct TView {
    TListBoxLayout Layout;
    std::vector<std::pair<std::string, bool>> Rows;
  };
  TView View() const;
  // Repaints only the rows that a change of the items altered: a refill
  // with the same visible rows repaints nothing.
  void ItemsChanged();
  // Selects Index as the user did: scrolls it into view and runs Click.
  void SelectByUser(int Index);
  void ScrollIntoView(int Index);
  void ScrollStep();
  void PaintRows(const TListBoxLayout& Layout);
  void PaintScrollBar(const TListBoxLayout& Layout);
  TScrollPart ScrollPartAt(TPoint P) const;

  std::unique_ptr<TStringList> items_;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  int itemHeight_ = 13;
  bool selecting_ = false;
  TScrollPart scrolling_ = spNone;
  int thumbGrab_ = 0;
  TView shown_;  // as of the last change that was invalidated
};

// A plain pop-up menu: a column of items in a menu window that takes the
// mouse and the keyboard (not the focus) while it is open. Popup runs the menu's own
// message loop and returns when the menu closes; the chosen item's
// OnClick runs after that, with the menu gone.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Geometry.h"
#include "core/TComponent.h"
#include "core/TWeak.h"
#include "graphics/TFont.h"

class TMenuItem;
class TWinControl;

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  std::string ClassName() const override { return "TPopupMenu"; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int Index) const { return items_.at(Index); }
  // A new item owned by the menu, at the end.
  TMenuItem* Add(const std::string& Caption, TNotifyEvent OnClick = nullptr);
  // Puts an item made elsewhere at the end; its owner still frees it.
  void Add(TMenuItem* Item);
  // Takes the item out of the list (its owner still frees it).
  void Remove(TMenuItem* Item);
  // Frees the items the menu owns and takes the others out.
  void Clear();

  TFont* Font() const { return font_.get(); }
  // The control the menu is shown for (set by whoever shows it).
  TComponent* PopupComponent() const { return popupComponent_.Get(); }
  void SetPopupComponent(TComponent* Value) { popupComponent_ = Value; }

  // Shows the menu with its top-left at the screen point, moved to the
  // other side of the point where it would leave the monitor's work
  // area, and handles input until an item is chosen or the menu is
  // dismissed (Escape, Alt, a press outside it, CloseMenu). Returns at
  // once when the menu is already open or has no visible item.
  void Popup(int X, int Y);
  // The same loop, but the chosen item is returned instead of clicked;
  // nullptr when the menu was dismissed.
  TMenuItem* TrackPopup(int X, int Y);
  bool IsOpen() const { return window_ != nullptr; }
  // Dismisses the open menu without choosing.
  void CloseMenu();
  // The menu's window while it is open.
  TWinControl* Window() const;
  // The highlighted item's index, -1 for none.
  int HighlightIndex() const { return highlight_; }

  // The window's size and each item's rectangle in its client area
  // (an invisible item's rectangle is empty).
  TSize MenuSize() const;
  TRect ItemRect(int Index) const;
  // The selectable item at a client point, -1 for none.
  int ItemAt(TPoint P) const;

  // Before the menu is shown.
  TNotifyEvent OnPopup;

  static constexpr int ItemHeight = 22;
  static constexpr int SeparatorHeight = 9;
  static constexpr int TextLeft = 28;
  static constexpr int TextRight = 24;
  static constexpr int MinWidth = 120;

 private:
  class TMenuWindow;
  friend class TMenuItem;
  void ItemChanged();
  void Highlight(int Index);
  void MoveHighlight(int Delta);
  void Choose(int Index);
  void Dismiss();
  // Runs the menu loop over the window; the item chosen, if any (closing
  // the window runs handlers, which may free it).
  TWeak<TMenuItem> Track();
  // Opens the window at (X, Y) and runs the loop; the item chosen.
  TWeak<TMenuItem> Open(int X, int Y);
  int MenuWidth() const;

  std::vector<TMenuItem*> items_;
  std::unique_ptr<TFont> font_;
  TWeak<TComponent> popupComponent_;
  std::unique_ptr<TMenuWindow> window_;
  int highlight_ = -1;
  bool done_ = false;
  TWeak<TMenuItem> chosen_;
};

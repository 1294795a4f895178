// What a menu that uses a menu styler answers to: a change of its menu
// bar colours, and a redraw of its bar after a scheme. Declared here so the
// styler reaches the menu without knowing its class.
#pragma once

class IMenuStylerClient {
 public:
  virtual ~IMenuStylerClient() = default;
  // A root item's hover or selected colour changed.
  virtual void MenuStylerChanged() = 0;
  // A main menu has a menu bar to redraw; a pop-up menu has none.
  virtual bool IsMainMenu() const = 0;
  virtual void DrawMenuBar() = 0;
};

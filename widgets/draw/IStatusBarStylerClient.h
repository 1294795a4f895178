// What a status bar answers to: its styler's request to repaint, and the
// styler going away.
#pragma once

class TCustomAdvOfficeStatusBarStyler;

class IStatusBarStylerClient {
 public:
  virtual ~IStatusBarStylerClient() = default;
  virtual void StatusBarStylerChanged() = 0;
  virtual void StatusBarStylerReleased(TCustomAdvOfficeStatusBarStyler* Styler) = 0;
};

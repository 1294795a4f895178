// What a control that uses a toolbar styler answers to: the styler's
// change notices, and its going away. Declared here so the styler reaches
// pagers, toolbars and dock panels without knowing their classes.
#pragma once

class TCustomAdvToolBarStyler;

class IToolBarStylerClient {
 public:
  virtual ~IToolBarStylerClient() = default;
  // Kind is a TToolBarStylerChange; the styler's values are already new.
  virtual void ToolBarStylerChanged(int Kind) = 0;
  // Styler is being freed: a control that uses it drops it (assigns none).
  virtual void ToolBarStylerReleased(TCustomAdvToolBarStyler* Styler) = 0;
};

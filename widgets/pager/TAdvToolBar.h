// A captioned group of controls on a pager's page: a rounded gradient
// body, a caption band with an option button, a hot fade under the
// pointer, the styler's glow colours and style code pushed into its glow
// buttons, and a compact form when its page is too narrow.
#pragma once

#include <memory>
#include <string>

#include "core/TWeak.h"
#include "draw/IToolBarStylerClient.h"
#include "ui/TCustomControl.h"

class TAdvPage;
class TCustomAdvToolBarStyler;

class TAdvToolBar : public TCustomControl, public IToolBarStylerClient {
 public:
  explicit TAdvToolBar(TComponent* AOwner);
  ~TAdvToolBar() override;
  std::string ClassName() const override { return "TAdvToolBar"; }

  // The page it lies on, or nullptr.
  TAdvPage* Page() const;
  // Its index in its page's toolbar list (-1 off a page); setting moves it
  // there (clamped) and the page lays its row out again.
  int ToolBarIndex() const;
  void SetToolBarIndex(int Value);

  TCustomAdvToolBarStyler* ToolBarStyler() const { return toolBarStyler_.Get(); }
  void SetToolBarStyler(TCustomAdvToolBarStyler* Value);
  bool ParentStyler() const { return parentStyler_; }
  void SetParentStyler(bool Value);
  // The styler every paint reads (the pager's on a page with ParentStyler).
  TCustomAdvToolBarStyler* CurrentStyler() const;
  // Re-reads the styler in force after the parent's changed.
  void ApplyParentStyler();

  // Compact: the toolbar stands in its row as one 45-pixel button.
  bool Compact() const { return compact_; }
  void SetCompact(bool Value);
  // Its width when not compact.
  int FullWidth() const { return compact_ ? fullWidth_ : Width(); }
  // Only loaded toolbars become compact.
  bool IsLoaded() const { return loaded_; }

  void ToolBarStylerChanged(int Kind) override;
  void ToolBarStylerReleased(TCustomAdvToolBarStyler* Styler) override;

 protected:
  void Loaded() override;

 private:
  TWeak<TCustomAdvToolBarStyler> toolBarStyler_;
  std::unique_ptr<TCustomAdvToolBarStyler> fallbackStyler_;
  bool parentStyler_ = true;
  bool compact_ = false;
  int fullWidth_ = 0;
  bool loaded_ = false;
};

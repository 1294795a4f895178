// The Office status bar: a bottom strip of panels painted with a status bar
// styler's two-half gradients, showing markup, plain text, a clock, a date,
// lock keys, a progress gauge, images or an animation. A 100 ms timer keeps
// the timed panels up to date; panels may act as buttons; anchors of
// markup panels open through the shell or reach an event.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TAdvOfficeStatusPanel.h"
#include "core/TWeak.h"
#include "draw/IStatusBarStylerClient.h"
#include "draw/OfficeText.h"
#include "ui/TCustomControl.h"

class IHtmlPictureContainer;
class IShell;
class TCustomAdvOfficeStatusBarStyler;
class TCustomImageList;

using TPanelClick = std::function<void(TObject* Sender, int PanelIndex)>;
using TAnchorClick = std::function<void(TObject* Sender, const std::string& Anchor)>;
using TDrawPanelEvent = std::function<void(TObject* Sender, TAdvOfficeStatusPanel* Panel, const TRect& Rect)>;

class TAdvOfficeStatusBar : public TCustomControl, public IStatusBarStylerClient {
 public:
  explicit TAdvOfficeStatusBar(TComponent* AOwner);
  ~TAdvOfficeStatusBar() override;
  std::string ClassName() const override { return "TAdvOfficeStatusBar"; }
  void WndProc(TMessage& Message) override;

  static constexpr const char* Version = "1.2.0.2";
  static constexpr unsigned TickInterval = 100;

  // Panels.
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  TAdvOfficeStatusPanel& Panels(int Index) const { return *panels_.at(Index); }
  TAdvOfficeStatusPanel& AddPanel();
  void DeletePanel(int Index);

  TCustomAdvOfficeStatusBarStyler* Styler() const { return styler_.Get(); }
  void SetStyler(TCustomAdvOfficeStatusBarStyler* Value);
  TCustomAdvOfficeStatusBarStyler* CurrentStyler() const;

  TAntiAlias AntiAlias = aaClearType;
  bool AnchorHint = false;
  bool SizeGrip = true;
  TColor URLColor = clBlue;
  int StretchPanel() const { return stretchPanel_; }
  void SetStretchPanel(int Value);
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool Value);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& Value);
  TCustomImageList* Images() const { return images_.Get(); }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* DisabledImages() const { return disabledImages_.Get(); }
  void SetDisabledImages(TCustomImageList* Value);
  // Where anchors of the web and mail open; none: only the event.
  IShell* Shell = nullptr;
  // Named pictures for markup panels, or none.
  const IHtmlPictureContainer* PictureContainer = nullptr;

  // The painted rectangle of panel Index; its hit rectangle starts a row
  // lower.
  TRect PanelRect(int Index) const;
  // The panel under a client point (0 < y < H), or -1.
  int PanelAt(TPoint P) const;
  int HotPanel() const { return hotPanel_; }
  int DownPanel() const { return downPanel_; }
  int TickCount() const { return tick_; }
  // Whether the size grip shows: the parent is a sizeable form, not
  // maximised.
  bool GripShows() const;

  // Runs one timer tick: clock, date, lock keys, blinking, animation.
  void Tick();

  TPanelClick OnPanelClick;
  TPanelClick OnPanelRightClick;
  TPanelClick OnPanelDblClick;
  TAnchorClick OnAnchorClick;
  TAnchorClick OnAnchorEnter;
  TAnchorClick OnAnchorExit;
  TDrawPanelEvent OnDrawPanel;

  void StatusBarStylerChanged() override { Invalidate(); }
  void StatusBarStylerReleased(TCustomAdvOfficeStatusBarStyler* Styler) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void PanelChanged() { Invalidate(); }
  void TextChanged(TAdvOfficeStatusPanel& Panel);
  void AutoSizePanel(TAdvOfficeStatusPanel& Panel);
  void PaintPanel(int Index, const TRect& P);
  void PaintPanelContent(TAdvOfficeStatusPanel& Panel, const TRect& C, const TFont& Font);
  void PaintProgress(const TAdvOfficeStatusPanel& Panel, const TRect& C, const TFont& Font);
  // The anchor of a markup panel under a client point, or empty.
  std::string AnchorAt(TPoint P);
  void SetAnchor(const std::string& Anchor);
  void DropStyler();

  std::vector<std::unique_ptr<TAdvOfficeStatusPanel>> panels_;
  TWeak<TCustomAdvOfficeStatusBarStyler> styler_;
  const TComponent* stylerId_ = nullptr;
  std::unique_ptr<TCustomAdvOfficeStatusBarStyler> fallbackStyler_;
  TWeak<TCustomImageList> images_, disabledImages_;
  int stretchPanel_ = -1;
  bool simplePanel_ = false;
  std::string simpleText_;
  int hotPanel_ = -1;
  int downPanel_ = -1;
  int tick_ = 0;
  std::string anchor_;
  uintptr_t timer_ = 0;
};

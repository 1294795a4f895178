// The Office hint component: placed once on the main form, it makes every
// hint of the application show in the Office hint window, finds the hinted
// control's own hint information (its published "OfficeHint") before each
// hint, and holds the window's colours, font and help line.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/TComponent.h"
#include "core/TWeak.h"
#include "draw/IStyleReceiver.h"
#include "graphics/TColor.h"

class TAdvHintInfo;
class TControl;
class TFont;
class TGDIPPicture;
struct THintInfo;

class TAdvOfficeHint;
using TBeforeShowHint =
    std::function<void(TObject* Sender, TControl* AControl, TAdvHintInfo* AHintInfo, bool& UseOfficeHint)>;

class TAdvOfficeHint : public TComponent, public IStyleReceiver {
 public:
  // Raises EPlatformError when AOwner is not a form or already holds one.
  explicit TAdvOfficeHint(TComponent* AOwner);
  ~TAdvOfficeHint() override;
  std::string ClassName() const override { return "TAdvOfficeHint"; }

  // The scheme's three colours for codes 0 to 7 and 9; others change nothing.
  void ApplyStyleCode(int Code) override;

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* Value);
  TColor HintColor = 0xFFFFFF;
  TColor HintColorTo = 0xEFD9CA;
  int HintWidth = 200;
  std::string HintHelpText = "Press F1 for more help.";
  TGDIPPicture* HintHelpPicture() const { return helpPicture_.get(); }
  void SetHintHelpPicture(const TGDIPPicture* Value);
  TColor HintHelpLineColor = 0xFFC69A;
  // While on, hints use the system's font face whatever Font names.
  bool SystemFont() const { return systemFont_; }
  void SetSystemFont(bool Value);
  std::string Version() const { return "1.1.3.0"; }
  TBeforeShowHint OnBeforeShowHint;

  // The font hints are measured and painted with.
  std::unique_ptr<TFont> HintFont() const;
  // What the shown hint is made of, overwritten by every hint.
  TAdvHintInfo* CurrentHint() const { return currentHint_.get(); }
  // The control whose hint shows; nullptr once it hides.
  TControl* HintControl() const { return hintControl_.Get(); }
  // Counts the hints prepared; a window remembers the one it shows.
  int HintSerial() const { return hintSerial_; }
  // The window of hint Serial hid: unless a newer hint is being prepared
  // already, there is no hint control any more.
  void HintHidden(int Serial);
  bool UseOfficeHint() const { return useOfficeHint_; }
  bool OfficeHintFound() const { return officeHintFound_; }
  // Whether the shown hint takes the Office layout (title, picture, notes).
  bool OfficeLayout() const;

  // Runs before every hint of the application: picks the information
  // and the layout, and gives the control's own information a text.
  void ShowHintHandler(std::string& HintStr, bool& CanShow, THintInfo& HintInfo);

  // The first of these on the application's main form; nullptr for none.
  static TAdvOfficeHint* OfMainForm();

 private:
  using TShowHint = std::function<void(std::string&, bool&, THintInfo&)>;

  std::unique_ptr<TAdvHintInfo> currentHint_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TGDIPPicture> helpPicture_;
  bool systemFont_ = true;
  TWeak<TControl> hintControl_;
  bool useOfficeHint_ = false;
  bool officeHintFound_ = false;
  int hintSerial_ = 0;
  // The application's show-hint handler from before, run ahead of ours
  // and put back when this component goes.
  TShowHint chained_;
  bool installed_ = false;
};

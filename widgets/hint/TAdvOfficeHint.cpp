#include "TAdvOfficeHint.h"

#include <iterator>

#include "TAdvHintInfo.h"
#include "TAdvOfficeHintWindow.h"
#include "core/Exceptions.h"
#include "core/TStringList.h"
#include "draw/SystemFontName.h"
#include "graphics/TFont.h"
#include "picture/TGDIPPicture.h"
#include "ui/TApplication.h"
#include "ui/TControl.h"
#include "ui/TCustomForm.h"
#include "ui/THintInfo.h"

namespace {

struct THintScheme {
  TColor Color, ColorTo, HelpLineColor;
};

// Indexed by style code; code 8 has no scheme.
constexpr THintScheme kSchemes[] = {
    {0xFCE1CB, 0xE0A57D, 0x962D00},  // Office 2003 blue
    {0xECE2E1, 0xB39698, 0x947C7C},  // Office 2003 silver
    {0xCFF0EA, 0x8CC0B1, 0x588060},  // Office 2003 olive
    {0xFFFFFF, 0xC9D1D5, 0x8C8D8E},  // Office 2003 classic
    {0xFFFFFF, 0xEFD9CA, 0xFFC69A},  // Office 2007 Luna
    {0xF2F1F0, 0xC9C2BD, 0xC9C2BD},  // Office 2007 Obsidian
    {0xFFFFFF, clBtnFace, 0x808080},  // Windows XP
    {0xF5F9FA, 0xA8C0C0, 0x7E9898},  // Whidbey
};

}  // namespace

TAdvOfficeHint::TAdvOfficeHint(TComponent* AOwner)
    : TComponent(AOwner),
      currentHint_(std::make_unique<TAdvHintInfo>()),
      font_(std::make_unique<TFont>()),
      helpPicture_(std::make_unique<TGDIPPicture>()) {
  if (!dynamic_cast<TCustomForm*>(AOwner)) throw EPlatformError("Control parent must be a form!");
  int count = 0;
  for (int i = 0; i < AOwner->ComponentCount(); ++i)
    if (dynamic_cast<TAdvOfficeHint*>(AOwner->Components(i))) ++count;
  if (count > 1) throw EPlatformError("Only one instance of TAdvOfficeHint allowed on form");

  font_->SetName(SystemFontName());
  font_->SetSize(8);
  if (Application && !ComponentState().Contains(csDesigning)) {
    Application->SetHintWindowClass(HintWindowClassOf<TAdvOfficeHintWindow>);
    chained_ = Application->OnShowHint;
    Application->OnShowHint = [this](std::string& HintStr, bool& CanShow, THintInfo& HintInfo) {
      if (chained_) chained_(HintStr, CanShow, HintInfo);
      ShowHintHandler(HintStr, CanShow, HintInfo);
    };
    installed_ = true;
    // The next hint's window is made in the new class.
    Application->SetShowHint(false);
    Application->SetShowHint(true);
  }
}

TAdvOfficeHint::~TAdvOfficeHint() {
  if (installed_ && Application) Application->OnShowHint = chained_;
}

void TAdvOfficeHint::ApplyStyleCode(int Code) {
  const int code = Code & 0x7F;
  const int index = code == 9 ? 5 : code;
  if (index >= static_cast<int>(std::size(kSchemes))) return;
  HintColor = kSchemes[index].Color;
  HintColorTo = kSchemes[index].ColorTo;
  HintHelpLineColor = kSchemes[index].HelpLineColor;
}

void TAdvOfficeHint::SetFont(const TFont* Value) { font_->Assign(Value); }

void TAdvOfficeHint::SetHintHelpPicture(const TGDIPPicture* Value) { helpPicture_->Assign(Value); }

void TAdvOfficeHint::SetSystemFont(bool Value) {
  systemFont_ = Value;
  if (Value) font_->SetName(SystemFontName());
}

std::unique_ptr<TFont> TAdvOfficeHint::HintFont() const {
  auto f = std::make_unique<TFont>();
  f->Assign(font_.get());
  if (systemFont_) f->SetName(SystemFontName());
  return f;
}

bool TAdvOfficeHint::OfficeLayout() const {
  TControl* control = HintControl();
  if (!control) return false;
  return (control->PublishedObject("OfficeHint") && officeHintFound_) || useOfficeHint_;
}

void TAdvOfficeHint::ShowHintHandler(std::string& HintStr, bool& CanShow, THintInfo& HintInfo) {
  TControl* control = HintInfo.HintControl;
  ++hintSerial_;
  hintControl_ = control;
  officeHintFound_ = false;
  if (!control) return;
  TAdvHintInfo& current = *currentHint_;
  if (TPersistent* published = control->PublishedObject("OfficeHint")) {
    if (auto* info = dynamic_cast<TAdvHintInfo*>(published)) {
      useOfficeHint_ = true;
      officeHintFound_ = true;
      current.Assign(info);
      CanShow = !info->Title.empty() || !info->NotesText().empty() || !HintStr.empty() || !info->WideTitle.empty() ||
                !info->WideNotes.empty();
      if (current.IsEmpty()) {
        // Nothing of its own: the plain hint text in the plain layout.
        current.Notes()->SetText(HintStr);
        current.Title.clear();
        current.SetPicture(nullptr);
        officeHintFound_ = false;
        useOfficeHint_ = false;
      }
      // The window draws from the information; the text only has to be there.
      if (CanShow && officeHintFound_) HintStr.assign(1, '*');
    }
  } else {
    current.Title.clear();
    current.WideTitle.clear();
    current.Notes()->SetText(HintStr);
    current.ShowHelp = false;
    current.SetPicture(nullptr);
    useOfficeHint_ = false;
  }
  if (OnBeforeShowHint) OnBeforeShowHint(this, control, currentHint_.get(), useOfficeHint_);
}

void TAdvOfficeHint::HintHidden(int Serial) {
  if (Serial == hintSerial_) hintControl_.Reset();
}

TAdvOfficeHint* TAdvOfficeHint::OfMainForm() {
  TCustomForm* form = Application ? Application->MainForm() : nullptr;
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* hint = dynamic_cast<TAdvOfficeHint*>(form->Components(i))) return hint;
  return nullptr;
}

#include "TAdvOfficeHintWindow.h"

#include <algorithm>
#include <memory>

#include "OfficeHintLayout.h"
#include "TAdvHintInfo.h"
#include "TAdvOfficeHint.h"
#include "draw/OfficeGradients.h"
#include "graphics/TCanvas.h"
#include "graphics/TRegion.h"
#include "picture/TGDIPPicture.h"
#include "ui/TApplication.h"

namespace {

constexpr int kGradientSteps = 64;
constexpr TColor kFrameColor = 0x808080;
constexpr uint32_t kWrapped = DT_LEFT | DT_WORDBREAK;
constexpr uint32_t kOneLine = DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS;

enum THintLayout { hlBare, hlPlain, hlOffice };

// Everything a paint reads, resolved from the component once.
struct THintLook {
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor HelpLineColor = clNone;
  THintLayout Layout = hlBare;
  std::string Title;
  std::string Notes;
  TGDIPPicture* Picture = nullptr;  // nullptr without one
  bool ShowHelp = false;
  std::string HelpText;
  TGDIPPicture* HelpPicture = nullptr;
};

THintLayout LayoutOf(const TAdvOfficeHint& Hint) {
  if (!Hint.HintControl()) return hlBare;
  return Hint.OfficeLayout() ? hlOffice : hlPlain;
}

TGDIPPicture* Shown(TGDIPPicture* Picture) {
  if (!Picture || Picture->Empty()) return nullptr;
  Picture->UpdateSize();
  return Picture;
}

THintLook LookOf(const TAdvOfficeHint& Hint) {
  const TAdvHintInfo& info = *Hint.CurrentHint();
  THintLook look;
  look.Color = Hint.HintColor;
  look.ColorTo = Hint.HintColorTo;
  look.HelpLineColor = Hint.HintHelpLineColor;
  look.Layout = LayoutOf(Hint);
  look.Title = info.Title.empty() ? info.WideTitleText() : info.Title;
  look.Notes = info.NotesText().empty() ? info.WideNotesText() : info.NotesText();
  look.Picture = Shown(info.Picture());
  look.ShowHelp = info.ShowHelp;
  look.HelpText = Hint.HintHelpText;
  look.HelpPicture = Shown(Hint.HintHelpPicture());
  return look;
}

TOfficeHintContent ContentOf(const TAdvOfficeHint& Hint) {
  const TAdvHintInfo& info = *Hint.CurrentHint();
  TOfficeHintContent content;
  content.Title = !info.Title.empty();
  content.WideTitle = !info.WideTitle.empty();
  content.Notes = info.NotesText();
  content.WideNotes = info.WideNotesText();
  if (TGDIPPicture* p = Shown(info.Picture())) content.Picture = {p->Width(), p->Height()};
  content.ShowHelp = info.ShowHelp;
  if (TGDIPPicture* p = Shown(Hint.HintHelpPicture())) content.HelpPictureHeight = p->Height();
  return content;
}

void SetBold(TCanvas& Canvas, bool Bold) {
  TFontStyles style = Canvas.Font()->Style();
  if (Bold) style.Include(fsBold);
  else style.Exclude(fsBold);
  Canvas.Font()->SetStyle(style);
}

}  // namespace

TAdvOfficeHintWindow::TAdvOfficeHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void TAdvOfficeHintWindow::CreateParams(TCreateParams& Params) const {
  THintWindow::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
}

void TAdvOfficeHintWindow::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND: M.Result = 1; return;
    case CM_VISIBLECHANGED:
      if (!M.WParam)
        if (TAdvOfficeHint* hint = hint_.Get()) hint->HintHidden(serial_);
      break;
    default: break;
  }
  THintWindow::WndProc(M);
}

TRect TAdvOfficeHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint) const {
  if (TAdvOfficeHint* hint = TAdvOfficeHint::OfMainForm()) Canvas()->Font()->Assign(hint->HintFont().get());
  return THintWindow::CalcHintRect(MaxWidth, AHint);
}

void TAdvOfficeHintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
  SetCaption(AHint);
  TAdvOfficeHint* hint = TAdvOfficeHint::OfMainForm();
  hint_ = hint;
  if (!hint) return;
  serial_ = hint->HintSerial();

  TCanvas& c = *Canvas();
  std::unique_ptr<TFont> font = hint->HintFont();
  c.Font()->Assign(font.get());
  TRect r;
  switch (LayoutOf(*hint)) {
    case hlOffice: {
      auto measure = [&c](std::string_view Text, int Width) {
        TRect t{0, 0, Width, 0};
        c.DrawText(Text, t, kWrapped | DT_CALCRECT);
        return TSize{t.Width(), t.Height()};
      };
      r = OfficeHintRect(Rect, hint->HintWidth, ContentOf(*hint), c.TextHeight("gh"), measure);
      break;
    }
    case hlPlain: r = PlainHintRect(Rect, true); break;
    case hlBare: r = PlainHintRect(Rect, false); break;
  }
  r.Bottom = std::max(r.Bottom, r.Top + kMinHintHeight);
  if (Application) {
    const TPoint cursor = Application->Windows().CursorPos();
    r = KeepOnWorkArea(r, Application->Windows().MonitorFor(TRect::Bounds(cursor.X, cursor.Y, 1, 1)).WorkareaRect);
  }
  // The desktop keeps hint windows above all others and never activates them.
  THintWindow::ActivateHint(r, AHint);
  const TRegion shape = TRegion::RoundRect({0, 0, r.Width(), r.Height()}, 4, 4);
  SetWindowRgn(&shape);
}

void TAdvOfficeHintWindow::Paint() {
  TAdvOfficeHint* hint = hint_.Get();
  if (painting_ || !hint) return;
  painting_ = true;
  const THintLook look = LookOf(*hint);
  TCanvas& c = *Canvas();
  TRect r = ClientRect();
  DrawHintStepGradient(c, look.Color, look.ColorTo, kGradientSteps, r, false);
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetColor(kFrameColor);
  c.Pen()->SetWidth(1);
  c.RoundRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1, 5, 5);

  std::unique_ptr<TFont> font = hint->HintFont();
  c.Font()->Assign(font.get());
  r.Top += 4;
  r.Left += 2;
  switch (look.Layout) {
    case hlOffice: {
      SetBold(c, true);
      TRect t{r.Left + 4, r.Top, r.Right - 4, r.Bottom};
      const int a = look.Title.empty() ? 0 : c.DrawText(look.Title, t, kOneLine);
      r.Top += a + a / 3;

      t = r;
      int ph = 0;
      if (look.Picture) {
        c.Draw(r.Left + 4, r.Top, look.Picture);
        t.Left += look.Picture->Width();
        ph = look.Picture->Height();
      }
      SetBold(c, false);
      t.Left += 8;
      t.Right -= 8;
      const int b = std::max(look.Notes.empty() ? 0 : c.DrawText(look.Notes, t, kWrapped), ph);
      r.Top += b + c.TextHeight("gh") / 3;

      if (look.ShowHelp) {
        c.Pen()->SetColor(look.HelpLineColor);
        c.MoveTo(r.Left - 1, r.Top);
        c.LineTo(r.Right - 2, r.Top);
        r.Top += 4;
        SetBold(c, true);
        t = {r.Left + 4, r.Top, r.Right - 4, r.Bottom};
        if (look.HelpPicture) {
          c.Draw(t.Left, t.Top, look.HelpPicture);
          t.Left += look.HelpPicture->Width() + 4;
        }
        if (!look.HelpText.empty()) c.DrawText(look.HelpText, t, kOneLine);
      }
      break;
    }
    case hlPlain:
      r.Left += 2;
      c.DrawText(Text(), r, kWrapped);
      break;
    case hlBare:
      r.Left += 4;
      c.DrawText(Text(), r, kWrapped);
      break;
  }
  painting_ = false;
}

#include "TAdvToolBarForm.h"

#include "TAdvToolBarPager.h"
#include "draw/TCustomAdvToolBarStyler.h"
#include "graphics/TRegion.h"
#include "os/SystemInfo.h"
#include "ui/Messages.h"
#include "ui/TApplication.h"

namespace {

constexpr int kCorner = 18;

// The eight zone rules in order; a later match overrides an earlier one.
struct TZoneRule {
  bool (*Matches)(TPoint P, int W, int H);
  int Code;
};
constexpr TZoneRule kZoneRules[] = {
    {[](TPoint P, int, int) { return P.Y < 3; }, HTTOP},
    {[](TPoint P, int, int) { return P.X < 3; }, HTLEFT},
    {[](TPoint P, int W, int) { return P.X > W - 12; }, HTRIGHT},
    {[](TPoint P, int, int H) { return P.Y > H - 12; }, HTBOTTOM},
    {[](TPoint P, int W, int H) { return P.X > W - 20 && P.Y > H - 20; }, HTBOTTOMRIGHT},
    {[](TPoint P, int, int) { return P.X < 20 && P.Y < 20; }, HTTOPLEFT},
    {[](TPoint P, int W, int) { return P.X > W - 20 && P.Y < 20; }, HTTOPRIGHT},
    {[](TPoint P, int, int H) { return P.X < 20 && P.Y > H - 20; }, HTBOTTOMLEFT},
};

}  // namespace

void TAdvToolBarForm::CreateParams(TCreateParams& Params) const {
  TForm::CreateParams(Params);
  Params.Style = (Params.Style & ~WS_CAPTION) | WS_POPUP | WS_SYSMENU;
  Params.WindowClassStyle |= CS_DROPSHADOW;
}

void TAdvToolBarForm::CreateHandle() {
  TForm::CreateHandle();
  // The window keeps the parameters it was made with; the single border
  // applies only to a window made again.
  SetBorderStyle(bsSingle);
}

void TAdvToolBarForm::AdjustClientRect(TRect& Rect) const {
  TForm::AdjustClientRect(Rect);
  if (IsVistaOrLater()) return;
  Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 2};
}

TAdvToolBarPager* TAdvToolBarForm::FirstPager() const {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* pager = dynamic_cast<TAdvToolBarPager*>(Controls(i))) return pager;
  return nullptr;
}

TColor TAdvToolBarForm::OutlineColor() const {
  TColor color = clGray;
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* pager = dynamic_cast<TAdvToolBarPager*>(Controls(i)))
      color = pager->CurrentStyler()->CaptionAppearance().Values().CaptionTextColor;
    if (color == clWhite) color = clBlack;
  }
  return color;
}

void TAdvToolBarForm::Paint() {
  TForm::Paint();
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetColor(OutlineColor());
  c.Pen()->SetWidth(1);
  c.RoundRect(0, 0, Width() - 7, Height() - 7, kCorner, kCorner);
  c.Brush()->SetStyle(bsSolid);
}

int TAdvToolBarForm::HitTestZone(TPoint Client, int W, int H, int Base) {
  int result = Base;
  for (const TZoneRule& rule : kZoneRules)
    if (rule.Matches(Client, W, H)) result = rule.Code;
  return result;
}

void TAdvToolBarForm::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_SIZE:
      if (!IsVistaOrLater()) {
        if (TAdvToolBarPager* pager = FirstPager()) pager->CanMove = M.WParam == SIZE_RESTORED;
        const TRegion shape = TRegion::RoundRect({3, 3, Width() - 3, Height() - 3}, kCorner, kCorner);
        SetWindowRgn(&shape);
      }
      break;
    case WM_GETMINMAXINFO: {
      TForm::WndProc(M);
      if (!Application || Application->Windows().Monitors().empty()) return;
      const TMonitor m = Application->Windows().MonitorFor(BoundsRect());
      const int d = IsVistaOrLater() ? 0 : 3;
      auto* info = reinterpret_cast<MINMAXINFO*>(M.LParam);
      info->ptMaxPosition = {m.WorkareaRect.Left - m.BoundsRect.Left - d, m.WorkareaRect.Top - m.BoundsRect.Top - d};
      info->ptMaxSize = {m.WorkareaRect.Width() + 2 * d, m.WorkareaRect.Height() + 2 * d};
      return;
    }
    case WM_NCHITTEST:
      TForm::WndProc(M);
      if (WindowState() != wsNormal) return;
      M.Result = HitTestZone(ScreenToClient(LParamToPoint(M.LParam)), Width(), Height(), static_cast<int>(M.Result));
      return;
    default: break;
  }
  TForm::WndProc(M);
}

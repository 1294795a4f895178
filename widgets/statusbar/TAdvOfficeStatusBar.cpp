#include "TAdvOfficeStatusBar.h"

#include <algorithm>
#include <cctype>

#include "HtmlAnchor.h"
#include "PanelText.h"
#include "RenderHtml.h"
#include "StatusPanelGeometry.h"
#include "core/DateTime.h"
#include "draw/OfficeColors.h"
#include "draw/OfficeGradients.h"
#include "draw/TCustomAdvOfficeStatusBarStyler.h"
#include "os/IShell.h"
#include "ui/Messages.h"
#include "ui/TApplication.h"
#include "ui/TCustomForm.h"
#include "ui/TCustomImageList.h"
#include "ui/THintInfo.h"

namespace {

constexpr TColor kDisabledText = 0x808080;
// The room the size grip takes at the bar's right.
constexpr int kGripRoom = 15;

bool HasBlink(const std::string& Text) {
  std::string upper(Text);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  return upper.find("<BLINK") != std::string::npos;
}

// Fills R with the status bar's two halves of a look.
void FillPanel(TCanvas& C, const TRect& R, TColor Color, TColor ColorTo, TColor Mirror, TColor MirrorTo) {
  if (Color == clNone || R.Width() <= 0 || R.Height() <= 0) return;
  if (Mirror == clNone) {
    DrawStatusPanelStepGradient(C, Color, ColorTo, 128, R, false);
    return;
  }
  const int middle = R.Top + R.Height() / 2;
  DrawStatusPanelStepGradient(C, Color, ColorTo, 128, {R.Left, R.Top, R.Right, middle}, false);
  DrawStatusPanelStepGradient(C, Mirror, MirrorTo, 128, {R.Left, middle, R.Right, R.Bottom}, false);
}

}  // namespace

TAdvOfficeStatusBar::TAdvOfficeStatusBar(TComponent* AOwner)
    : TCustomControl(AOwner), fallbackStyler_(std::make_unique<TCustomAdvOfficeStatusBarStyler>(nullptr)) {
  fallbackStyler_->SetName("InternalStyler");
  SetAlign(alBottom);
  SetBounds(Left(), Top(), Width(), 19);
  DoubleBuffered = true;
  Font()->SetName("Segoe UI");
  Font()->SetSize(9);
  if (Application)
    timer_ = Application->StartTimer(TickInterval, [this] { Tick(); }, AliveToken());
}

TAdvOfficeStatusBar::~TAdvOfficeStatusBar() {
  Destroying();
  if (timer_ && Application) Application->StopTimer(timer_);
  if (auto* s = styler_.Get()) s->RemoveControl(this);
}

// --- panels ---------------------------------------------------------------------------

TAdvOfficeStatusPanel& TAdvOfficeStatusBar::AddPanel() {
  panels_.push_back(std::make_unique<TAdvOfficeStatusPanel>());
  TAdvOfficeStatusPanel& p = *panels_.back();
  p.OnChange = [this] { PanelChanged(); };
  p.OnTextChanged = [this, &p] { TextChanged(p); };
  Invalidate();
  return p;
}

void TAdvOfficeStatusBar::DeletePanel(int Index) {
  if (Index < 0 || Index >= PanelCount()) return;
  panels_.erase(panels_.begin() + Index);
  hotPanel_ = downPanel_ = -1;
  Invalidate();
}

void TAdvOfficeStatusBar::SetStretchPanel(int Value) {
  if (stretchPanel_ == Value) return;
  stretchPanel_ = Value;
  Invalidate();
}

void TAdvOfficeStatusBar::SetSimplePanel(bool Value) {
  if (simplePanel_ == Value) return;
  simplePanel_ = Value;
  Invalidate();
}

void TAdvOfficeStatusBar::SetSimpleText(const std::string& Value) {
  if (simpleText_ == Value) return;
  simpleText_ = Value;
  Invalidate();
}

void TAdvOfficeStatusBar::SetImages(TCustomImageList* Value) {
  images_ = Value;
  Invalidate();
}

void TAdvOfficeStatusBar::SetDisabledImages(TCustomImageList* Value) {
  disabledImages_ = Value;
  Invalidate();
}

void TAdvOfficeStatusBar::TextChanged(TAdvOfficeStatusPanel& Panel) {
  const int width = Panel.Width();
  AutoSizePanel(Panel);
  if (Panel.Width() != width) return;  // the width's change repainted the bar
  for (int i = 0; i < PanelCount(); ++i)
    if (&Panels(i) == &Panel) InvalidateRect(PanelRect(i), false);
}

void TAdvOfficeStatusBar::AutoSizePanel(TAdvOfficeStatusPanel& Panel) {
  if (!Panel.AutoSize() || ComponentState().Contains(csLoading)) return;
  TCanvas& c = *Canvas();
  switch (Panel.Style()) {
    case psHTML: {
      c.Font()->Assign(Font());
      THtmlRenderOptions o;
      o.MeasureOnly = true;
      o.Images = Images();
      o.Pictures = PictureContainer;
      const THtmlRenderResult r = RenderHtml(c, Panel.Text(), {0, 0, 1000, 100}, o);
      Panel.SetWidth(std::max(Panel.MinWidth(), r.Width + 10));
      return;
    }
    case psText:
    case psTime:
    case psDate:
    case psNumLock:
    case psCapsLock:
    case psScrollLock:
    case psImage: {
      std::string text = Panel.Text();
      if (Panel.Style() == psNumLock) text = "NUM";
      if (Panel.Style() == psCapsLock) text = "CAP";
      if (Panel.Style() == psScrollLock) text = "SCRL";
      int image = 0;
      if (Panel.Style() == psImage && Images()) image = Images()->Width();
      Panel.SetWidth(std::max(Panel.MinWidth(), MeasurePanelText(c, AntiAlias, *Font(), text) + image + 12));
      return;
    }
    default: return;
  }
}

// --- styler -------------------------------------------------------------------------------

TCustomAdvOfficeStatusBarStyler* TAdvOfficeStatusBar::CurrentStyler() const {
  TCustomAdvOfficeStatusBarStyler* s = styler_.Get();
  return s ? s : fallbackStyler_.get();
}

void TAdvOfficeStatusBar::SetStyler(TCustomAdvOfficeStatusBarStyler* Value) {
  if (Value && styler_ == Value) return;
  if (auto* old = styler_.Get()) {
    old->RemoveControl(this);
    old->RemoveFreeNotification(this);
  }
  styler_ = Value;
  stylerId_ = Value;
  if (Value) {
    Value->AddControl(this);
    Value->FreeNotification(this);
  }
  Invalidate();
}

void TAdvOfficeStatusBar::StatusBarStylerReleased(TCustomAdvOfficeStatusBarStyler* Styler) {
  if (Styler == stylerId_) DropStyler();
}

void TAdvOfficeStatusBar::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == stylerId_) DropStyler();
}

void TAdvOfficeStatusBar::DropStyler() {
  // The styler is going away and clears its registry itself.
  styler_.Reset();
  stylerId_ = nullptr;
  Invalidate();
}

// --- geometry and timer ---------------------------------------------------------------------

TRect TAdvOfficeStatusBar::PanelRect(int Index) const {
  if (Index < 0 || Index >= PanelCount()) return {};
  std::vector<int> widths;
  for (const auto& p : panels_) widths.push_back(p->Width());
  return PanelRects(widths, stretchPanel_, Width(), Height())[Index];
}

int TAdvOfficeStatusBar::PanelAt(TPoint P) const {
  if (P.Y <= 0 || P.Y >= Height()) return -1;
  for (int i = 0; i < PanelCount(); ++i)
    if (const TRect r = PanelRect(i); P.X >= r.Left && P.X < r.Right) return i;
  return -1;
}

bool TAdvOfficeStatusBar::GripShows() const {
  const auto* form = dynamic_cast<const TCustomForm*>(Parent());
  return SizeGrip && form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin) &&
         form->WindowState() != wsMaximized;
}

void TAdvOfficeStatusBar::Tick() {
  if (ComponentState().Contains(csDestroying)) return;
  const auto alive = AliveToken();
  ++tick_;
  if (tick_ > 10) tick_ = 0;
  const TSystemTime now = Application ? Application->WallClock().Now() : TSystemTime{};
  for (int i = 0; i < PanelCount() && !alive.expired(); ++i) {
    TAdvOfficeStatusPanel& p = Panels(i);
    switch (p.Style()) {
      case psHTML:
        // Blinking text shows while the counter is above 5: repaint on the
        // turns.
        if ((tick_ == 5 || tick_ == 10) && HasBlink(p.Text())) InvalidateRect(PanelRect(i), false);
        break;
      case psTime: p.SetText(FormatDateTime(p.TimeFormat().empty() ? "tt" : p.TimeFormat(), now)); break;
      case psDate: p.SetText(FormatDateTime(p.DateFormat().empty() ? "ddddd" : p.DateFormat(), now)); break;
      case psNumLock:
      case psCapsLock:
      case psScrollLock: {
        const uint16_t key = p.Style() == psNumLock ? VK_NUMLOCK : p.Style() == psCapsLock ? VK_CAPITAL : VK_SCROLL;
        const bool on = Application && (Application->Windows().GetKeyState(key) & 1);
        p.SetText(on ? (p.Style() == psNumLock ? "NUM" : p.Style() == psCapsLock ? "CAP" : "SCRL") : "");
        break;
      }
      case psAnimation:
        if (TCustomImageList* frames = p.AnimationImages(); frames && frames->Count() > 0 && p.Animated() &&
                                                            tick_ % (p.AnimationDelay() + 1) == 0) {
          p.AnimationFrame = (p.AnimationFrame + 1) % frames->Count();
          InvalidateRect(PanelRect(i), false);
        }
        break;
      default: break;
    }
  }
}

void TAdvOfficeStatusBar::Loaded() {
  TCustomControl::Loaded();
  Tick();
  for (auto& p : panels_) AutoSizePanel(*p);
}

// --- painting ---------------------------------------------------------------------------------

void TAdvOfficeStatusBar::Paint() {
  TCanvas& c = *Canvas();
  const TCustomAdvOfficeStatusBarStyler& s = *CurrentStyler();
  const int W = Width(), H = Height();
  if (simplePanel_) {
    const statusbar::TVistaBackgroundValues& v = s.PanelAppearanceLight().Values();
    FillPanel(c, {0, 0, W, H}, v.Color, v.ColorTo, v.ColorMirror, v.ColorMirrorTo);
    c.Font()->Assign(Font());
    c.Font()->SetColor(v.TextColor);
    THtmlRenderOptions o;
    o.Images = Images();
    o.Pictures = PictureContainer;
    o.AnchorColor = URLColor;
    o.ShadowColor = 0x808080;
    o.BlinkOn = tick_ > 5;
    RenderHtml(c, simpleText_, {3, 3, W - 3 - (GripShows() ? kGripRoom : 0), H - 1}, o);
  } else {
    // Only the panels the repaint reaches (a clock tick: its own).
    const TRect clip = c.ClipRect();
    for (int i = 0; i < PanelCount(); ++i)
      if (const TRect r = PanelRect(i); clip.Intersects(r)) PaintPanel(i, r);
  }

  if (GripShows()) {
    const TRect g{W - 18, 0, W - 3, H - 1};
    const int b = H - 1;
    const TPoint dots[] = {{5, b - 4}, {9, b - 4}, {13, b - 4}, {9, b - 8}, {13, b - 8}, {13, b - 12}};
    const TColor shade = BlendColor(s.PanelAppearanceDark().Values().Color, clWhite, 50);
    for (const auto& [colour, shift] : {std::pair{shade, 0}, std::pair{BlendColor(s.BorderColor(), clWhite, 100), -1}}) {
      c.Brush()->SetColor(colour);
      for (TPoint d : dots) c.FillRect(TRect::Bounds(g.Left + d.X + shift, d.Y + shift, 2, 2));
    }
  }

  // The frame: left, bottom and right in the border colour, the top
  // lighter.
  const TColor border = s.BorderColor();
  c.Pen()->SetColor(border);
  c.Pen()->SetWidth(1);
  if (border != clNone) {
    c.MoveTo(0, 0);
    c.LineTo(0, H - 1);
    c.LineTo(W - 1, H - 1);
    c.LineTo(W - 1, 0);
    c.Pen()->SetColor(BlendColor(border, clWhite, 80));
    c.MoveTo(0, 0);
    c.LineTo(W, 0);
    c.Pen()->SetColor(border);
    c.MoveTo(0, 0);
    c.LineTo(W, 0);
  }
}

void TAdvOfficeStatusBar::PaintPanel(int Index, const TRect& Span) {
  TRect P = Span;
  if (P.Width() <= 0 || P.Height() <= 0) return;
  const TCustomAdvOfficeStatusBarStyler& s = *CurrentStyler();
  if (s.BorderColor() != clNone) P = {P.Left, P.Top + 1, P.Right, P.Bottom - 1};
  TAdvOfficeStatusPanel& panel = Panels(Index);
  const statusbar::TVistaBackgroundValues& v =
      panel.AppearanceStyle() == psDark ? s.PanelAppearanceDark().Values() : s.PanelAppearanceLight().Values();
  const bool down = panel.Button() && Index == downPanel_;
  const bool hot = panel.Button() && Index == hotPanel_ && !down;
  const TColor color = down ? v.ColorDown : hot ? v.ColorHot : v.Color;
  const TColor colorTo = down ? v.ColorDownTo : hot ? v.ColorHotTo : v.ColorTo;
  const TColor mirror = down ? v.ColorMirrorDown : hot ? v.ColorMirrorHot : v.ColorMirror;
  const TColor mirrorTo = down ? v.ColorMirrorDownTo : hot ? v.ColorMirrorHotTo : v.ColorMirrorTo;
  const TColor frame = down ? v.BorderColorDown : hot ? v.BorderColorHot : v.BorderColor;
  const TColor text = down ? v.TextColorDown : hot ? v.TextColorHot : v.TextColor;

  TCanvas& c = *Canvas();
  const TRect fill{Index == 0 ? P.Left : P.Left + 2, P.Top, P.Right, P.Bottom};
  FillPanel(c, fill, color, colorTo, mirror, mirrorTo);
  if (frame != clNone) {
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(frame);
    c.Rectangle(P.Left, P.Top, P.Right, P.Bottom);
    c.Brush()->SetStyle(bsSolid);
  }
  if (Index > 0) {
    // Two separator columns, lightest at the ends, meeting the fill's
    // colour in the middle.
    const int middle = P.Top + P.Height() / 2;
    const TColor c1 = BlendColor(colorTo, clWhite, 70);
    const TColor c2 = BlendColor(colorTo, clWhite, 50), c3 = BlendColor(colorTo, clWhite, 10);
    DrawStatusPanelStepGradient(c, c1, colorTo, 40, {P.Left, P.Top, P.Left + 1, middle}, false);
    DrawStatusPanelStepGradient(c, colorTo, c1, 40, {P.Left, middle, P.Left + 1, P.Bottom}, false);
    DrawStatusPanelStepGradient(c, c2, c3, 40, {P.Left + 1, P.Top, P.Left + 2, middle}, false);
    DrawStatusPanelStepGradient(c, c3, c2, 40, {P.Left + 1, middle, P.Left + 2, P.Bottom}, false);
  }
  TRect C{P.Left + 2, P.Top + 2, P.Right - 2, P.Bottom - 2};
  if (Index == PanelCount() - 1 && GripShows()) C.Right -= kGripRoom;
  if (C.Width() <= 0 || C.Height() <= 0) return;
  TFont font;
  font.Assign(Font());
  font.SetStyle(v.TextStyle);
  font.SetColor(panel.Enabled() ? text : kDisabledText);
  if (panel.Style() == psOwnerDraw && OnDrawPanel) {
    OnDrawPanel(this, &panel, Span);
    return;
  }
  PaintPanelContent(panel, C, font);
}

void TAdvOfficeStatusBar::PaintPanelContent(TAdvOfficeStatusPanel& Panel, const TRect& C, const TFont& Font) {
  TCanvas& c = *Canvas();
  const bool enabled = Panel.Enabled();
  auto drawImage = [&](TCustomImageList* List, int Index, int X) {
    if (!List || Index < 0 || Index >= List->Count()) return 0;
    TCustomImageList* from = !enabled && DisabledImages() ? DisabledImages() : List;
    from->Draw(&c, X, C.Top + (C.Height() - from->Height()) / 2, Index, enabled || from == DisabledImages());
    return from->Width();
  };
  auto text = [&](const TRect& R, TPanelEllipsis Ellipsis = peEnd) {
    DrawPanelText(c, Panel.Alignment(), Ellipsis, AntiAlias, enabled, Font, Panel.Text(), R);
  };
  switch (Panel.Style()) {
    case psHTML: {
      c.Font()->Assign(&Font);
      THtmlRenderOptions o;
      o.Images = Images();
      o.Pictures = PictureContainer;
      o.AnchorColor = URLColor;
      o.ShadowColor = 0x808080;
      o.BlinkOn = tick_ > 5;
      RenderHtml(c, Panel.Text(), {C.Left + Panel.HTMLOffsetX(), C.Top + Panel.HTMLOffsetY(), C.Right, C.Bottom}, o);
      return;
    }
    case psEllipsText:
    case psFileEllipsText: {
      TRect r = C;
      if (Panel.Alignment() == taLeftJustify) r.Left += 2;
      text(r, Panel.Style() == psFileEllipsText ? pePath : peEnd);
      return;
    }
    case psImage: {
      const int w = drawImage(Images(), Panel.ImageIndex(), C.Left + 2);
      text({C.Left + 2 + w + (w ? 2 : 0), C.Top, C.Right, C.Bottom});
      return;
    }
    case psImageList: {
      int x = C.Left;
      for (int index : Panel.ImageIndexes()) x += drawImage(Images(), index, x) + 2;
      return;
    }
    case psAnimation: {
      const int w = drawImage(Panel.AnimationImages(), Panel.Animated() ? Panel.AnimationFrame : 0, C.Left + 2);
      text({C.Left + 2 + w + (w ? 2 : 0), C.Top, C.Right, C.Bottom});
      return;
    }
    case psProgress: PaintProgress(Panel, C, Font); return;
    default: text({C.Left + 2, C.Top, C.Right - 2, C.Bottom}); return;
  }
}

void TAdvOfficeStatusBar::PaintProgress(const TAdvOfficeStatusPanel& Panel, const TRect& Area, const TFont& Font) {
  TCanvas& c = *Canvas();
  const TProgressValues& v = Panel.Progress().Values();
  TRect G = Area;
  if (v.BackGround != clNone) {
    c.Brush()->SetColor(v.BackGround);
    c.FillRect(G);
  }
  if (v.ShowBorder) {
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(v.BorderColor);
    c.Rectangle(G.Left, G.Top, G.Right, G.Bottom);
    c.Brush()->SetStyle(bsSolid);
    G = {G.Left + 1, G.Top + 1, G.Right - 1, G.Bottom - 1};
  }
  const int p = GaugePercent(v.Min, v.Max, v.Position);
  struct Level {
    TColor Color, ColorTo;
  };
  const Level levels[] = {{v.Level0Color, v.Level0ColorTo},
                          {v.Level1Color, v.Level1ColorTo},
                          {v.Level2Color, v.Level2ColorTo},
                          {v.Level3Color, v.Level3ColorTo}};
  auto fill = [&](int From, int To, const Level& L) {
    if (To <= From) return;
    const TRect r{From, G.Top, To, G.Bottom};
    if (v.ShowGradient) {
      const int middle = r.Top + r.Height() / 2;
      DrawStatusPanelStepGradient(c, L.ColorTo, L.Color, 40, {r.Left, r.Top, r.Right, middle}, false);
      DrawStatusPanelStepGradient(c, L.Color, L.ColorTo, 40, {r.Left, middle, r.Right, r.Bottom}, false);
    } else {
      c.Brush()->SetColor(L.Color);
      c.FillRect(r);
    }
  };
  const int inner = G.Width();
  if (v.Stacked) {
    const int a = std::min(p, v.Level1Perc), b = std::min(p, v.Level2Perc);
    fill(G.Left, G.Left + GaugeFill(inner, a), levels[0]);
    fill(G.Left + GaugeFill(inner, a), G.Left + GaugeFill(inner, b), levels[1]);
    fill(G.Left + GaugeFill(inner, b), G.Left + GaugeFill(inner, p), levels[2]);
  } else {
    const int level = p < v.Level1Perc ? 0 : p < v.Level2Perc ? 1 : p > 99 ? 3 : 2;
    fill(G.Left, G.Left + GaugeFill(inner, p), levels[level]);
  }
  if (!v.CompletionSmooth && v.BackGround != clNone) {
    // Blocks: 2-pixel gaps every 9 pixels from 8 pixels in.
    c.Brush()->SetColor(v.BackGround);
    for (int x = G.Left + 8; x < G.Left + GaugeFill(inner, p); x += 9) c.FillRect({x, G.Top, x + 2, G.Bottom});
  }
  std::string indication;
  if (v.Indication == piPercentage) indication = std::to_string(p) + "%";
  if (v.Indication == piAbsolute) indication = std::to_string(v.Position);
  if (!indication.empty() || !Panel.Text().empty())
    DrawPanelText(c, taCenter, peEnd, AntiAlias, Panel.Enabled(), Font, v.Prefix + indication + v.Suffix + Panel.Text(),
                  G);
}

// --- mouse -------------------------------------------------------------------------------------

std::string TAdvOfficeStatusBar::AnchorAt(TPoint P) {
  const int i = PanelAt(P);
  if (i < 0 || Panels(i).Style() != psHTML) return {};
  const TAdvOfficeStatusPanel& panel = Panels(i);
  const TRect r = PanelRect(i);
  TCanvas& c = *Canvas();
  c.Font()->Assign(Font());
  THtmlRenderOptions o;
  o.MeasureOnly = true;
  o.Hit = P;
  o.Images = Images();
  o.Pictures = PictureContainer;
  const THtmlRenderResult res = RenderHtml(
      c, panel.Text(), {r.Left + panel.HTMLOffsetX(), r.Top + panel.HTMLOffsetY(), r.Right, r.Bottom}, o);
  return res.OverAnchor ? res.Anchor : std::string();
}

void TAdvOfficeStatusBar::SetAnchor(const std::string& Anchor) {
  if (Anchor == anchor_) return;
  const std::string old = anchor_;
  anchor_ = Anchor;
  SetCursor(anchor_.empty() ? crDefault : crHandPoint);
  if (!old.empty() && OnAnchorExit) OnAnchorExit(this, old);
  if (!anchor_.empty()) {
    if (AnchorHint && Application) Application->Hints().CancelHint();
    if (OnAnchorEnter) OnAnchorEnter(this, anchor_);
  }
}

void TAdvOfficeStatusBar::MouseMove(TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseMove(Shift, X, Y);
  if (!IsAlive(alive)) return;
  const int i = PanelAt({X, Y});
  const int hot = i >= 0 && Panels(i).Button() ? i : -1;
  if (hot != hotPanel_) {
    if (hotPanel_ >= 0) InvalidateRect(PanelRect(hotPanel_), false);
    if (hot >= 0) InvalidateRect(PanelRect(hot), false);
    if (Application && hot != hotPanel_) Application->Hints().CancelHint();
    hotPanel_ = hot;
  }
  SetAnchor(AnchorAt({X, Y}));
}

void TAdvOfficeStatusBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsAlive(alive)) return;
  const int i = PanelAt({X, Y});
  downPanel_ = i >= 0 && Panels(i).Button() ? i : -1;
  if (downPanel_ >= 0) InvalidateRect(PanelRect(downPanel_), false);
  if (Button == mbLeft && OnPanelClick) OnPanelClick(this, i);
  if (Button == mbRight && OnPanelRightClick) OnPanelRightClick(this, i);
  if (!IsAlive(alive)) return;
  const std::string anchor = AnchorAt({X, Y});
  if (anchor.empty()) return;
  // Web and mail addresses open; everything else is the program's.
  if (IsOpenableAnchor(anchor)) {
    if (Shell) Shell->ShellExecute("open", anchor, "", "", SW_SHOWNORMAL);
  } else if (OnAnchorClick) {
    OnAnchorClick(this, anchor);
  }
}

void TAdvOfficeStatusBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const auto alive = AliveToken();
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (!IsAlive(alive) || downPanel_ < 0) return;
  InvalidateRect(PanelRect(downPanel_), false);
  downPanel_ = -1;
}

void TAdvOfficeStatusBar::DblClick() {
  const auto alive = AliveToken();
  TCustomControl::DblClick();
  if (!IsAlive(alive) || !OnPanelDblClick || !Application) return;
  OnPanelDblClick(this, PanelAt(ScreenToClient(Application->Windows().CursorPos())));
}

void TAdvOfficeStatusBar::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND: M.Result = 1; return;
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(M);
      if (hotPanel_ >= 0 || downPanel_ >= 0) Invalidate();
      hotPanel_ = downPanel_ = -1;
      SetAnchor("");
      return;
    case WM_NCHITTEST: {
      TCustomControl::WndProc(M);
      const TPoint p = ScreenToClient(LParamToPoint(M.LParam));
      // The form underneath answers at the bar's right and bottom edges
      // (its sizing corner while the grip shows).
      if (GripShows() && p.X >= Width() - 17 && p.Y >= Height() - 17) M.Result = HTBOTTOMRIGHT;
      else if (p.X >= Width() - 4 || p.Y >= Height() - 4) M.Result = HTTRANSPARENT;
      return;
    }
    case CM_HINTSHOW: {
      auto* info = reinterpret_cast<THintInfo*>(M.LParam);
      const int i = PanelAt(info->CursorPos);
      if (i < 0) {
        M.Result = 1;
        return;
      }
      const TAdvOfficeStatusPanel& panel = Panels(i);
      if (AnchorHint && !anchor_.empty()) {
        info->HintStr = anchor_;
        info->HintPos = ClientToScreen(info->CursorPos + TPoint{10, -10});
      } else {
        info->HintStr = panel.HintTitle.empty() ? panel.HintNotes : panel.HintTitle + "\n" + panel.HintNotes;
      }
      info->CursorRect = PanelRect(i);
      if (info->HintStr.empty()) M.Result = 1;
      return;
    }
    default: break;
  }
  TCustomControl::WndProc(M);
}

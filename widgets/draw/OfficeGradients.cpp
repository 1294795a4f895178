#include "OfficeGradients.h"

#include <algorithm>
#include <optional>

#include "OfficeColors.h"
#include "OfficeRounding.h"
#include "graphics/TCanvas.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpLineGradient.h"
#include "graphics/gdiplus/GpPathGradient.h"
#include "graphics/gdiplus/GpSolidFill.h"

namespace {

template <typename Band>
void ForEachBand(TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal, TStepGradientVariant Variant,
                 Band&& band) {
  const bool cut = Variant == sgvHtml || Variant == sgvHint;
  if (Variant == sgvHint && R.IsEmpty()) return;
  if (Variant == sgvToolBar) (Horizontal ? R.Right : R.Bottom) -= 1;
  const int n = Steps == 0 ? 1 : Steps;
  const TColor s = ColorToRGB(FromColor), e = ColorToRGB(ToColor);
  // The hint's last band has the end colour; with a single band there is
  // no second colour to reach.
  const long long divisor = Variant == sgvHint ? n - 1LL : n;
  auto stepOf = [&](int from, int to) -> long double {
    return divisor == 0 ? 0.0L : static_cast<long double>(to - from) / divisor;
  };
  const long double dr = stepOf(GetRValue(s), GetRValue(e));
  const long double dg = stepOf(GetGValue(s), GetGValue(e));
  const long double db = stepOf(GetBValue(s), GetBValue(e));
  const int start = Horizontal ? R.Left : R.Top;
  const int farEdge = Horizontal ? R.Right : R.Bottom;
  const long double w = static_cast<long double>(farEdge - start) / n;
  const int length = (cut ? TruncateTowardZero(w) : RoundHalfEven(w)) + 1;
  const bool column = Variant == sgvStatusPanel && !Horizontal && R.Left + 1 >= R.Right;
  for (int i = 0; i < n; ++i) {
    TColor c = RGB(GetRValue(s) + RoundHalfEven(i * dr), GetGValue(s) + RoundHalfEven(i * dg),
                   GetBValue(s) + RoundHalfEven(i * db));
    int a = start + RoundHalfEven(i * w);
    int b = cut ? std::min(a + length, farEdge) : a + length;
    TRect band_rect = Horizontal ? TRect{a, R.Top, b, R.Bottom} : TRect{R.Left, a, R.Right, b};
    if (column) band_rect = {R.Left, a, R.Left + 1, b};
    band(TGradientBand{c, band_rect}, column);
  }
}

void DrawBands(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R, bool Horizontal,
               TStepGradientVariant Variant) {
  // Bands start in order and later ones paint over earlier ones, so each
  // is drawn only up to where the next begins: the same pixels, without
  // the overdraw of many thin bands.
  auto draw = [&](const TGradientBand& b, bool column) {
    if (b.Rect.Left >= b.Rect.Right || b.Rect.Top >= b.Rect.Bottom) return;
    Canvas.Pen()->SetColor(b.Color);
    Canvas.Brush()->SetColor(b.Color);
    if (column) {
      Canvas.MoveTo(b.Rect.Left, b.Rect.Top);
      Canvas.LineTo(b.Rect.Left, b.Rect.Bottom);
    } else {
      Canvas.Rectangle(b.Rect);
    }
  };
  std::optional<TGradientBand> pending;
  bool pendingColumn = false;
  ForEachBand(FromColor, ToColor, Steps, R, Horizontal, Variant, [&](const TGradientBand& b, bool column) {
    if (pending) {
      TGradientBand visible = *pending;
      int& end = Horizontal ? visible.Rect.Right : visible.Rect.Bottom;
      const int next = Horizontal ? b.Rect.Left : b.Rect.Top;
      if (next >= (Horizontal ? visible.Rect.Left : visible.Rect.Top)) end = std::min(end, next);
      draw(visible, pendingColumn);
    }
    pending = b;
    pendingColumn = column;
  });
  if (pending) draw(*pending, pendingColumn);
}

}  // namespace

std::vector<TGradientBand> StepGradientBands(TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                             bool Horizontal, TStepGradientVariant Variant) {
  std::vector<TGradientBand> out;
  ForEachBand(FromColor, ToColor, Steps, R, Horizontal, Variant,
              [&](const TGradientBand& b, bool) { out.push_back(b); });
  return out;
}

void DrawStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R, bool Horizontal) {
  DrawBands(Canvas, FromColor, ToColor, Steps, R, Horizontal, sgvStandard);
}

void DrawToolBarStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                             bool Horizontal) {
  DrawBands(Canvas, FromColor, ToColor, Steps, R, Horizontal, sgvToolBar);
}

void DrawStatusPanelStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                 bool Horizontal) {
  DrawBands(Canvas, FromColor, ToColor, Steps, R, Horizontal, sgvStatusPanel);
}

void DrawHtmlStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                          const TRect& R, bool Horizontal) {
  DrawBands(Canvas, FromColor, ToColor, Steps, R, Horizontal, sgvHtml);
  if (BorderColor == clNone) return;
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.Pen()->SetColor(BorderColor);
  Canvas.Rectangle(R);
}

void DrawHintStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                          bool Horizontal) {
  DrawBands(Canvas, FromColor, ToColor, Steps, R, Horizontal, sgvHint);
}

TMirrorHalves MirrorGradientHalves(const TRect& R) {
  const int s = (R.Bottom - R.Top) / 2;
  return {{R.Left, R.Top, R.Right, R.Bottom - s}, {R.Left, R.Top + s - 1, R.Right, R.Bottom}};
}

TRadialGlow RadialGlowGeometry(const TRect& R, bool Upper) {
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  const int y0 = Upper ? R.Top - h / 2 + 2 : R.Top;
  return {GpRectF{float(R.Left), float(y0), float(R.Right), float(R.Bottom)},
          GpPointF{float(R.Left + w / 2), float(Upper ? R.Top : R.Bottom)}};
}

void FillHalfGradient(GpGraphics& Graphics, const TRect& R, TColor ColorFrom, TColor ColorTo, TGDIPGradient Gradient,
                      bool Upper) {
  const float x = float(R.Left), y = float(R.Top), extentX = float(R.Right), extentY = float(R.Bottom);
  GpSolidFill base(ColorToArgb(Upper ? ColorFrom : ColorTo));
  Graphics.FillRectangle(base, x, y, extentX, extentY);
  if (Gradient == ggRadial) {
    TRadialGlow glow = RadialGlowGeometry(R, Upper);
    GpPathGradient brush(glow.Ellipse);
    brush.SetCenterPoint(glow.Center);
    brush.SetCenterColor(ColorToArgb(Upper ? ColorTo : ColorFrom));
    brush.SetSurroundColor(ColorToArgb(Upper ? ColorFrom : ColorTo));
    Graphics.FillRectangle(brush, x, y, extentX, extentY);
    return;
  }
  GpLineGradient brush({x, y, float(R.Right - R.Left), float(R.Bottom - R.Top)}, ColorToArgb(ColorFrom),
                       ColorToArgb(ColorTo), static_cast<LinearGradientMode>(Gradient));
  Graphics.FillRectangle(brush, x, y, extentX, extentY);
}

void FillMirrorGradient(GpGraphics& Graphics, const TRect& R, TColor Color, TColor ColorTo, TColor ColorMirror,
                        TColor ColorMirrorTo, TGDIPGradient Gradient, TGDIPGradient GradientMirror) {
  const TMirrorHalves halves = MirrorGradientHalves(R);
  FillHalfGradient(Graphics, halves.Lower, ColorMirrorTo, ColorMirror, GradientMirror, false);
  FillHalfGradient(Graphics, halves.Upper, Color, ColorTo, Gradient, true);
}

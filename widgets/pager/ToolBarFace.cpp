#include "ToolBarFace.h"

#include <memory>

#include "draw/OfficeColors.h"
#include "draw/OfficeFrames.h"
#include "draw/OfficeText.h"
#include "graphics/TCanvas.h"
#include "graphics/TFont.h"
#include "graphics/gdiplus/GpFont.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpLineGradient.h"
#include "graphics/gdiplus/GpPathGradient.h"
#include "graphics/gdiplus/GpPen.h"
#include "graphics/gdiplus/GpSolidFill.h"
#include "graphics/gdiplus/GpStringFormat.h"

namespace {

constexpr int kFrameRadius = 3;
constexpr TColor kDisabledText = 0x808080;

void FillPlain(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush()->SetColor(Color);  // solid again after a hollow brush
  Canvas.FillRect(R);
}

// A radial glow: CenterColor at Center fading to SurroundColor on the
// ellipse; nothing outside it, so the plain fill shows there.
void FillRadial(GpGraphics& g, const GpRectF& Ellipse, GpPointF Center, TColor CenterColor, TColor SurroundColor,
                const GpRectF& Fill) {
  GpPathGradient brush(Ellipse);
  brush.SetCenterPoint(Center);
  brush.SetCenterColor(ColorToArgb(CenterColor));
  brush.SetSurroundColor(ColorToArgb(SurroundColor));
  g.FillRectangle(brush, Fill);
}

void FillLinear(GpGraphics& g, const GpRectF& Span, TColor From, TColor To, TGDIPGradient Kind, const GpRectF& Fill) {
  GpLineGradient brush(Span, ColorToArgb(From), ColorToArgb(To), static_cast<LinearGradientMode>(Kind));
  g.FillRectangle(brush, Fill);
}

StringAlignment SurfaceAlignment(TAlignment Alignment) {
  switch (Alignment) {
    case taLeftJustify: return StringAlignmentNear;
    case taRightJustify: return StringAlignmentFar;
    case taCenter: return StringAlignmentCenter;
  }
  return StringAlignmentNear;
}

uint32_t CanvasAlignment(TAlignment Alignment) {
  switch (Alignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
  }
  return DT_LEFT;
}

}  // namespace

void DrawToolBarFace(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor ColorMirror,
                     TColor ColorMirrorTo, TGDIPGradient Upper, TGDIPGradient Lower, TColor BorderColor,
                     bool Rounded) {
  const int L = R.Left, T = R.Top, w = R.Right - R.Left, h = R.Bottom - R.Top, hh = h / 2, hw = w / 2;
  const float x = float(L), y = float(T), fw = float(w), fh = float(h), fhh = float(hh);
  GpGraphics g(Canvas);

  // The gradients start one pixel in from the left (and, for the linear
  // kinds, from the top) of their half; the plain fills show there.
  FillPlain(Canvas, {L, T + hh, R.Right, R.Bottom}, ColorMirror);
  if (Lower == ggRadial)
    FillRadial(g, {x, y + fhh, fw, fh}, {x + float(hw), float(R.Bottom)}, ColorMirrorTo, ColorMirror,
               {x + 1, y + fhh, fw - 1, fhh + 1});
  else
    FillLinear(g, {x, y + fhh, fw, fhh}, ColorMirror, ColorMirrorTo, Lower, {x + 1, y + fhh + 1, fw - 1, fhh + 1});

  FillPlain(Canvas, {L, T, R.Right, T + hh}, Color);
  const GpRectF upperFill{x + 1, y + 1, fw - 1, float(h - hh - h % 2 - 1)};
  if (Upper == ggRadial)
    FillRadial(g, {x, y - fhh, fw, fh}, {x + float(hw), y}, ColorTo, Color, upperFill);
  else
    FillLinear(g, {x, y, fw, fhh}, Color, ColorTo, Upper, upperFill);

  if (BorderColor == clNone) return;
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  if (Rounded) {
    DrawToolBarRoundedFrame(g, BorderColor, L, T, w - 1, h - 1, kFrameRadius);
  } else {
    GpPen pen(ColorToArgb(BorderColor));
    g.DrawRectangle(pen, x, y, fw - 1, fh - 1);
  }
}

void DrawToolBarText(TCanvas& Canvas, TAlignment Alignment, TRect R, TAntiAlias AntiAlias, bool Enabled,
                     const TFont& Font, const std::string& Text) {
  if (Text.empty()) return;
  if (AntiAlias == aaNone) {
    Canvas.Font()->Assign(&Font);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.DrawText(Text, R, DT_SINGLELINE | DT_VCENTER | CanvasAlignment(Alignment));
    return;
  }
  GpGraphics g(Canvas);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  g.SetTextRenderingHint(TextRenderingHintOf(AntiAlias));
  GpStringFormat format;
  format.SetAlignment(SurfaceAlignment(Alignment));
  format.SetLineAlignment(StringAlignmentCenter);
  format.SetHotkeyPrefix(HotkeyPrefixShow);
  format.SetTrimming(StringTrimmingNone);
  const std::unique_ptr<GpFont> font = SurfaceFont(Font);
  const GpSolidFill brush(ColorToArgb(Enabled ? Font.Color() : kDisabledText));
  g.DrawString(Text, *font, {float(R.Left), float(R.Top), float(R.Width()), float(R.Height())}, &format, brush);
}

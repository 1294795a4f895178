#include "TmxCustomGradient.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

namespace {

using TColorTable = TmxCustomGradient::TColorTable;

// The shapes' factors are 32-bit floats computed from wider quotients;
// their products with the small loop counters are exact in double and
// are truncated toward zero.
float Factor(double Numerator, double Denominator) { return static_cast<float>(Numerator / Denominator); }
int Times(int I, float S) { return static_cast<int>(static_cast<double>(I) * static_cast<double>(S)); }
int Step(float S) { return static_cast<int>(static_cast<double>(S) + 1.0); }

TColor Entry(const TColorTable& Table, int Index) { return Table[std::clamp(Index, 0, 255)]; }

// Base + round((Target - Base) x Numerator / Span) per channel; the spans
// used (127, 255) never give an exact half.
TColor Mix(TColor Base, TColor Target, int Numerator, int Span) {
  auto channel = [&](int from, int to) {
    return from + static_cast<int>(std::lround(static_cast<double>(to - from) * Numerator / Span));
  };
  return RGB(channel(GetRValue(Base), GetRValue(Target)), channel(GetGValue(Base), GetGValue(Target)),
             channel(GetBValue(Base), GetBValue(Target)));
}

// 256 bands, each one step plus a pixel wide, so that each overlaps the
// next; bands 0 and 1 both start at 0, which hides band 0.
void PaintBands(TCanvas* C, const TColorTable& T, int W, int H, bool Rows) {
  const float s = Factor(Rows ? H : W, 255);
  const int band = Step(s);
  int pos = 0;
  for (int i = 0; i < 256; ++i) {
    C->Brush()->SetColor(T[i]);
    C->FillRect(Rows ? TRect{0, pos, W, pos + band} : TRect{pos, 0, pos + band, H});
    pos = Times(i, s);
  }
}

// L-shaped strips between nested rectangles anchored at one corner; the
// last entry ends up at that corner.
void PaintCorner(TCanvas* C, const TColorTable& T, int W, int H, TmxGradientStyle Style) {
  const float sx = Factor(W, 255), sy = Factor(H, 255);
  const int w = Step(sx), h = Step(sy);
  for (int i = 0; i < 256; ++i) {
    int x = 0, y = 0;
    std::vector<TPoint> pts;
    switch (Style) {
      case gtCornerTopLeft:
        x = Times(255 - i, sx);
        y = Times(255 - i, sy);
        pts = {{0, y}, {x, y}, {x, 0}, {x + w, 0}, {x + w, y + h}, {0, y + h}};
        break;
      case gtCornerTopRight:
        x = Times(i, sx);
        y = Times(255 - i, sy);
        pts = {{x + w, 0}, {x + w, y}, {W, y}, {W, y + h}, {x, y + h}, {x, 0}};
        break;
      case gtCornerBottomRight:
        x = Times(i, sx);
        y = Times(i, sy);
        pts = {{W, y + h}, {x + w, y + h}, {x + w, H}, {x, H}, {x, y}, {W, y}};
        break;
      default:
        x = Times(255 - i, sx);
        y = Times(i, sy);
        pts = {{x, H}, {x, y + h}, {0, y + h}, {0, y}, {x + w, y}, {x + w, H}};
        break;
    }
    C->Brush()->SetColor(T[i]);
    C->Polygon(pts);
  }
}

// Bands parallel to one diagonal: the first 128 from a corner to the
// other diagonal, the last 128 from there to the opposite corner.
void PaintDiagonal(TCanvas* C, const TColorTable& T, int W, int H, bool Falling) {
  const float sx = Factor(W, 127), sy = Factor(H, 127);
  const int w = Step(sx), h = Step(sy);
  std::vector<std::array<TPoint, 4>> q(256);
  for (int j = 0; j < 128; ++j) {
    const int x = Times(j, sx);
    if (Falling) {
      const int y = Times(j, sy);
      q[j] = {{{x, 0}, {x + w, 0}, {0, y + h}, {0, y}}};
      q[128 + j] = {{{W, y}, {W, y + h}, {x + w, H}, {x, H}}};
    } else {
      const int y = Times(127 - j, sy);
      q[j] = {{{x, H}, {x + w, H}, {0, y}, {0, y + h}}};
      q[128 + j] = {{{W, y + h}, {W, y}, {x + w, 0}, {x, 0}}};
    }
  }
  for (int k = 0; k < 256; ++k) {
    C->Brush()->SetColor(T[k]);
    C->Polygon(q[k]);
  }
}

// Nested ellipses shrinking toward the centre on a silver ground, which
// the drawing leaves out.
void PaintEllipse(TCanvas* C, const TColorTable& T, int W, int H) {
  C->Brush()->SetColor(clSilver);
  C->FillRect({0, 0, W, H});
  const int n = W / 2 - 2;
  if (n <= 2) return;
  const float r = Factor(H, W), c = Factor(255, n);
  int x0 = 0, y0 = 0;
  for (int i = 2; i < n; ++i) {
    C->Brush()->SetColor(Entry(T, Times(i, c)));
    C->Ellipse(x0, y0, W - x0, H - y0);
    y0 = Times(i, r);
    x0 = i;
  }
}

// Lines from every edge pixel to the centre.
void PaintPyramid(TCanvas* C, const TColorTable& T, int W, int H) {
  const int cx = W / 2, cy = H / 2;
  const float k = Factor(255, W + H);
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetWidth(1);
  for (int i = 0; i <= W; ++i) {
    C->Pen()->SetColor(Entry(T, Times(i, k)));
    C->MoveTo(i, 0);
    C->LineTo(cx, cy);
    C->Pen()->SetColor(Entry(T, Times(H + i, k)));
    C->LineTo(i, H);
  }
  for (int i = 0; i <= H; ++i) {
    C->Pen()->SetColor(Entry(T, Times(W + i, k)));
    C->MoveTo(W, i);
    C->LineTo(cx, cy);
    C->Pen()->SetColor(Entry(T, Times(i, k)));
    C->LineTo(-1, i);
  }
}

}  // namespace

TmxCustomGradient::TmxCustomGradient() { BuildColorTable(); }

void TmxCustomGradient::Assign(const TPersistent* Source) {
  if (auto* g = dynamic_cast<const TmxCustomGradient*>(Source)) {
    beginColor_ = g->beginColor_;
    endColor_ = g->endColor_;
    drawStyle_ = g->drawStyle_;
    direction_ = g->direction_;
    BuildColorTable();
    NotifyChange();
    return;
  }
  TPersistent::Assign(Source);
}

void TmxCustomGradient::SetBeginColor(TColor Value) {
  beginColor_ = Value;
  BuildColorTable();
  NotifyChange();
}

void TmxCustomGradient::SetEndColor(TColor Value) {
  endColor_ = Value;
  BuildColorTable();
  NotifyChange();
}

void TmxCustomGradient::SetDrawStyle(TmxGradientStyle Value) {
  if (drawStyle_ == Value) return;
  drawStyle_ = Value;
  BuildColorTable();
  NotifyChange();
}

void TmxCustomGradient::SetDirection(TmxGradientDirection Value) {
  if (direction_ == Value) return;
  direction_ = Value;
  BuildColorTable();
  NotifyChange();
}

void TmxCustomGradient::NotifyChange() {
  if (OnChangeParameter) OnChangeParameter(this);
}

void TmxCustomGradient::BuildColorTable() {
  const bool inverse = direction_ == gdInverse;
  const TColor a = ColorToRGB(inverse ? endColor_ : beginColor_);
  const TColor b = ColorToRGB(inverse ? beginColor_ : endColor_);
  table_[0] = RGB(GetRValue(a), GetGValue(a), GetBValue(a));
  if (drawStyle_ == gtVerticalToCenter || drawStyle_ == gtHorizontalToCenter) {
    // There and back: entry 128 is the second colour, entry 255 the first.
    for (int k = 1; k < 128; ++k) table_[k] = Mix(a, b, k - 1, 127);
    for (int k = 128; k < 256; ++k) table_[k] = Mix(b, a, k - 128, 127);
  } else {
    // Entries 0 and 1 are both the first colour; 255 stops a step short.
    for (int k = 1; k < 256; ++k) table_[k] = Mix(a, b, k - 1, 255);
  }
}

void TmxCustomGradient::PaintShape(TCanvas* Canvas, int W, int H) const {
  Canvas->Pen()->SetStyle(psClear);
  switch (drawStyle_) {
    case gtTopToBottom:
    case gtVerticalToCenter: PaintBands(Canvas, table_, W, H, true); break;
    case gtLeftToRight:
    case gtHorizontalToCenter: PaintBands(Canvas, table_, W, H, false); break;
    case gtCornerTopLeft:
    case gtCornerTopRight:
    case gtCornerBottomRight:
    case gtCornerBottomLeft: PaintCorner(Canvas, table_, W, H, drawStyle_); break;
    case gtDiagonalFalling: PaintDiagonal(Canvas, table_, W, H, true); break;
    case gtDiagonalRising: PaintDiagonal(Canvas, table_, W, H, false); break;
    case gtEllipse: PaintEllipse(Canvas, table_, W, H); break;
    case gtPyramid: PaintPyramid(Canvas, table_, W, H); break;
  }
}

void TmxCustomGradient::Draw(TCanvas* Canvas, const TRect& R) {
  const int w = R.Width(), h = R.Height();
  if (!Canvas || w <= 0 || h <= 0) return;
  TBitmap shape(w, h);
  PaintShape(shape.Canvas(), w, h);
  if (drawStyle_ != gtEllipse) {
    Canvas->CopyRect(R, shape.Canvas(), {0, 0, w, h}, SRCCOPY);
    return;
  }
  // All but the last row and column, stretched over R, without the
  // silver ground, so that the target shows in the corners.
  if (w < 2 || h < 2) return;
  shape.SetSize(w - 1, h - 1);
  shape.SetTransparentColor(clSilver);
  shape.SetTransparent(true);
  Canvas->StretchDraw(R, &shape);
}

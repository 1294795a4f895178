#include "OfficeFrames.h"

#include "OfficeColors.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpPath.h"
#include "graphics/gdiplus/GpPen.h"

namespace {

// The closed rounded figure; its straight pieces and arcs are joined by
// straight segments.
void AddRoundedFigure(GpPath& p, float X, float Y, float W, float H, float r) {
  const float d = 2 * r;
  p.AddLine(X + r, Y, X + W - d, Y);
  p.AddArc(X + W - d, Y, d, d, 270, 90);
  p.AddLine(X + W, Y + r, X + W, Y + H - d);
  p.AddArc(X + W - d, Y + H - d, d, d, 0, 90);
  p.AddLine(X + W - d, Y + H, X + r, Y + H);
  p.AddArc(X, Y + H - d, d, d, 90, 90);
  p.AddLine(X, Y + H - d, X, Y + r);
  p.AddArc(X, Y, d, d, 180, 90);
  p.CloseFigure();
}

void DrawRoundedFigure(GpGraphics& g, TColor Color, int X, int Y, int W, int H, int Radius, bool Dotted) {
  GpPath path;
  AddRoundedFigure(path, float(X), float(Y), float(W), float(H), float(Radius));
  GpPen pen(ColorToArgb(Color));
  if (Dotted) pen.SetDashStyle(DashStyleDot);
  g.DrawPath(pen, path);
}

void DrawEdge(GpGraphics& g, TColor Color, float X1, float Y1, float X2, float Y2) {
  GpPen pen(ColorToArgb(Color));
  g.DrawLine(pen, X1, Y1, X2, Y2);
}

// The left edge of an inner or last button of a group.
void DrawInnerLeftEdge(GpGraphics& g, TColor Color, int X, int Y, int H, bool HotOrDown) {
  if (HotOrDown) DrawEdge(g, ScaleColor(Color, -5), float(X), float(Y), float(X), float(Y + H));
  else DrawEdge(g, ScaleColor(clWhite, -10), float(X), float(Y + 2), float(X), float(Y + H - 2));
}

}  // namespace

void DrawRoundedFrame(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius) {
  if (Radius == 0) {
    GpPen pen(ColorToArgb(Color));
    Graphics.DrawRectangle(pen, float(X), float(Y), float(W), float(H));
    return;
  }
  DrawRoundedFigure(Graphics, Color, X, Y, W, H, Radius, false);
}

void DrawToolBarRoundedFrame(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius) {
  DrawRoundedFigure(Graphics, Color, X, Y, W, H, Radius, false);
}

void DrawDottedRoundedFrame(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius) {
  DrawRoundedFigure(Graphics, Color, X, Y, W, H, Radius, true);
}

void DrawGroupFrameLeft(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius) {
  const float x = float(X), y = float(Y), w = float(W), h = float(H), r = float(Radius), d = 2 * r;
  GpPath path;
  path.AddLine(x + w, y + h, x + r, y + h);
  path.AddArc(x, y + h - d, d, d, 90, 90);
  path.AddLine(x, y + h - d, x, y + r);
  path.AddArc(x, y, d, d, 180, 90);
  path.AddLine(x + r, y, x + w, y);
  GpPen pen(ColorToArgb(Color));
  Graphics.DrawPath(pen, path);
  DrawEdge(Graphics, ScaleColor(Color, -5), x + w, y, x + w, y + h);
}

void DrawGroupFrameMiddle(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius, bool HotOrDown) {
  const float x = float(X), y = float(Y), w = float(W), h = float(H);
  DrawEdge(Graphics, Color, x - 1, y + h, x + w, y + h);
  DrawEdge(Graphics, Color, x - 1, y, x + w, y);
  DrawEdge(Graphics, ScaleColor(Color, -5), x + w, y, x + w, y + h);
  DrawInnerLeftEdge(Graphics, Color, X, Y, H, HotOrDown);
}

void DrawGroupFrameRight(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius, bool HotOrDown) {
  const float x = float(X), y = float(Y), w = float(W), h = float(H), r = float(Radius), d = 2 * r;
  GpPath path;
  path.AddLine(x, y, x + w - d, y);
  path.AddArc(x + w - d, y, d, d, 270, 90);
  path.AddLine(x + w, y + r, x + w, y + h - d);
  path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
  path.AddLine(x + w - d, y + h, x, y + h);
  GpPen pen(ColorToArgb(Color));
  Graphics.DrawPath(pen, path);
  DrawInnerLeftEdge(Graphics, Color, X, Y, H, HotOrDown);
}

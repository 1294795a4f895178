// A drawing surface with the window system's 2-D semantics: filled
// rectangles exclude their right and bottom edges, lines exclude their end
// point, text is placed by the top-left of its cell. A canvas draws into
// the device context it is attached to (a bitmap's, or a window's during
// painting); without one it can still measure text.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"
#include "TRegion.h"
#include "core/Geometry.h"

class TDeviceContext;
class TGraphic;
struct TShapedText;

// Raster operations (three-operand codes; only the high word matters).
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t NOTSRCERASE = 0x001100A6;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t SRCERASE = 0x00440328;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t MERGEPAINT = 0x00BB0226;
constexpr uint32_t MERGECOPY = 0x00C000CA;
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATPAINT = 0x00FB0A09;
constexpr uint32_t WHITENESS = 0x00FF0062;

// Text drawing flags.
constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_EXTERNALLEADING = 0x200;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
constexpr uint32_t DT_END_ELLIPSIS = 0x8000;
constexpr uint32_t DT_HIDEPREFIX = 0x100000;

struct TTextMetric {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  // Pitch-and-family flags: bit 1 variable pitch, bit 2 vector (outline)
  // font, bit 3 device font.
  uint8_t tmPitchAndFamily = 0;
};
constexpr uint8_t TMPF_FIXED_PITCH = 0x01;
constexpr uint8_t TMPF_VECTOR = 0x02;
constexpr uint8_t TMPF_TRUETYPE = 0x04;
constexpr uint8_t TMPF_DEVICE = 0x08;

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;
  std::string ClassName() const override { return "TCanvas"; }

  TPen* Pen() const { return pen_.get(); }
  TBrush* Brush() const { return brush_.get(); }
  TFont* Font() const { return font_.get(); }
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint P) { penPos_ = P; }
  uint32_t CopyMode = SRCCOPY;

  TDeviceContext* Handle() const { return dc_; }
  void SetHandle(TDeviceContext* DC) { dc_ = DC; }
  bool HandleAllocated() const { return dc_ != nullptr; }

  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int EllipseWidth, int EllipseHeight);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void MoveTo(int X, int Y) { penPos_ = {X, Y}; }
  void LineTo(int X, int Y);
  void Polygon(std::span<const TPoint> Points);
  void Polyline(std::span<const TPoint> Points);
  TColor Pixel(int X, int Y) const;
  // What the surface under the canvas holds at (X, Y), inside the clip or
  // not: a control reads there what its parent painted around it.
  TColor SurfacePixel(int X, int Y) const;
  void SetPixel(int X, int Y, TColor Color);

  void TextOut(int X, int Y, std::string_view Text);
  void TextRect(const TRect& R, int X, int Y, std::string_view Text);
  TSize TextExtent(std::string_view Text) const;
  int TextWidth(std::string_view Text) const { return TextExtent(Text).cx; }
  int TextHeight(std::string_view Text) const { return TextExtent(Text).cy; }
  TTextMetric TextMetrics() const;
  // Formats Text into R by the DT_ flags; returns the height of the text.
  // With DT_CALCRECT, R's right and bottom are set to fit and nothing is
  // drawn.
  int DrawText(std::string_view Text, TRect& R, uint32_t Format);

  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  // Copies (and stretches) SourceRect of Source onto Dest with CopyMode.
  void CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect);
  void CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect, uint32_t Rop);
  void BitBlt(int X, int Y, int Width, int Height, const TCanvas* Source, int SX, int SY,
              uint32_t Rop);

  // Device-context state.
  int SaveDC();
  void RestoreDC(int Level);
  TPoint ViewportOrg() const;
  void SetViewportOrg(TPoint P);
  // Logical (0, 0) moves by (DX, DY) on the device.
  void MoveWindowOrg(int DX, int DY);
  void IntersectClipRect(const TRect& R);
  void ExcludeClipRect(const TRect& R);
  // Region in the device coordinates of the context; nullptr removes the clip.
  void SelectClipRgn(const TRegion* Region);
  // The visible part of the context, in logical coordinates.
  TRect ClipRect() const;

 private:
  void FillDeviceRect(const TRect& R, TColor Color);
  // Draws a line shaped in the current font with the top of its cell at Y.
  void DrawShaped(const TShapedText& Line, int X, int Y);
  void DrawPenLine(TPoint From, TPoint To);

  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TFont> font_;
  TPoint penPos_;
  TDeviceContext* dc_ = nullptr;
};

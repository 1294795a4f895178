// The 2-D drawing surface over a canvas's device context, with the
// semantics of GDI+: pixel centres lie on integer coordinates (a 1-pixel
// line at y = 0 covers row 0; a rectangle outline covers X to X + Width
// inclusive), fills without smoothing cover the pixels the canvas's
// fills do, and every call honours the context's origin and clip as they
// are when it is made. A canvas without a context can still measure text;
// drawing on it returns WrongState.
#pragma once

#include <memory>
#include <string_view>

#include "GdiPlusTypes.h"

class TCanvas;
class GpBrush;
class GpFont;
class GpImage;
class GpPath;
class GpPen;
class GpStringFormat;

class GpGraphics {
 public:
  explicit GpGraphics(TCanvas& Canvas);
  ~GpGraphics();
  GpGraphics(const GpGraphics&) = delete;
  GpGraphics& operator=(const GpGraphics&) = delete;

  // Default, HighSpeed and None draw aliased; the others anti-aliased.
  GpStatus SetSmoothingMode(SmoothingMode Mode);
  SmoothingMode GetSmoothingMode() const;
  // Both grid-fitted hints and plain anti-aliasing give grey anti-aliased
  // text; the single-bit hints give aliased text.
  GpStatus SetTextRenderingHint(TextRenderingHint Hint);
  TextRenderingHint GetTextRenderingHint() const;

  GpStatus FillRectangle(const GpBrush& Brush, float X, float Y, float Width, float Height);
  GpStatus FillRectangle(const GpBrush& Brush, const GpRectF& Rect) {
    return FillRectangle(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
  }
  GpStatus DrawRectangle(const GpPen& Pen, float X, float Y, float Width, float Height);
  GpStatus DrawLine(const GpPen& Pen, float X1, float Y1, float X2, float Y2);
  GpStatus FillEllipse(const GpBrush& Brush, float X, float Y, float Width, float Height);
  GpStatus DrawEllipse(const GpPen& Pen, float X, float Y, float Width, float Height);
  GpStatus FillPath(const GpBrush& Brush, const GpPath& Path);
  GpStatus DrawPath(const GpPen& Pen, const GpPath& Path);

  // Text is UTF-8. A layout rectangle with no width (or no height) does
  // not limit the text in that direction; Format nullptr is the default
  // format.
  GpStatus DrawString(std::string_view Text, const GpFont& Font, const GpRectF& Layout,
                      const GpStringFormat* Format, const GpBrush& Brush);
  GpStatus MeasureString(std::string_view Text, const GpFont& Font, const GpRectF& Layout,
                         const GpStringFormat* Format, GpRectF* Bounds, int* CodepointsFitted = nullptr,
                         int* LinesFilled = nullptr) const;

  // Scaled into the rectangle, smoothly, honouring the image's alpha.
  GpStatus DrawImage(const GpImage& Image, float X, float Y, float Width, float Height);

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

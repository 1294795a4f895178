#include "GpGraphics.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <cmath>

#include "GdiPlusBridge.h"
#include "GpBrush.h"
#include "GpFont.h"
#include "GpPath.h"
#include "GpPen.h"
#include "GpStringFormat.h"
#include "graphics/DeviceContext.h"
#include "graphics/TCanvas.h"

namespace {

// The painter samples at pixel centres (i + 0.5); the surface's pixel
// centres are at integers. Anti-aliased drawing is moved by exactly half
// a pixel. Aliased drawing is moved by a little less, so that edges on
// integers never meet a sample point and the canvas's rule holds: a
// pixel is covered when its centre lies in [left, right).
constexpr double kAntiAliasedShift = 0.5;
constexpr double kAliasedShift = 0.5 - 1.0 / 64;

bool AntiAliased(SmoothingMode m) {
  return m == SmoothingModeHighQuality || m == SmoothingModeAntiAlias || m == SmoothingModeAntiAlias8x8;
}

// A gradient samples where the surface's own pixel centre is, whatever
// the painter's shift.
QBrush Sampled(const GpBrushData& d, double shift) {
  if (!d.gradient || shift == kAntiAliasedShift) return d.brush;
  QBrush b = d.brush;
  const double e = kAntiAliasedShift - shift;
  b.setTransform(b.transform() * QTransform::fromTranslate(e, e));
  return b;
}

QPainterPath RectPath(float X, float Y, float W, float H) {
  QPainterPath p;
  p.addRect(QRectF(X, Y, W, H));
  return p;
}

// Area limited to a bounded brush's shape; the cheap containments first.
QPainterPath Bounded(const QPainterPath& area, const QPainterPath& bound, const QRectF* areaRect) {
  if (areaRect) {
    if (areaRect->contains(bound.boundingRect())) return bound;
    if (bound.contains(*areaRect)) return area;
  }
  return area.intersected(bound);
}

}  // namespace

QPainterPath StrokeOutline(const GpPen& Pen, const QPainterPath& Path) {
  QPainterPathStroker s;
  s.setWidth(std::max(1.0f, Pen.Width()));
  s.setCapStyle(Qt::FlatCap);
  // A mitre longer than the limit falls back to a bevel.
  s.setJoinStyle(Qt::SvgMiterJoin);
  s.setMiterLimit(10);
  std::vector<float> dashes = Pen.DashPattern();
  if (!dashes.empty()) s.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
  return s.createStroke(Path);
}

struct GpGraphics::Impl {
  TCanvas* canvas;
  SmoothingMode smoothing = SmoothingModeDefault;
  TextRenderingHint hint = TextRenderingHintSystemDefault;

  TDeviceContext* Context() const { return canvas->Handle(); }
  double Shift() const { return AntiAliased(smoothing) ? kAntiAliasedShift : kAliasedShift; }

  QPainter* Begin(double shift) {
    TDeviceContext* dc = Context();
    if (!dc) return nullptr;
    QPainter& p = dc->Painter();
    const QPoint o = dc->DeviceOffset();
    p.setTransform(QTransform::fromTranslate(o.x() + shift, o.y() + shift));
    dc->PainterStateChanged();
    p.setRenderHint(QPainter::Antialiasing, AntiAliased(smoothing));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    return &p;
  }

  GpStatus Fill(const GpBrush& Brush, const QPainterPath& Area, const QRectF* AreaRect) {
    const GpBrushData& b = Brush.Data();
    if (b.status != Ok) return InvalidParameter;
    const double shift = Shift();
    QPainter* p = Begin(shift);
    if (!p) return WrongState;
    if (b.bounded) {
      p->fillPath(Bounded(Area, b.bound, AreaRect), Sampled(b, shift));
    } else if (AreaRect) {
      p->fillRect(*AreaRect, Sampled(b, shift));
    } else {
      p->fillPath(Area, Sampled(b, shift));
    }
    return Ok;
  }

  GpStatus Stroke(const GpPen& Pen, const QPainterPath& Path) {
    QPainter* p = Begin(Shift());
    if (!p) return WrongState;
    p->fillPath(StrokeOutline(Pen, Path), ArgbToQColor(Pen.Color()));
    return Ok;
  }
};

GpGraphics::GpGraphics(TCanvas& Canvas) : d_(std::make_unique<Impl>()) { d_->canvas = &Canvas; }
GpGraphics::~GpGraphics() = default;

GpStatus GpGraphics::SetSmoothingMode(SmoothingMode Mode) {
  if (Mode < SmoothingModeDefault || Mode > SmoothingModeAntiAlias8x8) return InvalidParameter;
  d_->smoothing = Mode;
  return Ok;
}
SmoothingMode GpGraphics::GetSmoothingMode() const { return d_->smoothing; }

GpStatus GpGraphics::SetTextRenderingHint(TextRenderingHint Hint) {
  if (Hint < TextRenderingHintSystemDefault || Hint > TextRenderingHintClearTypeGridFit) return InvalidParameter;
  d_->hint = Hint;
  return Ok;
}
TextRenderingHint GpGraphics::GetTextRenderingHint() const { return d_->hint; }

GpStatus GpGraphics::FillRectangle(const GpBrush& Brush, float X, float Y, float Width, float Height) {
  if (!(Width > 0) || !(Height > 0)) return Ok;
  const QRectF r(X, Y, Width, Height);
  return d_->Fill(Brush, RectPath(X, Y, Width, Height), &r);
}

GpStatus GpGraphics::DrawRectangle(const GpPen& Pen, float X, float Y, float Width, float Height) {
  if (Width < 0 || Height < 0) return Ok;
  return d_->Stroke(Pen, RectPath(X, Y, Width, Height));
}

GpStatus GpGraphics::DrawLine(const GpPen& Pen, float X1, float Y1, float X2, float Y2) {
  QPainterPath path;
  path.moveTo(X1, Y1);
  path.lineTo(X2, Y2);
  return d_->Stroke(Pen, path);
}

GpStatus GpGraphics::FillEllipse(const GpBrush& Brush, float X, float Y, float Width, float Height) {
  if (!(Width > 0) || !(Height > 0)) return Ok;
  QPainterPath path;
  path.addEllipse(QRectF(X, Y, Width, Height));
  return d_->Fill(Brush, path, nullptr);
}

GpStatus GpGraphics::DrawEllipse(const GpPen& Pen, float X, float Y, float Width, float Height) {
  QPainterPath path;
  path.addEllipse(QRectF(X, Y, Width, Height));
  return d_->Stroke(Pen, path);
}

GpStatus GpGraphics::FillPath(const GpBrush& Brush, const GpPath& Path) {
  return d_->Fill(Brush, Path.Data().path, nullptr);
}

GpStatus GpGraphics::DrawPath(const GpPen& Pen, const GpPath& Path) { return d_->Stroke(Pen, Path.Data().path); }

GpStatus GpGraphics::MeasureString(std::string_view Text, const GpFont& Font, const GpRectF& Layout,
                                   const GpStringFormat* Format, GpRectF* Bounds, int* CodepointsFitted,
                                   int* LinesFilled) const {
  if (Font.Status() != Ok || !Bounds) return InvalidParameter;
  GpTextLayout l = LayoutString(Text, Font.Data().font, Font.EmPixels(), Layout, Format ? *Format : GpStringFormat());
  *Bounds = l.bounds;
  if (CodepointsFitted) *CodepointsFitted = l.codepointsFitted;
  if (LinesFilled) *LinesFilled = static_cast<int>(l.lines.size());
  return Ok;
}

GpStatus GpGraphics::DrawString(std::string_view Text, const GpFont& Font, const GpRectF& Layout,
                                const GpStringFormat* Format, const GpBrush& Brush) {
  if (Font.Status() != Ok || Brush.Status() != Ok) return InvalidParameter;
  if (!d_->Context()) return WrongState;
  GpTextLayout l = LayoutString(Text, Font.Data().font, Font.EmPixels(), Layout, Format ? *Format : GpStringFormat());
  if (l.lines.empty()) return Ok;

  // Glyphs are placed on whole pixels so that hinted outlines stay crisp.
  QPainter* p = d_->Begin(0.0);
  if (l.clip) {
    // Pixels whose centres lie in the rectangle, as fills without smoothing.
    auto edge = [](double v) { return static_cast<int>(std::ceil(v)); };
    const int big = 1 << 24;
    int x0 = Layout.Width > 0 ? edge(Layout.X) : -big, x1 = Layout.Width > 0 ? edge(Layout.Right()) : big;
    int y0 = Layout.Height > 0 ? edge(Layout.Y) : -big, y1 = Layout.Height > 0 ? edge(Layout.Bottom()) : big;
    p->setClipRect(QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)), Qt::IntersectClip);
  }
  QFont font = Font.Data().font;
  switch (d_->hint) {
    case TextRenderingHintSingleBitPerPixelGridFit:
    case TextRenderingHintSingleBitPerPixel:
      font.setStyleStrategy(QFont::NoAntialias);
      break;
    default:
      font.setStyleStrategy(QFont::PreferAntialias);
      break;
  }
  if (d_->hint == TextRenderingHintAntiAlias || d_->hint == TextRenderingHintSingleBitPerPixel)
    font.setHintingPreference(QFont::PreferNoHinting);
  p->setRenderHint(QPainter::TextAntialiasing, true);
  p->setFont(font);
  const QBrush brush = Sampled(Brush.Data(), 0.0);
  p->setPen(QPen(brush, 0));
  QFontMetricsF fm(font);
  const double underlineOffset = std::round(fm.underlinePos());
  const double underlineWidth = std::max(1.0, std::round(fm.lineWidth()));
  for (const GpTextLine& line : l.lines) {
    const double x = std::floor(line.x + 0.5), baseline = std::floor(line.top + l.ascent + 0.5);
    p->drawText(QPointF(x, baseline), line.text);
    if (line.underline >= 0) {
      double ux = x + fm.horizontalAdvance(line.text.left(line.underline));
      double uw = fm.horizontalAdvance(line.text.mid(line.underline, 1));
      p->fillRect(QRectF(std::floor(ux + 0.5), baseline + underlineOffset, std::max(1.0, std::round(uw)),
                         underlineWidth),
                  brush);
    }
  }
  return Ok;
}

GpStatus GpGraphics::DrawImage(const GpImage& Image, float X, float Y, float Width, float Height) {
  const QImage& img = Image.Data().image;
  if (img.isNull()) return InvalidParameter;
  if (!(Width > 0) || !(Height > 0)) return Ok;
  QPainter* p = d_->Begin(0.0);
  if (!p) return WrongState;
  p->setRenderHint(QPainter::SmoothPixmapTransform, true);
  p->drawImage(QRectF(X, Y, Width, Height), img);
  return Ok;
}

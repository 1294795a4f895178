#include "TCanvas.h"

#include <QFontInfo>
#include <QPainterPath>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "DeviceContext.h"
#include "QtBridge.h"
#include "TGraphic.h"

namespace {

// The result of a three-operand raster operation on 24-bit colour values:
// bit (P << 2 | S << 1 | D) of the operation's index gives the result bit
// for each combination of pattern, source and destination bits.
uint32_t ApplyRop3(uint8_t index, uint32_t p, uint32_t s, uint32_t d) {
  uint32_t out = 0;
  for (int m = 0; m < 8; ++m) {
    if (!(index & (1u << m))) continue;
    uint32_t term = ((m & 4) ? p : ~p) & ((m & 2) ? s : ~s) & ((m & 1) ? d : ~d);
    out |= term;
  }
  return out & 0x00FFFFFFu;
}

QPen CosmeticPen(QColor c, int width) {
  QPen pen(c);
  pen.setWidth(std::max(1, width));
  pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
  pen.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
  return pen;
}

QPainter& Prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setOpacity(1.0);
  return p;
}

// Removes the accelerator marks: "&&" becomes "&", "&x" becomes "x" and
// the first such x is returned as the character to underline.
QString StripPrefix(const QString& s, int* underline) {
  QString out;
  out.reserve(s.size());
  *underline = -1;
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] == u'&' && i + 1 < s.size()) {
      ++i;
      if (s[i] != u'&' && *underline < 0) *underline = static_cast<int>(out.size());
    } else if (s[i] == u'&') {
      continue;
    }
    out += s[i];
  }
  return out;
}

struct Line {
  QString text;
  int underline = -1;  // index in text, -1 for none
};

// Greedy word wrapping at blanks; a word wider than the width stays whole.
void WrapParagraph(const Line& para, const QFontMetrics& fm, int width, std::vector<Line>& out) {
  const QString& t = para.text;
  qsizetype start = 0;
  do {
    qsizetype end = t.size();
    if (fm.horizontalAdvance(t.mid(start)) > width) {
      qsizetype fit = -1;
      for (qsizetype i = start; i < t.size(); ++i) {
        if (t[i] != u' ') continue;
        if (fm.horizontalAdvance(t.mid(start, i - start)) > width) break;
        fit = i;
      }
      if (fit < 0) {
        qsizetype blank = t.indexOf(u' ', start);
        fit = blank < 0 ? t.size() : blank;
      }
      end = fit;
    }
    Line l{t.mid(start, end - start), -1};
    if (para.underline >= start && para.underline < end) l.underline = static_cast<int>(para.underline - start);
    out.push_back(l);
    start = end;
    while (start < t.size() && t[start] == u' ') ++start;
  } while (start < t.size());
}

}  // namespace

TCanvas::TCanvas()
    : pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()), font_(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::FillDeviceRect(const TRect& R, TColor Color) {
  if (!dc_ || R.IsEmpty()) return;
  Prepare(dc_->Painter()).fillRect(ToQRect(R), ToQColor(Color));
}

void TCanvas::FillRect(const TRect& R) {
  if (brush_->Style() == bsClear) return;
  FillDeviceRect(R, brush_->Color());
}

void TCanvas::FrameRect(const TRect& R) {
  if (brush_->Style() == bsClear || R.IsEmpty()) return;
  TColor c = brush_->Color();
  FillDeviceRect({R.Left, R.Top, R.Right, R.Top + 1}, c);
  FillDeviceRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, c);
  FillDeviceRect({R.Left, R.Top, R.Left + 1, R.Bottom}, c);
  FillDeviceRect({R.Right - 1, R.Top, R.Right, R.Bottom}, c);
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  if (!dc_) return;
  TRect r{std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
  if (pen_->Style() == psClear) {
    // Without an outline the fill stops one pixel short on the right and
    // bottom, as the window system's rectangles do.
    if (brush_->Style() != bsClear) FillDeviceRect({r.Left, r.Top, r.Right - 1, r.Bottom - 1}, brush_->Color());
    return;
  }
  int w = std::max(1, pen_->Width());
  if (brush_->Style() != bsClear) FillDeviceRect(r.Inflate(-w, -w), brush_->Color());
  if (w == 1 && pen_->Style() == psSolid) {
    TColor c = pen_->Color();
    FillDeviceRect({r.Left, r.Top, r.Right, r.Top + 1}, c);
    FillDeviceRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, c);
    FillDeviceRect({r.Left, r.Top, r.Left + 1, r.Bottom}, c);
    FillDeviceRect({r.Right - 1, r.Top, r.Right, r.Bottom}, c);
    return;
  }
  TPoint pts[] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1},
                  {r.Left, r.Top}};
  Polyline(pts);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int EllipseWidth, int EllipseHeight) {
  if (!dc_) return;
  QPainter& p = Prepare(dc_->Painter());
  p.setPen(pen_->Style() == psClear ? QPen(Qt::NoPen) : CosmeticPen(ToQColor(pen_->Color()), pen_->Width()));
  p.setBrush(brush_->Style() == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush_->Color())));
  p.drawRoundedRect(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1), EllipseWidth / 2.0, EllipseHeight / 2.0);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  if (!dc_) return;
  QPainter& p = Prepare(dc_->Painter());
  if (pen_->Style() == psClear) {
    if (brush_->Style() == bsClear) return;
    QPainterPath path;
    path.addEllipse(QRectF(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
    p.fillPath(path, ToQColor(brush_->Color()));
    return;
  }
  p.setPen(CosmeticPen(ToQColor(pen_->Color()), pen_->Width()));
  p.setBrush(brush_->Style() == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush_->Color())));
  p.drawEllipse(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
}

void TCanvas::DrawPenLine(TPoint From, TPoint To) {
  if (!dc_ || pen_->Style() == psClear || From == To) return;
  TColor c = pen_->Color();
  if (pen_->Width() <= 1 && pen_->Style() == psSolid) {
    if (From.Y == To.Y) {
      int a = From.X < To.X ? From.X : To.X + 1;
      int b = From.X < To.X ? To.X : From.X + 1;
      FillDeviceRect({a, From.Y, b, From.Y + 1}, c);
      return;
    }
    if (From.X == To.X) {
      int a = From.Y < To.Y ? From.Y : To.Y + 1;
      int b = From.Y < To.Y ? To.Y : From.Y + 1;
      FillDeviceRect({From.X, a, From.X + 1, b}, c);
      return;
    }
    // Bresenham, end point excluded.
    dc_->Painter();
    QImage* img = dc_->Image();
    QPoint off = dc_->DeviceOffset();
    QRgb rgb = ToQRgb(c);
    int x = From.X, y = From.Y;
    int dx = std::abs(To.X - x), dy = -std::abs(To.Y - y);
    int sx = x < To.X ? 1 : -1, sy = y < To.Y ? 1 : -1;
    int err = dx + dy;
    while (x != To.X || y != To.Y) {
      int ix = x + off.x(), iy = y + off.y();
      if (dc_->ImagePixelVisible(ix, iy)) img->setPixel(ix, iy, rgb);
      int e2 = 2 * err;
      if (e2 >= dy) { err += dy; x += sx; }
      if (e2 <= dx) { err += dx; y += sy; }
    }
    return;
  }
  QPainter& p = Prepare(dc_->Painter());
  QPen pen = CosmeticPen(ToQColor(c), pen_->Width());
  switch (pen_->Style()) {
    case psDash: pen.setStyle(Qt::DashLine); break;
    case psDot: pen.setStyle(Qt::DotLine); break;
    case psDashDot: pen.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
  }
  p.setPen(pen);
  p.drawLine(QPoint(From.X, From.Y), QPoint(To.X, To.Y));
}

void TCanvas::LineTo(int X, int Y) {
  DrawPenLine(penPos_, {X, Y});
  penPos_ = {X, Y};
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  for (size_t i = 1; i < Points.size(); ++i) DrawPenLine(Points[i - 1], Points[i]);
  if (!Points.empty()) penPos_ = Points.back();
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (!dc_ || Points.size() < 2) return;
  QPolygon poly;
  for (const TPoint& pt : Points) poly << QPoint(pt.X, pt.Y);
  QPainter& p = Prepare(dc_->Painter());
  p.setPen(Qt::NoPen);
  if (brush_->Style() != bsClear) {
    p.setBrush(ToQColor(brush_->Color()));
    p.drawPolygon(poly, Qt::OddEvenFill);
  }
  if (pen_->Style() != psClear) {
    for (size_t i = 0; i < Points.size(); ++i) DrawPenLine(Points[i], Points[(i + 1) % Points.size()]);
  }
}

TColor TCanvas::Pixel(int X, int Y) const {
  if (!dc_) return -1;
  QPoint off = dc_->DeviceOffset();
  int ix = X + off.x(), iy = Y + off.y();
  if (!dc_->ImagePixelVisible(ix, iy)) return -1;
  return FromQRgb(dc_->Image()->pixel(ix, iy));
}

TColor TCanvas::SurfacePixel(int X, int Y) const {
  if (!dc_) return -1;
  const QPoint off = dc_->DeviceOffset();
  const QImage* img = dc_->Image();
  const int ix = X + off.x(), iy = Y + off.y();
  if (ix < 0 || iy < 0 || ix >= img->width() || iy >= img->height()) return -1;
  return FromQRgb(img->pixel(ix, iy));
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
  if (!dc_) return;
  dc_->Painter();
  QPoint off = dc_->DeviceOffset();
  int ix = X + off.x(), iy = Y + off.y();
  if (dc_->ImagePixelVisible(ix, iy)) dc_->Image()->setPixel(ix, iy, ToQRgb(Color));
}

TTextMetric TCanvas::TextMetrics() const {
  const TFontHandle& h = font_->Handle();
  TTextMetric tm;
  tm.tmAscent = h.metrics.ascent();
  tm.tmDescent = h.metrics.descent();
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - h.font.pixelSize());
  tm.tmExternalLeading = std::max(0, h.metrics.leading());
  tm.tmAveCharWidth = h.metrics.averageCharWidth();
  tm.tmMaxCharWidth = h.metrics.maxWidth();
  QFontInfo info(h.font);
  tm.tmPitchAndFamily = TMPF_VECTOR | TMPF_TRUETYPE | (info.fixedPitch() ? 0 : TMPF_FIXED_PITCH);
  return tm;
}

TSize TCanvas::TextExtent(std::string_view Text) const {
  const TFontHandle& h = font_->Handle();
  return {h.Shaped(ToQString(Text)).advance, h.metrics.ascent() + h.metrics.descent()};
}

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
  if (!dc_) return;
  const TFontHandle& h = font_->Handle();
  const TShapedText& line = h.Shaped(ToQString(Text));
  int w = line.advance;
  if (brush_->Style() != bsClear)
    FillDeviceRect(TRect::Bounds(X, Y, w, h.metrics.ascent() + h.metrics.descent()), brush_->Color());
  DrawShaped(line, X, Y);
  penPos_ = {X + w, Y};
}

void TCanvas::TextRect(const TRect& R, int X, int Y, std::string_view Text) {
  if (!dc_) return;
  int saved = SaveDC();
  if (brush_->Style() != bsClear) FillRect(R);
  IntersectClipRect(R);
  TBrushStyle style = brush_->Style();
  brush_->SetStyle(bsClear);
  TextOut(X, Y, Text);
  brush_->SetStyle(style);
  RestoreDC(saved);
}

void TCanvas::DrawShaped(const TShapedText& Line, int X, int Y) {
  const TFontHandle& h = font_->Handle();
  QPainter& p = Prepare(dc_->Painter());
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(h.font);
  p.setPen(ToQColor(font_->Color()));
  // A shaped line is placed by the top of its font's cell.
  p.drawStaticText(QPoint(X, Y), Line.text);
}

int TCanvas::DrawText(std::string_view Text, TRect& R, uint32_t Format) {
  const TFontHandle& h = font_->Handle();
  const QFontMetrics& fm = h.metrics;
  QString s = ToQString(Text);
  s.remove(u'\r');
  bool single = Format & DT_SINGLELINE;
  if (single) s.replace(u'\n', u' ');
  if (Format & DT_EXPANDTABS) s.replace(u'\t', QStringLiteral("        "));

  std::vector<Line> paras;
  for (const QString& part : s.split(u'\n')) {
    Line l;
    l.text = (Format & DT_NOPREFIX) ? part : StripPrefix(part, &l.underline);
    if (Format & DT_HIDEPREFIX) l.underline = -1;
    paras.push_back(l);
  }
  std::vector<Line> lines;
  if ((Format & DT_WORDBREAK) && !single) {
    for (const Line& p : paras) WrapParagraph(p, fm, std::max(0, R.Width()), lines);
  } else {
    lines = paras;
  }

  int lineHeight = fm.ascent() + fm.descent() + ((Format & DT_EXTERNALLEADING) ? std::max(0, fm.leading()) : 0);
  int total = lineHeight * static_cast<int>(lines.size());

  if (Format & DT_CALCRECT) {
    int width = 0;
    for (const Line& l : lines) width = std::max(width, fm.horizontalAdvance(l.text));
    R.Right = R.Left + width;
    R.Bottom = R.Top + total;
    return total;
  }
  if (!dc_) return total;

  int saved = SaveDC();
  if (!(Format & DT_NOCLIP)) IntersectClipRect(R);
  int y = R.Top;
  if (single) {
    if (Format & DT_VCENTER) y = R.Top + (R.Height() - lineHeight) / 2;
    else if (Format & DT_BOTTOM) y = R.Bottom - lineHeight;
  }
  for (Line& l : lines) {
    QString text = l.text;
    const TShapedText* line = &h.Shaped(text);
    if ((Format & DT_END_ELLIPSIS) && line->advance > R.Width()) {
      text = fm.elidedText(text, Qt::ElideRight, std::max(0, R.Width()));
      line = &h.Shaped(text);
    }
    int w = line->advance;
    int x = R.Left;
    if (Format & DT_CENTER) x = R.Left + (R.Width() - w) / 2;
    else if (Format & DT_RIGHT) x = R.Right - w;
    if (brush_->Style() != bsClear) FillDeviceRect(TRect::Bounds(x, y, w, lineHeight), brush_->Color());
    DrawShaped(*line, x, y);
    if (l.underline >= 0 && l.underline < text.size()) {
      int ux = x + fm.horizontalAdvance(text.left(l.underline));
      int uw = fm.horizontalAdvance(text.mid(l.underline, 1));
      FillDeviceRect(TRect::Bounds(ux, y + fm.ascent() + 1, uw, 1), font_->Color());
    }
    y += lineHeight;
  }
  RestoreDC(saved);
  return total;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Graphic->Draw(this, TRect::Bounds(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Graphic->Draw(this, R);
}

void TCanvas::BitBlt(int X, int Y, int Width, int Height, const TCanvas* Source, int SX, int SY,
                     uint32_t Rop) {
  CopyRect(TRect::Bounds(X, Y, Width, Height), Source, TRect::Bounds(SX, SY, Width, Height), Rop);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect) {
  CopyRect(Dest, Source, SourceRect, CopyMode);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect, uint32_t Rop) {
  if (!dc_ || Dest.IsEmpty()) return;
  uint8_t index = static_cast<uint8_t>(Rop >> 16);
  bool needsSource = ((index >> 2) & 0x33) != (index & 0x33);
  QImage src;
  if (needsSource) {
    if (!Source || !Source->dc_ || SourceRect.IsEmpty()) return;
    QPoint so = Source->dc_->DeviceOffset();
    src = Source->dc_->Image()->copy(ToQRect(SourceRect).translated(so));
    if (src.size() != QSize(Dest.Width(), Dest.Height()))
      src = src.scaled(Dest.Width(), Dest.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  QPainter& p = Prepare(dc_->Painter());
  if (Rop == SRCCOPY) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(Dest.Left, Dest.Top), src.format() == QImage::Format_RGB32 ? src : src.convertToFormat(QImage::Format_RGB32));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return;
  }
  QPoint off = dc_->DeviceOffset();
  QImage dst = dc_->Image()->copy(ToQRect(Dest).translated(off)).convertToFormat(QImage::Format_RGB32);
  uint32_t pat = static_cast<uint32_t>(ToQRgb(brush_->Color())) & 0x00FFFFFFu;
  for (int y = 0; y < dst.height(); ++y) {
    auto* d = reinterpret_cast<QRgb*>(dst.scanLine(y));
    const QRgb* s = needsSource ? reinterpret_cast<const QRgb*>(src.constScanLine(y)) : nullptr;
    for (int x = 0; x < dst.width(); ++x)
      d[x] = 0xFF000000u | ApplyRop3(index, pat, s ? (s[x] & 0x00FFFFFFu) : 0, d[x] & 0x00FFFFFFu);
  }
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(Dest.Left, Dest.Top), dst);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

int TCanvas::SaveDC() { return dc_ ? dc_->Save() : 0; }
void TCanvas::RestoreDC(int Level) {
  if (dc_) dc_->Restore(Level);
}
TPoint TCanvas::ViewportOrg() const { return dc_ ? dc_->Origin() : TPoint{}; }
void TCanvas::SetViewportOrg(TPoint P) {
  if (dc_) dc_->SetOrigin(P);
}
void TCanvas::MoveWindowOrg(int DX, int DY) {
  if (dc_) dc_->SetOrigin(dc_->Origin() + TPoint{DX, DY});
}
void TCanvas::IntersectClipRect(const TRect& R) {
  if (dc_) dc_->IntersectClip(R.IsEmpty() ? QRegion() : QRegion(ToQRect(R)));
}
void TCanvas::ExcludeClipRect(const TRect& R) {
  if (dc_ && !R.IsEmpty()) dc_->ExcludeClip(ToQRect(R));
}
void TCanvas::SelectClipRgn(const TRegion* Region) {
  if (!dc_) return;
  if (Region) dc_->SetClip(&ToQRegion(*Region));
  else dc_->SetClip(nullptr);
}
TRect TCanvas::ClipRect() const {
  if (!dc_) return {};
  QPoint off = dc_->DeviceOffset();
  return FromQRect(dc_->ImageClip().boundingRect().translated(-off));
}

// Platform-internal: the Qt objects behind the 2-D drawing surface's
// types. Only .cpp files of the platform layer include this header.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <string_view>
#include <vector>

#include "GdiPlusTypes.h"
#include "GpImage.h"

class GpPen;
class GpStringFormat;

struct GpImageData {
  QImage image;  // ARGB32 premultiplied; null when the bytes were no image
  TGUID format;
};

struct GpBrushData {
  QBrush brush;  // in the surface's coordinates
  GpStatus status = Ok;
  bool gradient = false;
  // A brush that paints only inside Bound (path gradients).
  bool bounded = false;
  QPainterPath bound;
};

struct GpPathData {
  QPainterPath path;
  bool newFigure = true;
};

struct GpFontData {
  QFont font;
};

inline QColor ArgbToQColor(ARGB c) { return QColor::fromRgba(c); }

// The filled outline that Pen's stroke of Path covers.
QPainterPath StrokeOutline(const GpPen& Pen, const QPainterPath& Path);

// Text laid out in a rectangle: each visible line with its position (the
// top-left of its ink box, padding excluded), and the box the text takes.
struct GpTextLine {
  QString text;
  double x = 0;
  double top = 0;
  double width = 0;
  int underline = -1;  // index in text of the hotkey character, or -1
};
struct GpTextLayout {
  std::vector<GpTextLine> lines;
  double ascent = 0;
  double lineSpacing = 0;
  GpRectF bounds;
  int codepointsFitted = 0;
  bool clip = false;  // drawing is limited to the layout rectangle
};
GpTextLayout LayoutString(std::string_view Text, const QFont& Font, float EmPixels, const GpRectF& Layout,
                          const GpStringFormat& Format);

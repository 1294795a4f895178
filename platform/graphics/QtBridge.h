// Platform-internal: the Qt objects behind the graphics types, and the
// conversions between them. Only .cpp files of the platform layer
// include this header.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QStaticText>
#include <QString>
#include <string_view>

#include "TColor.h"
#include "TFont.h"
#include "TRegion.h"
#include "core/Geometry.h"

// A line of text shaped once in one font: drawing or measuring it again
// skips the shaping, which costs more than the drawing itself.
struct TShapedText {
  QStaticText text;
  int advance = 0;
};

struct TFontHandle {
  QFont font;
  QFontMetrics metrics;
  // Lines already shaped in this font, by their text; forgotten all at once
  // when more than a few screens' worth of distinct lines have been seen.
  mutable QHash<QString, TShapedText> shaped;

  const TShapedText& Shaped(const QString& Text) const {
    auto found = shaped.constFind(Text);
    if (found != shaped.cend()) return *found;
    if (shaped.size() >= 2048) shaped.clear();
    TShapedText line{QStaticText(Text), metrics.horizontalAdvance(Text)};
    line.text.setTextFormat(Qt::PlainText);
    line.text.prepare(QTransform(), font);
    return *shaped.insert(Text, std::move(line));
  }
};

struct TRegionData {
  QRegion region;
};

inline QRgb ToQRgb(TColor c) {
  c = ColorToRGB(c);
  return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline QColor ToQColor(TColor c) { return QColor::fromRgb(ToQRgb(c)); }
inline TColor FromQRgb(QRgb c) { return RGB(qRed(c), qGreen(c), qBlue(c)); }

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return TRect::Bounds(r.x(), r.y(), r.width(), r.height()); }

inline QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string FromQString(const QString& s) { return s.toUtf8().toStdString(); }

inline const QRegion& ToQRegion(const TRegion& r) { return r.Data().region; }
TRegion FromQRegion(const QRegion& r);

#include "DeviceContext.h"

class TCanvas;

// What a TBitmap holds: its image, the surface drawing lands on, the
// context its canvas draws through, and the masked copy used for
// transparent drawing.
struct TBitmapData {
  QImage image;
  TSurface surface{&image};
  TDeviceContext dc{&surface};
  std::unique_ptr<TCanvas> canvas;
  QImage mask;
  uint64_t maskGeneration = ~uint64_t{0};
  QRgb maskColor = 0;
};

// Tolvaris's mark: a white "T" with an arched bar on a blue glass orb, with
// an amber sweep under it.
#include "Brand.h"

#include "Painting.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>

namespace {

// The "T" in a box of side Size whose top-left corner is Origin.
QPainterPath TMark(QPointF Origin, double Size)
{
  auto At = [&](double X, double Y) { return Origin + QPointF(X * Size, Y * Size); };
  QPainterPath Bar;
  Bar.moveTo(At(0.14, 0.36));
  Bar.quadTo(At(0.50, 0.12), At(0.86, 0.36));
  Bar.lineTo(At(0.86, 0.50));
  Bar.quadTo(At(0.50, 0.27), At(0.14, 0.50));
  Bar.closeSubpath();
  QPainterPath Stem;
  Stem.moveTo(At(0.415, 0.30));
  Stem.lineTo(At(0.585, 0.30));
  Stem.lineTo(At(0.565, 0.80));
  Stem.quadTo(At(0.50, 0.89), At(0.435, 0.80));
  Stem.closeSubpath();
  return Bar.united(Stem);
}

// The amber crescent that sweeps under the "T" inside the orb.
QPainterPath Sweep(QPointF Centre, double Radius)
{
  QPainterPath Outer;
  Outer.addEllipse(Centre, Radius, Radius);
  QPainterPath Cut;
  Cut.addEllipse(Centre + QPointF(-0.1 * Radius, -0.2 * Radius), 0.98 * Radius, 0.9 * Radius);
  return Outer.subtracted(Cut);
}

const SphereColours OrbBlue{QColor(0x9C, 0xCB, 0xFF), QColor(0x1F, 0x62, 0xC0),
                            QColor(0x0B, 0x2F, 0x78), QColor(0x08, 0x24, 0x5C)};
const SphereColours OrbBlueLit{QColor(0xD2, 0xEA, 0xFF), QColor(0x36, 0x86, 0xE4),
                               QColor(0x14, 0x48, 0xA0), QColor(0x0C, 0x34, 0x7A)};

// The emblem on its own: a glass orb of radius Radius around Centre, in
// lighter blues when Hot.
void PaintEmblem(QPainter& P, QPointF Centre, double Radius, bool Hot)
{
  PaintSphere(P, Centre, Radius, Hot ? OrbBlueLit : OrbBlue, [&](QPainter& Q) {
    QLinearGradient Amber(Centre + QPointF(-Radius, 0), Centre + QPointF(Radius, 0));
    Amber.setColorAt(0.0, QColor(0xFF, 0xC2, 0x3C, 0));
    Amber.setColorAt(0.45, Hot ? QColor(0xFF, 0xC4, 0x3A, 255) : QColor(0xFF, 0xB0, 0x2E, 230));
    Amber.setColorAt(1.0, QColor(0xFF, 0xE0, 0x80, 255));
    Q.fillPath(Sweep(Centre, Radius * 0.84), Amber);
  });
  const double Side = Radius * 1.3;
  const QPainterPath Mark = TMark(Centre - QPointF(Side / 2, Side / 2 + Radius * 0.03), Side);
  P.fillPath(Mark.translated(Radius * 0.03, Radius * 0.05), QColor(0x05, 0x1E, 0x50, 110));
  QLinearGradient White(Mark.boundingRect().topLeft(), Mark.boundingRect().bottomLeft());
  White.setColorAt(0.0, Qt::white);
  White.setColorAt(1.0, QColor(0xDC, 0xE8, 0xF8));
  P.fillPath(Mark, White);
}

} // namespace

QImage DrawOrb(bool Hot)
{
  QImage Image = NewCanvas(48, 48);
  QPainter P(&Image);
  PreparePainter(P);
  const QPointF C(24, 24);

  // Metal rim, warmed to amber in the hot look.
  const double Rim = 22.0;
  if (Hot) {
    QRadialGradient Halo(C, 24);
    Halo.setColorAt(0.86, QColor(0xFF, 0xC8, 0x50, 200));
    Halo.setColorAt(1.0, QColor(0xFF, 0xC8, 0x50, 0));
    P.setPen(Qt::NoPen);
    P.setBrush(Halo);
    P.drawEllipse(C, 24, 24);
  }
  QLinearGradient Metal(C - QPointF(0, Rim), C + QPointF(0, Rim));
  Metal.setColorAt(0.0, Hot ? QColor(0xFF, 0xFA, 0xE6) : QColor(0xFA, 0xFC, 0xFF));
  Metal.setColorAt(0.5, Hot ? QColor(0xF8, 0xD8, 0x8C) : QColor(0xC6, 0xD6, 0xEC));
  Metal.setColorAt(1.0, Hot ? QColor(0xE0, 0xA0, 0x38) : QColor(0x8A, 0xA4, 0xC8));
  P.setPen(QPen(Hot ? QColor(0xA0, 0x6A, 0x1C) : QColor(0x4A, 0x68, 0x96), 1.0));
  P.setBrush(Metal);
  P.drawEllipse(C, Rim - 0.5, Rim - 0.5);

  PaintEmblem(P, C, 18.5, Hot);
  return Image;
}

QImage DrawLogo()
{
  QImage Image(179, 100, QImage::Format_RGB32);
  Image.fill(Qt::white);
  QPainter P(&Image);
  PreparePainter(P);

  PaintEmblem(P, QPointF(34, 50), 26, false);

  // The wordmark, as large as fits right of the emblem, thickened a little
  // because the bold face is light.
  const double Left = 69;
  const double Room = 179 - Left - 6;
  const QString Name = QStringLiteral("Tolvaris");
  QPainterPath Text;
  for (double Size = 32; Size >= 16; Size -= 1) {
    Text = QPainterPath();
    Text.addText(0, 0, UiFont(Size, true), Name);
    if (Text.boundingRect().width() + 1 <= Room)
      break;
  }
  const double Baseline = 49;
  Text.translate(Left - Text.boundingRect().left(), Baseline);
  const QRectF Word = Text.boundingRect();
  QLinearGradient Ink(Word.topLeft(), Word.bottomLeft());
  Ink.setColorAt(0.0, QColor(0x2A, 0x5C, 0xAA));
  Ink.setColorAt(1.0, QColor(0x12, 0x34, 0x72));
  P.setPen(QPen(QBrush(Ink), 0.8));
  P.setBrush(Ink);
  P.drawPath(Text);

  QLinearGradient Rule(QPointF(Left, 0), QPointF(Word.right(), 0));
  Rule.setColorAt(0.0, QColor(0xFF, 0xA8, 0x2A));
  Rule.setColorAt(1.0, QColor(0xFF, 0xA8, 0x2A, 40));
  P.fillRect(QRectF(Left, Baseline + 5, Word.width(), 2), Rule);

  // The tagline, spaced out to the width of the wordmark.
  const QString Tagline = QStringLiteral("DESKTOP SOFTWARE");
  QFont Tag = UiFont(9, false);
  const double Natural = QFontMetricsF(Tag).horizontalAdvance(Tagline);
  Tag.setLetterSpacing(QFont::AbsoluteSpacing,
                       std::clamp((Word.width() - Natural) / (Tagline.size() - 1), 0.0, 3.0));
  P.setFont(Tag);
  P.setPen(QColor(0x5A, 0x6E, 0x8C));
  P.drawText(QRectF(Left, Baseline + 9, Word.width() + 4, 12), Qt::AlignLeft | Qt::AlignVCenter,
             Tagline);
  return Image;
}

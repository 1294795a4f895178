// The program's own pictures, drawn at their final size in pixel units.
#include "Icons.h"

#include "Painting.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace {

const QPointF IconCentre(12, 12);

// Green of the refresh arrows and the exit arrow.
QLinearGradient GreenFill(QPointF From, QPointF To)
{
  QLinearGradient Fill(From, To);
  Fill.setColorAt(0.0, QColor(0xC4, 0xF0, 0x9C));
  Fill.setColorAt(0.45, QColor(0x5C, 0xBF, 0x34));
  Fill.setColorAt(1.0, QColor(0x2A, 0x86, 0x14));
  return Fill;
}
const QColor GreenOutline(0x1D, 0x62, 0x0C);

// A curved arrow on the ring around IconCentre, running clockwise from the
// tail at From to the base of its head at To (degrees).
QPainterPath RingArrow(double From, double To, double Inner, double Outer)
{
  const double Mid = (Inner + Outer) / 2;
  const double Head = (Outer - Inner) / 2 + 2.0;
  const double HeadSweep = 38.0;
  const QRectF OuterBox(IconCentre - QPointF(Outer, Outer), QSizeF(2 * Outer, 2 * Outer));
  const QRectF InnerBox(IconCentre - QPointF(Inner, Inner), QSizeF(2 * Inner, 2 * Inner));

  QPainterPath Path;
  Path.arcMoveTo(OuterBox, From);
  Path.arcTo(OuterBox, From, To - From);
  Path.lineTo(Polar(IconCentre, To, Mid + Head));
  Path.lineTo(Polar(IconCentre, To - HeadSweep, Mid));
  Path.lineTo(Polar(IconCentre, To, Mid - Head));
  Path.lineTo(Polar(IconCentre, To, Inner));
  Path.arcTo(InnerBox, To, From - To);
  Path.closeSubpath();
  return Path;
}

void PaintRefresh(QPainter& P)
{
  const double Inner = 4.9;
  const double Outer = 8.5;
  const std::array<QPainterPath, 2> Arrows{RingArrow(165, 40, Inner, Outer),
                                           RingArrow(345, 220, Inner, Outer)};
  for (const QPainterPath& Arrow : Arrows) {
    const QRectF Box = Arrow.boundingRect();
    P.fillPath(Arrow, GreenFill(Box.topLeft(), Box.bottomRight()));
    P.setPen(QPen(GreenOutline, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Arrow);
  }
  // A sheen along the outer edge of each arrow.
  const double Sheen = Outer - 1.3;
  const QRectF SheenBox(IconCentre - QPointF(Sheen, Sheen), QSizeF(2 * Sheen, 2 * Sheen));
  P.setPen(QPen(QColor(255, 255, 255, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
  P.drawArc(SheenBox, 155 * 16, -100 * 16);
  P.setPen(QPen(QColor(255, 255, 255, 90), 1.0, Qt::SolidLine, Qt::RoundCap));
  P.drawArc(SheenBox, 335 * 16, -100 * 16);
}

QPolygonF Octagon(QPointF Centre, double Radius)
{
  QPolygonF Shape;
  for (int I = 0; I < 8; ++I)
    Shape << Polar(Centre, 22.5 + 45.0 * I, Radius);
  return Shape;
}

void PaintKill(QPainter& P)
{
  QPainterPath Sign;
  Sign.addPolygon(Octagon(IconCentre, 10.6));
  Sign.closeSubpath();
  QRadialGradient Body(IconCentre, 11, IconCentre + QPointF(-3.5, -4.5));
  Body.setColorAt(0.0, QColor(0xFF, 0xA0, 0x8C));
  Body.setColorAt(0.5, QColor(0xE3, 0x2B, 0x24));
  Body.setColorAt(1.0, QColor(0xA6, 0x0C, 0x0C));
  P.fillPath(Sign, Body);
  PaintGloss(P, Sign, 0.7);

  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(QColor(255, 255, 255, 170), 0.9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  P.drawPolygon(Octagon(IconCentre, 8.9));
  P.setPen(QPen(QColor(0x74, 0x06, 0x06), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  P.drawPath(Sign);

  auto Cross = [&](QPointF Shift, QColor Colour) {
    P.setPen(QPen(Colour, 2.6, Qt::SolidLine, Qt::RoundCap));
    const double A = 3.4;
    P.drawLine(IconCentre + Shift + QPointF(-A, -A), IconCentre + Shift + QPointF(A, A));
    P.drawLine(IconCentre + Shift + QPointF(A, -A), IconCentre + Shift + QPointF(-A, A));
  };
  Cross(QPointF(0.4, 0.7), QColor(0x70, 0x00, 0x00, 120));
  Cross(QPointF(0, 0), Qt::white);
}

const SphereColours HelpBlue{QColor(0xE6, 0xF3, 0xFF), QColor(0x3A, 0x8C, 0xE4),
                             QColor(0x15, 0x4E, 0xA6), QColor(0x10, 0x3B, 0x7E)};

// Gloss is weaker on small balls, where it would wash out the mark.
void PaintQuestionBall(QPainter& P, QPointF Centre, double Radius, double TextSize, double Gloss)
{
  SphereColours Colours = HelpBlue;
  Colours.Gloss = Gloss;
  PaintSphere(P, Centre, Radius, Colours);
  const QPainterPath Mark =
      CentredText(QStringLiteral("?"), UiFont(TextSize, true), Centre + QPointF(0.2, 0.3));
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(QColor(0x0A, 0x2E, 0x66, 130), 0.7));
  P.drawPath(Mark.translated(0.5, 0.7));
  P.fillPath(Mark.translated(0.5, 0.7), QColor(0x0A, 0x2E, 0x66, 130));
  P.setPen(QPen(Qt::white, 0.7));
  P.setBrush(Qt::white);
  P.drawPath(Mark);
}

void PaintExit(QPainter& P)
{
  // Frame and the dark room beyond the doorway.
  const QRectF Frame(4.5, 2.5, 12, 19.5);
  const QRectF Opening = Frame.adjusted(1.5, 1.5, -1.5, 0);
  QLinearGradient Wood(Frame.topLeft(), Frame.topRight());
  Wood.setColorAt(0.0, QColor(0xB9, 0x83, 0x4E));
  Wood.setColorAt(1.0, QColor(0x86, 0x55, 0x2A));
  P.setPen(QPen(QColor(0x5A, 0x36, 0x14), 1.0));
  P.setBrush(Wood);
  P.drawRect(Frame);
  QLinearGradient Dark(Opening.topLeft(), Opening.bottomRight());
  Dark.setColorAt(0.0, QColor(0x3A, 0x4C, 0x6C));
  Dark.setColorAt(1.0, QColor(0x1E, 0x2A, 0x40));
  P.setPen(Qt::NoPen);
  P.fillRect(Opening, Dark);

  // The door, swung open into the room on its left hinge.
  QPolygonF Leaf;
  Leaf << QPointF(Opening.left(), Opening.top()) << QPointF(Opening.left() + 5.0, Opening.top() + 2.0)
       << QPointF(Opening.left() + 5.0, Opening.bottom() - 1.0)
       << QPointF(Opening.left(), Opening.bottom());
  QLinearGradient Panel(Leaf[0], Leaf[1]);
  Panel.setColorAt(0.0, QColor(0xF2, 0xCB, 0x92));
  Panel.setColorAt(1.0, QColor(0xC6, 0x8A, 0x48));
  P.setPen(QPen(QColor(0x6E, 0x43, 0x1A), 0.8));
  P.setBrush(Panel);
  P.drawPolygon(Leaf);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(0x6E, 0x43, 0x1A));
  P.drawEllipse(QPointF(Opening.left() + 3.9, 12.6), 0.7, 0.8);

  // The way out.
  QPolygonF Arrow;
  Arrow << QPointF(9.5, 10.8) << QPointF(16.0, 10.8) << QPointF(16.0, 7.0) << QPointF(22.5, 13.0)
        << QPointF(16.0, 19.0) << QPointF(16.0, 15.2) << QPointF(9.5, 15.2);
  P.setPen(QPen(GreenOutline, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  P.setBrush(GreenFill(QPointF(12, 7), QPointF(16, 19)));
  P.drawPolygon(Arrow);
  P.setPen(QPen(QColor(255, 255, 255, 140), 1.0, Qt::SolidLine, Qt::FlatCap));
  P.drawLine(QPointF(10.5, 11.9), QPointF(16.5, 11.9));
}

// A closed outline through Points, rounded by running quadratic curves
// between the midpoints of its sides.
QPainterPath SmoothOutline(const std::vector<QPointF>& Points)
{
  QPainterPath Path;
  const size_t N = Points.size();
  auto Mid = [&](size_t I) { return (Points[I % N] + Points[(I + 1) % N]) / 2; };
  Path.moveTo(Mid(0));
  for (size_t I = 1; I <= N; ++I)
    Path.quadTo(Points[I % N], Mid(I));
  Path.closeSubpath();
  return Path;
}

// The Americas, in units of the globe's radius around its centre.
QPainterPath Land(QPointF Centre, double Radius)
{
  const std::vector<std::vector<QPointF>> Shapes{
      {{-0.78, -0.50}, {-0.50, -0.74}, {-0.12, -0.76}, {0.10, -0.58}, {-0.02, -0.40},
       {-0.16, -0.22}, {-0.26, -0.02}, {-0.40, -0.14}, {-0.62, -0.18}, {-0.84, -0.30}},
      {{-0.22, 0.10}, {0.10, 0.08}, {0.40, 0.28}, {0.30, 0.56}, {0.08, 0.86}, {-0.04, 0.72},
       {-0.10, 0.44}, {-0.26, 0.26}},
      {{0.62, -0.62}, {0.86, -0.44}, {0.80, -0.22}, {0.60, -0.34}}};
  QPainterPath All;
  for (const auto& Shape : Shapes) {
    std::vector<QPointF> Points;
    for (QPointF U : Shape)
      Points.push_back(Centre + U * Radius);
    All.addPath(SmoothOutline(Points));
  }
  return All;
}

} // namespace

QImage DrawToolIcon(ToolIcon Which)
{
  QImage Image = NewCanvas(24, 24);
  QPainter P(&Image);
  PreparePainter(P);
  switch (Which) {
  case ToolIcon::Refresh:
    PaintRefresh(P);
    break;
  case ToolIcon::Kill:
    PaintKill(P);
    break;
  case ToolIcon::Help:
    PaintQuestionBall(P, IconCentre, 10.5, 16, 0.7);
    break;
  case ToolIcon::Close:
    PaintExit(P);
    break;
  }
  return Image;
}

QImage HotLook(const QImage& Icon)
{
  return WithGlow(Brightened(Icon, 0.12), QColor(0xFF, 0xD0, 0x50, 235), 1, 2.6);
}

QImage ToolStrip(bool Hot)
{
  QImage Strip = NewCanvas(96, 24);
  QPainter P(&Strip);
  const std::array Order{ToolIcon::Refresh, ToolIcon::Kill, ToolIcon::Help, ToolIcon::Close};
  for (size_t I = 0; I < Order.size(); ++I) {
    const QImage Icon = DrawToolIcon(Order[I]);
    P.drawImage(int(I) * 24, 0, Hot ? HotLook(Icon) : Icon);
  }
  return Strip;
}

QImage DrawAppIcon()
{
  QImage Image = NewCanvas(32, 32);
  QPainter P(&Image);
  PreparePainter(P);

  // A small window listing processes.
  const QRectF Window(1.5, 3.5, 25, 22);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(0, 0, 0, 40));
  P.drawRoundedRect(Window.translated(1, 1), 2, 2);
  QLinearGradient Client(Window.topLeft(), Window.bottomLeft());
  Client.setColorAt(0.0, Qt::white);
  Client.setColorAt(1.0, QColor(0xE4, 0xEC, 0xF7));
  P.setPen(QPen(QColor(0x35, 0x5C, 0x94), 1.0));
  P.setBrush(Client);
  P.drawRoundedRect(Window, 2, 2);

  const QRectF Title(Window.left() + 0.5, Window.top() + 0.5, Window.width() - 1, 4.5);
  QLinearGradient Bar(Title.topLeft(), Title.bottomLeft());
  Bar.setColorAt(0.0, QColor(0x9E, 0xC2, 0xF0));
  Bar.setColorAt(0.5, QColor(0x4D, 0x86, 0xD6));
  Bar.setColorAt(1.0, QColor(0x2C, 0x62, 0xB4));
  P.setPen(Qt::NoPen);
  P.setBrush(Bar);
  P.drawRoundedRect(Title, 1.5, 1.5);
  P.fillRect(QRectF(Title.left(), Title.bottom() - 1.5, Title.width(), 1.5), QColor(0x2C, 0x62, 0xB4));

  // Rows: a coloured process icon and its name; the third row is selected.
  const std::array RowColours{QColor(0x3A, 0x8C, 0xE4), QColor(0x5C, 0xBF, 0x34),
                              QColor(0xE3, 0x6B, 0x24), QColor(0x8A, 0x5C, 0xC8)};
  for (int Row = 0; Row < 4; ++Row) {
    const double Y = 11.0 + Row * 3.6;
    if (Row == 2) {
      QLinearGradient Hot(QPointF(0, Y - 1.6), QPointF(0, Y + 1.6));
      Hot.setColorAt(0.0, QColor(0xFF, 0xF1, 0xB8));
      Hot.setColorAt(1.0, QColor(0xFF, 0xD0, 0x62));
      P.setPen(QPen(QColor(0xDB, 0xA0, 0x36), 0.8));
      P.setBrush(Hot);
      P.drawRect(QRectF(3.2, Y - 1.6, 21.6, 3.2));
    }
    P.setPen(Qt::NoPen);
    P.setBrush(RowColours[size_t(Row)]);
    P.drawRect(QRectF(4.5, Y - 1, 2, 2));
    P.setBrush(QColor(0x7F, 0x90, 0xA8));
    P.drawRect(QRectF(8.5, Y - 0.5, Row % 2 ? 9.0 : 12.5, 1.1));
  }

  // The magnifying glass over the lower right corner.
  const QPointF Lens(21.5, 21.0);
  P.setPen(QPen(QColor(0x2E, 0x2E, 0x2E), 3.6, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(Lens + QPointF(4.3, 4.3), QPointF(29.6, 29.1));
  P.setPen(QPen(QColor(0x8A, 0x8A, 0x8A), 1.2, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(Lens + QPointF(4.6, 4.0), QPointF(29.2, 28.5));
  QRadialGradient Glass(Lens, 5.5, Lens + QPointF(-2, -2));
  Glass.setColorAt(0.0, QColor(255, 255, 255, 220));
  Glass.setColorAt(1.0, QColor(0xB8, 0xD8, 0xF8, 170));
  P.setBrush(Glass);
  P.setPen(QPen(QColor(0x3C, 0x3C, 0x3C), 1.8));
  P.drawEllipse(Lens, 5.3, 5.3);
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0.8));
  P.drawEllipse(Lens, 6.0, 6.0);
  P.setPen(QPen(QColor(255, 255, 255, 230), 1.0, Qt::SolidLine, Qt::RoundCap));
  P.drawArc(QRectF(Lens - QPointF(3.2, 3.2), QSizeF(6.4, 6.4)), 100 * 16, 70 * 16);
  return Image;
}

QImage DrawGlobe()
{
  QImage Image = NewCanvas(32, 32);
  QPainter P(&Image);
  PreparePainter(P);
  const QPointF C(16, 16);
  const double R = 14.5;
  const SphereColours Sea{QColor(0xD8, 0xF0, 0xFF), QColor(0x3C, 0x9A, 0xE6),
                          QColor(0x12, 0x58, 0xAC), QColor(0x0C, 0x43, 0x86)};
  PaintSphere(P, C, R, Sea, [&](QPainter& Q) {
    const QPainterPath Continents = Land(C, R);
    QLinearGradient Green(C - QPointF(R, R), C + QPointF(R, R));
    Green.setColorAt(0.0, QColor(0xB6, 0xE8, 0x7C));
    Green.setColorAt(0.5, QColor(0x58, 0xAE, 0x38));
    Green.setColorAt(1.0, QColor(0x2C, 0x74, 0x1C));
    Q.setPen(QPen(QColor(0x1E, 0x5A, 0x20, 150), 0.7));
    Q.setBrush(Green);
    Q.drawPath(Continents);
    Q.setBrush(Qt::NoBrush);
    Q.setPen(QPen(QColor(255, 255, 255, 120), 0.9));
    for (double Half : {0.5, 0.866})
      Q.drawEllipse(C, R * Half, R);
    Q.drawLine(QPointF(C.x(), C.y() - R), QPointF(C.x(), C.y() + R));
    for (double Lat : {-0.5, 0.0, 0.5}) {
      const double Y = C.y() + R * Lat;
      const double Half = R * std::sqrt(1 - Lat * Lat);
      Q.drawLine(QPointF(C.x() - Half, Y), QPointF(C.x() + Half, Y));
    }
  });
  return Image;
}

QImage DrawSmallHelp()
{
  QImage Image = NewCanvas(16, 16);
  QPainter P(&Image);
  PreparePainter(P);
  PaintQuestionBall(P, QPointF(8, 8), 7.5, 12, 0.35);
  return Image;
}

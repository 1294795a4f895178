// Drawing helpers shared by the icons.
#include "Painting.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

QString FontFamily = QStringLiteral("DejaVu Sans");

int ClampByte(double Value)
{
  return std::clamp(int(std::lround(Value)), 0, 255);
}

} // namespace

void LoadFonts()
{
  const int Regular = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf");
  const int Bold = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahomabd.ttf");
  if (Regular >= 0 && Bold >= 0) {
    const QStringList Families = QFontDatabase::applicationFontFamilies(Regular);
    if (!Families.isEmpty())
      FontFamily = Families.front();
  }
}

QFont UiFont(double PixelSize, bool Bold)
{
  QFont Font(FontFamily);
  Font.setPixelSize(std::max(1, int(std::lround(PixelSize))));
  Font.setBold(Bold);
  Font.setHintingPreference(QFont::PreferNoHinting);
  Font.setStyleStrategy(QFont::PreferAntialias);
  return Font;
}

QImage NewCanvas(int Width, int Height)
{
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::transparent);
  return Image;
}

void PreparePainter(QPainter& Painter)
{
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPointF Polar(QPointF Centre, double Degrees, double Radius)
{
  const double A = Degrees * std::numbers::pi / 180.0;
  return {Centre.x() + Radius * std::cos(A), Centre.y() - Radius * std::sin(A)};
}

QPainterPath CentredText(const QString& Text, const QFont& Font, QPointF Centre)
{
  QPainterPath Path;
  Path.addText(0, 0, Font, Text);
  const QRectF Box = Path.boundingRect();
  Path.translate(Centre - Box.center());
  return Path;
}

void PaintSphere(QPainter& Painter, QPointF Centre, double Radius, const SphereColours& Colours,
                 const std::function<void(QPainter&)>& Inside)
{
  QPainterPath Ball;
  Ball.addEllipse(Centre, Radius, Radius);

  QRadialGradient Body(Centre, Radius, Centre + QPointF(-0.35 * Radius, -0.45 * Radius));
  Body.setColorAt(0.0, Colours.Light);
  Body.setColorAt(0.6, Colours.Base);
  Body.setColorAt(1.0, Colours.Dark);
  Painter.fillPath(Ball, Body);

  QRadialGradient Bounce(Centre + QPointF(0, 0.85 * Radius), 0.8 * Radius);
  QColor Glint = Colours.Light;
  Glint.setAlpha(150);
  Bounce.setColorAt(0.0, Glint);
  Glint.setAlpha(0);
  Bounce.setColorAt(1.0, Glint);
  Painter.save();
  Painter.setClipPath(Ball);
  Painter.fillPath(Ball, Bounce);
  if (Inside)
    Inside(Painter);
  Painter.restore();

  PaintGloss(Painter, Ball, Colours.Gloss);

  Painter.setPen(QPen(Colours.Outline, 1.0));
  Painter.setBrush(Qt::NoBrush);
  Painter.drawEllipse(Centre, Radius - 0.5, Radius - 0.5);
}

void PaintGloss(QPainter& Painter, const QPainterPath& Shape, double Opacity)
{
  const QRectF Box = Shape.boundingRect();
  const QRectF Band(Box.left() + Box.width() * 0.14, Box.top() + Box.height() * 0.04,
                    Box.width() * 0.72, Box.height() * 0.5);
  QPainterPath Highlight;
  Highlight.addEllipse(Band);
  QLinearGradient Fade(Band.topLeft(), Band.bottomLeft());
  Fade.setColorAt(0.0, QColor(255, 255, 255, ClampByte(235 * Opacity)));
  Fade.setColorAt(1.0, QColor(255, 255, 255, ClampByte(25 * Opacity)));
  Painter.fillPath(Highlight.intersected(Shape), Fade);
}

QImage Brightened(const QImage& Image, double Amount)
{
  QImage Out = Image.convertToFormat(QImage::Format_ARGB32);
  for (int Y = 0; Y < Out.height(); ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Out.scanLine(Y));
    for (int X = 0; X < Out.width(); ++X) {
      const QRgb P = Line[X];
      auto Lift = [Amount](int C) { return ClampByte(C + (255 - C) * Amount); };
      Line[X] = qRgba(Lift(qRed(P)), Lift(qGreen(P)), Lift(qBlue(P)), qAlpha(P));
    }
  }
  return Out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage WithGlow(const QImage& Image, QColor Colour, int Radius, double Strength)
{
  const QImage Src = Image.convertToFormat(QImage::Format_ARGB32);
  const int W = Src.width();
  const int H = Src.height();
  std::vector<double> Mask(size_t(W) * H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      Mask[size_t(Y) * W + X] = qAlpha(Src.pixel(X, Y)) / 255.0;

  // Three box passes each way approximate a Gaussian.
  std::vector<double> Tmp(Mask.size());
  auto BoxPass = [&](bool Horizontal) {
    const int Len = Horizontal ? W : H;
    const int Lines = Horizontal ? H : W;
    for (int L = 0; L < Lines; ++L) {
      for (int I = 0; I < Len; ++I) {
        double Sum = 0;
        for (int K = I - Radius; K <= I + Radius; ++K) {
          if (K < 0 || K >= Len)
            continue;
          Sum += Horizontal ? Mask[size_t(L) * W + K] : Mask[size_t(K) * W + L];
        }
        (Horizontal ? Tmp[size_t(L) * W + I] : Tmp[size_t(I) * W + L]) = Sum / (2 * Radius + 1);
      }
    }
    Mask.swap(Tmp);
  };
  for (int Pass = 0; Pass < 3; ++Pass) {
    BoxPass(true);
    BoxPass(false);
  }

  QImage Out(W, H, QImage::Format_ARGB32);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const double A = std::min(1.0, Mask[size_t(Y) * W + X] * Strength) * Colour.alphaF();
      Out.setPixel(X, Y, qRgba(Colour.red(), Colour.green(), Colour.blue(), ClampByte(A * 255)));
    }
  Out = Out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter Painter(&Out);
  Painter.drawImage(0, 0, Image);
  return Out;
}

QImage Greyed(const QImage& Image)
{
  QImage Out = Image.convertToFormat(QImage::Format_ARGB32);
  for (int Y = 0; Y < Out.height(); ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Out.scanLine(Y));
    for (int X = 0; X < Out.width(); ++X) {
      const QRgb P = Line[X];
      const double Luma = 0.299 * qRed(P) + 0.587 * qGreen(P) + 0.114 * qBlue(P);
      const int G = ClampByte(100 + Luma * 0.58);
      Line[X] = qRgba(G, G, G, qAlpha(P));
    }
  }
  return Out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage FlattenOnKey(const QImage& Image, QColor Matte, int Threshold)
{
  const QImage Src = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage Out(Src.size(), QImage::Format_RGB32);
  for (int Y = 0; Y < Src.height(); ++Y) {
    const auto* Line = reinterpret_cast<const QRgb*>(Src.constScanLine(Y));
    for (int X = 0; X < Src.width(); ++X) {
      const QRgb P = Line[X];
      const int A = qAlpha(P);
      if (A < Threshold) {
        Out.setPixel(X, Y, KeyColour);
        continue;
      }
      const double Rest = 1.0 - A / 255.0;
      QRgb C = qRgb(ClampByte(qRed(P) + Matte.red() * Rest),
                    ClampByte(qGreen(P) + Matte.green() * Rest),
                    ClampByte(qBlue(P) + Matte.blue() * Rest));
      if (C == KeyColour)
        C = qRgb(0xFE, 0x00, 0xFE);
      Out.setPixel(X, Y, C);
    }
  }
  return Out;
}

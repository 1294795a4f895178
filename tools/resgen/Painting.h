// Drawing helpers shared by the icons: canvases, fonts, glossy shapes and the
// per-pixel passes that make hot, disabled and colour-keyed variants.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <functional>

// Magenta: pictures stored without alpha are drawn with this colour left out.
constexpr QRgb KeyColour = 0xFFFF00FF;

// Registers Tahoma from Wine's fonts, or settles on DejaVu Sans.
void LoadFonts();
QFont UiFont(double PixelSize, bool Bold);

// A transparent premultiplied-alpha canvas.
QImage NewCanvas(int Width, int Height);

// A painter with antialiasing and smooth pixmap scaling switched on.
void PreparePainter(QPainter& Painter);

// Point at Degrees (counter-clockwise from three o'clock, as Qt's arcs) and
// distance Radius from Centre.
QPointF Polar(QPointF Centre, double Degrees, double Radius);

// Text as an outline centred on Centre, so it can be filled with gradients.
QPainterPath CentredText(const QString& Text, const QFont& Font, QPointF Centre);

// The Office-look glass ball: lit from the upper left, with a faint bounce of
// light at the bottom and a gloss on top. Inside, when given, paints onto the
// body under the gloss with the painter clipped to the ball.
struct SphereColours {
  QColor Light;
  QColor Base;
  QColor Dark;
  QColor Outline;
  double Gloss = 0.85;
};
void PaintSphere(QPainter& Painter, QPointF Centre, double Radius, const SphereColours& Colours,
                 const std::function<void(QPainter&)>& Inside = {});

// The highlight band across the upper part of a rounded shape.
void PaintGloss(QPainter& Painter, const QPainterPath& Shape, double Opacity);

// Each colour moved by Amount towards white, alpha kept.
QImage Brightened(const QImage& Image, double Amount);

// The image over a soft halo of Colour that follows its outline.
QImage WithGlow(const QImage& Image, QColor Colour, int Radius, double Strength);

// The image in light greys of low contrast, as Windows shows disabled pictures.
QImage Greyed(const QImage& Image);

// An opaque image for the colour-keyed formats: pixels with alpha below
// Threshold become KeyColour, the rest are composed over Matte. A drawn
// pixel that would equal the key is nudged off it.
QImage FlattenOnKey(const QImage& Image, QColor Matte, int Threshold);

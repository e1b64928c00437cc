#pragma once
// Drawing helpers of the skin generator: antialiased drawing on a
// transparent canvas, then flattening into a 24-bit bitmap, either over a
// known background or with yellow wherever the window is to be see-through.
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace skin {

QImage NewCanvas(int width, int height);

// Composites `art` over a solid colour.
QImage OverColour(const QImage& art, const QColor& background);
// Composites `art` over another (opaque) image of the same size.
QImage OverImage(const QImage& art, const QImage& background);
// Pixels at least half opaque become opaque (their colour un-premultiplied
// and never exactly yellow); the others become see-through yellow.
QImage WithSeeThrough(const QImage& art);

// Saves as a 24-bit BMP `dir`/`name`; exits with a message on failure.
void SaveBitmap(const QImage& image, const QString& dir, const QString& name);

QLinearGradient Vertical(double top, double bottom, const QColor& from, const QColor& to);

// Rounded rectangle with a radius per corner: top-left, top-right,
// bottom-right, bottom-left.
QPainterPath RoundedRect(const QRectF& rect, double tl, double tr, double br, double bl);

// The header gradient of the window at row y (the strip's pictures are
// composited over it so that their edges blend).
QColor HeaderColourAt(int y);
// A band of the header gradient, rows [top, top + height).
QImage HeaderBand(int width, int top, int height);

}  // namespace skin

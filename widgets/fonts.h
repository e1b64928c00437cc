#pragma once
// The window asks for its faces by their Windows names ("Calibri", "Tahoma")
// and its sizes in points. InstallFonts makes those names resolve to crisp
// look-alikes and Chinese text to a Traditional Chinese face; the size
// helpers turn points into pixels at a fixed 96 dpi, so the layout, which is
// in pixels, looks the same on every screen.
#include <QFont>
#include <QString>

namespace tavro {

// Registers the faces and substitutions. Call once, after the QApplication
// exists and before the first window is built. Safe to call again.
void InstallFonts();

// Pixel size of a point size at 96 dpi: pt * 96 / 72, rounded.
int PointsToPixels(double points);

// `base` with the given point size (as fixed pixels) and weight. Bold
// "Tahoma" is drawn by a condensed bold look-alike.
QFont SizedFont(QFont base, double points, bool bold = false);
// The named face at the given point size and weight.
QFont SkinFont(const QString& family, double points, bool bold = false);

}  // namespace tavro

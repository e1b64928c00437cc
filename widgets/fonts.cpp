#include "widgets/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace tavro {
namespace {

// Debian's fonts-wine ships a Tahoma-metric face under Wine's folder, which
// fontconfig does not index.
const char* const kTahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

const char* const kChineseFace = "Noto Sans CJK TC";

}  // namespace

void InstallFonts() {
  static bool installed = false;
  if (installed) return;
  installed = true;

  for (const char* file : kTahomaFiles) {
    if (QFile::exists(QString::fromUtf8(file))) {
      QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    }
  }
  // Latin look-alike first, then the Traditional Chinese face for the
  // glyphs the Latin face lacks (the fallback would otherwise pick a
  // Japanese or Simplified Chinese variant of the same characters).
  QFont::insertSubstitutions(QStringLiteral("Calibri"),
                             {QStringLiteral("Carlito"), QString::fromUtf8(kChineseFace)});
  QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                             {QStringLiteral("DejaVu Sans"), QString::fromUtf8(kChineseFace)});
}

int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont SizedFont(QFont base, double points, bool bold) {
  base.setPixelSize(PointsToPixels(points));
  base.setBold(bold);
  return base;
}

QFont SkinFont(const QString& family, double points, bool bold) {
  QFont font(family);
  return SizedFont(font, points, bold);
}

}  // namespace tavro

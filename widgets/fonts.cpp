#include "widgets/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace tavro {
namespace {

// Debian's fonts-wine ships a Tahoma-metric face under Wine's folder, which
// fontconfig does not index. Its bold companion (tahomabd.ttf) is drawn
// light and wide, nothing like Tahoma's heavy bold, so bold Tahoma is
// served by DejaVu Sans Condensed Bold instead (see BoldTahomaStandIn).
const char* const kTahomaFile = "/usr/share/wine/fonts/tahoma.ttf";
const char* const kBoldTahomaFamily = "DejaVu Sans";
constexpr int kBoldTahomaStretch = QFont::SemiCondensed;

bool IsTahoma(const QFont& font) {
  if (font.family() == QStringLiteral("Tahoma")) return true;
  return font.family() == QString::fromUtf8(kBoldTahomaFamily) &&
         font.stretch() == kBoldTahomaStretch;
}

// Tahoma in the requested weight: the registered face for regular, the
// condensed bold look-alike for bold.
void ApplyTahomaWeight(QFont& font, bool bold) {
  if (bold) {
    font.setFamilies({QString::fromUtf8(kBoldTahomaFamily), QStringLiteral("Noto Sans CJK TC")});
    font.setStretch(kBoldTahomaStretch);
  } else {
    font.setFamilies({QStringLiteral("Tahoma")});
    font.setStretch(QFont::AnyStretch);
  }
}

const char* const kChineseFace = "Noto Sans CJK TC";

}  // namespace

void InstallFonts() {
  static bool installed = false;
  if (installed) return;
  installed = true;

  if (QFile::exists(QString::fromUtf8(kTahomaFile))) {
    QFontDatabase::addApplicationFont(QString::fromUtf8(kTahomaFile));
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
  if (IsTahoma(base)) ApplyTahomaWeight(base, bold);
  return base;
}

QFont SkinFont(const QString& family, double points, bool bold) {
  QFont font(family);
  return SizedFont(font, points, bold);
}

}  // namespace tavro

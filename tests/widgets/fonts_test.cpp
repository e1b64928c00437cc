#include "widgets/fonts.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(Fonts, PointSizesGiveTheSamePixelsEverywhere) {
  EXPECT_EQ(PointsToPixels(8), 11);
  EXPECT_EQ(PointsToPixels(10), 13);
  EXPECT_EQ(PointsToPixels(11), 15);
  EXPECT_EQ(PointsToPixels(12), 16);
  const QFont font = SkinFont("Calibri", 12, true);
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_TRUE(font.bold());
}

// The family that actually draws `text` in `font`.
QStringList FamiliesDrawing(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  QStringList families;
  for (const QGlyphRun& run : layout.glyphRuns()) families << run.rawFont().familyName();
  return families;
}

TEST(Fonts, WindowsFaceNamesResolveToTheirLookAlikes) {
  InstallFonts();
  EXPECT_EQ(QFontInfo(SkinFont("Calibri", 12)).family(), "Carlito");
  EXPECT_EQ(QFontInfo(SkinFont("Tahoma", 8)).family(), "Tahoma");
}

TEST(Fonts, ChineseComesFromTheTraditionalFace) {
  InstallFonts();
  for (const char* family : {"Calibri", "Tahoma"}) {
    const QStringList drawing = FamiliesDrawing(SkinFont(family, 12), QString::fromUtf8("產品名稱"));
    ASSERT_FALSE(drawing.isEmpty());
    for (const QString& f : drawing) EXPECT_EQ(f, "Noto Sans CJK TC") << family;
  }
}

}  // namespace
}  // namespace tavro

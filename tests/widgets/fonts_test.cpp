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
  const struct {
    QFont font;
    const char* family;
    const char* style;
  } cases[] = {
      {SkinFont("Calibri", 12), "Carlito", "Regular"},
      {SkinFont("Calibri", 12, true), "Carlito", "Bold"},
      {SkinFont("Tahoma", 8), "Tahoma", "Regular"},
      {SkinFont("Tahoma", 10, true), "DejaVu Sans", "Condensed Bold"},
      // A bold Tahoma made regular again is Tahoma.
      {SizedFont(SkinFont("Tahoma", 10, true), 8), "Tahoma", "Regular"},
  };
  for (const auto& c : cases) {
    QTextLayout layout("Output", c.font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].rawFont().familyName().toLower(), QString(c.family).toLower());
    EXPECT_EQ(runs[0].rawFont().styleName(), c.style) << c.family;
  }
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

#include "widgets/bar_gauge.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tavro {
namespace {

QColor At(BarGauge& gauge, int y) { return gauge.grab().toImage().pixelColor(14, y); }

TEST(BarGauge, FillsFromTheBottomInProportion) {
  BarGauge gauge(nullptr);
  gauge.resize(28, 231);
  const QColor fill(80, 212, 255), empty(232, 232, 232);
  const struct {
    int set, kept;
    int filledRows;  // of the 229 inside the border
  } cases[] = {{0, 0, 0}, {50, 50, 114}, {100, 100, 229}, {150, 100, 229}, {-5, 0, 0}};
  for (const auto& c : cases) {
    gauge.setProgress(c.set);
    EXPECT_EQ(gauge.progress(), c.kept);
    const int bottom = 229;  // last row inside the border
    if (c.filledRows > 0) {
      EXPECT_EQ(At(gauge, bottom), fill) << c.set;
      EXPECT_EQ(At(gauge, bottom - c.filledRows + 1), fill) << c.set;
    }
    if (c.filledRows < 229) {
      EXPECT_EQ(At(gauge, bottom - c.filledRows), empty) << c.set;
      EXPECT_EQ(At(gauge, 1), empty) << c.set;
    }
  }
}

}  // namespace
}  // namespace tavro

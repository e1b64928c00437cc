// Display formats, the CP950 codec of the transmitter's texts and the
// inspected-count rule of the product-data write.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "connection/cp950.h"
#include "connection/display_formats.h"
#include "connection/product_data.h"
#include "widgets/conversion.h"

namespace tavro {
namespace {

TEST(DisplayFormats, NumbersAsTheWindowShowsThem) {
  EXPECT_EQ(TwoDecimals(25.7f), "25.70");
  EXPECT_EQ(TwoDecimals(-0.004f), "0.00");
  EXPECT_EQ(FourDecimals(0.90909f), "0.9091");
  EXPECT_EQ(General(0.1f), "0.100000001490116");
  EXPECT_EQ(General(6000.0f), "6000");
  EXPECT_EQ(Unsigned(65535), "65535");
  EXPECT_EQ(Unsigned(4000000000u), "4000000000");
}

TEST(DisplayFormats, GaugesShowTheEmptyPartTruncatedTowardZero) {
  struct Case {
    float percent;
    int progress;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (const Case& c : {Case{25.7f, 74}, Case{0.0f, 100}, Case{99.99f, 0}, Case{100.3f, 0},
                        Case{-5.5f, 105}, Case{150.0f, -50}, Case{nan, 0}, Case{inf, -1000000}}) {
    EXPECT_EQ(GaugeProgress(c.percent), c.progress) << c.percent;
  }
}

TEST(DisplayFormats, SelectorIndexesOfRateAndFilterRegisters) {
  const uint16_t rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(BaudRateIndex(rates[i]), i);
  EXPECT_FALSE(BaudRateIndex(static_cast<uint16_t>(115200)));
  EXPECT_FALSE(BaudRateIndex(0));
  EXPECT_FALSE(BaudRateIndex(9601));
  EXPECT_EQ(FilterLevelIndex(70), 7);
  EXPECT_EQ(FilterLevelIndex(75), 7);
  EXPECT_EQ(FilterLevelIndex(100), 10);
}

TEST(Cp950, EncodesAsciiAndTraditionalChinese) {
  EXPECT_EQ(EncodeCp950(QStringLiteral("TDR6-CA-1")), std::string("TDR6-CA-1"));
  EXPECT_EQ(EncodeCp950(QStringLiteral("型號")), std::string("\xAB\xAC\xB8\xB9"));
  // Four characters, eight bytes: the limits count bytes.
  EXPECT_EQ(EncodeCp950(QStringLiteral("產品名稱"))->size(), 8u);
  EXPECT_EQ(EncodeCp950(QString()), std::string());
}

TEST(Cp950, RefusesTextsItCannotHold) {
  EXPECT_FALSE(EncodeCp950(QStringLiteral("한국")));
  EXPECT_FALSE(EncodeCp950(QStringLiteral("ABC😀")));
  EXPECT_FALSE(EncodeCp950(QStringLiteral("型號 ü")));
}

TEST(Cp950, DecodesUpToTheFirstZeroAndMarksWhatIsNotCp950) {
  using namespace std::string_view_literals;
  EXPECT_EQ(DecodeCp950("V2.13R\0\0"sv), "V2.13R");
  EXPECT_EQ(DecodeCp950("\xAB\xAC\xB8\xB9-A1\0junk"sv), QStringLiteral("型號-A1"));
  EXPECT_EQ(DecodeCp950("AB\xFF" "C"sv), QStringLiteral("AB\uFFFDC"));
  EXPECT_EQ(DecodeCp950("AB\xAB"sv), QStringLiteral("AB\uFFFD"));  // cut-off character
  EXPECT_EQ(DecodeCp950(""sv), QString());
}

TEST(InspectedCount, AddsOneAndStartsAnEmptyBatchAtOne) {
  EXPECT_EQ(NextInspectedCount(QString()), "1");
  EXPECT_EQ(NextInspectedCount(QStringLiteral("  ")), "1");
  EXPECT_EQ(NextInspectedCount(QStringLiteral("41")), "42");
  EXPECT_EQ(NextInspectedCount(QStringLiteral(" 9 ")), "10");
  EXPECT_THROW(NextInspectedCount(QStringLiteral("abc")), EConvertError);
}

}  // namespace
}  // namespace tavro

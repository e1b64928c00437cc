#include "widgets/number_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(FloatToStr, GeneralFormatWithFifteenDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {5.0, "5"},
      {-225.0, "-225"},
      {0.5, "0.5"},
      {static_cast<double>(0.1f), "0.100000001490116"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1e20, "1E20"},
      {-1.5e20, "-1.5E20"},
      {0.00001, "0.00001"},
      {1.5e-7, "1.5E-7"},
      {0.000012345, "0.000012345"},
      {12.5, "12.5"},
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
      {std::nan(""), "NAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value).toStdString(), c.text) << c.value;
}

TEST(FormatFloat, PatternsRoundHalfAwayFromZero) {
  const struct {
    const char* pattern;
    double value;
    const char* text;
  } cases[] = {
      {"###0.000", 5.0, "5.000"},
      {"###0.000", 12.5, "12.500"},
      {"###0.000", 6.0, "6.000"},
      {"###0.000", 0.0, "0.000"},
      {"###0.000", 0.0005, "0.001"},
      {"###0.000", -0.0005, "-0.001"},
      {"###0.000", 12345.6789, "12345.679"},
      {"0.00", 1.125, "1.13"},
      {"0.00", -1.125, "-1.13"},
      {"0.00", 2.675, "2.67"},  // the double lies below 2.675
      {"0.00", 9.995, "9.99"},  // likewise
      {"0.00", 9.9951, "10.00"},
      {"0.00", 0.1, "0.10"},
      {"0.00", -0.001, "0.00"},
      {"0.0000", 3.14159265, "3.1416"},
      {"0.0000", 4.00002, "4.0000"},
      {"0.0000", 19.99996, "20.0000"},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"0.##", 1.5, "1.5"},
      {"#.00", 0.25, ".25"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFloat(c.pattern, c.value).toStdString(), c.text) << c.pattern << " " << c.value;
  }
}

}  // namespace
}  // namespace tavro

#include "widgets/conversion.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(StrToInt, AcceptsTheToolkitsIntegerForms) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"0", 0},           {"225", 225},          {"-17", -17},           {"+8", 8},
      {"  42  ", 42},     {"007", 7},            {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN}, {"$FF", 255},  {"$ffffffff", -1},      {"0x10", 16},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(StrToInt, RejectsWithTheToolkitsMessage) {
  const char* cases[] = {"abc", "", " ", "12a", "1.5", "2147483648", "-2147483649", "$", "$1G",
                         "1 2", "--1", "數值"};
  for (const char* text : cases) {
    try {
      StrToInt(QString::fromUtf8(text));
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid integer value");
    }
  }
}

TEST(StrToFloat, AcceptsDecimalAndExponentForms) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"0", 0},       {"0.002", 0.002}, {"-12.5", -12.5}, {" 3 ", 3},   {".5", 0.5},
      {"5.", 5},      {"1e3", 1000},    {"1.5E-7", 1.5e-7}, {"+2", 2}, {"1e-400", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(StrToFloat(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(StrToFloat, RejectsWithTheToolkitsMessage) {
  const char* cases[] = {"abc", "", ".", "1,5", "1e", "1e+", "inf", "nan", "0x10", "1.2.3", "1e999"};
  for (const char* text : cases) {
    try {
      StrToFloat(QString::fromUtf8(text));
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()),
                std::string("'") + text + "' is not a valid floating point value");
    }
  }
}

}  // namespace
}  // namespace tavro

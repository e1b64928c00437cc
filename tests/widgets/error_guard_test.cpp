#include "widgets/error_guard.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "tests/support/message_capture.h"
#include "widgets/conversion.h"
#include "widgets/skin.h"

namespace tavro {
namespace {

TEST(RunGuarded, ShowsEveryEscapingErrorAndEndsTheOperation) {
  struct Foreign {};
  const struct {
    const char* what;
    std::function<void()> throwIt;
    std::string shown;
  } cases[] = {
      {"conversion", [] { StrToInt("abc"); }, "'abc' is not a valid integer value"},
      {"float conversion", [] { StrToFloat("1,5"); }, "'1,5' is not a valid floating point value"},
      {"file", [] { throw EFOpenError("Cannot open file \"x.bmp\"."); }, "Cannot open file \"x.bmp\"."},
      {"standard", [] { throw std::runtime_error("disk full"); }, "disk full"},
      {"foreign", [] { throw Foreign{}; }, ""},
      {"integer", [] { throw 42; }, ""},
  };
  for (const auto& c : cases) {
    test::MessageCapture capture;
    bool after = false;
    RunGuarded([&] {
      c.throwIt();
      after = true;
    });
    EXPECT_FALSE(after) << c.what;
    ASSERT_EQ(capture.messages.size(), 1u) << c.what;
    EXPECT_EQ(capture.messages[0], c.shown) << c.what;
  }
}

TEST(RunGuarded, ShowsNothingWhenTheOperationSucceeds) {
  test::MessageCapture capture;
  int runs = 0;
  RunGuarded([&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(capture.messages.empty());
}

}  // namespace
}  // namespace tavro

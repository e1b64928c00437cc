#include "link/message_box.h"

#include <gtest/gtest.h>

#include "tests/support/message_capture.h"

namespace tavro {
namespace {

TEST(MessageBox, WithoutAHandlerTheTextGoesToStandardError) {
  const MessageHandler previous = SetMessageHandler(nullptr);
  ::testing::internal::CaptureStderr();
  ShowMessage("連線失敗");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "連線失敗\n");
  SetMessageHandler(previous);
}

TEST(MessageBox, AnInstalledHandlerGetsTheExactTextAndIsReplacedInTurn) {
  {
    test::MessageCapture capture;
    ShowMessage("Open Fails!");
    ShowMessage("Device is not Connected!\n");
    EXPECT_EQ(capture.messages, (std::vector<std::string>{"Open Fails!", "Device is not Connected!\n"}));
  }
  // The capture put the previous (empty) handler back.
  EXPECT_FALSE(SetMessageHandler(nullptr));
}

}  // namespace
}  // namespace tavro

#pragma once
// Captures every modal message the code under test shows, instead of a box.
#include <string>
#include <vector>

#include "link/message_box.h"

namespace tavro::test {

class MessageCapture {
 public:
  MessageCapture() {
    previous_ = SetMessageHandler([this](const std::string& text) { messages.push_back(text); });
  }
  ~MessageCapture() { SetMessageHandler(previous_); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  std::vector<std::string> messages;

 private:
  MessageHandler previous_;
};

}  // namespace tavro::test

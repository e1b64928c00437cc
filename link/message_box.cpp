#include "link/message_box.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace tavro {
namespace {

std::mutex& HandlerMutex() {
  static std::mutex mutex;
  return mutex;
}

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

}  // namespace

void ShowMessage(const std::string& text) {
  MessageHandler handler;
  {
    std::lock_guard lock(HandlerMutex());
    handler = Handler();
  }
  // The handler runs unlocked: a modal box may take its time, and it may
  // show a message of its own.
  if (handler) {
    handler(text);
  } else {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
  }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  std::lock_guard lock(HandlerMutex());
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace tavro

#pragma once
// The one way the tool shows a modal message. The application installs a
// handler that opens a modal box on the user-interface thread; tests install a
// capture. Without a handler the text goes to standard error.
#include <functional>
#include <string>

namespace tavro {

using MessageHandler = std::function<void(const std::string& text)>;

// Shows `text` (UTF-8) and returns when the operator has dismissed it.
void ShowMessage(const std::string& text);

// Installs a handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace tavro

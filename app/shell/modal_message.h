#pragma once
#include <string>

namespace tavro {

// The application's message handler: a modal box titled "TAVRO" with the
// text and an OK button, over the active window.
void ShowModalMessage(const std::string& text);

}  // namespace tavro

#pragma once
// Every entry point from the event loop into the tool's operations runs
// through RunGuarded: an error that escapes the operation (a conversion error,
// a file error) is shown with the standard error box and the operation ends.
// Qt must never see an exception.
#include <functional>

namespace tavro {

void RunGuarded(const std::function<void()>& operation);

}  // namespace tavro

#include "widgets/error_guard.h"

#include <exception>

#include "link/message_box.h"
#include "widgets/conversion.h"
#include "widgets/skin.h"

namespace tavro {

void RunGuarded(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const EConvertError& error) {
    ShowMessage(error.what());
  } catch (const EFOpenError& error) {
    ShowMessage(error.what());
  } catch (const std::exception& error) {
    ShowMessage(error.what());
  } catch (...) {
    // An error of a foreign kind: shown as a standard error without text.
    ShowMessage(std::string());
  }
}

}  // namespace tavro

#include "connection/slave_address.h"

#include "widgets/conversion.h"
#include "widgets/main_window_handles.h"

namespace tavro {

uint8_t SlaveAddress() {
  const QLineEdit* id = MainWindow().id_field;
  const int32_t value = StrToInt(id != nullptr ? id->text() : QString());
  return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace tavro

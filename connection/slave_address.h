#pragma once
// The transmitter's slave address: the text of `id_field` as a decimal
// number, low 8 bits. Text that does not convert raises the conversion
// error. Read at every request, as the operator may change it.
#include <cstdint>

namespace tavro {

uint8_t SlaveAddress();

}  // namespace tavro

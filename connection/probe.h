#pragma once
// Is a transmitter answering on the open Modbus link? Reads 32 registers from
// 4096 at the slave address of `id_field`; any answer will do. Without one
// it shows "連線失敗".
namespace tavro {

bool ProbeTransmitter();

}  // namespace tavro

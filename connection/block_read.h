#pragma once
// One read of the live monitor: `count` registers from `first` into the
// register image at the same place. A reply that passes its checks but
// carries fewer data bytes than asked for is a failed read, and nothing of
// it is copied: the bytes after its data are stale frame contents. Extra
// bytes of a longer reply are not copied either.
#include <cstdint>

#include "link/live_readings.h"
#include "link/modbus_master.h"

namespace tavro {

bool ReadBlock(ModbusMaster& link, uint8_t slave, uint16_t first, uint16_t count,
               RegisterImage& into);

// On the transmitter link at the address of `id_field`, into LiveReadings.
bool ReadIntoLiveReadings(uint16_t first, uint16_t count);

}  // namespace tavro

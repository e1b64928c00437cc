#include "connection/block_read.h"

#include "connection/link_objects.h"
#include "connection/slave_address.h"

namespace tavro {

bool ReadBlock(ModbusMaster& link, uint8_t slave, uint16_t first, uint16_t count,
               RegisterImage& into) {
  const size_t wanted = size_t{count} * 2u;
  if (link.ReadRegisters(slave, first, count) < wanted) return false;
  into.CopyIn(first, link.ReplyData(), wanted);
  return true;
}

bool ReadIntoLiveReadings(uint16_t first, uint16_t count) {
  return ReadBlock(transmitterLink(), SlaveAddress(), first, count, liveReadings());
}

}  // namespace tavro

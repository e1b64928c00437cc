#pragma once
// Modbus RTU client on one serial line: functions 03, 06 and 16. Each request
// is one write of the whole frame and one read whose end is the line's 300 ms
// silence. Every failure gives the result 0: nothing or too little written,
// no reply, fewer than 5 bytes, a CRC mismatch, another function code
// (exception replies included).
#include <array>
#include <cstdint>

#include "link/serial_port.h"

namespace tavro {

class ModbusMaster : public SerialPort {
 public:
  static constexpr uint16_t kMaxWriteRegisters = 123;

  // Returns the number of data bytes received (0 on failure). The register
  // values then lie in host byte order from ReplyData() on.
  uint16_t ReadRegisters(uint8_t slave, uint16_t firstRegister, uint16_t count);
  // Byte 3 of the frame: the first register value of the last successful
  // read, as host-order 16-bit words (byte-addressed: copy with memcpy or use
  // ReplyWord). Valid until the next request on this object.
  const uint8_t* ReplyData() const;
  uint16_t ReplyWord(size_t index) const;

  // Nonzero (reply size minus 5) on success, 0 on failure.
  uint16_t WriteRegister(uint8_t slave, uint16_t reg, uint16_t value);
  // Refuses more than 123 registers without sending anything.
  uint16_t WriteRegisters(uint8_t slave, uint16_t firstRegister, uint16_t count,
                          const uint16_t* words);

  const std::array<uint8_t, 256>& Frame() const { return frame_; }
  uint32_t ReplyLength() const { return replyLength_; }

 private:
  // Sends the first `requestLength` bytes of the frame and reads the reply
  // into it; the reply size minus 5 when it is sound and answers `function`.
  uint16_t Transact(uint32_t requestLength, uint8_t function);

  std::array<uint8_t, 256> frame_{};
  uint32_t replyLength_ = 0;
};

}  // namespace tavro

#include "link/modbus_master.h"

#include <cstring>

#include "link/crc16.h"

namespace tavro {
namespace {

constexpr uint8_t kReadHolding = 0x03;
constexpr uint8_t kWriteSingle = 0x06;
constexpr uint8_t kWriteMultiple = 0x10;
constexpr uint32_t kShortestReply = 5;  // address, function, one byte, CRC

void PutBigEndian(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value >> 8);
  at[1] = static_cast<uint8_t>(value & 0xFF);
}

// Appends the CRC, low byte first, after `length` bytes.
void PutCrc(uint8_t* frame, size_t length) {
  const uint16_t crc = Crc16(frame, length);
  frame[length] = static_cast<uint8_t>(crc & 0xFF);
  frame[length + 1] = static_cast<uint8_t>(crc >> 8);
}

}  // namespace

uint16_t ModbusMaster::ReadRegisters(uint8_t slave, uint16_t firstRegister, uint16_t count) {
  frame_[0] = slave;
  frame_[1] = kReadHolding;
  PutBigEndian(&frame_[2], firstRegister);
  PutBigEndian(&frame_[4], count);
  PutCrc(frame_.data(), 6);
  const uint16_t length = Transact(8, kReadHolding);
  if (length == 0) return 0;
  // The register values arrive big-endian; callers get them in host order.
  SwapWordBytes(&frame_[3], length);
  return length;
}

const uint8_t* ModbusMaster::ReplyData() const { return &frame_[3]; }

uint16_t ModbusMaster::ReplyWord(size_t index) const {
  if (index >= (frame_.size() - 3) / 2) return 0;
  uint16_t word;
  std::memcpy(&word, &frame_[3 + index * 2], sizeof word);
  return word;
}

uint16_t ModbusMaster::WriteRegister(uint8_t slave, uint16_t reg, uint16_t value) {
  frame_[0] = slave;
  frame_[1] = kWriteSingle;
  PutBigEndian(&frame_[2], reg);
  PutBigEndian(&frame_[4], value);
  PutCrc(frame_.data(), 6);
  return Transact(8, kWriteSingle);
}

uint16_t ModbusMaster::WriteRegisters(uint8_t slave, uint16_t firstRegister, uint16_t count,
                                      const uint16_t* words) {
  if (count > kMaxWriteRegisters) return 0;
  frame_[0] = slave;
  frame_[1] = kWriteMultiple;
  PutBigEndian(&frame_[2], firstRegister);
  PutBigEndian(&frame_[4], count);
  frame_[6] = static_cast<uint8_t>(count * 2);
  // The source may be an unaligned view into a register image: copy bytes.
  const auto* source = reinterpret_cast<const uint8_t*>(words);
  for (size_t i = 0; i < count; ++i) {
    uint16_t word;
    std::memcpy(&word, source + i * 2, sizeof word);
    PutBigEndian(&frame_[7 + i * 2], word);
  }
  const size_t length = 7 + size_t{count} * 2;
  PutCrc(frame_.data(), length);
  return Transact(static_cast<uint32_t>(length + 2), kWriteMultiple);
}

uint16_t ModbusMaster::Transact(uint32_t requestLength, uint8_t function) {
  replyLength_ = 0;
  uint32_t written = 0;
  if (!Write(frame_.data(), requestLength, &written) || written < requestLength) return 0;
  // The reply overwrites the request; its end is the line's silence, and a
  // peer that keeps talking is cut off at the frame's size.
  uint32_t received = 0;
  if (!Read(frame_.data(), static_cast<uint32_t>(frame_.size()), &received)) return 0;
  replyLength_ = received;
  if (received < kShortestReply) return 0;
  const uint16_t expected = static_cast<uint16_t>(frame_[received - 2] | (frame_[received - 1] << 8));
  if (Crc16(frame_.data(), received - 2) != expected) return 0;
  if (frame_[1] != function) return 0;
  return static_cast<uint16_t>(received - kShortestReply);
}

}  // namespace tavro

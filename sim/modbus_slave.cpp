#include "sim/modbus_slave.h"

#include "link/crc16.h"

namespace tavro::sim {
namespace {

constexpr uint8_t kRead = 0x03;
constexpr uint8_t kWriteOne = 0x06;
constexpr uint8_t kWriteMany = 0x10;
constexpr uint16_t kMaxRead = 125;
constexpr uint16_t kMaxWrite = 123;

uint16_t Be16(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

void PutBe16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value & 0xFF));
}

std::vector<uint8_t> Exception(uint8_t address, uint8_t function, uint8_t code) {
  std::vector<uint8_t> reply{address, static_cast<uint8_t>(function | 0x80), code};
  AppendCrc(reply);
  return reply;
}

}  // namespace

void AppendCrc(std::vector<uint8_t>& frame) {
  const uint16_t crc = Crc16(frame.data(), frame.size());
  frame.push_back(static_cast<uint8_t>(crc & 0xFF));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
}

bool CrcMatches(std::span<const uint8_t> frame) {
  if (frame.size() < 3) return false;
  const size_t n = frame.size() - 2;
  const uint16_t crc = Crc16(frame.data(), n);
  return frame[n] == (crc & 0xFF) && frame[n + 1] == (crc >> 8);
}

FrameScan ScanRtuRequest(std::span<const uint8_t> pending) {
  if (pending.size() < 2) return FrameScan::NeedMore();
  size_t length = 0;
  switch (pending[1]) {
    case kRead:
    case kWriteOne:
      length = 8;
      break;
    case kWriteMany:
      if (pending.size() < 7) return FrameScan::NeedMore();
      length = 9u + pending[6];
      break;
    default:
      return FrameScan::Skip(1);
  }
  if (pending.size() < length) return FrameScan::NeedMore();
  return CrcMatches(pending.first(length)) ? FrameScan::Frame(length) : FrameScan::Skip(1);
}

std::optional<std::vector<uint8_t>> AnswerRtuRequest(std::span<const uint8_t> frame,
                                                     uint8_t ownAddress, RegisterBank& bank,
                                                     bool exceptionFault) {
  const uint8_t address = frame[0];
  const bool broadcast = address == 0;
  if (address != ownAddress && !broadcast) return std::nullopt;
  const uint8_t function = frame[1];
  if (exceptionFault) {
    if (broadcast) return std::nullopt;
    return Exception(address, function, kDeviceFailure);
  }
  const uint16_t first = Be16(frame, 2);
  std::vector<uint8_t> reply;
  uint8_t code = 0;
  switch (function) {
    case kRead: {
      if (broadcast) return std::nullopt;
      const uint16_t count = Be16(frame, 4);
      if (count < 1 || count > kMaxRead) {
        code = kIllegalValue;
        break;
      }
      std::vector<uint16_t> words(count);
      code = bank.ReadRegisters(first, count, words.data());
      if (code != 0) break;
      reply = {address, kRead, static_cast<uint8_t>(count * 2)};
      for (uint16_t w : words) PutBe16(reply, w);
      AppendCrc(reply);
      break;
    }
    case kWriteOne: {
      const uint16_t value = Be16(frame, 4);
      code = bank.WriteRegisters(first, 1, &value);
      if (code != 0) break;
      reply.assign(frame.begin(), frame.end());  // the echo of the request
      break;
    }
    case kWriteMany: {
      const uint16_t count = Be16(frame, 4);
      if (count < 1 || count > kMaxWrite || frame[6] != count * 2) {
        code = kIllegalValue;
        break;
      }
      std::vector<uint16_t> words(count);
      for (uint16_t i = 0; i < count; ++i) words[i] = Be16(frame, 7 + 2u * i);
      code = bank.WriteRegisters(first, count, words.data());
      if (code != 0) break;
      reply.assign(frame.begin(), frame.begin() + 6);
      AppendCrc(reply);
      break;
    }
    default:
      code = kIllegalFunction;
  }
  if (broadcast) return std::nullopt;
  if (code != 0) return Exception(address, function, code);
  return reply;
}

}  // namespace tavro::sim

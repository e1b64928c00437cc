#include "sim/transmitter_line.h"

#include "sim/echo_curve.h"
#include "sim/hart_slave.h"
#include "sim/modbus_slave.h"

namespace tavro::sim {
namespace {

constexpr uint8_t kEchoChunk = 0xFF;
constexpr uint8_t kEchoBegin = 0xAA;
constexpr uint8_t kEchoEnd = 0xBB;
constexpr size_t kEchoRequestLength = 8;

}  // namespace

TransmitterLine::Mode TransmitterLine::ModeOf(const LineState& line) const {
  if (line.oddParity) {
    return line.baud == 1200 && transmitter_.HartEnabled() ? Mode::kHart : Mode::kDeaf;
  }
  return line.baud == transmitter_.ModbusBaud() ? Mode::kModbus : Mode::kDeaf;
}

FrameScan TransmitterLine::Scan(std::span<const uint8_t> pending, const LineState& line) {
  switch (ModeOf(line)) {
    case Mode::kDeaf: return FrameScan::Skip(pending.size());
    case Mode::kHart: return ScanHartRequest(pending);
    case Mode::kModbus: break;
  }
  if (pending.size() < 2) return FrameScan::NeedMore();
  switch (pending[1]) {
    case kEchoBegin:
    case kEchoEnd:
      return FrameScan::Frame(2);
    case kEchoChunk:
      if (pending.size() < kEchoRequestLength) return FrameScan::NeedMore();
      return ParseEchoRequest(pending.first(kEchoRequestLength)) ? FrameScan::Frame(kEchoRequestLength)
                                                                 : FrameScan::Skip(1);
    default:
      return ScanRtuRequest(pending);
  }
}

std::optional<Reply> TransmitterLine::Handle(std::span<const uint8_t> frame, const LineState& line,
                                             const Faults& faults) {
  const Mode mode = ModeOf(line);
  if (mode == Mode::kHart) {
    auto bytes = AnswerHartRequest(frame, transmitter_, faults.exceptionReplies);
    if (!bytes) return std::nullopt;
    return Reply{std::move(*bytes), {}, {}};
  }
  if (mode != Mode::kModbus) return std::nullopt;
  const uint8_t address = transmitter_.ModbusAddress();
  if (frame.size() == 2 && (frame[1] == kEchoBegin || frame[1] == kEchoEnd)) {
    if (frame[0] == address) {
      if (frame[1] == kEchoBegin) transmitter_.BeginEcho();
      else transmitter_.EndEcho();
    }
    return std::nullopt;
  }
  if (frame.size() == kEchoRequestLength && frame[1] == kEchoChunk) {
    const std::optional<EchoRequest> request = ParseEchoRequest(frame);
    if (!request || request->address != address) return std::nullopt;
    auto bytes = transmitter_.EchoChunkReply(*request);
    if (!bytes) return std::nullopt;
    return Reply{std::move(*bytes), {}, {}};
  }
  auto bytes = AnswerRtuRequest(frame, address, transmitter_, faults.exceptionReplies);
  if (!bytes) return std::nullopt;
  return Reply{std::move(*bytes), {}, {}};
}

}  // namespace tavro::sim

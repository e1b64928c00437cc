#pragma once
// What a device speaks on its line: how to find a complete request among the
// received bytes and what to answer. The DevicePort owns the thread, the
// timing and the faults; a protocol only turns frames into replies.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sim/faults.h"
#include "sim/line_state.h"

namespace tavro::sim {

struct FrameScan {
  enum class Kind {
    kNeedMore,  // a frame may be starting: wait for more bytes
    kFrame,     // the first `length` bytes are one complete request
    kSkip,      // the first `length` bytes are garbage: drop them
  };
  Kind kind = Kind::kNeedMore;
  size_t length = 0;

  static FrameScan NeedMore() { return {Kind::kNeedMore, 0}; }
  static FrameScan Frame(size_t n) { return {Kind::kFrame, n}; }
  static FrameScan Skip(size_t n) { return {Kind::kSkip, n}; }
};

struct Reply {
  std::vector<uint8_t> bytes;
  // The device's own time to answer (the meter integrates for 0.2 s).
  std::chrono::milliseconds latency{0};
  // The byte that the wrong-checksum fault corrupts (default: the last).
  std::optional<size_t> checksumIndex;
};

class LineProtocol {
 public:
  virtual ~LineProtocol() = default;
  // Looks at the start of the received bytes (never empty).
  virtual FrameScan Scan(std::span<const uint8_t> pending, const LineState& line) = 0;
  // Acts on one complete frame; nothing when the device stays silent.
  virtual std::optional<Reply> Handle(std::span<const uint8_t> frame, const LineState& line,
                                      const Faults& faults) = 0;
};

}  // namespace tavro::sim

#pragma once
// The 2 m table's ASCII motion controller: commands "@01..." ended by a
// carriage return, no replies. Its position counter runs in steps of
// 1400/10000 mm; what it understands:
//   X<n>      move to counter n (absolute mode) or by n (incremental mode)
//   abs, inc  positioning mode (absolute after power-up)
//   PX=<n>    call the present position n
//   H- / H+   home to the near end (counter 0 there) / run to the far end
//   STOP      stop where it is
//   HSPD=, LSPD=, EX=  stored; the bench's stage speed sets the pace
// Commands for another controller number, or not understood, are ignored.
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "sim/bench.h"
#include "sim/line_protocol.h"

namespace tavro::sim {

class AsciiStage {
 public:
  static constexpr double kMmPerStep = 1400.0 / 10000.0;

  explicit AsciiStage(Bench& bench);

  // One command without its carriage return.
  void Command(std::string_view text);
  // Every command received, in order (the last 1000).
  std::vector<std::string> Commands() const;
  void ClearCommands();
  // Where the counter says the stage is (steps).
  int64_t CounterSteps() const;
  bool Absolute() const;
  void PowerCycle();

 private:
  Bench& bench_;
  mutable std::mutex mutex_;
  std::vector<std::string> commands_;
  bool absolute_ = true;
  double counterOffsetSteps_ = 0.0;  // counter = steps of the stage position + offset
};

// 9600 baud without parity; a command is the bytes up to a carriage return.
class AsciiStageLine : public LineProtocol {
 public:
  explicit AsciiStageLine(AsciiStage& stage) : stage_(stage) {}
  FrameScan Scan(std::span<const uint8_t> pending, const LineState& line) override;
  std::optional<Reply> Handle(std::span<const uint8_t> frame, const LineState& line,
                              const Faults& faults) override;

 private:
  AsciiStage& stage_;
};

}  // namespace tavro::sim

#pragma once
// One pseudo-terminal: the device end reads and writes the master; the tool
// opens the slave path. We keep a slave descriptor of our own open for the
// pty's whole life, so that the master never reports a hang-up (and never
// spins in poll) while the tool has its end closed, and we set that slave raw
// at once, so nothing is echoed or translated before the tool configures the
// line.
#include <memory>
#include <optional>
#include <string>

#include "sim/line_state.h"

namespace tavro::sim {

class PseudoTerminal {
 public:
  // Throws std::system_error when the system has no pty to give.
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  int MasterFd() const { return master_; }
  const std::string& SlavePath() const { return slavePath_; }
  std::optional<LineState> Line() const { return ReadLineState(master_); }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
};

}  // namespace tavro::sim

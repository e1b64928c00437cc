#pragma once
// One pseudo-terminal: the device end reads and writes the master; the tool
// opens the slave path. We keep a slave descriptor of our own open for the
// pty's whole life, so that the master never reports a hang-up (and never
// spins in poll) while the tool has its end closed, and we set that slave raw
// at once, so nothing is echoed or translated before the tool configures the
// line.
//
// Holding the slave also keeps the tty's input queue alive across the
// tool's close and open, which a real port empties. So we watch the slave
// node for opens and closes: at a close whatever the tool left unread is
// dropped, and replies while nobody has the line open go nowhere.
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
  // Readable when someone opened or closed the slave; poll it with the master.
  int WatchFd() const { return watch_; }
  // Takes note of opens and closes since the last call (a close drops the
  // unread input) and tells whether anyone but us has the slave open. True
  // when the system gives no watch.
  bool SomeoneListens();

 private:
  int master_ = -1;
  int slave_ = -1;
  int watch_ = -1;   // inotify: opens and closes of the slave node
  int openers_ = 0;  // others that have the slave open
  std::string slavePath_;
};

}  // namespace tavro::sim

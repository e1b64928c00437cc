#pragma once
// Options of the tavro-sim command.
#include <string>
#include <utility>
#include <vector>

#include "sim/simulated_bench.h"

namespace tavro::sim {

struct SimCommandLine {
  BenchOptions options;
  std::string linkDir;  // symlinks <dir>/<port name> -> pty, when set
  bool status = true;   // live status line (only on a terminal)
  bool help = false;
  std::vector<std::pair<Device, Faults>> faults;
};

// False with a message for the operator when an option is not understood.
bool ParseSimCommandLine(int argc, const char* const* argv, SimCommandLine& out,
                         std::string& error);

extern const char* const kSimUsage;

}  // namespace tavro::sim

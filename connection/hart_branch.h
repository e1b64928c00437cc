#pragma once
// The HART link's share of the strip. The HART subsystem plugs its
// operations in here; until it does, the HART cases do nothing.
#include <functional>

namespace tavro {

struct HartBranch {
  // "Sync" while the "Hart" caption reads "Stop".
  std::function<void()> toggleSync;
  // "Exit" while a HART monitor thread runs: the thread is marked to free
  // itself when it ends.
  std::function<void()> releaseMonitorOnExit;
};

HartBranch& hartBranch();

}  // namespace tavro

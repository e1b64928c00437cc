#pragma once
// Starts the built-in simulated bench for the demo mode. The bench lives as
// long as the returned object.
#include <QString>
#include <memory>

namespace tavro {

class RunningBench {
 public:
  virtual ~RunningBench() = default;
};

// Null, with the reason in `error`, when the bench cannot start or is not
// part of this build.
std::unique_ptr<RunningBench> StartSimulatedBench(QString* error);

}  // namespace tavro

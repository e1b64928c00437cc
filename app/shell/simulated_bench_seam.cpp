#include "app/shell/simulated_bench_seam.h"

namespace tavro {

std::unique_ptr<RunningBench> StartSimulatedBench(QString* error) {
  *error = QStringLiteral("the simulated bench is not part of this build");
  return nullptr;
}

}  // namespace tavro

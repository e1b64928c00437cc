#include "app/shell/simulated_bench_seam.h"

#include <exception>

#ifdef TAVRO_HAVE_SIMULATED_BENCH
#include "sim/simulated_bench.h"
#endif

namespace tavro {

#ifdef TAVRO_HAVE_SIMULATED_BENCH
namespace {

// The bench with its defaults: transmitter on COM1, 6 m servo stage on
// COM2, multimeter on COM3, the names registered while it runs.
class InProcessBench : public RunningBench {
 public:
  sim::SimulatedBench bench;
};

}  // namespace

std::unique_ptr<RunningBench> StartSimulatedBench(QString* error) {
  try {
    return std::make_unique<InProcessBench>();
  } catch (const std::exception& failure) {
    *error = QString::fromLocal8Bit(failure.what());
    return nullptr;
  }
}
#else
std::unique_ptr<RunningBench> StartSimulatedBench(QString* error) {
  *error = QStringLiteral("the simulated bench is not part of this build");
  return nullptr;
}
#endif

}  // namespace tavro

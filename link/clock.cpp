#include "link/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace tavro::clock {
namespace {
std::atomic<double> timeScale{1.0};
}

void Sleep(int ms) {
  if (ms <= 0) return;
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms * TimeScale()));
}

// 0 makes every scaled wait instant; a negative or NaN scale means real time.
void SetTimeScale(double scale) { timeScale.store(scale >= 0.0 ? scale : 1.0); }

double TimeScale() { return timeScale.load(); }

}  // namespace tavro::clock

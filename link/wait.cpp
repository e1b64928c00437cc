#include "link/wait.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>

#include "link/clock.h"

namespace tavro {
namespace {

struct Hooks {
  std::mutex mutex;
  Hook pump;
  Hook step;
};

Hooks& TheHooks() {
  static Hooks hooks;
  return hooks;
}

// Copies the hook out so that it runs unlocked (a pumped handler may install
// hooks itself).
Hook Get(Hook Hooks::*which) {
  Hooks& hooks = TheHooks();
  std::lock_guard lock(hooks.mutex);
  return hooks.*which;
}

void Set(Hook Hooks::*which, Hook hook) {
  Hooks& hooks = TheHooks();
  std::lock_guard lock(hooks.mutex);
  hooks.*which = std::move(hook);
}

}  // namespace

void SetEventPump(Hook pump) { Set(&Hooks::pump, std::move(pump)); }
void SetProgressStep(Hook step) { Set(&Hooks::step, std::move(step)); }

void PumpEvents() {
  if (Hook pump = Get(&Hooks::pump)) pump();
}

void StepProgress() {
  if (Hook step = Get(&Hooks::step)) step();
}

void WaitWithProgress(int ms) {
  using Ms = std::chrono::duration<double, std::milli>;
  using SteadyClock = std::chrono::steady_clock;
  const Ms step(10.0 * clock::TimeScale());
  // Each 10 ms sleep wakes a little late, more so on a busy machine; the
  // next sleeps are shortened by what the earlier ones overslept, so that
  // the wait lasts its length plus only the time the hooks take.
  Ms overslept{0};
  for (int i = 0; i < ms / 10; ++i) {
    PumpEvents();
    const auto before = SteadyClock::now();
    const Ms wanted = std::max(step - overslept, Ms{0});
    if (wanted > Ms{0}) std::this_thread::sleep_for(wanted);
    overslept += Ms(SteadyClock::now() - before) - step;
    overslept = std::max(overslept, Ms{0});
    StepProgress();
  }
}

}  // namespace tavro

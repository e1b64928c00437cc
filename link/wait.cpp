#include "link/wait.h"

#include <mutex>
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
  for (int i = 0; i < ms / 10; ++i) {
    PumpEvents();
    clock::Sleep(10);
    StepProgress();
  }
}

}  // namespace tavro

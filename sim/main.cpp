// tavro-sim: the simulated bench as a command, for the tool on this machine
// or another process. Prints the ptys, keeps a live status line, and runs
// until SIGINT, SIGTERM or SIGHUP; then it removes its symlinks and closes
// the ptys. SIGUSR1 power-cycles the stage controller (a servo drive's first
// set-up takes effect).
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "sim/sim_command_line.h"
#include "sim/simulated_bench.h"

namespace {

using tavro::sim::Device;

constexpr Device kDevices[] = {Device::kTransmitter, Device::kStage, Device::kMeter};

// Symlinks that we made and must remove again.
class Links {
 public:
  ~Links() {
    for (const auto& link : made_) {
      std::error_code ignored;
      std::filesystem::remove(link, ignored);
    }
  }
  bool Make(const std::filesystem::path& link, const std::string& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(link, error))) {
      std::filesystem::remove(link, error);
    }
    std::filesystem::create_symlink(target, link, error);
    if (error) {
      std::fprintf(stderr, "tavro-sim: cannot link %s: %s\n", link.c_str(), error.message().c_str());
      return false;
    }
    made_.push_back(link);
    return true;
  }

 private:
  std::vector<std::filesystem::path> made_;
};

}  // namespace

int main(int argc, char** argv) {
  tavro::sim::SimCommandLine command;
  std::string error;
  if (!tavro::sim::ParseSimCommandLine(argc, argv, command, error)) {
    std::fprintf(stderr, "tavro-sim: %s\n%s", error.c_str(), tavro::sim::kSimUsage);
    return 2;
  }
  if (command.help) {
    std::fputs(tavro::sim::kSimUsage, stdout);
    return 0;
  }
  // The device threads must not take the signals: block them before any
  // thread exists and wait for them here.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGHUP);
  sigset_t waited = stopSignals;
  sigaddset(&waited, SIGUSR1);  // power cycle of the stage controller
  pthread_sigmask(SIG_BLOCK, &waited, nullptr);

  // The names stay out of this process's map: the tool runs elsewhere.
  command.options.registerPortNames = false;
  int status = 0;
  {
    tavro::sim::SimulatedBench bench(command.options);
    for (const auto& [device, faults] : command.faults) {
      tavro::sim::Faults merged = bench.GetFaults(device);
      merged.silent = merged.silent || faults.silent;
      if (faults.delayMs) merged.delayMs = faults.delayMs;
      bench.SetFaults(device, merged);
    }
    Links links;
    if (!command.linkDir.empty()) {
      std::error_code ignored;
      std::filesystem::create_directories(command.linkDir, ignored);
    }
    for (Device device : kDevices) {
      std::printf("%s=%s\n", bench.PortName(device).c_str(), bench.DevicePath(device).c_str());
      if (!command.linkDir.empty() &&
          !links.Make(std::filesystem::path(command.linkDir) / bench.PortName(device),
                      bench.DevicePath(device))) {
        status = 1;
      }
    }
    std::fflush(stdout);
    const bool live = status == 0 && command.status && isatty(STDOUT_FILENO) == 1;
    const timespec tick{0, 250'000'000};
    while (status == 0) {
      const int signal = sigtimedwait(&waited, nullptr, &tick);
      if (signal == SIGUSR1) {
        bench.PowerCycleStage();
        if (!live) std::printf("stage power cycled\n");
        std::fflush(stdout);
        continue;
      }
      if (signal > 0) break;
      if (live) {
        std::printf("\r\033[K%s", bench.StatusLine().c_str());
        std::fflush(stdout);
      }
    }
    if (live) std::printf("\n");
  }
  return status;
}

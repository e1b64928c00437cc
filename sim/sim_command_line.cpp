#include "sim/sim_command_line.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace tavro::sim {

const char* const kSimUsage =
    "usage: tavro-sim [options]\n"
    "Simulated bench: transmitter, motion stage and multimeter on pseudo-terminals.\n"
    "Prints one line NAME=/dev/pts/N per device, then runs until interrupted.\n"
    "SIGUSR1 power-cycles the stage controller.\n"
    "  --stage 6m|4m|2m           motion stage kind (6m)\n"
    "  --offset MM                stage zero to the transmitter's reference point (225)\n"
    "  --speed MM_PER_S           stage speed (500)\n"
    "  --wired-output 0|1|2       current output wired to the multimeter (1)\n"
    "  --reversed-leads           the multimeter's leads are swapped (negative readings)\n"
    "  --transmitter-port NAME    port name of the transmitter (COM1)\n"
    "  --stage-port NAME          port name of the stage (COM2)\n"
    "  --meter-port NAME          port name of the multimeter (COM3)\n"
    "  --link-dir DIR             also make symlinks DIR/NAME to the ptys\n"
    "  --fresh-drive              the servo drive still needs its first set-up\n"
    "  --pace                     send replies at the line's character rate\n"
    "  --silent DEVICE            the device ignores everything (transmitter|stage|meter)\n"
    "  --delay DEVICE:MS          the device answers MS milliseconds late\n"
    "  --no-status                no live status line\n"
    "  --help                     this text\n";

namespace {

template <typename T>
std::optional<T> Number(std::string_view text) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// std::optional::and_then of C++23.
template <typename F>
auto Then(std::optional<std::string_view> text, F f) -> decltype(f(std::string_view{})) {
  if (!text) return std::nullopt;
  return f(*text);
}

std::optional<Device> DeviceNamed(std::string_view name) {
  if (name == "transmitter") return Device::kTransmitter;
  if (name == "stage") return Device::kStage;
  if (name == "meter") return Device::kMeter;
  return std::nullopt;
}

}  // namespace

bool ParseSimCommandLine(int argc, const char* const* argv, SimCommandLine& out,
                         std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string_view(argv[++i]);
    };
    auto fail = [&](std::string_view why) {
      error = std::string(option) + ": " + std::string(why);
      return false;
    };
    if (option == "--help" || option == "-h") {
      out.help = true;
    } else if (option == "--no-status") {
      out.status = false;
    } else if (option == "--pace") {
      out.options.paceReplies = true;
    } else if (option == "--reversed-leads") {
      out.options.bench.meterLeadsReversed = true;
    } else if (option == "--fresh-drive") {
      out.options.stageSetUp = false;
    } else if (option == "--stage") {
      const auto kind = Then(value(), [](std::string_view t) { return ParseStageKind(t); });
      if (!kind) return fail("expects 6m, 4m or 2m");
      out.options.stageKind = *kind;
    } else if (option == "--offset" || option == "--speed") {
      const auto number = Then(value(), [](std::string_view t) { return Number<double>(t); });
      if (!number || (option == "--speed" && *number <= 0)) return fail("expects a number");
      (option == "--offset" ? out.options.bench.offsetMm : out.options.bench.stageSpeedMmPerS) = *number;
    } else if (option == "--wired-output") {
      const auto output = Then(value(), [](std::string_view t) { return Number<int>(t); });
      if (!output || *output < 0 || *output > 2) return fail("expects 0, 1 or 2");
      out.options.bench.wiredOutput = *output;
    } else if (option == "--transmitter-port" || option == "--stage-port" ||
               option == "--meter-port") {
      const auto name = value();
      if (!name || name->empty()) return fail("expects a port name");
      std::string& port = option == "--transmitter-port" ? out.options.transmitterPort
                          : option == "--stage-port"     ? out.options.stagePort
                                                         : out.options.meterPort;
      port = std::string(*name);
    } else if (option == "--link-dir") {
      const auto dir = value();
      if (!dir || dir->empty()) return fail("expects a folder");
      out.linkDir = std::string(*dir);
    } else if (option == "--silent") {
      const auto device = Then(value(), [](std::string_view t) { return DeviceNamed(t); });
      if (!device) return fail("expects transmitter, stage or meter");
      Faults faults;
      faults.silent = true;
      out.faults.emplace_back(*device, faults);
    } else if (option == "--delay") {
      const auto text = value();
      const size_t colon = text ? text->find(':') : std::string_view::npos;
      if (colon == std::string_view::npos) return fail("expects DEVICE:MS");
      const auto device = DeviceNamed(text->substr(0, colon));
      const auto ms = Number<int>(text->substr(colon + 1));
      if (!device || !ms || *ms < 0) return fail("expects DEVICE:MS");
      Faults faults;
      faults.delayMs = *ms;
      out.faults.emplace_back(*device, faults);
    } else {
      error = std::string(option) + ": unknown option";
      return false;
    }
  }
  return true;
}

}  // namespace tavro::sim

#include "sim/ascii_stage.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

namespace tavro::sim {
namespace {

constexpr std::string_view kPrefix = "@01";
constexpr size_t kCommandLogLimit = 1000;
constexpr size_t kLongestCommand = 64;
constexpr uint32_t kControllerBaud = 9600;

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::optional<int64_t> Number(std::string_view text) {
  int64_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

}  // namespace

AsciiStage::AsciiStage(Bench& bench) : bench_(bench) {}

void AsciiStage::Command(std::string_view text) {
  std::lock_guard lock(mutex_);
  commands_.emplace_back(text);
  if (commands_.size() > kCommandLogLimit) commands_.erase(commands_.begin());
  if (text.substr(0, kPrefix.size()) != kPrefix) return;
  const std::string body = Lower(text.substr(kPrefix.size()));
  const double stageSteps = bench_.StagePositionMm() / kMmPerStep;
  if (body == "abs") {
    absolute_ = true;
  } else if (body == "inc") {
    absolute_ = false;
  } else if (body == "h-") {
    counterOffsetSteps_ = 0.0;
    bench_.MoveStageTo(0.0);
  } else if (body == "h+") {
    counterOffsetSteps_ = 0.0;
    bench_.MoveStageTo(bench_.TravelMm());
  } else if (body == "stop") {
    bench_.StopStage();
  } else if (body.rfind("px=", 0) == 0) {
    if (const auto n = Number(std::string_view(body).substr(3))) {
      counterOffsetSteps_ = static_cast<double>(*n) - stageSteps;
    }
  } else if (body.size() > 1 && body[0] == 'x') {
    if (const auto n = Number(std::string_view(body).substr(1))) {
      const double counterNow = stageSteps + counterOffsetSteps_;
      const double counterTarget = absolute_ ? static_cast<double>(*n) : counterNow + static_cast<double>(*n);
      bench_.MoveStageTo((counterTarget - counterOffsetSteps_) * kMmPerStep);
    }
  }
  // HSPD=, LSPD=, EX= and anything else: accepted, nothing to do.
}

std::vector<std::string> AsciiStage::Commands() const {
  std::lock_guard lock(mutex_);
  return commands_;
}

void AsciiStage::ClearCommands() {
  std::lock_guard lock(mutex_);
  commands_.clear();
}

int64_t AsciiStage::CounterSteps() const {
  std::lock_guard lock(mutex_);
  return std::llround(bench_.StagePositionMm() / kMmPerStep + counterOffsetSteps_);
}

bool AsciiStage::Absolute() const {
  std::lock_guard lock(mutex_);
  return absolute_;
}

void AsciiStage::PowerCycle() {
  std::lock_guard lock(mutex_);
  absolute_ = true;
  counterOffsetSteps_ = -bench_.StagePositionMm() / kMmPerStep;  // counter 0 where it stands
  bench_.StopStage();
}

FrameScan AsciiStageLine::Scan(std::span<const uint8_t> pending, const LineState& line) {
  if (line.baud != kControllerBaud || line.oddParity) return FrameScan::Skip(pending.size());
  const auto cr = std::find(pending.begin(), pending.end(), uint8_t{'\r'});
  if (cr == pending.end()) {
    return pending.size() > kLongestCommand ? FrameScan::Skip(pending.size()) : FrameScan::NeedMore();
  }
  return FrameScan::Frame(static_cast<size_t>(cr - pending.begin()) + 1);
}

std::optional<Reply> AsciiStageLine::Handle(std::span<const uint8_t> frame, const LineState&,
                                            const Faults&) {
  std::string text(frame.begin(), frame.end() - 1);
  // A line feed left over from another terminal's habits is not part of it.
  text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
  stage_.Command(text);
  return std::nullopt;
}

}  // namespace tavro::sim

#include "sim/multimeter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>

namespace tavro::sim {
namespace {

constexpr size_t kCommandLogLimit = 1000;
constexpr size_t kLongestCommand = 128;
constexpr uint32_t kMeterBaud = 9600;
constexpr double kMeterNoiseMa = 0.00003;

// Lower case, spaces squeezed, leading colon dropped: SCPI is forgiving.
std::string Normalise(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(lower);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  if (!out.empty() && out.front() == ':') out.erase(out.begin());
  return out;
}

}  // namespace

Multimeter::Multimeter(std::function<std::optional<double>()> loopCurrentMa, uint32_t seed)
    : loopCurrentMa_(std::move(loopCurrentMa)), rng_(seed) {}

std::string Multimeter::FormatAmperes(double milliamperes) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.8E", milliamperes / 1000.0);
  return text;
}

std::optional<std::string> Multimeter::Command(std::string_view text) {
  const std::string command = Normalise(text);
  std::lock_guard lock(mutex_);
  commands_.emplace_back(text);
  if (commands_.size() > kCommandLogLimit) commands_.erase(commands_.begin());
  if (command == "*idn?") return "TAVRO,SIM-DMM,0,1.0";
  if (command == "*rst") {
    current_ = false;
    return std::nullopt;
  }
  if (command.rfind("sense:func ", 0) == 0 || command.rfind("sens:func ", 0) == 0) {
    const std::string function = command.substr(command.find(' ') + 1);
    current_ = function == "\"current:dc\"" || function == "\"curr:dc\"" ||
               function == "\"curr\"" || function == "\"current\"";
    return std::nullopt;
  }
  if (command == "read?" || command == "meas:curr:dc?" || command == "measure:current:dc?") {
    if (command != "read?") current_ = true;
    const std::optional<double> loop = current_ ? loopCurrentMa_() : std::nullopt;
    if (!loop) return FormatAmperes(0.0);
    return FormatAmperes(*loop + std::normal_distribution<double>(0.0, kMeterNoiseMa)(rng_));
  }
  return std::nullopt;
}

bool Multimeter::MeasuringCurrent() const {
  std::lock_guard lock(mutex_);
  return current_;
}

std::vector<std::string> Multimeter::Commands() const {
  std::lock_guard lock(mutex_);
  return commands_;
}

void Multimeter::ClearCommands() {
  std::lock_guard lock(mutex_);
  commands_.clear();
}

void Multimeter::PowerCycle() {
  std::lock_guard lock(mutex_);
  current_ = false;
}

FrameScan MultimeterLine::Scan(std::span<const uint8_t> pending, const LineState& line) {
  if (line.baud != kMeterBaud || line.oddParity) return FrameScan::Skip(pending.size());
  const auto lf = std::find(pending.begin(), pending.end(), uint8_t{'\n'});
  if (lf == pending.end()) {
    return pending.size() > kLongestCommand ? FrameScan::Skip(pending.size()) : FrameScan::NeedMore();
  }
  return FrameScan::Frame(static_cast<size_t>(lf - pending.begin()) + 1);
}

std::optional<Reply> MultimeterLine::Handle(std::span<const uint8_t> frame, const LineState&,
                                            const Faults&) {
  const std::string text(frame.begin(), frame.end() - 1);
  const std::optional<std::string> answer = meter_.Command(text);
  if (!answer) return std::nullopt;
  Reply reply;
  reply.bytes.assign(answer->begin(), answer->end());
  reply.bytes.push_back('\r');
  reply.bytes.push_back('\n');
  reply.latency = Multimeter::kReadLatency;
  reply.checksumIndex = 3;  // a mantissa digit
  return reply;
}

}  // namespace tavro::sim

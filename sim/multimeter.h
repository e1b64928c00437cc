#pragma once
// The bench multimeter: SCPI commands ended by a line feed. After power-up it
// measures DC volts with nothing on its voltage input (readings of zero);
// ':sense:func "current:dc"' switches it to DC current, and ':READ?' then
// answers the loop current of the output it is wired to, in amperes, in the
// 15-character format (+4.00012345E-03) followed by CR LF, 0.2 s after the
// query (ten power-line cycles of integration). '*IDN?' names it. Other
// commands are accepted silently.
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sim/line_protocol.h"

namespace tavro::sim {

class Multimeter {
 public:
  static constexpr std::chrono::milliseconds kReadLatency{200};

  // `loopCurrentMa`: the current through the meter's current input now, mA;
  // nothing when the input is open (reads exactly zero).
  explicit Multimeter(std::function<std::optional<double>()> loopCurrentMa, uint32_t seed = 7);

  // One command without its line end; the reply text without its line end.
  std::optional<std::string> Command(std::string_view text);
  bool MeasuringCurrent() const;
  std::vector<std::string> Commands() const;
  void ClearCommands();
  void PowerCycle();

  // "+4.00012345E-03" for 4.00012345 mA.
  static std::string FormatAmperes(double milliamperes);

 private:
  std::function<std::optional<double>()> loopCurrentMa_;
  mutable std::mutex mutex_;
  std::vector<std::string> commands_;
  bool current_ = false;
  std::mt19937 rng_;
};

class MultimeterLine : public LineProtocol {
 public:
  explicit MultimeterLine(Multimeter& meter) : meter_(meter) {}
  FrameScan Scan(std::span<const uint8_t> pending, const LineState& line) override;
  // The wrong-checksum fault garbles a digit of the reading.
  std::optional<Reply> Handle(std::span<const uint8_t> frame, const LineState& line,
                              const Faults& faults) override;

 private:
  Multimeter& meter_;
};

}  // namespace tavro::sim

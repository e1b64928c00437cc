#pragma once
// The test's end of a simulated device's line: opens the pty slave with the
// given framing and reads with explicit deadlines, so byte checks take
// milliseconds instead of the tool's 300 ms silence.
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "sim/simulated_bench.h"

namespace tavro::sim::test {

struct Framing {
  uint32_t baud = 9600;
  bool oddParity = false;
  bool twoStopBits = false;
};

inline constexpr Framing kHartFraming{1200, true, false};

// A bench that leaves the process's port names alone.
inline BenchOptions Unregistered() {
  BenchOptions options;
  options.registerPortNames = false;
  return options;
}

class RawLine {
 public:
  RawLine(const std::string& path, Framing framing = {});
  ~RawLine();
  RawLine(const RawLine&) = delete;
  RawLine& operator=(const RawLine&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  void Write(const std::vector<uint8_t>& bytes);
  void Write(const std::string& text);
  // Reads until `count` bytes arrived or `timeout` passed.
  std::vector<uint8_t> Read(size_t count, std::chrono::milliseconds timeout);
  // Everything that arrives until `quiet` passes without a byte (or `limit`).
  std::vector<uint8_t> ReadUntilQuiet(std::chrono::milliseconds quiet,
                                      std::chrono::milliseconds limit = std::chrono::milliseconds(2000));
  // A reply of unknown length: waits up to `firstWithin` for its first byte
  // (generous: the machine may be busy), then reads until `quiet`.
  std::vector<uint8_t> ReadReply(std::chrono::milliseconds firstWithin = std::chrono::milliseconds(500),
                                 std::chrono::milliseconds quiet = std::chrono::milliseconds(50));
  // Writes and reads the expected reply length.
  std::vector<uint8_t> Exchange(const std::vector<uint8_t>& request, size_t replyLength,
                                std::chrono::milliseconds timeout = std::chrono::milliseconds(500));
  // Drops whatever is waiting.
  void Drain();

 private:
  int fd_ = -1;
};

// Polls `condition` until it holds or `timeout` passes: for effects of
// requests that get no reply.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Modbus RTU request builders (CRC appended).
std::vector<uint8_t> ReadRequest(uint8_t slave, uint16_t first, uint16_t count);
std::vector<uint8_t> WriteOneRequest(uint8_t slave, uint16_t reg, uint16_t value);
std::vector<uint8_t> WriteManyRequest(uint8_t slave, uint16_t first, const std::vector<uint16_t>& words);
std::vector<uint8_t> WithCrc(std::vector<uint8_t> frame);
std::string Hex(const std::vector<uint8_t>& bytes);

}  // namespace tavro::sim::test

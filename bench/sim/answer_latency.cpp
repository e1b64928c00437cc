// How fast the simulated devices answer: from the moment the request's last
// byte is handed to the line to the reply's first byte and to its last byte,
// over many requests. The figure is the median, as a ratio to the 5 ms
// budget, beside a bare pseudo-terminal round trip (a thread that echoes
// bytes) measured in the same run as the floor.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "link/crc16.h"
#include "sim/echo_curve.h"
#include "sim/hart_slave.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulated_bench.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kBudgetMs = 5.0;
constexpr int kRequests = 1000;

int OpenLine(const std::string& path, speed_t speed, bool odd) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD | (odd ? PARENB | PARODD : 0);
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  tcsetattr(fd, TCSANOW, &tio);
  return fd;
}

struct Sample {
  double firstMs;
  double lastMs;
};

// One exchange; false when the reply did not come whole within a second.
bool Exchange(int fd, const std::vector<uint8_t>& request, size_t replyLength, Sample& sample) {
  if (::write(fd, request.data(), request.size()) != static_cast<ssize_t>(request.size())) return false;
  const auto sent = Clock::now();
  size_t got = 0;
  uint8_t buffer[2048];
  while (got < replyLength) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 1000) <= 0) return false;
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    if (got == 0) sample.firstMs = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
    got += static_cast<size_t>(n);
  }
  sample.lastMs = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Percentile95(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() * 95 / 100];
}

struct Result {
  std::string what;
  std::vector<double> first;
  std::vector<double> last;
  int failures = 0;
};

Result Measure(const std::string& what, int fd, const std::vector<uint8_t>& request, size_t replyLength) {
  Result result{what, {}, {}, 0};
  for (int i = 0; i < kRequests; ++i) {
    Sample sample{};
    if (Exchange(fd, request, replyLength, sample)) {
      result.first.push_back(sample.firstMs);
      result.last.push_back(sample.lastMs);
    } else {
      ++result.failures;
      tcflush(fd, TCIFLUSH);
    }
  }
  return result;
}

std::vector<uint8_t> ReadRequest(uint16_t first, uint16_t count) {
  std::vector<uint8_t> frame{1, 3, static_cast<uint8_t>(first >> 8), static_cast<uint8_t>(first),
                             static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count)};
  const uint16_t crc = tavro::Crc16(frame.data(), frame.size());
  frame.push_back(static_cast<uint8_t>(crc));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
  return frame;
}

std::vector<uint8_t> HartRead(uint16_t first, uint8_t count) {
  std::vector<uint8_t> frame(5, 0xFF);
  const std::vector<uint8_t> body{0x82, 0x80 | 0x1A, 0x7E, 0x3C, 0x5A, 0x01, 128, 4,
                                  static_cast<uint8_t>(first >> 8), static_cast<uint8_t>(first), 0, count};
  frame.insert(frame.end(), body.begin(), body.end());
  frame.push_back(tavro::sim::HartChecksum(body));
  return frame;
}

// The floor: a thread that sends back whatever arrives on a bare pty.
class EchoPeer {
 public:
  EchoPeer() : thread_([this] { Run(); }) {}
  ~EchoPeer() {
    stop_ = true;
    thread_.join();
  }
  std::string Path() const { return pty_.SlavePath(); }

 private:
  void Run() {
    uint8_t buffer[2048];
    while (!stop_) {
      pollfd p{pty_.MasterFd(), POLLIN, 0};
      if (poll(&p, 1, 20) <= 0) continue;
      const ssize_t n = ::read(pty_.MasterFd(), buffer, sizeof buffer);
      if (n > 0) [[maybe_unused]] ssize_t ignored = ::write(pty_.MasterFd(), buffer, static_cast<size_t>(n));
    }
  }
  tavro::sim::PseudoTerminal pty_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

void Print(const Result& r, double floorMs) {
  if (r.first.empty()) {
    std::printf("%-34s no replies (%d failures)\n", r.what.c_str(), r.failures);
    return;
  }
  const double first = Median(r.first);
  const double last = Median(r.last);
  const double worst = *std::max_element(r.last.begin(), r.last.end());
  std::printf("%-34s first byte %6.3f ms (p95 %6.3f)  last byte %6.3f ms (p95 %6.3f, max %6.3f)  "
              "median/budget %.3f  median/floor %.1f  failures %d\n",
              r.what.c_str(), first, Percentile95(r.first), last, Percentile95(r.last), worst,
              last / kBudgetMs, floorMs > 0 ? last / floorMs : 0.0, r.failures);
}

}  // namespace

int main() {
  tavro::sim::BenchOptions options;
  options.registerPortNames = false;
  tavro::sim::SimulatedBench sim(options);

  EchoPeer peer;
  const int floorFd = OpenLine(peer.Path(), B9600, false);
  const Result floor = Measure("bare pty echo (8 bytes)", floorFd, ReadRequest(4128, 78), 8);
  ::close(floorFd);
  const double floorMs = Median(floor.last);

  const std::string transmitter = sim.DevicePath(tavro::sim::Device::kTransmitter);
  std::vector<Result> results;
  {
    const int fd = OpenLine(transmitter, B9600, false);
    results.push_back(Measure("Modbus 03, 78 registers (161 B)", fd, ReadRequest(4128, 78), 161));
    results.push_back(Measure("echo chunk, 400 samples (818 B)", fd,
                              tavro::sim::BuildEchoRequest(1, 0x0102, 400), 818));
    ::close(fd);
  }
  {
    const int fd = OpenLine(transmitter, B1200, true);
    results.push_back(Measure("HART 128, 25 words (67 B)", fd, HartRead(4128, 25), 67));
    ::close(fd);
  }
  {
    const int fd = OpenLine(sim.DevicePath(tavro::sim::Device::kStage), B9600, false);
    std::vector<uint8_t> write{1, 6, 0x01, 0x10, 0x00, 0x01};  // 272 := 1
    const uint16_t crc = tavro::Crc16(write.data(), write.size());
    write.push_back(static_cast<uint8_t>(crc));
    write.push_back(static_cast<uint8_t>(crc >> 8));
    results.push_back(Measure("servo drive 06 echo (8 B)", fd, write, 8));
    ::close(fd);
  }

  std::printf("simulator answer latency over %d requests each (budget %.0f ms)\n", kRequests, kBudgetMs);
  Print(floor, floorMs);
  for (const Result& r : results) Print(r, floorMs);
  bool withinBudget = true;
  for (const Result& r : results) {
    withinBudget = withinBudget && !r.last.empty() && Median(r.last) < kBudgetMs && r.failures == 0;
  }
  std::printf("%s\n", withinBudget ? "all medians within the budget" : "BUDGET EXCEEDED");
  return withinBudget ? 0 : 1;
}

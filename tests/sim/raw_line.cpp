#include "raw_line.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

#include "link/crc16.h"

namespace tavro::sim::test {

using Clock = std::chrono::steady_clock;

namespace {

speed_t Speed(uint32_t baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B9600;
  }
}

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<int64_t>(0, left.count()));
}

}  // namespace

RawLine::RawLine(const std::string& path, Framing framing) {
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return;
  termios tio{};
  tcgetattr(fd_, &tio);
  cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cflag &= ~static_cast<tcflag_t>(PARODD | CSTOPB);
  tio.c_iflag &= ~static_cast<tcflag_t>(INPCK);
  if (framing.oddParity) {
    tio.c_cflag |= PARENB | PARODD;
    tio.c_iflag |= INPCK;
  }
  if (framing.twoStopBits) tio.c_cflag |= CSTOPB;
  cfsetispeed(&tio, Speed(framing.baud));
  cfsetospeed(&tio, Speed(framing.baud));
  tcsetattr(fd_, TCSANOW, &tio);
}

RawLine::~RawLine() {
  if (fd_ >= 0) ::close(fd_);
}

void RawLine::Write(const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0) throw std::runtime_error("write to the simulated line failed");
    done += static_cast<size_t>(n);
  }
}

void RawLine::Write(const std::string& text) { Write(std::vector<uint8_t>(text.begin(), text.end())); }

std::vector<uint8_t> RawLine::Read(size_t count, std::chrono::milliseconds timeout) {
  std::vector<uint8_t> got;
  const auto deadline = Clock::now() + timeout;
  while (got.size() < count) {
    pollfd fd{fd_, POLLIN, 0};
    if (poll(&fd, 1, RemainingMs(deadline)) <= 0) break;
    if (fd.revents & (POLLHUP | POLLERR)) break;
    uint8_t buffer[1024];
    const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
    if (n <= 0) break;
    got.insert(got.end(), buffer, buffer + n);
  }
  return got;
}

std::vector<uint8_t> RawLine::ReadUntilQuiet(std::chrono::milliseconds quiet,
                                             std::chrono::milliseconds limit) {
  std::vector<uint8_t> got;
  const auto deadline = Clock::now() + limit;
  for (;;) {
    pollfd fd{fd_, POLLIN, 0};
    const int wait = std::min(RemainingMs(deadline), static_cast<int>(quiet.count()));
    if (wait <= 0 || poll(&fd, 1, wait) <= 0 || (fd.revents & (POLLHUP | POLLERR))) break;
    uint8_t buffer[1024];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) break;
    got.insert(got.end(), buffer, buffer + n);
  }
  return got;
}

std::vector<uint8_t> RawLine::ReadReply(std::chrono::milliseconds firstWithin,
                                        std::chrono::milliseconds quiet) {
  std::vector<uint8_t> got = Read(1, firstWithin);
  if (got.empty()) return got;
  const std::vector<uint8_t> rest = ReadUntilQuiet(quiet);
  got.insert(got.end(), rest.begin(), rest.end());
  return got;
}

std::vector<uint8_t> RawLine::Exchange(const std::vector<uint8_t>& request, size_t replyLength,
                                       std::chrono::milliseconds timeout) {
  Write(request);
  return Read(replyLength, timeout);
}

void RawLine::Drain() { tcflush(fd_, TCIFLUSH); }

std::vector<uint8_t> WithCrc(std::vector<uint8_t> frame) {
  const uint16_t crc = Crc16(frame.data(), frame.size());
  frame.push_back(static_cast<uint8_t>(crc & 0xFF));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
  return frame;
}

std::vector<uint8_t> ReadRequest(uint8_t slave, uint16_t first, uint16_t count) {
  return WithCrc({slave, 0x03, static_cast<uint8_t>(first >> 8), static_cast<uint8_t>(first),
                  static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count)});
}

std::vector<uint8_t> WriteOneRequest(uint8_t slave, uint16_t reg, uint16_t value) {
  return WithCrc({slave, 0x06, static_cast<uint8_t>(reg >> 8), static_cast<uint8_t>(reg),
                  static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}

std::vector<uint8_t> WriteManyRequest(uint8_t slave, uint16_t first, const std::vector<uint16_t>& words) {
  std::vector<uint8_t> frame{slave, 0x10, static_cast<uint8_t>(first >> 8), static_cast<uint8_t>(first),
                             static_cast<uint8_t>(words.size() >> 8), static_cast<uint8_t>(words.size()),
                             static_cast<uint8_t>(words.size() * 2)};
  for (uint16_t w : words) {
    frame.push_back(static_cast<uint8_t>(w >> 8));
    frame.push_back(static_cast<uint8_t>(w));
  }
  return WithCrc(frame);
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string out;
  char byte[4];
  for (uint8_t b : bytes) {
    std::snprintf(byte, sizeof byte, "%02X ", b);
    out += byte;
  }
  if (!out.empty()) out.pop_back();
  return out;
}

}  // namespace tavro::sim::test

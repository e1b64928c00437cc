#include "link/serial_io.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace tavro::detail {
namespace {

using std::chrono::milliseconds;

enum class Ready { kYes, kTimeout, kWoken, kFailed };

// Waits for `events` on `fd` (or only for the wake when fd < 0) until the
// deadline.
Ready WaitFor(int fd, short events, int wakeFd, SteadyClock::time_point deadline) {
  for (;;) {
    const auto left = std::max(deadline - SteadyClock::now(), SteadyClock::duration::zero());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    const timespec timeout{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
    pollfd fds[2] = {{wakeFd, POLLIN, 0}, {fd, events, 0}};
    const int result = ppoll(fds, fd >= 0 ? 2 : 1, &timeout, nullptr);
    if (result < 0) {
      if (errno == EINTR) continue;
      return Ready::kFailed;
    }
    if (fds[0].revents != 0) return Ready::kWoken;
    if (result == 0) return Ready::kTimeout;
    if (fds[1].revents & events) return Ready::kYes;
    // POLLHUP, POLLERR or POLLNVAL alone: the device is gone.
    return Ready::kFailed;
  }
}

}  // namespace

bool TimedRead(int fd, int wakeFd, uint8_t* buffer, uint32_t count, const ReadTimeouts& timeouts,
               uint32_t* got) {
  *got = 0;
  const auto start = SteadyClock::now();
  const auto totalDeadline =
      start + milliseconds(timeouts.totalConstantMs + int64_t{timeouts.totalPerByteMs} * count);
  SteadyClock::time_point lastByte{};
  while (*got < count) {
    auto deadline = totalDeadline;
    if (*got > 0) deadline = std::min(deadline, lastByte + milliseconds(timeouts.intervalMs));
    if (SteadyClock::now() >= deadline) return true;
    switch (WaitFor(fd, POLLIN, wakeFd, deadline)) {
      case Ready::kTimeout: return true;
      case Ready::kWoken:
      case Ready::kFailed: return false;
      case Ready::kYes: break;
    }
    const ssize_t n = ::read(fd, buffer + *got, count - *got);
    if (n > 0) {
      *got += static_cast<uint32_t>(n);
      lastByte = SteadyClock::now();
    } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
      return false;  // hang-up or I/O error: the device went away
    }
  }
  return true;
}

bool TimedWrite(int fd, int wakeFd, const uint8_t* buffer, uint32_t count,
                SteadyClock::time_point deadline, uint32_t* written) {
  *written = 0;
  while (*written < count) {
    const ssize_t n = ::write(fd, buffer + *written, count - *written);
    if (n > 0) {
      *written += static_cast<uint32_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return false;
    switch (WaitFor(fd, POLLOUT, wakeFd, deadline)) {
      case Ready::kTimeout: return true;
      case Ready::kWoken:
      case Ready::kFailed: return false;
      case Ready::kYes: break;
    }
  }
  return true;
}

int WaitSent(int fd, int wakeFd, SteadyClock::time_point deadline) {
  // Poll the driver's queue rather than block in tcdrain(), so that Close
  // can still cut the wait short and the deadline holds.
  constexpr auto kStep = milliseconds(1);
  for (;;) {
    int queued = 0;
    if (ioctl(fd, TIOCOUTQ, &queued) != 0) {
      tcdrain(fd);  // no queue figure from this driver
      return 0;
    }
    if (queued == 0) {
      unsigned int lineStatus = 0;
      if (ioctl(fd, TIOCSERGETLSR, &lineStatus) != 0) {
        tcdrain(fd);  // only the UART's own buffer is left
        return 0;
      }
      if (lineStatus & TIOCSER_TEMT) return 0;
    }
    if (SteadyClock::now() >= deadline) {
      tcflush(fd, TCOFLUSH);
      return queued;
    }
    if (WaitFor(-1, 0, wakeFd, std::min(deadline, SteadyClock::now() + kStep)) == Ready::kWoken) return -1;
  }
}

}  // namespace tavro::detail

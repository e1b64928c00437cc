#pragma once
// Blocking reads and writes with the time-out rules of SerialPort, built on a
// non-blocking descriptor and poll(). A second descriptor in every poll set
// (an eventfd) lets another thread cut a wait short.
#include <chrono>
#include <cstdint>

namespace tavro::detail {

using SteadyClock = std::chrono::steady_clock;

struct ReadTimeouts {
  int intervalMs;         // silence after a byte that ends the read
  int totalConstantMs;    // the whole read may take constant + n x per byte
  int totalPerByteMs;
};

// Reads up to `count` bytes: returns once `count` bytes arrived, after
// `intervalMs` without a byte following the first one, or when the total time
// is spent, with true and whatever arrived in *got (possibly nothing). Returns
// false when `wakeFd` becomes readable or the device fails (hang-up, I/O
// error); *got then holds the bytes that came before.
bool TimedRead(int fd, int wakeFd, uint8_t* buffer, uint32_t count, const ReadTimeouts& timeouts,
               uint32_t* got);

// Hands `count` bytes to the driver. True with *written < count when the
// deadline passed first; false on a wake or a device failure.
bool TimedWrite(int fd, int wakeFd, const uint8_t* buffer, uint32_t count,
                SteadyClock::time_point deadline, uint32_t* written);

// Waits until the driver has sent everything it holds, shift register
// included, as far as the driver can tell. Returns the number of bytes still
// unsent when the deadline passed (they are discarded), 0 when all went out,
// or -1 on a wake.
int WaitSent(int fd, int wakeFd, SteadyClock::time_point deadline);

}  // namespace tavro::detail

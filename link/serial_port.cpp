#include "link/serial_port.h"

#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "link/line_settings.h"
#include "link/message_box.h"
#include "link/port_names.h"
#include "link/rts_keying.h"
#include "link/serial_io.h"

namespace tavro {

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
  Close();
  ReleaseDevice();  // in case an open was interrupted by an exception
}

bool SerialPort::IsOpen() const { return opened_.load(); }

bool SerialPort::Open(const std::string& portName, uint32_t baudRate, uint8_t byteSize,
                      uint8_t parity, uint8_t stopBits) {
  Close();  // never leak a descriptor, even if a caller opens twice
  if (!OpenDevice(portName)) return Fail("Open Fails!");
  if (!ClaimLine()) return Fail("Setup Fails!");
  // A freshly opened line starts empty: bytes a device sent while nobody
  // listened must not pass for the reply to the first request.
  tcflush(handle_, TCIFLUSH);
  termios tio{};
  if (tcgetattr(handle_, &tio) != 0) return Fail("Get Status Fails!");
  if (!detail::ConfigureStandard(tio, baudRate, byteSize, parity, stopBits) ||
      tcsetattr(handle_, TCSANOW, &tio) != 0) {
    return Fail("Setup State Fails!");
  }
  // Read: 300 ms silence, 500 ms + 1 ms per byte in all; write 100 + 100 n ms.
  if (!ArmTimeouts({300, 500, 1, 100, 100})) {
    return Fail("Setup Timeout Fils!");
  }
  opened_ = true;
  return true;
}

bool SerialPort::OpenHart(const std::string& portName, uint32_t baudRate) {
  Close();
  if (!OpenDevice(portName)) return Fail("Open Fails!");
  if (!ClaimLine()) return Fail("Setup Fails!");
  tcflush(handle_, TCIOFLUSH);  // stale bytes of either direction
  // Read: 700 ms silence, 700 ms + 1 ms per byte in all; write 400 + 400 n ms.
  if (!ArmTimeouts({700, 700, 1, 400, 400})) {
    return Fail("Setup Timeout Fils!");
  }
  termios tio{};
  if (tcgetattr(handle_, &tio) != 0) return Fail("Get Status Fails!");
  if (!detail::ConfigureHart(tio, baudRate) || tcsetattr(handle_, TCSANOW, &tio) != 0) {
    return Fail("Setup State Fails!");
  }
  rts_ = std::make_unique<detail::RtsKeying>(handle_);
  opened_ = true;
  return true;
}

void SerialPort::Close() {
  if (!opened_.exchange(false)) return;
  // Wake a Read or Write blocked in another thread; it returns failure and
  // lets go of the descriptor, which is released only after that.
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t ignored = ::write(wakeFd_, &one, sizeof one);
  std::lock_guard lock(ioMutex_);
  ReleaseDevice();
}

bool SerialPort::Write(const uint8_t* buffer, uint32_t count, uint32_t* written) {
  uint32_t sent = 0;
  bool ok = false;
  {
    std::lock_guard lock(ioMutex_);
    if (opened_) {
      const auto deadline =
          detail::SteadyClock::now() +
          std::chrono::milliseconds(timeouts_.writeTotalConstantMs +
                                    int64_t{timeouts_.writeTotalPerByteMs} * count);
      const bool keyed = rts_ && rts_->mode() == detail::RtsKeying::Mode::kManual;
      if (keyed) rts_->Raise();
      ok = detail::TimedWrite(handle_, wakeFd_, buffer, count, deadline, &sent);
      if (keyed) {
        if (ok) {
          const int unsent = detail::WaitSent(handle_, wakeFd_, deadline);
          if (unsent < 0) ok = false;
          else sent -= std::min<uint32_t>(sent, static_cast<uint32_t>(unsent));
        }
        rts_->Drop();
      }
    }
  }
  if (written) *written = sent;
  return ok;
}

bool SerialPort::Read(uint8_t* buffer, uint32_t count, uint32_t* read) {
  uint32_t got = 0;
  bool ok = false;
  {
    std::lock_guard lock(ioMutex_);
    if (opened_) {
      const detail::ReadTimeouts limits{timeouts_.readIntervalMs, timeouts_.readTotalConstantMs,
                                        timeouts_.readTotalPerByteMs};
      ok = detail::TimedRead(handle_, wakeFd_, buffer, count, limits, &got);
    }
  }
  if (read) *read = got;
  return ok;
}

// The device path opened for reading and writing and locked against every
// other user: the tty's exclusive mode keeps out other openers, and the
// advisory lock keeps out other instances of the tool even when run as root.
bool SerialPort::OpenDevice(const std::string& portName) {
  const std::string path = ResolvePortName(portName);
  if (path.empty()) return false;
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

// Only a terminal device takes line settings; anything else fails here,
// where a queue-size request fails on a handle that is no serial port.
bool SerialPort::ClaimLine() { return isatty(handle_) == 1 && ioctl(handle_, TIOCEXCL) == 0; }

// The time-outs are kept here and enforced by poll() on a non-blocking
// descriptor, with an eventfd beside it for Close.
bool SerialPort::ArmTimeouts(const Timeouts& timeouts) {
  const int flags = fcntl(handle_, F_GETFL);
  if (flags < 0 || fcntl(handle_, F_SETFL, flags | O_NONBLOCK) != 0) return false;
  const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake < 0) return false;
  wakeFd_ = wake;
  timeouts_ = timeouts;
  return true;
}

bool SerialPort::Fail(const char* message) {
  ReleaseDevice();
  ShowMessage(message);
  return false;
}

void SerialPort::ReleaseDevice() {
  if (rts_) {
    rts_->Restore();
    rts_.reset();
  }
  if (const int fd = handle_.exchange(-1); fd >= 0) {
    ioctl(fd, TIOCNXCL);
    ::close(fd);  // also drops the advisory lock
  }
  if (const int wake = wakeFd_.exchange(-1); wake >= 0) ::close(wake);
}

}  // namespace tavro

#pragma once
// Keys a HART modem's transmitter: RTS high only while bytes go out. Where
// the driver offers the kernel's RS-485 mode, the UART does it itself;
// otherwise the port raises RTS, writes, waits until the line is quiet and
// drops RTS. A line without modem controls (a pseudo-terminal) is not keyed.
#include <linux/serial.h>

namespace tavro::detail {

class RtsKeying {
 public:
  enum class Mode { kNone, kKernel, kManual };

  // Chooses the mode for the open line `fd`, raises DTR (the modem's supply
  // on many adapters) and leaves RTS low. Never fails: a line that cannot be
  // keyed is still usable.
  explicit RtsKeying(int fd);
  // Restores the driver's RS-485 settings when they were changed.
  void Restore();

  Mode mode() const { return mode_; }
  void Raise() const;
  void Drop() const;

 private:
  int fd_;
  Mode mode_ = Mode::kNone;
  bool changedRs485_ = false;
  serial_rs485 previous_{};
};

}  // namespace tavro::detail

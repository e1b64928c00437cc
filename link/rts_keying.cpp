#include "link/rts_keying.h"

#include <sys/ioctl.h>

namespace tavro::detail {
namespace {

bool SetModemLine(int fd, unsigned long request, int line) { return ioctl(fd, request, &line) == 0; }

}  // namespace

RtsKeying::RtsKeying(int fd) : fd_(fd) {
  SetModemLine(fd_, TIOCMBIS, TIOCM_DTR);

  serial_rs485 current{};
  if (ioctl(fd_, TIOCGRS485, &current) == 0) {
    serial_rs485 wanted = current;
    wanted.flags |= SER_RS485_ENABLED | SER_RS485_RTS_ON_SEND;
    wanted.flags &= ~static_cast<__u32>(SER_RS485_RTS_AFTER_SEND | SER_RS485_RX_DURING_TX);
    wanted.delay_rts_before_send = 0;
    wanted.delay_rts_after_send = 0;
    serial_rs485 applied{};
    // Some drivers accept the call and keep RS-485 off: read it back.
    if (ioctl(fd_, TIOCSRS485, &wanted) == 0) {
      if (ioctl(fd_, TIOCGRS485, &applied) == 0 && (applied.flags & SER_RS485_ENABLED) &&
          (applied.flags & SER_RS485_RTS_ON_SEND)) {
        changedRs485_ = true;
        previous_ = current;
        mode_ = Mode::kKernel;
        return;
      }
      ioctl(fd_, TIOCSRS485, &current);
    }
  }

  int lines = 0;
  if (ioctl(fd_, TIOCMGET, &lines) == 0) {
    mode_ = Mode::kManual;
    Drop();
  }
}

void RtsKeying::Restore() {
  if (changedRs485_) ioctl(fd_, TIOCSRS485, &previous_);
  changedRs485_ = false;
}

void RtsKeying::Raise() const { SetModemLine(fd_, TIOCMBIS, TIOCM_RTS); }

void RtsKeying::Drop() const { SetModemLine(fd_, TIOCMBIC, TIOCM_RTS); }

}  // namespace tavro::detail

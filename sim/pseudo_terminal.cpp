#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace tavro::sim {
namespace {

[[noreturn]] void Throw(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) Throw("posix_openpt");
  char name[128];
  if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
      ptsname_r(master_, name, sizeof name) != 0) {
    const int saved = errno;
    ::close(master_);
    errno = saved;
    Throw("pty slave name");
  }
  slavePath_ = name;
  slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) {
    const int saved = errno;
    ::close(master_);
    errno = saved;
    Throw("open pty slave");
  }
  termios tio{};
  if (tcgetattr(slave_, &tio) == 0) {
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tcsetattr(slave_, TCSANOW, &tio);
  }
  const int flags = fcntl(master_, F_GETFL);
  fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  // Without the watch the pty still works; only stale input survives a close.
  // Our own slave is open already, so it is not counted.
  watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (watch_ >= 0 &&
      inotify_add_watch(watch_, slavePath_.c_str(), IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
    ::close(watch_);
    watch_ = -1;
  }
}

PseudoTerminal::~PseudoTerminal() {
  if (watch_ >= 0) ::close(watch_);
  ::close(master_);
  ::close(slave_);
}

bool PseudoTerminal::SomeoneListens() {
  if (watch_ < 0) return true;
  alignas(inotify_event) char events[4096];
  bool closed = false;
  for (;;) {
    const ssize_t got = ::read(watch_, events, sizeof events);
    if (got <= 0) break;
    for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
      inotify_event event;
      std::memcpy(&event, events + at, sizeof event);
      if (event.mask & IN_OPEN) ++openers_;
      if (event.mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE)) {
        openers_ = openers_ > 0 ? openers_ - 1 : 0;
        closed = true;
      }
      at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
    }
  }
  if (closed) tcflush(slave_, TCIFLUSH);
  return openers_ > 0;
}

}  // namespace tavro::sim

#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
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
}

PseudoTerminal::~PseudoTerminal() {
  ::close(master_);
  ::close(slave_);
}

}  // namespace tavro::sim

#include "scripted_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "link/crc16.h"

namespace tavro::test {

using namespace std::chrono_literals;

PtyPair::PtyPair() {
  termios raw{};
  cfmakeraw(&raw);
  cfsetspeed(&raw, B9600);
  char name[128] = {};
  if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) throw std::runtime_error("openpty failed");
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);
  slavePath_ = name;
}

PtyPair::~PtyPair() {
  CloseMaster();
  if (slave_ >= 0) close(slave_);
}

bool PtyPair::Send(const Bytes& bytes) const {
  size_t done = 0;
  while (done < bytes.size()) {
    if (master_ < 0) return false;
    const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd fd{master_, POLLOUT, 0};
      poll(&fd, 1, 5);
    } else {
      return false;
    }
  }
  return true;
}

Bytes PtyPair::Receive(std::chrono::milliseconds within) const {
  Bytes bytes;
  const auto deadline = SteadyClock::now() + within;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
    if (left.count() <= 0) return bytes;
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) continue;
    uint8_t chunk[512];
    const ssize_t n = read(master_, chunk, sizeof chunk);
    if (n > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  }
}

void PtyPair::FillTowardsMaster() {
  fcntl(slave_, F_SETFL, fcntl(slave_, F_GETFL) | O_NONBLOCK);
  const Bytes chunk(4096, 0x55);
  // The kernel moves part of the buffer on to the master's side a moment
  // later; fill until a pause frees nothing more.
  for (int quietRounds = 0; quietRounds < 2;) {
    size_t added = 0;
    for (size_t size : {chunk.size(), size_t{1}}) {
      ssize_t n;
      while ((n = write(slave_, chunk.data(), size)) > 0) added += static_cast<size_t>(n);
    }
    quietRounds = added == 0 ? quietRounds + 1 : 0;
    std::this_thread::sleep_for(10ms);
  }
}

void PtyPair::CloseMaster() {
  if (master_ >= 0) close(master_);
  master_ = -1;
}

void PeerLine::Send(const Bytes& bytes) {
  pty_.Send(bytes);
  lastSent_ = SteadyClock::now();
}

void PeerLine::Sleep(std::chrono::milliseconds ms) const {
  const auto until = SteadyClock::now() + ms;
  while (!Stopping() && SteadyClock::now() < until) std::this_thread::sleep_for(1ms);
}

ScriptedPeer::ScriptedPeer(PtyPair& pty, Script script)
    : pty_(pty), script_(std::move(script)), line_(pty, stopping_), thread_([this] { Run(); }) {}

ScriptedPeer::~ScriptedPeer() {
  stopping_ = true;
  thread_.join();
}

std::vector<Bytes> ScriptedPeer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

size_t ScriptedPeer::BytesReceived() const {
  std::lock_guard lock(mutex_);
  return bytesReceived_;
}

void ScriptedPeer::Run() {
  // A request ends at its Modbus length, or after 20 ms of quiet for
  // anything that is not a known Modbus request.
  Bytes pending;
  while (!stopping_) {
    const int master = pty_.master();
    if (master < 0) return;  // unplugged
    pollfd fd{master, POLLIN, 0};
    const int ready = poll(&fd, 1, pending.empty() ? 5 : 20);
    if (ready > 0 && (fd.revents & POLLIN)) {
      uint8_t chunk[512];
      const ssize_t n = read(master, chunk, sizeof chunk);
      if (n > 0) {
        pending.insert(pending.end(), chunk, chunk + n);
        std::lock_guard lock(mutex_);
        bytesReceived_ += static_cast<size_t>(n);
      }
    } else if (ready == 0 && !pending.empty()) {
      Dispatch(pending);
      pending.clear();
      continue;
    } else if (ready > 0) {
      std::this_thread::sleep_for(2ms);  // slave side closed for now
    }
    while (const size_t length = ModbusRequestLength(pending)) {
      if (pending.size() < length) break;
      const Bytes request(pending.begin(), pending.begin() + static_cast<ptrdiff_t>(length));
      pending.erase(pending.begin(), pending.begin() + static_cast<ptrdiff_t>(length));
      Dispatch(request);
      if (pty_.master() < 0) return;
    }
  }
}

void ScriptedPeer::Dispatch(const Bytes& request) {
  lastRequest_ = SteadyClock::now();
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  script_(line_, request);
}

size_t ModbusRequestLength(const Bytes& bytes) {
  if (bytes.size() < 2) return 0;
  switch (bytes[1]) {
    case 0x03:
    case 0x06: return 8;
    case 0x10: return bytes.size() < 7 ? 0 : 9u + bytes[6];
    default: return 0;
  }
}

Bytes WithCrc(Bytes bytes) {
  const uint16_t crc = Crc16(bytes.data(), bytes.size());
  bytes.push_back(static_cast<uint8_t>(crc & 0xFF));
  bytes.push_back(static_cast<uint8_t>(crc >> 8));
  return bytes;
}

Script Reply(Bytes reply, std::chrono::milliseconds delay) {
  return [reply = std::move(reply), delay](PeerLine& line, const Bytes&) {
    if (delay.count() > 0) line.Sleep(delay);
    line.Send(reply);
  };
}

Script Silence() {
  return [](PeerLine&, const Bytes&) {};
}

Script Flood(uint8_t byte) {
  return [byte](PeerLine& line, const Bytes&) {
    const Bytes chunk(64, byte);
    while (!line.Stopping()) {
      line.Send(chunk);
      line.Sleep(1ms);
    }
  };
}

Script UnplugOnRequest() {
  return [](PeerLine& line, const Bytes&) { line.Unplug(); };
}

uint16_t RegisterValue(uint16_t reg) { return static_cast<uint16_t>(reg * 7u + 0x1234u); }

Script HealthySlave() {
  return [](PeerLine& line, const Bytes& request) {
    if (request.size() < 8) return;
    const uint16_t first = static_cast<uint16_t>(request[2] << 8 | request[3]);
    if (request[1] == 0x03) {
      const uint16_t count = static_cast<uint16_t>(request[4] << 8 | request[5]);
      Bytes reply{request[0], 0x03, static_cast<uint8_t>(count * 2)};
      for (uint16_t i = 0; i < count; ++i) {
        const uint16_t value = RegisterValue(static_cast<uint16_t>(first + i));
        reply.push_back(static_cast<uint8_t>(value >> 8));
        reply.push_back(static_cast<uint8_t>(value & 0xFF));
      }
      line.Send(WithCrc(reply));
    } else if (request[1] == 0x06) {
      line.Send(request);
    } else if (request[1] == 0x10) {
      line.Send(WithCrc(Bytes(request.begin(), request.begin() + 6)));
    }
  };
}

}  // namespace tavro::test

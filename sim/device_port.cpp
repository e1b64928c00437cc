#include "sim/device_port.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <exception>
#include <random>
#include <system_error>
#include <vector>

namespace tavro::sim {

using Clock = std::chrono::steady_clock;

class DevicePort::Worker {
 public:
  explicit Worker(DevicePort& owner) : owner_(owner), rng_(std::random_device{}()) {
    wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
    thread_ = std::thread([this] { Run(); });
  }

  ~Worker() {
    stop_ = true;
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t ignored = ::write(wake_, &one, sizeof one);
    thread_.join();
    ::close(wake_);
  }

  const std::string& Path() const { return pty_.SlavePath(); }

 private:
  struct Outgoing {
    Clock::time_point due;
    std::vector<uint8_t> bytes;
  };

  void Run() {
    const int master = pty_.MasterFd();
    while (!stop_) {
      pollfd fds[3] = {{master, POLLIN, 0}, {wake_, POLLIN, 0}, {pty_.WatchFd(), POLLIN, 0}};
      const timespec timeout = NextTimeout();
      const int n = ppoll(fds, pty_.WatchFd() >= 0 ? 3 : 2,
                          timeout.tv_sec < 0 ? nullptr : &timeout, nullptr);
      if (n < 0 && errno != EINTR) break;
      if (stop_) break;
      if (fds[1].revents & POLLIN) {
        uint64_t count;
        [[maybe_unused]] ssize_t ignored = ::read(wake_, &count, sizeof count);
      }
      if (fds[2].revents & POLLIN && !pty_.SomeoneListens()) outgoing_.clear();
      if (fds[0].revents & POLLIN) Receive(master);
      if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
        // Cannot happen while we hold the slave; never spin if it does.
        poll(&fds[1], 1, 10);
      }
      if (!pending_.empty() && Clock::now() - lastByte_ >= kInterByteGap) {
        Discard(pending_.size());
      }
      Send(master);
    }
  }

  timespec NextTimeout() const {
    std::optional<Clock::time_point> next;
    if (!outgoing_.empty()) next = outgoing_.front().due;
    if (!pending_.empty()) {
      const auto gap = lastByte_ + kInterByteGap;
      next = next ? std::min(*next, gap) : gap;
    }
    if (!next) return {-1, 0};
    const auto wait = std::max(Clock::duration::zero(), *next - Clock::now());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
  }

  void Receive(int master) {
    uint8_t buffer[512];
    for (;;) {
      const ssize_t got = ::read(master, buffer, sizeof buffer);
      if (got <= 0) break;
      pending_.insert(pending_.end(), buffer, buffer + got);
    }
    const auto now = Clock::now();
    lastByte_ = now;
    const LineState line = pty_.Line().value_or(LineState{});
    while (!pending_.empty()) {
      const FrameScan scan = owner_.protocol_.Scan(pending_, line);
      if (scan.kind == FrameScan::Kind::kNeedMore) break;
      const size_t length = std::clamp<size_t>(scan.length, 1, pending_.size());
      if (scan.kind == FrameScan::Kind::kSkip) {
        Discard(length);
        continue;
      }
      const std::vector<uint8_t> frame(pending_.begin(), pending_.begin() + length);
      pending_.erase(pending_.begin(), pending_.begin() + length);
      OnFrame(frame, line, now);
    }
  }

  void OnFrame(const std::vector<uint8_t>& frame, const LineState& line, Clock::time_point at) {
    Faults faults;
    {
      std::lock_guard lock(owner_.mutex_);
      ++owner_.stats_.frames;
      faults = owner_.faults_;
      const bool deaf = faults.silent ||
                        (faults.silentAfter >= 0 &&
                         owner_.heard_ >= static_cast<uint64_t>(faults.silentAfter));
      if (deaf) {
        ++owner_.stats_.ignored;
        return;
      }
      ++owner_.heard_;
    }
    std::optional<Reply> reply;
    try {
      reply = owner_.protocol_.Handle(frame, line, faults);
    } catch (const std::exception&) {
      return;  // a device that cannot answer stays silent, and stays alive
    }
    if (!reply || reply->bytes.empty()) return;
    std::vector<uint8_t> bytes = std::move(reply->bytes);
    if (faults.wrongChecksum) {
      const size_t index = std::min(reply->checksumIndex.value_or(bytes.size() - 1), bytes.size() - 1);
      bytes[index] ^= 0x5A;
    }
    if (faults.truncateTo >= 0 && static_cast<size_t>(faults.truncateTo) < bytes.size()) {
      bytes.resize(static_cast<size_t>(faults.truncateTo));
    }
    if (faults.noiseBytes > 0) {
      std::vector<uint8_t> noise(static_cast<size_t>(faults.noiseBytes));
      std::uniform_int_distribution<int> byte(0, 255);
      for (uint8_t& b : noise) b = static_cast<uint8_t>(byte(rng_));
      bytes.insert(bytes.begin(), noise.begin(), noise.end());
    }
    {
      std::lock_guard lock(owner_.mutex_);
      ++owner_.stats_.replies;
    }
    if (bytes.empty()) return;
    const auto due = at + reply->latency + std::chrono::milliseconds(std::max(0, faults.delayMs));
    if (owner_.pace_ && line.baud > 0) {
      const auto perByte = std::chrono::duration_cast<Clock::duration>(
          std::chrono::duration<double>(line.CharacterSeconds()));
      for (size_t i = 0; i < bytes.size(); ++i) {
        Queue({due + perByte * static_cast<int64_t>(i + 1), {bytes[i]}});
      }
    } else {
      Queue({due, std::move(bytes)});
    }
  }

  void Queue(Outgoing out) {
    auto at = std::upper_bound(outgoing_.begin(), outgoing_.end(), out.due,
                               [](Clock::time_point due, const Outgoing& o) { return due < o.due; });
    outgoing_.insert(at, std::move(out));
  }

  void Send(int master) {
    const bool due = !outgoing_.empty() && outgoing_.front().due <= Clock::now();
    // A device answers into the void once the tool has closed its end.
    if (due && !pty_.SomeoneListens()) {
      outgoing_.clear();
      return;
    }
    while (!outgoing_.empty() && outgoing_.front().due <= Clock::now()) {
      Outgoing& out = outgoing_.front();
      const ssize_t sent = ::write(master, out.bytes.data(), out.bytes.size());
      if (sent < 0 && errno == EAGAIN) {
        // The tool is not reading and the pty is full: try again shortly.
        out.due = Clock::now() + std::chrono::milliseconds(1);
        return;
      }
      if (sent > 0 && static_cast<size_t>(sent) < out.bytes.size()) {
        out.bytes.erase(out.bytes.begin(), out.bytes.begin() + sent);
        continue;
      }
      outgoing_.pop_front();
    }
  }

  void Discard(size_t n) {
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
    std::lock_guard lock(owner_.mutex_);
    owner_.stats_.discardedBytes += n;
  }

  DevicePort& owner_;
  PseudoTerminal pty_;
  int wake_ = -1;
  std::atomic<bool> stop_{false};
  std::vector<uint8_t> pending_;
  Clock::time_point lastByte_{};
  std::deque<Outgoing> outgoing_;
  std::mt19937 rng_;
  std::thread thread_;  // last: starts after everything above exists
};

DevicePort::DevicePort(LineProtocol& protocol, bool paceReplies)
    : protocol_(protocol), pace_(paceReplies) {}

DevicePort::~DevicePort() { Unplug(); }

void DevicePort::Plug() {
  if (worker_) return;
  worker_ = std::make_unique<Worker>(*this);
  std::lock_guard lock(mutex_);
  path_ = worker_->Path();
}

void DevicePort::Unplug() {
  worker_.reset();
  std::lock_guard lock(mutex_);
  path_.clear();
}

bool DevicePort::IsPlugged() const { return worker_ != nullptr; }

std::string DevicePort::Path() const {
  std::lock_guard lock(mutex_);
  return path_;
}

void DevicePort::SetFaults(const Faults& faults) {
  std::lock_guard lock(mutex_);
  faults_ = faults;
  heard_ = 0;
}

Faults DevicePort::GetFaults() const {
  std::lock_guard lock(mutex_);
  return faults_;
}

void DevicePort::ClearFaults() { SetFaults(Faults{}); }

PortStats DevicePort::Stats() const {
  std::lock_guard lock(mutex_);
  return stats_;
}

}  // namespace tavro::sim

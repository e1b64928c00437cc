#pragma once
// One device's end of the line: a pseudo-terminal and the thread that reads
// its master, finds requests with the device's LineProtocol and sends the
// replies on time. Replies go out as soon as the frame's last byte is read
// (poll, no sleeps), after the device's own latency and any injected delay;
// with pacing on, byte by byte at the line's rate.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sim/faults.h"
#include "sim/line_protocol.h"
#include "sim/pseudo_terminal.h"

namespace tavro::sim {

struct PortStats {
  uint64_t frames = 0;          // complete requests found
  uint64_t ignored = 0;         // frames dropped by the silence faults
  uint64_t replies = 0;         // replies handed to the line
  uint64_t discardedBytes = 0;  // garbage and stale partial frames
};

class DevicePort {
 public:
  // A partial frame older than this is dropped, so a burst of garbage cannot
  // hold the receiver out of step.
  static constexpr std::chrono::milliseconds kInterByteGap{50};

  DevicePort(LineProtocol& protocol, bool paceReplies);
  ~DevicePort();
  DevicePort(const DevicePort&) = delete;
  DevicePort& operator=(const DevicePort&) = delete;

  // Creates a new pty and starts the thread; nothing when already plugged.
  void Plug();
  // Stops the thread and closes the pty: the tool's open end fails.
  void Unplug();
  bool IsPlugged() const;
  // The slave path ("/dev/pts/N"), empty while unplugged.
  std::string Path() const;

  void SetFaults(const Faults& faults);
  Faults GetFaults() const;
  // Also restarts the count of silentAfter.
  void ClearFaults();
  PortStats Stats() const;

 private:
  class Worker;

  LineProtocol& protocol_;
  const bool pace_;
  mutable std::mutex mutex_;  // faults, stats, path
  Faults faults_;
  uint64_t heard_ = 0;  // requests heard since the faults were last set
  PortStats stats_;
  std::unique_ptr<Worker> worker_;
  std::string path_;

  friend class Worker;
};

}  // namespace tavro::sim

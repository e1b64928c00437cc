#pragma once
// The far end of a serial line for tests: a pseudo-terminal pair whose slave
// the code under test opens by path, and a peer thread on the master that
// answers each request as a script says (reply, stay silent, send noise,
// flood, unplug).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavro::test {

using Bytes = std::vector<uint8_t>;
using SteadyClock = std::chrono::steady_clock;

// A pseudo-terminal in raw mode. The fixture keeps a slave descriptor of its
// own, so the line stays up while the port under test is closed.
class PtyPair {
 public:
  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& slavePath() const { return slavePath_; }
  int master() const { return master_; }
  // Writes everything to the master (blocking); false when the line is gone.
  bool Send(const Bytes& bytes) const;
  // Reads what the port sent within `within`.
  Bytes Receive(std::chrono::milliseconds within) const;
  // Fills the line's buffer towards the master, so that the port's next
  // write finds no room until the master reads.
  void FillTowardsMaster();
  // As if the adapter were pulled: the slave side sees a hang-up.
  void CloseMaster();

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
};

class PeerLine;
// What the peer does with one complete request; runs on the peer's thread.
using Script = std::function<void(PeerLine& line, const Bytes& request)>;

class PeerLine {
 public:
  explicit PeerLine(PtyPair& pty, const std::atomic<bool>& stopping) : pty_(pty), stopping_(stopping) {}
  void Send(const Bytes& bytes);
  void Sleep(std::chrono::milliseconds ms) const;
  bool Stopping() const { return stopping_.load(); }
  void Unplug() { pty_.CloseMaster(); }
  SteadyClock::time_point lastSent() const { return lastSent_.load(); }

 private:
  PtyPair& pty_;
  const std::atomic<bool>& stopping_;
  std::atomic<SteadyClock::time_point> lastSent_{};
};

class ScriptedPeer {
 public:
  ScriptedPeer(PtyPair& pty, Script script);
  ~ScriptedPeer();
  ScriptedPeer(const ScriptedPeer&) = delete;
  ScriptedPeer& operator=(const ScriptedPeer&) = delete;

  std::vector<Bytes> Requests() const;
  size_t BytesReceived() const;
  // When the last complete request arrived, and when the last byte of the
  // last answer went to the line.
  SteadyClock::time_point lastRequest() const { return lastRequest_.load(); }
  SteadyClock::time_point lastSent() const { return line_.lastSent(); }

 private:
  void Run();
  void Dispatch(const Bytes& request);

  PtyPair& pty_;
  Script script_;
  std::atomic<bool> stopping_{false};
  PeerLine line_;
  mutable std::mutex mutex_;
  std::vector<Bytes> requests_;
  size_t bytesReceived_ = 0;
  std::atomic<SteadyClock::time_point> lastRequest_{};
  std::thread thread_;
};

// Length of the Modbus request that `bytes` begins with, 0 while that cannot
// be told yet or for an unknown function.
size_t ModbusRequestLength(const Bytes& bytes);
// `bytes` with its CRC appended, low byte first.
Bytes WithCrc(Bytes bytes);

// Canned scripts.
Script Reply(Bytes reply, std::chrono::milliseconds delay = std::chrono::milliseconds(0));
Script Silence();
Script Flood(uint8_t byte);
Script UnplugOnRequest();
// A healthy slave: register r holds RegisterValue(r); writes are echoed.
Script HealthySlave();
uint16_t RegisterValue(uint16_t reg);

}  // namespace tavro::test

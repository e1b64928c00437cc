#pragma once
// One serial line. Two fixed configurations: the standard one (framing from
// the caller) and the HART-modem one (1200 8-O-1, RTS keyed while sending).
// Read and Write block; their time-outs reproduce the line behaviour every
// protocol above relies on:
//   standard: a Read of n bytes returns when n bytes have arrived, after
//             300 ms of silence following the first byte, or 500 + n ms after
//             the call, whichever comes first. A Write of n bytes may take
//             100 + 100 n ms.
//   HART:     700 ms of silence, 700 + n ms in all; writes 400 + 400 n ms.
// Close may be called from another thread while a Read or Write blocks (the
// HART monitor thread); the blocked call then returns at once with failure.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace tavro {

namespace detail {
class RtsKeying;
}

class SerialPort {
 public:
  SerialPort();
  virtual ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // parity: 0 none, 1 odd, 2 even. stopBits: 0 one, 1 one and a half, 2 two.
  // Each failed step shows its message ("Open Fails!", "Setup Fails!",
  // "Get Status Fails!", "Setup State Fails!", "Setup Timeout Fils!") and
  // releases the device.
  bool Open(const std::string& portName, uint32_t baudRate, uint8_t byteSize,
            uint8_t parity, uint8_t stopBits);
  bool OpenHart(const std::string& portName, uint32_t baudRate);
  void Close();

  bool Write(const uint8_t* buffer, uint32_t count, uint32_t* written);
  bool Read(uint8_t* buffer, uint32_t count, uint32_t* read);
  bool IsOpen() const;

 private:
  struct Timeouts {
    int readIntervalMs;
    int readTotalConstantMs;
    int readTotalPerByteMs;
    int writeTotalConstantMs;
    int writeTotalPerByteMs;
  };
  bool OpenDevice(const std::string& portName);
  bool ClaimLine();
  bool ArmTimeouts(const Timeouts& timeouts);
  bool Fail(const char* message);
  void ReleaseDevice();

  std::atomic<int> handle_{-1};
  std::atomic<bool> opened_{false};
  std::atomic<int> wakeFd_{-1};  // lets Close interrupt a blocked Read or Write
  Timeouts timeouts_{};
  std::unique_ptr<detail::RtsKeying> rts_;  // HART configuration only
  std::mutex ioMutex_;  // held by Read and Write, taken by Close before releasing
};

}  // namespace tavro

#pragma once
// What can go wrong with one device, as tests and the demo inject it. All
// off by default. "Silent" devices do not even hear: their state does not
// change; the reply faults alter a reply that was computed normally.
namespace tavro::sim {

struct Faults {
  bool silent = false;            // ignores every request
  int silentAfter = -1;           // hears this many requests, then ignores all (-1: off)
  bool wrongChecksum = false;     // replies with a corrupted CRC / checksum
  bool exceptionReplies = false;  // Modbus: exception 04; HART: response code 6, no data
  int delayMs = 0;                // extra time before each reply
  int truncateTo = -1;            // sends only the first bytes of each reply (-1: off)
  int noiseBytes = 0;             // random bytes sent before each reply
};

}  // namespace tavro::sim

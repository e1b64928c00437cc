#pragma once
// The sampled echo signal of the transmitter and the frames of its echo-data
// protocol. 30000 samples of 12 bits, 4 samples per millimetre after the
// reference pulse: baseline noise, the reference pulse, the level echo at the
// target's distance, its second (double-bounce) echo and the probe-end echo.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavro::sim {

inline constexpr int kEchoSampleCount = 30000;
inline constexpr double kEchoSamplesPerMm = 4.0;
inline constexpr int kReferenceSample = 1200;  // reference pulse at 25 ℃
inline constexpr int kEchoBaseline = 2048;
// Largest chunk the transmitter's buffer answers; bigger requests go unanswered.
inline constexpr int kMaxEchoChunk = 1000;

struct EchoScene {
  double levelMm = 1000.0;        // target distance from the reference point
  double probeLengthMm = 6000.0;
  double temperatureC = 25.0;     // moves the reference pulse a little
  double levelStrength = 1.0;     // 0-1, from the medium's dielectric constant
  uint32_t noiseSeed = 1;
};

// Sample indexes and the shift reference that go with a scene. A marker whose
// echo lies beyond the last sample is 0.
struct EchoMarkers {
  int16_t shift = 0;     // reference pulse position minus its nominal position
  uint16_t max = 0;      // the largest sample: the reference pulse
  uint16_t first = 0;    // level echo
  uint16_t second = 0;   // double-bounce echo of the level
  uint16_t end = 0;      // probe end
};

// Peak heights above the baseline, in the order ref, 1st, 2nd, end.
struct EchoPeaks {
  float amplitude[4] = {};
  float position[4] = {};
};

EchoMarkers MarkersFor(const EchoScene& scene);
EchoPeaks PeaksFor(const EchoScene& scene);
std::vector<int16_t> SynthesizeEcho(const EchoScene& scene);

// Sum of the little-endian 16-bit words of `bytes` (an odd last byte is the
// low half of a word).
uint16_t WordSum(std::span<const uint8_t> bytes);

// A complete 8-byte chunk request (address, 0xFF, first index and count
// big-endian, checksum) whose words sum to 0.
struct EchoRequest {
  uint8_t address;
  uint16_t firstIndex;
  uint16_t count;
};
std::optional<EchoRequest> ParseEchoRequest(std::span<const uint8_t> frame);
std::vector<uint8_t> BuildEchoRequest(uint8_t address, uint16_t firstIndex, uint16_t count);

// Reply of 18 + 2n bytes: address, 0xFF, first index and count (big-endian,
// informative), shift, the four markers, the samples (little-endian) and
// the checksum that makes all words sum to 0. Samples past the end are 0.
std::vector<uint8_t> BuildEchoReply(const EchoRequest& request, std::span<const int16_t> samples,
                                    const EchoMarkers& markers);

}  // namespace tavro::sim

#include "sim/echo_curve.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace tavro::sim {
namespace {

constexpr float kReferenceHeight = 1650.0f;
constexpr float kLevelHeight = 900.0f;
constexpr float kEndHeight = 520.0f;
constexpr double kPulseSigma = 11.0;  // samples

int ReferencePosition(const EchoScene& scene) {
  return kReferenceSample + static_cast<int>(std::lround((scene.temperatureC - 25.0) * 0.8));
}

uint16_t MarkerAt(double sample) {
  return sample >= 0 && sample < kEchoSampleCount ? static_cast<uint16_t>(std::lround(sample)) : 0;
}

void PutLe16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void AddPulse(std::vector<double>& signal, double centre, double height) {
  if (centre <= 0 || centre >= kEchoSampleCount || height == 0) return;
  const int from = std::max(0, static_cast<int>(centre - 6 * kPulseSigma));
  const int to = std::min(kEchoSampleCount - 1, static_cast<int>(centre + 6 * kPulseSigma));
  for (int i = from; i <= to; ++i) {
    const double x = (i - centre) / kPulseSigma;
    signal[i] += height * std::exp(-0.5 * x * x);
  }
}

}  // namespace

EchoMarkers MarkersFor(const EchoScene& scene) {
  const int reference = ReferencePosition(scene);
  EchoMarkers markers;
  markers.shift = static_cast<int16_t>(reference - kReferenceSample);
  markers.max = MarkerAt(reference);
  markers.first = MarkerAt(reference + scene.levelMm * kEchoSamplesPerMm);
  markers.second = MarkerAt(reference + 2 * scene.levelMm * kEchoSamplesPerMm);
  markers.end = MarkerAt(reference + scene.probeLengthMm * kEchoSamplesPerMm);
  return markers;
}

EchoPeaks PeaksFor(const EchoScene& scene) {
  const EchoMarkers markers = MarkersFor(scene);
  const float strength = static_cast<float>(std::clamp(scene.levelStrength, 0.0, 1.0));
  EchoPeaks peaks;
  peaks.amplitude[0] = kReferenceHeight;
  peaks.amplitude[1] = markers.first ? kLevelHeight * strength : 0.0f;
  peaks.amplitude[2] = markers.second ? kLevelHeight * strength * 0.3f : 0.0f;
  peaks.amplitude[3] = markers.end ? kEndHeight * (1.1f - 0.8f * strength) : 0.0f;
  const uint16_t at[4] = {markers.max, markers.first, markers.second, markers.end};
  for (int i = 0; i < 4; ++i) peaks.position[i] = at[i];
  return peaks;
}

std::vector<int16_t> SynthesizeEcho(const EchoScene& scene) {
  std::vector<double> signal(kEchoSampleCount, kEchoBaseline);
  const EchoMarkers markers = MarkersFor(scene);
  const EchoPeaks peaks = PeaksFor(scene);
  const uint16_t at[4] = {markers.max, markers.first, markers.second, markers.end};
  for (int i = 0; i < 4; ++i) {
    if (at[i] != 0) AddPulse(signal, at[i], peaks.amplitude[i]);
  }
  std::mt19937 rng(scene.noiseSeed);
  std::uniform_int_distribution<int> noise(-5, 5);
  std::vector<int16_t> samples(kEchoSampleCount);
  for (int i = 0; i < kEchoSampleCount; ++i) {
    const long value = std::lround(signal[i]) + noise(rng);
    samples[i] = static_cast<int16_t>(std::clamp(value, 0L, 4095L));
  }
  return samples;
}

uint16_t WordSum(std::span<const uint8_t> bytes) {
  uint32_t sum = 0;
  for (size_t i = 0; i < bytes.size(); i += 2) {
    sum += bytes[i] | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0);
  }
  return static_cast<uint16_t>(sum);
}

std::optional<EchoRequest> ParseEchoRequest(std::span<const uint8_t> frame) {
  if (frame.size() != 8 || frame[1] != 0xFF || WordSum(frame) != 0) return std::nullopt;
  return EchoRequest{frame[0], static_cast<uint16_t>(frame[2] << 8 | frame[3]),
                     static_cast<uint16_t>(frame[4] << 8 | frame[5])};
}

std::vector<uint8_t> BuildEchoRequest(uint8_t address, uint16_t firstIndex, uint16_t count) {
  std::vector<uint8_t> frame{address, 0xFF,
                             static_cast<uint8_t>(firstIndex >> 8), static_cast<uint8_t>(firstIndex),
                             static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count)};
  PutLe16(frame, static_cast<uint16_t>(0x10000 - WordSum(frame)));
  return frame;
}

std::vector<uint8_t> BuildEchoReply(const EchoRequest& request, std::span<const int16_t> samples,
                                    const EchoMarkers& markers) {
  std::vector<uint8_t> reply{request.address, 0xFF,
                             static_cast<uint8_t>(request.firstIndex >> 8),
                             static_cast<uint8_t>(request.firstIndex),
                             static_cast<uint8_t>(request.count >> 8),
                             static_cast<uint8_t>(request.count)};
  reply.reserve(18 + 2u * request.count);
  PutLe16(reply, static_cast<uint16_t>(markers.shift));
  PutLe16(reply, markers.max);
  PutLe16(reply, markers.first);
  PutLe16(reply, markers.second);
  PutLe16(reply, markers.end);
  for (uint32_t i = 0; i < request.count; ++i) {
    const size_t index = size_t{request.firstIndex} + i;
    PutLe16(reply, index < samples.size() ? static_cast<uint16_t>(samples[index]) : 0);
  }
  PutLe16(reply, static_cast<uint16_t>(0x10000 - WordSum(reply)));
  return reply;
}

}  // namespace tavro::sim

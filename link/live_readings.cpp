#include "link/live_readings.h"

#include <algorithm>
#include <cstring>

namespace tavro {
namespace {

constexpr uint32_t kFirst = reg::kMirrorFirst;
constexpr uint32_t kEnd = reg::kMirrorFirst + reg::kMirrorCount;

// True when registers [reg, reg + count) all lie in the image.
bool Inside(uint32_t reg, uint32_t count) { return reg >= kFirst && reg + count <= kEnd; }

size_t Offset(uint32_t reg) { return (reg - kFirst) * 2u; }

}  // namespace

uint16_t RegisterImage::Word(uint16_t reg) const {
  if (!Inside(reg, 1)) return 0;
  uint16_t value;
  std::memcpy(&value, Bytes() + Offset(reg), sizeof value);
  return value;
}

void RegisterImage::SetWord(uint16_t reg, uint16_t value) {
  if (Inside(reg, 1)) std::memcpy(Bytes() + Offset(reg), &value, sizeof value);
}

// 32-bit values lie low half first, which is their little-endian memory image.
float RegisterImage::Float(uint16_t reg) const {
  float value = 0.0f;
  if (Inside(reg, 2)) std::memcpy(&value, Bytes() + Offset(reg), sizeof value);
  return value;
}

void RegisterImage::SetFloat(uint16_t reg, float value) {
  if (Inside(reg, 2)) std::memcpy(Bytes() + Offset(reg), &value, sizeof value);
}

uint32_t RegisterImage::Uint32(uint16_t reg) const {
  uint32_t value = 0;
  if (Inside(reg, 2)) std::memcpy(&value, Bytes() + Offset(reg), sizeof value);
  return value;
}

void RegisterImage::SetUint32(uint16_t reg, uint32_t value) {
  if (Inside(reg, 2)) std::memcpy(Bytes() + Offset(reg), &value, sizeof value);
}

std::string RegisterImage::Text(uint16_t reg, int registers) const {
  if (registers <= 0 || !Inside(reg, static_cast<uint32_t>(registers))) return {};
  const char* first = reinterpret_cast<const char*>(Bytes() + Offset(reg));
  const size_t size = static_cast<size_t>(registers) * 2u;
  return std::string(first, strnlen(first, size));
}

void RegisterImage::SetText(uint16_t reg, int registers, std::string_view text) {
  if (registers <= 0 || !Inside(reg, static_cast<uint32_t>(registers))) return;
  uint8_t* first = Bytes() + Offset(reg);
  const size_t size = static_cast<size_t>(registers) * 2u;
  const size_t copied = std::min(text.size(), size);
  std::memcpy(first, text.data(), copied);
  if (copied < size) first[copied] = 0;
}

void RegisterImage::CopyIn(uint16_t first, const uint8_t* hostOrderBytes, size_t byteCount) {
  if (first < kFirst || first >= kEnd || hostOrderBytes == nullptr) return;
  const size_t room = (kEnd - first) * 2u;
  std::memcpy(Bytes() + Offset(first), hostOrderBytes, std::min(byteCount, room));
}

void RegisterImage::CopyOut(uint16_t first, uint16_t count, uint8_t* hostOrderBytes) const {
  if (hostOrderBytes == nullptr) return;
  // Registers outside the image come out as 0, so the output is always whole.
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t reg = first + i;
    const uint16_t value = reg < kEnd ? Word(static_cast<uint16_t>(reg)) : uint16_t{0};
    std::memcpy(hostOrderBytes + i * 2u, &value, sizeof value);
  }
}

LiveReadings& liveReadings() {
  alignas(8) static LiveReadings readings{};
  return readings;
}

}  // namespace tavro

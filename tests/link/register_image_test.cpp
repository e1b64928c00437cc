#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "link/live_readings.h"

namespace tavro {
namespace {

// Packed fields are read by value: a reference to one may be misaligned.
template <typename T>
T ByValue(T value) {
  return value;
}

TEST(RegisterImage, ThirtyTwoBitValuesPutTheirLowHalfInTheLowerRegister) {
  RegisterImage image{};
  image.maxLevel = 1.0f;  // 0x3F800000
  EXPECT_EQ(image.Word(reg::maxLevel), 0x0000);
  EXPECT_EQ(image.Word(reg::maxLevel + 1), 0x3F80);

  image.SetFloat(reg::dielectricConstant, -2.5f);  // 0xC0200000
  EXPECT_EQ(image.Word(reg::dielectricConstant), 0x0000);
  EXPECT_EQ(image.Word(reg::dielectricConstant + 1), 0xC020);
  EXPECT_EQ(ByValue(image.dielectricConstant), -2.5f);

  image.windowLockTime = 0x00020001u;
  EXPECT_EQ(image.Word(reg::windowLockTime), 1);
  EXPECT_EQ(image.Word(reg::windowLockTime + 1), 2);
  image.SetUint32(reg::windowLockTime, 0xBEEF0007u);
  EXPECT_EQ(ByValue(image.windowLockTime), 0xBEEF0007u);
  EXPECT_EQ(image.Uint32(reg::windowLockTime), 0xBEEF0007u);
}

TEST(RegisterImage, TextPutsTheFirstCharacterInTheLowByte) {
  RegisterImage image{};
  image.SetText(reg::productText1, 12, "AB");
  EXPECT_EQ(image.Word(reg::productText1), 'A' | ('B' << 8));
  EXPECT_EQ(image.Word(reg::productText1 + 1), 0);  // the terminating zero
  EXPECT_EQ(image.Text(reg::productText1, 12), "AB");
  EXPECT_EQ(image.productText1[0], 'A');
}

TEST(RegisterImage, TextEndsAtItsRegistersAndNeverSpillsOver) {
  RegisterImage image{};
  image.SetText(reg::productText2, 7, "NEXT-BLOCK");
  // 26 characters for 24 bytes: cut, no zero, the next text untouched.
  image.SetText(reg::productText1, 12, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(image.Text(reg::productText1, 12), "ABCDEFGHIJKLMNOPQRSTUVWX");
  EXPECT_EQ(image.Text(reg::productText2, 7), "NEXT-BLOCK");

  // A shorter text ends at its zero; the bytes after it keep their contents.
  image.SetText(reg::productText1, 12, "XY");
  EXPECT_EQ(image.Text(reg::productText1, 12), "XY");
  EXPECT_EQ(image.productText1[3], 'D');
}

TEST(RegisterImage, RegistersOutsideTheMirrorReadZeroAndIgnoreWrites) {
  RegisterImage image{};
  std::memset(image.Bytes(), 0x5A, sizeof image);
  const RegisterImage before = image;
  image.SetWord(reg::kMirrorFirst - 1, 1);
  image.SetWord(reg::kMirrorFirst + reg::kMirrorCount, 1);
  image.SetFloat(reg::researchCommand, 1.0f);  // would straddle the end
  image.SetText(reg::researchCommand, 2, "ABCD");
  EXPECT_EQ(std::memcmp(image.Bytes(), before.Bytes(), sizeof image), 0);
  EXPECT_EQ(image.Word(reg::kMirrorFirst - 1), 0);
  EXPECT_EQ(image.Word(reg::kMirrorFirst + reg::kMirrorCount), 0);
  EXPECT_EQ(image.Word(0xFFFF), 0);
  EXPECT_EQ(image.Float(reg::researchCommand), 0.0f);
  EXPECT_EQ(image.Text(reg::researchCommand, 2), "");
  EXPECT_EQ(image.Word(reg::researchCommand), 0x5A5A);
}

TEST(RegisterImage, CopyInAndOutMoveHostOrderRegistersAndClipAtTheEnd) {
  RegisterImage image{};
  // A measurement read as the master leaves it: host-order words.
  std::array<uint16_t, reg::kMeasurementCount> words{};
  for (size_t i = 0; i < words.size(); ++i) words[i] = static_cast<uint16_t>(0x100 + i);
  words[(reg::distance - reg::kMeasurementFirst)] = 0x0000;  // 12.5f low half
  words[(reg::distance - reg::kMeasurementFirst) + 1] = 0x4148;
  image.CopyIn(reg::kMeasurementFirst, reinterpret_cast<const uint8_t*>(words.data()), sizeof words);
  EXPECT_EQ(ByValue(image.distance[0]), 12.5f);
  EXPECT_EQ(image.Word(reg::kMeasurementFirst), 0x100);
  EXPECT_EQ(image.Word(reg::bgTriggerLevel + 3), 0x100 + 77);
  EXPECT_EQ(image.Word(reg::productText1), 0);  // nothing beyond the block

  const uint8_t tail[8] = {1, 0, 2, 0, 3, 0, 4, 0};
  image.CopyIn(reg::kMirrorFirst + reg::kMirrorCount - 2, tail, sizeof tail);
  EXPECT_EQ(image.Word(reg::kMirrorFirst + reg::kMirrorCount - 2), 1);
  EXPECT_EQ(ByValue(image.researchCommand), 2);

  uint16_t out[4];
  image.CopyOut(reg::kMirrorFirst + reg::kMirrorCount - 2, 4, reinterpret_cast<uint8_t*>(out));
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[1], 2);
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(out[3], 0);
}

TEST(LiveReadings, IsOneProgramWideMirrorThatStartsAtZero) {
  LiveReadings& readings = liveReadings();
  EXPECT_EQ(&readings, &liveReadings());
  const RegisterImage zero{};
  EXPECT_EQ(std::memcmp(readings.Bytes(), zero.Bytes(), sizeof zero), 0);
}

}  // namespace
}  // namespace tavro

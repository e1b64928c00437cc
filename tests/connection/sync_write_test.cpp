// "Sync" against the simulated transmitter: the block write of a changed
// page and its read-back, "Sync" without a change, a new address and rate,
// the automatic trigger level, and "Sync" pressed while the old loop waits.
#include <cstring>

#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "link/register_map.h"
#include "tests/connection/bench_fixture.h"

namespace tavro::test {
namespace {

constexpr size_t kBlockWords = reg::kParameterBlockCount;

uint16_t WordAt(const sim::RegisterWrite& write, uint16_t reg) {
  return write.words.at(static_cast<size_t>(reg - write.first));
}

float FloatAt(const sim::RegisterWrite& write, uint16_t reg) {
  const uint32_t bits = WordAt(write, reg) | (uint32_t{WordAt(write, reg + 1)} << 16);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void ExpectOneBlockWriteWithCommitFlags(const std::vector<sim::RegisterWrite>& writes) {
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0].first, reg::kParameterBlockFirst);
  ASSERT_EQ(writes[0].words.size(), kBlockWords);
  EXPECT_EQ(WordAt(writes[0], reg::commitFlag0), 1);
  EXPECT_EQ(WordAt(writes[0], reg::commitFlag1), 1);
}

TEST_F(ConnectionBenchTest, AChangedMaxLevelIsWrittenAsOneBlockAndReadBack) {
  Build();
  ConnectAndStopAfterOnePass();
  transmitter().ClearWrites();
  Field(33).setText(QStringLiteral("1234.5"));

  static uint64_t before = 0;
  before = Heard() + 1;  // the block write comes first
  PanelState monitoring{};
  QString shown;
  script.When("next pass shown", Shown(before, 1), [&] {
    monitoring = Panel();
    shown = Field(33).text();
    Click(kSyncButton);
  });
  script.Start();
  Click(kSyncButton);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_EQ(monitoring, kModbusMonitoring);
  EXPECT_EQ(shown, "1234.50");
  const std::vector<sim::RegisterWrite> writes = transmitter().Writes();
  ExpectOneBlockWriteWithCommitFlags(writes);
  EXPECT_FLOAT_EQ(FloatAt(writes[0], reg::maxLevel), 1234.5f);
  // Untouched values go back exactly as read (0.90909 shows as "0.9091").
  EXPECT_FLOAT_EQ(FloatAt(writes[0], reg::spanValue), 0.90909f);
  EXPECT_EQ(transmitter().Commits(), 1u);
  EXPECT_FLOAT_EQ(transmitter().Registers().maxLevel, 1234.5f);
  EXPECT_EQ(Panel(), kModbusEditing);
}

TEST_F(ConnectionBenchTest, SyncWithoutAChangeClosesTheLinkAndModbusConnectsAgain) {
  Build();
  ConnectAndStopAfterOnePass();
  transmitter().ClearWrites();
  const uint64_t heard = Heard();
  Click(kSyncButton);
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_TRUE(transmitter().Writes().empty());
  EXPECT_EQ(Heard(), heard);
  EXPECT_FALSE(transmitterLink().IsOpen());
  EXPECT_FALSE(modbusSyncActive);
  EXPECT_EQ(Panel(), kClosedAfterSync);

  static uint64_t before = 0;
  before = Heard() + 1;
  script.When("connected again: disconnect", Shown(before, 1), [] { Click(kModbusButton); });
  script.Start();
  Click(kModbusButton);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(Panel(), kIdle);
}

TEST_F(ConnectionBenchTest, NewModbusIdAndRateReconnectWithThem) {
  Build();
  ConnectAndStopAfterOnePass();
  transmitter().ClearWrites();
  Field(32).setText(QStringLiteral("2"));
  Pick(0, 4);  // "19200"

  static uint64_t before = 0;
  before = Heard() + 2;  // the block write, then the probe at the new address
  QString idShown, baudShown, idField;
  PanelState monitoring{};
  script.When("reconnected, pass shown", Shown(before, 1), [&] {
    idShown = MainWindow().id_field->text();
    baudShown = MainWindow().baud_box->currentText();
    idField = Field(32).text();
    monitoring = Panel();
    Click(kSyncButton);
  });
  script.Start();
  Click(kSyncButton);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_TRUE(messages->messages.empty());
  const std::vector<sim::RegisterWrite> writes = transmitter().Writes();
  ExpectOneBlockWriteWithCommitFlags(writes);
  EXPECT_EQ(WordAt(writes[0], reg::modbusId), 2);
  EXPECT_EQ(WordAt(writes[0], reg::modbusBaud), 19200);
  EXPECT_EQ(transmitter().ModbusAddress(), 2);
  EXPECT_EQ(transmitter().ModbusBaud(), 19200u);
  EXPECT_EQ(idShown, "2");
  EXPECT_EQ(baudShown, "19200");
  EXPECT_EQ(idField, "2");
  EXPECT_EQ(monitoring, kModbusMonitoring);
  EXPECT_EQ(Panel(), kModbusEditing);
}

TEST_F(ConnectionBenchTest, ABlockWriteThatFailsThreeTimesClosesTheLinkAndKeepsTheStrip) {
  Build();
  ConnectAndStopAfterOnePass();
  Field(32).setText(QStringLiteral("2"));
  bench->SetFaults(sim::Device::kTransmitter, sim::Faults{.silent = true});
  const uint64_t heard = Heard();
  Click(kSyncButton);
  EXPECT_EQ(messages->messages, std::vector<std::string>{"寫入失敗"});
  EXPECT_EQ(Heard(), heard + 3);
  EXPECT_EQ(bench->Stats(sim::Device::kTransmitter).ignored, 3u);
  EXPECT_EQ(consecutiveFailures, 3u);
  EXPECT_FALSE(transmitterLink().IsOpen());
  EXPECT_EQ(Panel(), kClosedAfterSync);
  // The transmitter never got the new address: no reconnect, the strip keeps 1.
  EXPECT_EQ(MainWindow().id_field->text(), "1");
  EXPECT_EQ(transmitter().ModbusAddress(), 1);
}

TEST_F(ConnectionBenchTest, LiquidsToSolidsWithSolidsDielectricTwoWritesTriggerLevel60) {
  transmitter().Edit([](RegisterImage& r) { r.dielectricSolid = 2; });
  Build();
  ConnectAndStopAfterOnePass();
  ASSERT_EQ(Field(36).text(), "100");
  transmitter().ClearWrites();
  Pick(9, 0);  // "Solids": the lists follow, showing the solids values last read
  ASSERT_EQ(Choice(11).combo->currentIndex(), 2);

  static uint64_t before = 0;
  before = Heard() + 1;
  QString levelShownWhileWriting, levelReadBack;
  script.When("the write showed the level", [] { return true; },
              [&] { levelShownWhileWriting = Field(36).text(); });
  script.When("next pass shown", Shown(before, 1), [&] {
    levelReadBack = Field(36).text();
    Click(kSyncButton);
  });
  script.Start();
  Click(kSyncButton);
  ASSERT_FALSE(script.TimedOut());
  const std::vector<sim::RegisterWrite> writes = transmitter().Writes();
  ExpectOneBlockWriteWithCommitFlags(writes);
  EXPECT_EQ(WordAt(writes[0], reg::material), 0);
  EXPECT_EQ(WordAt(writes[0], reg::dielectricSolid), 2);
  EXPECT_EQ(WordAt(writes[0], reg::triggerLevelSetting), 60);
  EXPECT_EQ(levelShownWhileWriting, "60");
  EXPECT_EQ(levelReadBack, "60");
  EXPECT_EQ(Choice(9).combo->currentIndex(), 0);
}

// "Stop Sync", an edit and "Sync" all inside one wait of the running loop:
// the new loop runs nested in that wait; the old one goes on only after the
// new one has ended, finishes its pass and ends at its own test.
TEST_F(ConnectionBenchTest, SyncDuringAWaitRunsTheNewLoopNestedInIt) {
  Build();
  const uint64_t kAfterProbe = 1;
  static uint64_t innerBefore = 0;
  uint64_t heardWhenInnerEnded = 0;
  QString shownByInner;
  bool outerWaitingWhenInnerStarted = false;
  script.When("first pass shown: Stop Sync", Shown(kAfterProbe, 1), [] { Click(kSyncButton); });
  script.Then("edit and Sync in the same wait", [&] {
    transmitter().ClearWrites();
    Field(33).setText(QStringLiteral("777.25"));
    innerBefore = Heard() + 1;
    // The outer loop has read its measurement block of pass 2 only.
    outerWaitingWhenInnerStarted = Heard() == kAfterProbe + 5;
    Click(kSyncButton);  // returns when the nested loop has ended
    heardWhenInnerEnded = Heard();
  });
  script.When("nested loop showed a pass: Stop Sync", Shown(innerBefore, 1), [&] {
    shownByInner = Field(33).text();
    Click(kSyncButton);
  });
  script.Start();
  Click(kModbusButton);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_TRUE(script.Pending().empty());
  EXPECT_TRUE(outerWaitingWhenInnerStarted);
  EXPECT_EQ(shownByInner, "777.25");
  // The nested loop: the write and two passes; the outer: the rest of its pass.
  EXPECT_EQ(heardWhenInnerEnded, innerBefore + 8);
  EXPECT_EQ(Heard(), heardWhenInnerEnded + 3);
  ExpectOneBlockWriteWithCommitFlags(transmitter().Writes());
  EXPECT_EQ(Field(33).text(), "777.25");
  EXPECT_EQ(Panel(), kModbusEditing);
  EXPECT_TRUE(messages->messages.empty());
}

}  // namespace
}  // namespace tavro::test

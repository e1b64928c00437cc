// Connecting to the simulated transmitter and watching it: the probe, the
// states of the strip, one pass shown on the page, the give-up when the
// device goes away, "Exit" and a window rebuilt while the loop waits.
#include <QFile>
#include <cmath>
#include <cstring>

#include "connection/display_formats.h"
#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "connection/parameter_fields.h"
#include "app/shell/globals.h"
#include "link/register_map.h"
#include "tests/connection/bench_fixture.h"

namespace tavro::test {
namespace {

using sim::Device;

const uint64_t kAfterProbe = 1;

bool SameConfiguration(const RegisterImage& a, const RegisterImage& b) {
  const size_t offset = (reg::kConfigFirst - reg::kMirrorFirst) * 2u;
  return std::memcmp(a.Bytes() + offset, b.Bytes() + offset, reg::kConfigCount * 2u) == 0;
}

TEST_F(ConnectionBenchTest, WrongIdFailsAndTheRightIdMonitorsWithTheStatesOfTheTable) {
  Build();
  MainWindow().id_field->setText(QStringLiteral("7"));
  Click(kModbusButton);
  EXPECT_EQ(messages->messages, std::vector<std::string>{"連線失敗"});
  EXPECT_FALSE(transmitterLink().IsOpen());
  EXPECT_EQ(Panel(), kIdle);
  EXPECT_EQ(Heard(), 1u);  // the probe, which nobody at address 7 answers

  messages->messages.clear();
  MainWindow().id_field->setText(QStringLiteral("1"));
  PanelState monitoring{}, editing{};
  static const uint64_t kAfterBothProbes = 2;
  script.When("first pass shown", Shown(kAfterBothProbes, 1), [&] {
    monitoring = Panel();
    Click(kSyncButton);  // "Stop Sync"
    editing = Panel();
  });
  script.Start();
  Click(kModbusButton);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(monitoring, kModbusMonitoring);
  EXPECT_EQ(editing, kModbusEditing);
  // The loop ended after the pass in which "Stop Sync" came; the link stays.
  EXPECT_EQ(Panel(), kModbusEditing);
  EXPECT_TRUE(transmitterLink().IsOpen());
  EXPECT_EQ(Heard(), kAfterBothProbes + 8);
  EXPECT_TRUE(Choice(14).combo->isEnabled());

  Click(kModbusButton);
  EXPECT_EQ(Panel(), kIdle);
  EXPECT_FALSE(transmitterLink().IsOpen());
  EXPECT_TRUE(messages->messages.empty());
}

TEST_F(ConnectionBenchTest, APassFillsThePageWithTheTransmittersValues) {
  Build(true);
  QString productNameAfterFirstPass;
  int baudAfterFirstPass = -2;
  script.When("first pass shown", Shown(kAfterProbe, 1), [&] {
    productNameAfterFirstPass = Field(70).text();
    baudAfterFirstPass = Choice(0).combo->currentIndex();
    transmitter().Edit([](RegisterImage& r) {
      r.SetText(reg::productText1, 12, "Renamed on the device");
      r.modbusBaud = static_cast<uint16_t>(115200);  // not a listed rate: the line keeps 9600
    });
    Click(kSyncButton);  // the loop ends after this second pass
  });
  script.Start();
  Click(kModbusButton);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_TRUE(messages->messages.empty());

  const LiveReadings& r = liveReadings();
  const RegisterImage device = transmitter().Registers();
  EXPECT_TRUE(SameConfiguration(r, device));
  EXPECT_EQ(r.Text(reg::firmwareVersion, 4), "V2.13R");
  EXPECT_NEAR(r.distance[0], device.distance[0], 5.0);
  EXPECT_NEAR(r.temperature, device.temperature, 1.0);

  // Every shown value is the mirror's in its format.
  for (int k = 0; k < 9; ++k) {
    EXPECT_FALSE(Field(k).text().isEmpty()) << k;
    EXPECT_FALSE(Field(k + 9).text().isEmpty()) << k + 9;
  }
  EXPECT_EQ(Field(1).text(), TwoDecimals(r.distance[0]));
  EXPECT_EQ(Field(11).text(), TwoDecimals(r.distancePercent[1]));
  EXPECT_EQ(Field(13).text(), TwoDecimals(r.peak1Count[1]));
  EXPECT_EQ(Field(14).text(), TwoDecimals(r.distanceMax1));
  EXPECT_EQ(Field(26).text(), "V2.13R");
  EXPECT_EQ(Field(27).text(), TwoDecimals(r.temperature));
  EXPECT_EQ(Field(28).text(), General(r.bgShiftX));
  EXPECT_EQ(Field(22).text(), General(r.adcPeak[4]));
  for (const ParameterField& parameter : kParameterFields) {
    EXPECT_EQ(Field(parameter.field).text(), ShowParameter(r, parameter)) << parameter.field;
  }
  EXPECT_EQ(Field(33).text(), "200.00");
  EXPECT_EQ(Field(40).text(), "0.9091");
  EXPECT_EQ(Field(52).text(), "20");
  const std::pair<int, int> selected[] = {{1, 0}, {2, 4}, {3, 0}, {4, 0}, {5, 0},  {6, 2}, {7, 0},
                                          {8, 5}, {9, 1}, {10, 0}, {11, 2}, {12, 1}, {13, 0}, {14, 0}};
  for (const auto& [choice, index] : selected) {
    EXPECT_EQ(Choice(choice).combo->currentIndex(), index) << "choice " << choice;
  }
  EXPECT_EQ(Choice(8).combo->currentText(), "50");
  EXPECT_EQ(Choice(11).combo->currentText(), "Water-based/>10");
  // 9600 was shown after the first pass; the unlisted rate left it there.
  EXPECT_EQ(baudAfterFirstPass, 3);
  EXPECT_EQ(Choice(0).combo->currentIndex(), 3);
  EXPECT_EQ(MainWindow().gauges[0]->progress(), GaugeProgress(r.distancePercent[0]));
  EXPECT_EQ(MainWindow().gauges[1]->progress(), GaugeProgress(r.distancePercent[1]));
  // Product texts once per start of the loop.
  EXPECT_EQ(productNameAfterFirstPass, "TDR Level Transmitter");
  EXPECT_EQ(Field(70).text(), "TDR Level Transmitter");
  EXPECT_EQ(r.Text(reg::productText1, 12), "Renamed on the device");
  EXPECT_EQ(Field(73).text(), "TDR6-CA-1");
  EXPECT_EQ(Field(72).text(), "2026.01");
}

TEST_F(ConnectionBenchTest, UnpluggedDuringMonitoringFourFailuresThenReadingErrorAndConnectsAgain) {
  Build();
  script.When("first pass heard: unplug", [this] { return Heard() >= kAfterProbe + 4; },
              [this] { bench->Unplug(Device::kTransmitter); });
  script.Start();
  Click(kModbusButton);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_EQ(messages->messages, std::vector<std::string>{"Reading Error"});
  EXPECT_EQ(consecutiveFailures, 4u);
  EXPECT_FALSE(transmitterLink().IsOpen());
  EXPECT_FALSE(modbusSyncActive);
  EXPECT_EQ(Panel(), kClosedAfterGiveUp);

  // The device comes back: "Modbus" connects as from idle.
  bench->Replug(Device::kTransmitter);
  messages->messages.clear();
  static uint64_t before = 0;
  before = Heard() + 1;
  script.When("reconnected, pass shown: disconnect", Shown(before, 1), [] { Click(kModbusButton); });
  script.Start();
  Click(kModbusButton);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_EQ(Panel(), kIdle);
  EXPECT_EQ(Field(26).text(), "V2.13R");
}

TEST_F(ConnectionBenchTest, SilencedDuringMonitoringGivesUpTheSameWay) {
  Build();
  script.When("first pass heard: silence", [this] { return Heard() >= kAfterProbe + 4; },
              [this] { bench->SetFaults(Device::kTransmitter, sim::Faults{.silent = true}); });
  script.Start();
  Click(kModbusButton);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_EQ(messages->messages, std::vector<std::string>{"Reading Error"});
  EXPECT_EQ(consecutiveFailures, 4u);
  EXPECT_EQ(bench->Stats(Device::kTransmitter).ignored, 4u);
  EXPECT_EQ(Panel(), kClosedAfterGiveUp);

  bench->ClearFaults(Device::kTransmitter);
  messages->messages.clear();
  static uint64_t before = 0;
  before = Heard() + 1;
  script.When("answering again: Stop Sync", Shown(before, 1), [] { Click(kSyncButton); });
  script.Start();
  Click(kModbusButton);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_EQ(Panel(), kModbusEditing);
}

TEST_F(ConnectionBenchTest, ExitDuringAWaitEndsTheLoopAtOnceAndTheSettingsAreSaved) {
  Build();
  uint64_t heardAtExit = 0;
  bool visibleAfterExit = true;
  script.When("first pass shown: Exit", Shown(kAfterProbe, 1), [&] {
    heardAtExit = Heard();
    Click(kExitButton);
    visibleAfterExit = form->isVisible();
  });
  script.Start();
  Click(kModbusButton);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_FALSE(visibleAfterExit);
  EXPECT_FALSE(modbusSyncActive);
  // The window is still there under the loop; no request after "Exit".
  ASSERT_NE(form->build(), nullptr);
  EXPECT_EQ(Heard(), heardAtExit);
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_FALSE(QFile::exists(exeDir->settingsPath()));
  form.reset();  // what main does once the event loop has returned
  EXPECT_TRUE(QFile::exists(exeDir->settingsPath()));
}

TEST_F(ConnectionBenchTest, AWindowRebuiltDuringAWaitEndsMonitoringAndConnectsAgainAtOnce) {
  Build();
  script.When("first pass shown: engineering access rebuilds the window", Shown(kAfterProbe, 1),
              [this] {
                engineering_mode = true;
                form->FormDestroy();
                form->FormCreate();
              });
  script.Start();
  Click(kModbusButton);  // a caption of the old build: it is gone when the loop returns
  ASSERT_FALSE(script.TimedOut());
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_FALSE(transmitterLink().IsOpen());
  EXPECT_EQ(Panel(), kIdle);

  static uint64_t before = 0;
  before = Heard() + 1;
  script.When("new window monitoring: Stop Sync", Shown(before, 1), [] { Click(kSyncButton); });
  script.Start();
  Click(kModbusButton);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(Panel(), kModbusEditing);
  EXPECT_EQ(Field(33).text(), "200.00");
}

}  // namespace
}  // namespace tavro::test

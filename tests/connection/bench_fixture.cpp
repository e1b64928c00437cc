#include "tests/connection/bench_fixture.h"

#include <ostream>

#include "connection/strip_buttons.h"

namespace tavro::test {

PanelState Panel() {
  const auto& strip = MainWindow().strip_buttons;
  bool locked = true, free = true;
  for (int k = 0; k <= 52; ++k) {
    const bool readOnly = Field(k).edit->isReadOnly();
    locked = locked && readOnly;
    free = free && !readOnly;
  }
  for (int k = 0; k <= 13; ++k) {
    const bool enabled = Choice(k).combo->isEnabled();
    locked = locked && !enabled;
    free = free && enabled;
  }
  return {strip[kModbusButton]->text(), strip[kModbusButton]->isEnabled(),
          strip[kHartButton]->text(),   strip[kHartButton]->isEnabled(),
          strip[kSyncButton]->text(),   locked,
          free};
}

std::ostream& operator<<(std::ostream& out, const PanelState& s) {
  return out << "{Modbus \"" << s.modbus.toStdString() << "\"" << (s.modbusEnabled ? "" : " disabled")
             << ", Hart \"" << s.hart.toStdString() << "\"" << (s.hartEnabled ? "" : " disabled")
             << ", Sync \"" << s.sync.toStdString() << "\", page "
             << (s.pageLocked ? "locked" : s.pageFree ? "editable" : "mixed") << "}";
}

void ConnectionBenchTest::SetUp() {
  ConnectionWindowTest::SetUp();
  bench = std::make_unique<sim::SimulatedBench>();
}

void ConnectionBenchTest::TearDown() {
  ConnectionWindowTest::TearDown();
  bench.reset();
}

uint64_t ConnectionBenchTest::Heard() const { return bench->Stats(sim::Device::kTransmitter).frames; }

std::function<bool()> ConnectionBenchTest::Shown(const uint64_t& before, int passes) const {
  return [this, &before, passes] { return Heard() >= before + 4u * passes + 1u; };
}

void ConnectionBenchTest::ConnectAndStopAfterOnePass() {
  // In the first wait: the loop ends after the pass, which fills the page.
  script.When("first read answered: Stop Sync", [this] { return Heard() >= 2; },
              [] { Click(kSyncButton); });
  script.Start();
  Click(kModbusButton);
  ASSERT_FALSE(script.TimedOut());
  ASSERT_EQ(Panel(), kModbusEditing);
  ASSERT_TRUE(messages->messages.empty());
}

}  // namespace tavro::test

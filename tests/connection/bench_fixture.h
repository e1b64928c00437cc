#pragma once
// The real window against the simulated transmitter on "COM1" (address 1,
// 9600 baud, as the strip starts). Monitoring progress is told from the
// requests the transmitter has heard: a pass makes four.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "sim/simulated_bench.h"
#include "tests/connection/window_fixture.h"

namespace tavro::test {

// What the strip and the page show of the link state.
struct PanelState {
  QString modbus;
  bool modbusEnabled;
  QString hart;
  bool hartEnabled;
  QString sync;
  bool pageLocked;  // fields 0-52 read-only and choices 0-13 disabled
  bool pageFree;    // all of them editable

  bool operator==(const PanelState&) const = default;
};
PanelState Panel();
std::ostream& operator<<(std::ostream& out, const PanelState& state);

inline const PanelState kIdle{"Modbus", true, "Hart", true, "Sync", false, true};
inline const PanelState kModbusMonitoring{"Stop", true, "Hart", false, "Stop Sync", true, false};
inline const PanelState kModbusEditing{"Stop", true, "Hart", false, "Sync", false, true};
// After a "Sync" that wrote nothing or failed: the link is closed, the page
// stays locked and "Hart" stays disabled.
inline const PanelState kClosedAfterSync{"Modbus", true, "Hart", false, "Sync", true, false};
// After the monitor gave up: only the "Modbus" caption changed.
inline const PanelState kClosedAfterGiveUp{"Modbus", true, "Hart", false, "Stop Sync", true, false};

class ConnectionBenchTest : public ConnectionWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  sim::Transmitter& transmitter() { return bench->transmitter(); }
  uint64_t Heard() const;  // requests the transmitter has heard so far
  // True once the loop whose first request comes after `before` requests
  // has shown `passes` passes (seen in the first wait of the next pass).
  std::function<bool()> Shown(const uint64_t& before, int passes) const;
  // Connects with "Modbus" and presses "Stop Sync" during the first pass:
  // the page is then filled and the link open in editing.
  void ConnectAndStopAfterOnePass();

  std::unique_ptr<sim::SimulatedBench> bench;
};

}  // namespace tavro::test

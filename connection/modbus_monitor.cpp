#include "connection/modbus_monitor.h"

#include <exception>

#include "connection/block_read.h"
#include "connection/display_refresh.h"
#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "connection/monitor_display.h"
#include "connection/strip_buttons.h"
#include "link/message_box.h"
#include "link/register_map.h"
#include "link/wait.h"
#include "widgets/main_window_handles.h"

namespace tavro {
namespace {

constexpr unsigned kGiveUpAfter = 3;
constexpr int kAfterMeasurementMs = 1000;
constexpr int kAfterConfigurationChunkMs = 200;

struct Chunk {
  uint16_t first;
  uint16_t count;
};
constexpr Chunk kConfigurationChunks[] = {
    {reg::kConfigFirst, 64}, {reg::kConfigFirst + 64, 64}, {reg::kConfigFirst + 128, 6}};
static_assert(64 + 64 + 6 == reg::kConfigCount);

// A successful read resets the failure count and is followed by its wait.
void Poll(uint16_t first, uint16_t count, int waitMs) {
  if (ReadIntoLiveReadings(first, count)) {
    consecutiveFailures = 0;
    WaitWithProgress(waitMs);
  } else {
    ++consecutiveFailures;
  }
}

// The "Sync" caption, the "Hart" button and the locks stay as they are.
void GiveUp() {
  ShowMessage("Reading Error");
  transmitterLink().Close();
  SetStripCaption(kModbusButton, kCaptionModbus);
  modbusSyncActive = false;
}

void ShowPass(bool& firstPass) {
  const LiveReadings& readings = liveReadings();
  try {
    if (firstPass) {
      ShowProductTexts(readings);
      firstPass = false;
    }
    RefreshDisplay(readings);
  } catch (const std::exception&) {
    ++consecutiveFailures;
  }
}

}  // namespace

void RunModbusMonitor() {
  consecutiveFailures = 0;
  bool firstPass = true;
  while (modbusSyncActive) {
    if (consecutiveFailures >= kGiveUpAfter) {
      GiveUp();
      return;
    }
    Poll(reg::kMeasurementFirst, reg::kMeasurementCount, kAfterMeasurementMs);
    if (programExiting) return;
    for (const Chunk& chunk : kConfigurationChunks) {
      Poll(chunk.first, chunk.count, kAfterConfigurationChunkMs);
      if (programExiting) return;
    }
    ShowPass(firstPass);
    ShowGauges(liveReadings());
    StepProgressBar();
  }
}

}  // namespace tavro

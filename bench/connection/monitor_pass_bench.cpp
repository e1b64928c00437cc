// Ten passes of the Modbus live monitor, run by the real window (offscreen)
// against the simulated transmitter, at real speed.
//
// Model of a pass: four transactions, each the simulator's answer time plus
// the 300 ms of silence that ends the read, plus the waits of 1000 ms and
// 3 x 200 ms. The answer times are measured in the same run by a raw probe
// on the same line: the request written, then a read of exactly the
// reply's length, which returns with its last byte.
//
// Processor use: the user-interface thread's time (getrusage of the thread,
// where every line of the tool runs) over the monitoring period, as a share
// of the wall time; the process as a whole (the simulator's threads too) is
// shown beside it.
#include <sys/resource.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/main_window/tform1.h"
#include "link/crc16.h"
#include "link/message_box.h"
#include "link/register_map.h"
#include "link/serial_port.h"
#include "link/wait.h"
#include "sim/simulated_bench.h"
#include "widgets/fonts.h"
#include "widgets/main_window_handles.h"
#include "widgets/skin.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kPasses = 10;
constexpr double kSilenceMs = 300.0;
constexpr double kWaitsMs = 1000.0 + 3 * 200.0;
constexpr double kRatioGoal = 1.03;
constexpr double kCpuGoal = 0.03;

struct Request {
  uint16_t first;
  uint16_t count;
};
constexpr std::array<Request, 4> kPassRequests{{{tavro::reg::kMeasurementFirst, 78},
                                                {tavro::reg::kConfigFirst, 64},
                                                {tavro::reg::kConfigFirst + 64, 64},
                                                {tavro::reg::kConfigFirst + 128, 6}}};

double Ms(SteadyClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Time from writing the request to the reply's last byte, median of `runs`.
bool ProbeAnswerTimes(const std::string& path, int runs, std::array<double, 4>& answers) {
  tavro::SerialPort port;
  if (!port.Open(path, 9600, 8, 0, 0)) return false;
  for (size_t r = 0; r < kPassRequests.size(); ++r) {
    const Request request = kPassRequests[r];
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
      uint8_t frame[8] = {1, 0x03, static_cast<uint8_t>(request.first >> 8),
                          static_cast<uint8_t>(request.first & 0xFF), 0,
                          static_cast<uint8_t>(request.count)};
      const uint16_t crc = tavro::Crc16(frame, 6);
      frame[6] = static_cast<uint8_t>(crc & 0xFF);
      frame[7] = static_cast<uint8_t>(crc >> 8);
      const uint32_t replyLength = 5u + 2u * request.count;
      uint8_t reply[256];
      uint32_t written = 0, read = 0;
      const auto start = SteadyClock::now();
      if (!port.Write(frame, 8, &written) || written != 8) return false;
      if (!port.Read(reply, replyLength, &read) || read != replyLength) return false;
      times.push_back(Ms(SteadyClock::now() - start));
    }
    answers[r] = Median(times);
  }
  port.Close();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  tavro::InstallFonts();
  tavro::SetMessageHandler([](const std::string& text) {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  });

  // The executable's folder stand-in: the skin, and the settings file the
  // window saves when it goes.
  QTemporaryDir exeDir;
  QFile::link(QCoreApplication::applicationDirPath() + QStringLiteral("/style"),
              exeDir.path() + QStringLiteral("/style"));
  tavro::SetExeDir(exeDir.path() + QStringLiteral("/"));

  tavro::sim::SimulatedBench bench;
  const std::string path = bench.DevicePath(tavro::sim::Device::kTransmitter);
  std::array<double, 4> answersBefore{}, answersAfter{};
  if (!ProbeAnswerTimes(path, 11, answersBefore)) {
    std::fprintf(stderr, "the raw probe got no answer\n");
    return 1;
  }

  // Requests are counted from here: the probe, then four per pass. The first
  // pump of the wait after each measurement read marks a pass.
  const uint64_t heardBefore = bench.Stats(tavro::sim::Device::kTransmitter).frames;
  const uint64_t kProbe = 1;
  std::vector<SteadyClock::time_point> passMarks;
  double threadCpuAtFirst = 0, processCpuAtFirst = 0, threadCpuAtLast = 0, processCpuAtLast = 0;
  uint64_t lastHeard = 0;
  tavro::SetProgressStep([] { tavro::StepProgressBar(); });
  tavro::SetEventPump([&] {
    QCoreApplication::processEvents();
    const uint64_t heard = bench.Stats(tavro::sim::Device::kTransmitter).frames - heardBefore;
    if (heard == lastHeard) return;
    lastHeard = heard;
    if (heard < kProbe + 1 || (heard - kProbe - 1) % 4 != 0) return;
    passMarks.push_back(SteadyClock::now());
    if (passMarks.size() == 1) {
      threadCpuAtFirst = CpuSeconds(RUSAGE_THREAD);
      processCpuAtFirst = CpuSeconds(RUSAGE_SELF);
    }
    if (passMarks.size() == kPasses + 1) {
      threadCpuAtLast = CpuSeconds(RUSAGE_THREAD);
      processCpuAtLast = CpuSeconds(RUSAGE_SELF);
      tavro::MainWindow().strip_buttons[tavro::kSyncButton]->click();  // "Stop Sync"
    }
  });

  auto form = std::make_unique<tavro::TForm1>();
  form->FormCreate();
  form->show();
  tavro::MainWindow().strip_buttons[tavro::kModbusButton]->click();  // runs until "Stop Sync"
  tavro::MainWindow().strip_buttons[tavro::kModbusButton]->click();  // disconnect
  form.reset();
  tavro::SetEventPump([] { QCoreApplication::processEvents(); });

  if (passMarks.size() < kPasses + 1) {
    std::fprintf(stderr, "only %zu passes were seen\n", passMarks.size() ? passMarks.size() - 1 : 0);
    return 1;
  }
  if (!ProbeAnswerTimes(bench.DevicePath(tavro::sim::Device::kTransmitter), 11, answersAfter)) {
    std::fprintf(stderr, "the raw probe got no answer after monitoring\n");
    return 1;
  }

  std::vector<double> passes;
  for (int i = 0; i < kPasses; ++i) passes.push_back(Ms(passMarks[i + 1] - passMarks[i]));
  double answers = 0;
  for (size_t r = 0; r < kPassRequests.size(); ++r) answers += (answersBefore[r] + answersAfter[r]) / 2;
  const double model = answers + 4 * kSilenceMs + kWaitsMs;
  const double median = Median(passes);
  const double ratio = median / model;
  const double wall = Ms(passMarks[kPasses] - passMarks[0]) / 1000.0;
  const double threadShare = (threadCpuAtLast - threadCpuAtFirst) / wall;
  const double processShare = (processCpuAtLast - processCpuAtFirst) / wall;

  std::printf("Modbus live monitor, %d passes against the simulated transmitter\n", kPasses);
  std::printf("  median pass        %9.2f ms (min %.2f, max %.2f)\n", median,
              *std::min_element(passes.begin(), passes.end()),
              *std::max_element(passes.begin(), passes.end()));
  std::printf("  model              %9.2f ms (answers %.2f + 4 x %.0f ms silence + %.0f ms waits)\n",
              model, answers, kSilenceMs, kWaitsMs);
  std::printf("  answer times       %.2f / %.2f / %.2f / %.2f ms (78, 64, 64, 6 registers)\n",
              (answersBefore[0] + answersAfter[0]) / 2, (answersBefore[1] + answersAfter[1]) / 2,
              (answersBefore[2] + answersAfter[2]) / 2, (answersBefore[3] + answersAfter[3]) / 2);
  std::printf("  ratio to the model %9.4f (goal <= %.2f: %s)\n", ratio, kRatioGoal,
              ratio <= kRatioGoal ? "met" : "missed");
  std::printf("  processor, tool    %8.2f %% of one core over %.1f s (goal < %.0f %%: %s)\n",
              100 * threadShare, wall, 100 * kCpuGoal, threadShare < kCpuGoal ? "met" : "missed");
  std::printf("  processor, process %8.2f %% (the simulator's threads included)\n", 100 * processShare);
  return 0;
}

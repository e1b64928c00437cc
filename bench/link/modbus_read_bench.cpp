// One live-monitor measurement read (78 registers from 4128) against the
// scripted peer, 20 times. Model of a transaction: the time until the peer
// has handed its whole answer to the line, plus the 300 ms of silence that
// ends the read. Prints the median transaction time and its ratio to the
// model measured in the same runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "link/live_readings.h"
#include "link/modbus_master.h"
#include "scripted_peer.h"

namespace {

using tavro::test::SteadyClock;

double Ms(SteadyClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

int main() {
  constexpr int kRuns = 20;
  constexpr double kSilenceMs = 300.0;
  constexpr double kTarget = 1.02;

  tavro::test::PtyPair pty;
  tavro::ModbusMaster master;
  if (!master.Open(pty.slavePath(), 9600, 8, 0, 0)) return 1;
  tavro::test::ScriptedPeer peer(pty, tavro::test::HealthySlave());

  std::vector<double> transactions, models, ratios;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = SteadyClock::now();
    const uint16_t bytes = master.ReadRegisters(1, tavro::reg::kMeasurementFirst, tavro::reg::kMeasurementCount);
    const auto end = SteadyClock::now();
    if (bytes != tavro::reg::kMeasurementCount * 2) {
      std::fprintf(stderr, "run %d: read failed (%u bytes)\n", run, bytes);
      return 1;
    }
    const double transaction = Ms(end - start);
    const double model = Ms(peer.lastSent() - start) + kSilenceMs;
    transactions.push_back(transaction);
    models.push_back(model);
    ratios.push_back(transaction / model);
  }

  const double medianTransaction = Median(transactions);
  const double medianModel = Median(models);
  const double ratio = medianTransaction / medianModel;
  std::printf("78-register read, %d runs against the scripted peer\n", kRuns);
  std::printf("  median transaction  %8.2f ms (min %.2f, max %.2f)\n", medianTransaction,
              *std::min_element(transactions.begin(), transactions.end()),
              *std::max_element(transactions.begin(), transactions.end()));
  std::printf("  median model        %8.2f ms (answer %.2f ms + %.0f ms silence)\n", medianModel,
              medianModel - kSilenceMs, kSilenceMs);
  std::printf("  ratio to the model  %8.4f (worst run %.4f; target <= %.2f: %s)\n", ratio,
              *std::max_element(ratios.begin(), ratios.end()), kTarget, ratio <= kTarget ? "met" : "missed");
  return 0;
}

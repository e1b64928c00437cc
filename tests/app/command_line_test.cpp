#include <gtest/gtest.h>

#include "app/shell/command_line.h"

namespace tavro::test {
namespace {

TEST(CommandLine, OptionsAndErrors) {
  QString error;
  auto parsed = ParseCommandLine({"tavro"}, &error);
  ASSERT_TRUE(parsed);
  EXPECT_FALSE(parsed->simulatedBench);
  EXPECT_TRUE(parsed->ports.empty());

  parsed = ParseCommandLine({"tavro", "--simulated-bench", "--port", "com3=/dev/ttyUSB0",
                             "--port=COM12=/dev/serial/by-id/x"},
                            &error);
  ASSERT_TRUE(parsed);
  EXPECT_TRUE(parsed->simulatedBench);
  const std::vector<std::pair<std::string, std::string>> ports{
      {"COM3", "/dev/ttyUSB0"}, {"COM12", "/dev/serial/by-id/x"}};
  EXPECT_EQ(parsed->ports, ports);

  for (const QStringList& bad : {QStringList{"tavro", "--port", "COM3"},
                                 QStringList{"tavro", "--port", "COM0=/dev/x"},
                                 QStringList{"tavro", "--port", "COM3=ttyUSB0"},
                                 QStringList{"tavro", "--bogus"}}) {
    error.clear();
    EXPECT_FALSE(ParseCommandLine(bad, &error)) << bad.join(' ').toStdString();
    EXPECT_FALSE(error.isEmpty());
  }
}

}  // namespace
}  // namespace tavro::test

#include "app/shell/simulated_bench_seam.h"
#include "link/port_names.h"

namespace tavro::test {
namespace {

TEST(SimulatedBench, NamesTheThreePortsWhileItRuns) {
  QString error;
  std::unique_ptr<RunningBench> bench = StartSimulatedBench(&error);
  ASSERT_NE(bench, nullptr) << error.toStdString();
  for (const char* name : {"COM1", "COM2", "COM3"}) {
    EXPECT_EQ(ResolvePortName(name).rfind("/dev/pts/", 0), 0u) << name;
  }
  bench.reset();
  EXPECT_EQ(ResolvePortName("COM1"), "/dev/ttyS0");
}

}  // namespace
}  // namespace tavro::test

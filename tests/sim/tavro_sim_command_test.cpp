// The tavro-sim command: prints its ptys, links them, answers on them, and
// cleans up when told to stop.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "raw_line.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;

class Command {
 public:
  explicit Command(std::vector<std::string> args) {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      close(out[1]);
      std::vector<char*> argv;
      static std::string program = "./tavro-sim";
      argv.push_back(program.data());
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    close(out[1]);
    output_ = fdopen(out[0], "r");
  }
  ~Command() {
    if (pid_ > 0 && !waited_) Stop(SIGKILL);
    if (output_) fclose(output_);
  }
  std::string Line() {
    char buffer[256];
    if (!output_ || !fgets(buffer, sizeof buffer, output_)) return {};
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
  }
  void Signal(int signal) { kill(pid_, signal); }
  int Stop(int signal) {
    kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    waited_ = true;
    return status;
  }

 private:
  pid_t pid_ = -1;
  FILE* output_ = nullptr;
  bool waited_ = false;
};

TEST(SimTavroSimCommand, PrintsLinksAnswersAndCleansUp) {
  ASSERT_TRUE(std::filesystem::exists("tavro-sim")) << "run from the build's bin folder";
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tavro-sim-test-" + std::to_string(getpid()));
  Command sim({"--stage", "2m", "--meter-port", "COM9", "--link-dir", dir.string(), "--no-status"});
  std::map<std::string, std::string> ports;
  for (int i = 0; i < 3; ++i) {
    const std::string line = sim.Line();
    const size_t equals = line.find('=');
    ASSERT_NE(equals, std::string::npos) << line;
    ports[line.substr(0, equals)] = line.substr(equals + 1);
  }
  ASSERT_EQ(ports.size(), 3u);
  EXPECT_EQ(ports.count("COM1"), 1u);
  EXPECT_EQ(ports.count("COM2"), 1u);
  ASSERT_EQ(ports.count("COM9"), 1u);
  for (const auto& [name, path] : ports) {
    EXPECT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;
    EXPECT_EQ(std::filesystem::read_symlink(dir / name), path);
  }
  {
    test::RawLine transmitter(ports["COM1"]);
    EXPECT_EQ(transmitter.Exchange(test::ReadRequest(1, 4285, 1), 7), test::WithCrc({1, 3, 2, 0, 1}));
    test::RawLine meter(dir / "COM9");
    meter.Write(std::string("*IDN?\n"));
    EXPECT_FALSE(meter.Read(5, 500ms).empty());
  }
  const int status = sim.Stop(SIGTERM);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::error_code ignored;
  EXPECT_FALSE(std::filesystem::exists(dir / "COM1", ignored));
  EXPECT_FALSE(std::filesystem::is_symlink(dir / "COM9"));
  std::filesystem::remove_all(dir);
}

TEST(SimTavroSimCommand, PowerCyclesAFreshDriveOnSigusr1) {
  Command sim({"--fresh-drive", "--no-status"});
  std::string stage;
  for (int i = 0; i < 3; ++i) {
    const std::string line = sim.Line();
    if (line.rfind("COM2=", 0) == 0) stage = line.substr(5);
  }
  ASSERT_FALSE(stage.empty());
  test::RawLine drive(stage);
  const auto read257 = test::ReadRequest(1, 257, 1);
  EXPECT_EQ(drive.Exchange(read257, 7), test::WithCrc({1, 3, 2, 0, 0}));
  EXPECT_EQ(drive.Exchange(test::WriteOneRequest(1, 257, 1), 8).size(), 8u);
  sim.Signal(SIGUSR1);
  EXPECT_EQ(sim.Line(), "stage power cycled");
  EXPECT_EQ(drive.Exchange(read257, 7), test::WithCrc({1, 3, 2, 0, 1}));
  const int status = sim.Stop(SIGINT);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(SimTavroSimCommand, RefusesUnknownOptions) {
  Command sim({"--stage", "9m"});
  EXPECT_EQ(sim.Line(), "");
  const int status = sim.Stop(0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace tavro::sim

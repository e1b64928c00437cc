#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "link/port_names.h"
#include "link/serial_port.h"
#include "scripted_peer.h"
#include "tests/support/message_capture.h"

namespace tavro {
namespace {

using namespace std::chrono_literals;
using Messages = std::vector<std::string>;

int OpenDescriptors() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir)) ++count;
    closedir(dir);
  }
  return count;
}

// True when nobody holds the device: the port let go of it.
bool Released(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
  close(fd);
  return free;
}

class TempFile {
 public:
  TempFile() {
    char name[] = "/tmp/tavro-link-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    path = name;
  }
  ~TempFile() { unlink(path.c_str()); }
  std::string path;
};

class SerialPortOpen : public ::testing::Test {
 protected:
  void TearDown() override { ClearPortNames(); }
  test::PtyPair pty;
  test::MessageCapture capture;
};

TEST_F(SerialPortOpen, OpensAPseudoTerminalRawAtTheRateAndClosesQuietly) {
  SerialPort never;
  never.Close();  // never opened: nothing happens
  EXPECT_FALSE(never.IsOpen());

  SerialPort port;
  ASSERT_TRUE(port.Open(pty.slavePath(), 19200, 8, 0, 0));
  EXPECT_TRUE(port.IsOpen());
  termios tio{};
  ASSERT_EQ(tcgetattr(pty.master(), &tio), 0);
  EXPECT_EQ(cfgetospeed(&tio), B19200);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);

  // Opening an open port again starts from a clean state.
  EXPECT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 2));
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  port.Close();
  EXPECT_TRUE(Released(pty.slavePath()));
  EXPECT_EQ(capture.messages, Messages{});
}

TEST_F(SerialPortOpen, ComNamesResolveThroughTheMap) {
  RegisterPortName("COM7", pty.slavePath());
  SerialPort port;
  EXPECT_TRUE(port.Open("COM7", 9600, 8, 0, 0));
  EXPECT_EQ(capture.messages, Messages{});
}

TEST_F(SerialPortOpen, AMissingOrUnnamedDeviceFailsToOpen) {
  RegisterPortName("COM9", "/dev/tavro-no-such-port");
  for (const char* name : {"", "XYZ", "COM0", "COM9", "/dev/tavro-no-such-port", "/tmp"}) {
    capture.messages.clear();
    SerialPort port;
    EXPECT_FALSE(port.Open(name, 9600, 8, 0, 0)) << name;
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(capture.messages, Messages{"Open Fails!"}) << name;
    capture.messages.clear();
    EXPECT_FALSE(port.OpenHart(name, 1200)) << name;
    EXPECT_EQ(capture.messages, Messages{"Open Fails!"}) << name;
  }
}

TEST_F(SerialPortOpen, ABusyPortFailsLikeAMissingOneUntilItsOwnerCloses) {
  SerialPort owner;
  ASSERT_TRUE(owner.Open(pty.slavePath(), 9600, 8, 0, 0));
  SerialPort second;
  EXPECT_FALSE(second.Open(pty.slavePath(), 9600, 8, 0, 0));
  EXPECT_FALSE(second.OpenHart(pty.slavePath(), 1200));
  EXPECT_EQ(capture.messages, (Messages{"Open Fails!", "Open Fails!"}));
  owner.Close();
  capture.messages.clear();
  EXPECT_TRUE(second.Open(pty.slavePath(), 9600, 8, 0, 0));
  EXPECT_EQ(capture.messages, Messages{});
}

TEST_F(SerialPortOpen, ADeviceThatIsNoSerialLineFailsSetupAndIsReleased) {
  TempFile file;
  const int before = OpenDescriptors();
  for (const std::string& path : {file.path, std::string("/dev/null")}) {
    capture.messages.clear();
    SerialPort port;
    EXPECT_FALSE(port.Open(path, 9600, 8, 0, 0));
    EXPECT_FALSE(port.OpenHart(path, 1200));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(capture.messages, (Messages{"Setup Fails!", "Setup Fails!"})) << path;
    EXPECT_TRUE(Released(path)) << path;
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST_F(SerialPortOpen, ALineSettingTheDriverCannotTakeFailsSetupStateAndIsReleased) {
  const struct {
    uint32_t baud;
    uint8_t size, parity, stop;
  } cases[] = {{12345, 8, 0, 0}, {0, 8, 0, 0}, {9600, 9, 0, 0}, {9600, 8, 7, 0}, {9600, 8, 0, 3}};
  const int before = OpenDescriptors();
  for (const auto& c : cases) {
    capture.messages.clear();
    SerialPort port;
    EXPECT_FALSE(port.Open(pty.slavePath(), c.baud, c.size, c.parity, c.stop));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(capture.messages, Messages{"Setup State Fails!"}) << c.baud;
    EXPECT_TRUE(Released(pty.slavePath()));
  }
  capture.messages.clear();
  SerialPort hart;
  EXPECT_FALSE(hart.OpenHart(pty.slavePath(), 1234));
  EXPECT_EQ(capture.messages, Messages{"Setup State Fails!"});
  EXPECT_EQ(OpenDescriptors(), before);

  // The failures left the line usable.
  SerialPort port;
  EXPECT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
}

TEST_F(SerialPortOpen, NoRoomForTheTimeoutMachineryFailsSetupTimeoutAndIsReleased) {
  // Let the process open exactly one more descriptor: the device opens, the
  // eventfd that lets Close wake a blocked call does not.
  const int lowestFree = dup(0);
  ASSERT_GE(lowestFree, 0);
  close(lowestFree);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  const int before = OpenDescriptors();
  bool opened = true;
  bool openedHart = true;
  rlimit tight = saved;
  tight.rlim_cur = static_cast<rlim_t>(lowestFree) + 1;
  SerialPort port;
  // The sanitizers' type check needs a descriptor the first time it meets
  // the class; let it meet it before the limit.
  EXPECT_FALSE(port.IsOpen());
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
  opened = port.Open(pty.slavePath(), 9600, 8, 0, 0);
  openedHart = port.OpenHart(pty.slavePath(), 1200);
  setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_FALSE(opened);
  EXPECT_FALSE(openedHart);
  EXPECT_EQ(capture.messages, (Messages{"Setup Timeout Fils!", "Setup Timeout Fils!"}));
  EXPECT_EQ(OpenDescriptors(), before);
  EXPECT_TRUE(Released(pty.slavePath()));
}

TEST_F(SerialPortOpen, HartOpensOnALineWithoutModemControls) {
  // A pseudo-terminal has neither RS-485 mode nor RTS: still usable.
  SerialPort port;
  ASSERT_TRUE(port.OpenHart(pty.slavePath(), 1200));
  termios tio{};
  ASSERT_EQ(tcgetattr(pty.master(), &tio), 0);
  EXPECT_EQ(cfgetospeed(&tio), B1200);
  const uint8_t request[] = {0xFF, 0xFF, 0x82, 0x00};
  uint32_t written = 0;
  EXPECT_TRUE(port.Write(request, sizeof request, &written));
  EXPECT_EQ(written, sizeof request);
  EXPECT_EQ(pty.Receive(50ms), test::Bytes(request, request + sizeof request));
  EXPECT_EQ(capture.messages, Messages{});
}

TEST_F(SerialPortOpen, AnOpenPortMovesBytesBothWaysAndAClosedOneNone) {
  SerialPort port;
  uint8_t buffer[16] = {};
  uint32_t count = 99;
  EXPECT_FALSE(port.Read(buffer, sizeof buffer, &count));
  EXPECT_EQ(count, 0u);
  count = 99;
  EXPECT_FALSE(port.Write(buffer, 4, &count));
  EXPECT_EQ(count, 0u);

  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  const uint8_t out[] = {0x01, 0x03, 0x10, 0x00, 0x00};
  ASSERT_TRUE(port.Write(out, sizeof out, &count));
  EXPECT_EQ(count, sizeof out);
  EXPECT_EQ(pty.Receive(50ms), test::Bytes(out, out + sizeof out));

  ASSERT_TRUE(pty.Send({0xA1, 0xA2, 0xA3, 0xA4}));
  ASSERT_TRUE(port.Read(buffer, 4, &count));
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(buffer[0], 0xA1);
  EXPECT_EQ(buffer[3], 0xA4);

  port.Close();
  EXPECT_FALSE(port.Read(buffer, sizeof buffer, &count));
  EXPECT_EQ(capture.messages, Messages{});
}

TEST_F(SerialPortOpen, BytesSentBeforeTheOpenAreNotReadAsAReply) {
  // A late reply to a request of an earlier session sits in the line.
  ASSERT_TRUE(pty.Send({0x01, 0x03, 0x02, 0x12, 0x34, 0xB5, 0x33}));
  SerialPort port;
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  ASSERT_TRUE(pty.Send({0x5A}));
  uint8_t buffer[16] = {};
  uint32_t count = 0;
  ASSERT_TRUE(port.Read(buffer, 1, &count));
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(buffer[0], 0x5A);
}

}  // namespace
}  // namespace tavro

#include "link/port_names.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

class PortNames : public ::testing::Test {
 protected:
  void TearDown() override { ClearPortNames(); }
};

TEST_F(PortNames, ResolveByPathMapAndDefault) {
  RegisterPortName("COM3", "/dev/pts/7");
  RegisterPortName("COM12", "/dev/ttyUSB0");
  const struct {
    const char* name;
    const char* path;
  } cases[] = {
      {"/dev/ttyUSB1", "/dev/ttyUSB1"},  // a path is used as it stands
      {"/tmp/x", "/tmp/x"},
      {"COM3", "/dev/pts/7"},  // through the map
      {"COM12", "/dev/ttyUSB0"},
      {"COM1", "/dev/ttyS0"},  // else /dev/ttyS(n-1)
      {"COM2", "/dev/ttyS1"},
      {"COM99", "/dev/ttyS98"},
      {"COM0", ""},  // no such COM port
      {"COM", ""},
      {"COM1a", ""},
      {"COM-1", ""},
      {"COM+1", ""},
      {"COM 1", ""},
      {"COM99999999999999999999", ""},
      {"com1", ""},
      {"ttyS0", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvePortName(c.name), c.path) << c.name;
}

TEST_F(PortNames, LaterEntriesReplaceAndRemovalFallsBackToTheDefault) {
  RegisterPortName("COM4", "/dev/pts/1");
  RegisterPortName("COM4", "/dev/pts/2");
  EXPECT_EQ(ResolvePortName("COM4"), "/dev/pts/2");
  UnregisterPortName("COM4");
  EXPECT_EQ(ResolvePortName("COM4"), "/dev/ttyS3");
  RegisterPortName("COM5", "/dev/pts/3");
  ClearPortNames();
  EXPECT_EQ(ResolvePortName("COM5"), "/dev/ttyS4");
}

}  // namespace
}  // namespace tavro

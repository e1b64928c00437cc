// Replies that pass their checks but carry fewer data bytes than asked for
// are failed reads: they count as failures and put nothing into the mirror.
// Against a scripted peer, since a sound transmitter never sends them.
#include <cstring>

#include "connection/block_read.h"
#include "connection/link_state.h"
#include "connection/strip_buttons.h"
#include "link/port_names.h"
#include "link/register_map.h"
#include "scripted_peer.h"
#include "tests/connection/window_fixture.h"

namespace tavro::test {
namespace {

// A function-03 reply of `registers` registers, each holding 0x1234.
Bytes ReplyWithRegisters(uint8_t registers) {
  Bytes reply{0x01, 0x03, static_cast<uint8_t>(registers * 2)};
  for (int i = 0; i < registers; ++i) {
    reply.push_back(0x12);
    reply.push_back(0x34);
  }
  return WithCrc(reply);
}

bool AllZero(const RegisterImage& image) {
  const RegisterImage zero{};
  return std::memcmp(image.Bytes(), zero.Bytes(), sizeof zero) == 0;
}

TEST(BlockRead, CopiesExactlyTheRequestedRegistersOrNothing) {
  struct Case {
    uint8_t replied;
    bool ok;
  };
  for (const Case& c : {Case{1, false}, Case{2, true}, Case{4, true}}) {
    PtyPair pty;
    ScriptedPeer peer(pty, Reply(ReplyWithRegisters(c.replied)));
    ModbusMaster link;
    ASSERT_TRUE(link.Open(pty.slavePath(), 9600, 8, 0, 0));
    RegisterImage image{};
    EXPECT_EQ(ReadBlock(link, 1, reg::maxLevel, 2, image), c.ok) << int{c.replied};
    if (c.ok) {
      EXPECT_EQ(image.Word(reg::maxLevel), 0x1234);
      EXPECT_EQ(image.Word(reg::maxLevel + 1), 0x1234);
      // A longer reply's extra data stay out of the image.
      EXPECT_EQ(image.Word(reg::maxLevel + 2), 0);
    } else {
      EXPECT_TRUE(AllZero(image));
    }
  }
}

TEST_F(ConnectionWindowTest, AMonitorFedShortRepliesCountsFourFailuresAndGivesUp) {
  PtyPair pty;
  // The probe takes any answer; every read of the monitor gets one register.
  ScriptedPeer peer(pty, Reply(ReplyWithRegisters(1)));
  RegisterPortName("COM1", pty.slavePath());
  Build();
  script.Start(std::chrono::seconds(20));
  Click(kModbusButton);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(peer.Requests().size(), 5u);  // the probe and one pass of four reads
  EXPECT_EQ(consecutiveFailures, 4u);
  EXPECT_EQ(messages->messages, std::vector<std::string>{"Reading Error"});
  EXPECT_TRUE(AllZero(liveReadings()));
  EXPECT_EQ(StripCaption(kModbusButton), "Modbus");
  // The pass still showed what the mirror holds.
  EXPECT_EQ(Field(33).text(), "0.00");
}

}  // namespace
}  // namespace tavro::test

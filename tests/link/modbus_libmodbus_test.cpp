// ModbusMaster against an implementation we did not write: libmodbus as an
// RTU server on the master side of a pseudo-terminal, serving the
// transmitter's registers 4096-4339.
#include <modbus/modbus.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

#include "link/live_readings.h"
#include "link/modbus_master.h"
#include "scripted_peer.h"

namespace tavro {
namespace {

// Packed fields are read by value: a reference to one may be misaligned.
template <typename T>
T ByValue(T value) {
  return value;
}

class LibmodbusServer {
 public:
  // libmodbus opens and configures a device path itself; a pty master has
  // none, so it is handed the open descriptor instead. The line settings
  // are the slave side's, which the master under test configures.
  LibmodbusServer(int fd, int slave) {
    context_ = modbus_new_rtu("/dev/null", 9600, 'N', 8, 1);
    mapping_ = modbus_mapping_new_start_address(0, 0, 0, 0, reg::kMirrorFirst, reg::kMirrorCount, 0, 0);
    if (!context_ || !mapping_) return;
    modbus_set_slave(context_, slave);
    modbus_set_socket(context_, fd);
    modbus_set_indication_timeout(context_, 0, 20'000);  // to notice the stop
    thread_ = std::thread([this] { Serve(); });
  }
  ~LibmodbusServer() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (context_) {
      modbus_set_socket(context_, -1);  // the descriptor belongs to the pty
      modbus_free(context_);
    }
    if (mapping_) modbus_mapping_free(mapping_);
  }
  bool running() const { return thread_.joinable(); }

  uint16_t Register(uint16_t r) {
    std::lock_guard lock(mutex_);
    return mapping_->tab_registers[r - reg::kMirrorFirst];
  }
  void SetRegister(uint16_t r, uint16_t value) {
    std::lock_guard lock(mutex_);
    mapping_->tab_registers[r - reg::kMirrorFirst] = value;
  }

 private:
  void Serve() {
    uint8_t query[MODBUS_RTU_MAX_ADU_LENGTH];
    while (!stopping_) {
      const int length = modbus_receive(context_, query);
      if (length > 0) {
        std::lock_guard lock(mutex_);
        modbus_reply(context_, query, length, mapping_);
      }
    }
  }

  modbus_t* context_ = nullptr;
  modbus_mapping_t* mapping_ = nullptr;
  std::mutex mutex_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

class AgainstLibmodbus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    ASSERT_TRUE(master.Open(pty.slavePath(), 9600, 8, 0, 0));
  }
  // Reads the configuration block as the live monitor does: 64, 64, 6.
  bool ReadConfiguration(RegisterImage& image) {
    for (const auto& [first, count] : {std::pair<uint16_t, uint16_t>{4206, 64}, {4270, 64}, {4334, 6}}) {
      if (master.ReadRegisters(1, first, count) != count * 2) return false;
      image.CopyIn(first, master.ReplyData(), count * 2u);
    }
    return true;
  }

  test::PtyPair pty;
  LibmodbusServer server{pty.master(), 1};
  ModbusMaster master;
};

TEST_F(AgainstLibmodbus, TheParameterBlockLandsInItsRegistersAndReadsBack) {
  RegisterImage sent{};
  sent.SetText(reg::productText1, 12, "AB");
  sent.SetText(reg::productText3, 4, "20240607");
  sent.maxLevel = 1.0f;
  sent.blindDistance = 0.1f;
  sent.windowLockTime = 0x00030002u;
  sent.modbusBaud = 19200;
  sent.commitFlag0 = 1;
  uint16_t words[reg::kParameterBlockCount];
  sent.CopyOut(reg::kParameterBlockFirst, reg::kParameterBlockCount, reinterpret_cast<uint8_t*>(words));
  ASSERT_EQ(master.WriteRegisters(1, reg::kParameterBlockFirst, reg::kParameterBlockCount, words), 3);

  EXPECT_EQ(server.Register(reg::productText1), 'A' | ('B' << 8));
  EXPECT_EQ(server.Register(reg::productText3), '2' | ('0' << 8));
  EXPECT_EQ(server.Register(reg::maxLevel), 0x0000);
  EXPECT_EQ(server.Register(reg::maxLevel + 1), 0x3F80);
  EXPECT_EQ(server.Register(reg::blindDistance), 0xCCCD);  // 0x3DCCCCCD
  EXPECT_EQ(server.Register(reg::blindDistance + 1), 0x3DCC);
  EXPECT_EQ(server.Register(reg::windowLockTime), 2);
  EXPECT_EQ(server.Register(reg::windowLockTime + 1), 3);
  EXPECT_EQ(server.Register(reg::modbusBaud), 19200);

  ASSERT_EQ(master.WriteRegister(1, reg::researchCommand, 1), 3);
  EXPECT_EQ(server.Register(reg::researchCommand), 1);

  RegisterImage read{};
  ASSERT_TRUE(ReadConfiguration(read));
  EXPECT_EQ(read.Text(reg::productText1, 12), "AB");
  EXPECT_EQ(read.Text(reg::productText3, 4), "20240607");
  EXPECT_EQ(ByValue(read.maxLevel), 1.0f);
  EXPECT_EQ(ByValue(read.blindDistance), 0.1f);
  EXPECT_EQ(ByValue(read.windowLockTime), 0x00030002u);
  EXPECT_EQ(ByValue(read.researchCommand), 1);
}

TEST_F(AgainstLibmodbus, TheMeasurementBlockReadsIntoItsFields) {
  const auto putFloat = [&](uint16_t r, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    server.SetRegister(r, static_cast<uint16_t>(bits & 0xFFFF));
    server.SetRegister(r + 1, static_cast<uint16_t>(bits >> 16));
  };
  server.SetRegister(reg::firmwareVersion, 'V' | ('1' << 8));
  server.SetRegister(reg::firmwareVersion + 1, '.' | ('2' << 8));
  putFloat(reg::temperature, 23.5f);
  putFloat(reg::bgTriggerLevel + 2, -7.25f);  // the block's last register

  ASSERT_EQ(master.ReadRegisters(1, reg::kMeasurementFirst, reg::kMeasurementCount), 156);
  RegisterImage image{};
  image.CopyIn(reg::kMeasurementFirst, master.ReplyData(), 156);
  EXPECT_EQ(image.Text(reg::firmwareVersion, 4), "V1.2");
  EXPECT_EQ(ByValue(image.temperature), 23.5f);
  EXPECT_EQ(ByValue(image.bgTriggerLevel[1]), -7.25f);
}

TEST_F(AgainstLibmodbus, AnIllegalAddressIsAnExceptionAndGivesZero) {
  const uint16_t words[20] = {};
  const struct {
    const char* what;
    uint16_t (*request)(ModbusMaster&, const uint16_t*);
    uint8_t exception;
  } cases[] = {
      {"read past the map", [](ModbusMaster& m, const uint16_t*) { return m.ReadRegisters(1, 4340, 1); }, 0x83},
      {"read below the map", [](ModbusMaster& m, const uint16_t*) { return m.ReadRegisters(1, 4000, 2); }, 0x83},
      {"write one outside", [](ModbusMaster& m, const uint16_t*) { return m.WriteRegister(1, 5000, 1); }, 0x86},
      {"write a block over the end",
       [](ModbusMaster& m, const uint16_t* w) { return m.WriteRegisters(1, 4330, 20, w); }, 0x90},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.request(master, words), 0) << c.what;
    // An exception reply, not a silent line.
    EXPECT_EQ(master.ReplyLength(), 5u) << c.what;
    EXPECT_EQ(master.Frame()[1], c.exception) << c.what;
    EXPECT_EQ(master.Frame()[2], MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS) << c.what;
  }
}

}  // namespace
}  // namespace tavro

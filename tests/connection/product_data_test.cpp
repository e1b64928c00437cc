// Product data and the one-register commands against the simulated
// transmitter, with the link open in editing.
#include "connection/link_objects.h"
#include "link/register_map.h"
#include "tests/connection/bench_fixture.h"

namespace tavro::test {
namespace {

std::vector<uint16_t> Words(const char* bytes, size_t count) {
  std::vector<uint16_t> words(count / 2);
  for (size_t i = 0; i < words.size(); ++i) {
    words[i] = static_cast<uint16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                     (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
  }
  return words;
}

QStringList LogLines() { return MainWindow().log_box->lines(); }

TEST_F(ConnectionBenchTest, ProductTextsAreWrittenInCp950UnlessTooLong) {
  Build();
  ConnectAndStopAfterOnePass();
  transmitter().ClearWrites();
  MainWindow().log_box->clear();

  Field(70).setText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX"));  // 24 bytes: no room for the zero
  Field(73).setText(QStringLiteral("型號-A1"));
  Field(72).setText(QStringLiteral("2026.03"));
  Field(71).setText(QString());
  ClickButton(12);
  EXPECT_TRUE(messages->messages.empty());
  std::vector<sim::RegisterWrite> writes = transmitter().Writes();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0].first, reg::productText2);
  ASSERT_EQ(writes[0].words.size(), 7u);
  // "型號-A1" and its zero; the rest of the registers as the mirror held them.
  const std::vector<uint16_t> model = Words("\xAB\xAC\xB8\xB9-A1\0", 8);
  EXPECT_EQ(std::vector<uint16_t>(writes[0].words.begin(), writes[0].words.begin() + 4), model);
  EXPECT_EQ(writes[1].first, reg::productText3);
  EXPECT_EQ(writes[1].words, Words("2026.03\0", 8));
  EXPECT_EQ(writes[2].first, reg::commitFlag1);
  EXPECT_EQ(writes[2].words, std::vector<uint16_t>{1});
  EXPECT_EQ(writes[3].first, reg::commitFlag0);
  EXPECT_EQ(writes[3].words, std::vector<uint16_t>{1});
  EXPECT_EQ(LogLines(), (QStringList{QStringLiteral("寫入產品序號:型號-A1"),
                                     QStringLiteral("寫入產品日期:2026.03"),
                                     QStringLiteral("***************寫入產品資料完成**************")}));
  EXPECT_EQ(Field(71).text(), "1");  // the first unit of a batch
  const RegisterImage device = transmitter().Registers();
  EXPECT_EQ(device.Text(reg::productText2, 7), "\xAB\xAC\xB8\xB9-A1");
  EXPECT_EQ(device.Text(reg::productText1, 12), "TDR Level Transmitter");
  EXPECT_EQ(liveReadings().Text(reg::productText2, 7), "\xAB\xAC\xB8\xB9-A1");

  // 23 bytes fit; the name "產品名稱" counts 8 bytes, not 4 characters.
  transmitter().ClearWrites();
  Field(70).setText(QStringLiteral("產品名稱 Level Sensor X"));
  ClickButton(12);
  writes = transmitter().Writes();
  ASSERT_EQ(writes.size(), 5u);
  EXPECT_EQ(writes[0].first, reg::productText1);
  EXPECT_EQ(writes[0].words.size(), 12u);
  EXPECT_EQ(transmitter().Registers().Text(reg::productText1, 12),
            "\xB2\xA3\xAB\x7E\xA6\x57\xBA\xD9 Level Sensor X");
  EXPECT_EQ(LogLines().at(3), QStringLiteral("寫入產品型號:產品名稱 Level Sensor X"));
  EXPECT_EQ(Field(71).text(), "2");
}

TEST_F(ConnectionBenchTest, ResetAndResearchWriteOneRegisterOnlyWhileTheLinkIsOpen) {
  Build();
  ConnectAndStopAfterOnePass();
  transmitter().ClearWrites();
  ClickButton(21);
  ClickButton(22);
  std::vector<sim::RegisterWrite> writes = transmitter().Writes();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].first, reg::resetCommand);
  EXPECT_EQ(writes[0].words, std::vector<uint16_t>{1});
  EXPECT_EQ(writes[1].first, reg::researchCommand);
  EXPECT_EQ(writes[1].words, std::vector<uint16_t>{1});

  Click(kModbusButton);  // disconnect
  transmitter().ClearWrites();
  const uint64_t heard = Heard();
  ClickButton(21);
  ClickButton(22);
  EXPECT_EQ(Heard(), heard);
  EXPECT_TRUE(messages->messages.empty());
}

}  // namespace
}  // namespace tavro::test

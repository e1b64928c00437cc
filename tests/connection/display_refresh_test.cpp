// The display refresh on the real window, fed with hand-made readings: every
// field in its format, the selectors by their registers, the gauges and the
// product texts.
#include <QComboBox>

#include <QCoreApplication>
#include <thread>

#include "connection/display_handover.h"
#include "connection/display_refresh.h"
#include "connection/monitor_display.h"
#include "link/register_map.h"
#include "tests/connection/window_fixture.h"

namespace tavro::test {
namespace {

QString Text(int field) { return Field(field).text(); }
int Selected(int choice) { return Choice(choice).combo->currentIndex(); }
QStringList Items(int choice) {
  QStringList items;
  const QComboBox* combo = Choice(choice).combo;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

LiveReadings MeasurementReadings() {
  LiveReadings r{};
  r.SetText(reg::firmwareVersion, 4, "V2.13R");
  r.display[0] = 1234.567f;
  r.display[1] = 12.0f;
  r.distance[0] = 1775.25f;
  r.distance[1] = -3.14159f;
  r.distancePercent[0] = 25.7f;
  r.distancePercent[1] = 99.5f;
  r.outputCurrent[0] = 8.111f;
  r.outputCurrent[1] = 19.999f;
  r.peak1Count[0] = 1973.4f;
  r.peak1Count[1] = 1974.6f;
  r.distanceMax0 = 1800.0f;
  r.distanceMin0 = 1700.0f;
  r.distanceMax1 = 1801.0f;
  r.distanceMin1 = 1701.0f;
  r.triggerLevel[0] = 100.0f;
  r.triggerLevel[1] = 60.0f;
  r.bgTriggerLevel[0] = 60.0f;
  r.bgTriggerLevel[1] = 36.0f;
  r.temperature = 24.456f;
  r.bgShiftX = 0.1f;
  r.bgShiftY = -0.05f;
  r.bgSaveCount = 12.0f;
  r.delta22Hz = 0.015f;
  for (int i = 0; i < 8; ++i) r.adcPeak[i] = 100.5f * static_cast<float>(i + 1);
  return r;
}

TEST_F(ConnectionWindowTest, LiveHalfShowsEveryMeasurementInItsFormat) {
  Build(true);
  const LiveReadings r = MeasurementReadings();
  ShowLiveHalf(r);
  const QStringList outputOne{"1234.57", "1775.25", "25.70", "8.11", "1973.40",
                              "1800.00", "1700.00", "100.00", "60.00"};
  const QStringList outputTwo{"12.00", "-3.14", "99.50", "20.00", "1974.60",
                              "1801.00", "1701.00", "60.00", "36.00"};
  for (int row = 0; row < 9; ++row) {
    EXPECT_EQ(Text(row), outputOne[row]) << "field " << row;
    EXPECT_EQ(Text(row + 9), outputTwo[row]) << "field " << row + 9;
  }
  EXPECT_EQ(Text(26), "V2.13R");
  EXPECT_EQ(Text(27), "24.46");
  EXPECT_EQ(Text(28), "0.100000001490116");
  EXPECT_EQ(Text(29), "-0.0500000007450581");
  EXPECT_EQ(Text(30), "12");
  EXPECT_EQ(Text(31), "0.0149999996647239");
  EXPECT_EQ(Text(18), "100.5");
  EXPECT_EQ(Text(21), "402");
  EXPECT_EQ(Text(22), "502.5");
  EXPECT_EQ(Text(25), "804");
  // The live half leaves the parameters alone.
  EXPECT_EQ(Text(32), "");
  EXPECT_EQ(Selected(9), -1);
}

TEST_F(ConnectionWindowTest, ParameterHalfShowsFieldsAndSelectors) {
  Build(true);
  LiveReadings r{};
  r.modbusId = 247;
  r.maxLevel = 200.125f;
  r.minLevel = 6000.0f;
  r.probeLength = 6000.5f;
  r.triggerLevelSetting = 100;
  r.distanceOffset[0] = -1.5f;
  r.distanceOffset[1] = 0.333f;
  r.dielectricConstant = 80.0f;
  r.lowCount = 1100.0f;
  r.lowPosition = 65535;
  r.spanValue = 0.90909f;
  r.probeEndCount = 6650;
  r.probeEndValue = 6000;
  r.dynamicFilter = 0.5f;
  r.blindDistance = 150.00004f;
  r.dac[0] = 9524;
  r.dac[1] = 47619;
  r.dac[2] = 9525;
  r.dac[3] = 47620;
  r.echoMarker[0] = 310;
  r.echoMarker[1] = 330;
  r.echoMarker[2] = 2211;
  r.echoMarker[3] = 7021;
  r.windowRange = 200;
  r.windowLockTime = 4000000000u;
  r.modbusBaud = 19200;
  r.displayContext[0] = 1;
  r.displayContext[1] = 4;
  r.currentMode[0] = 1;
  r.currentMode[1] = 0;
  r.probeType = 2;
  r.unit = 3;
  r.language = 1;
  r.filterLevel = 70;
  r.material = 0;  // Solids
  r.applicationSolid = 1;
  r.dielectricSolid = 2;
  r.applicationLiquid = 3;
  r.dielectricLiquid = 0;
  r.functionSelect = 6;
  r.hartCommunication = 1;
  r.backgroundAutoSave = 1;
  ShowParameterHalf(r);

  const std::pair<int, const char*> fields[] = {
      {32, "247"},     {33, "200.13"},  {34, "6000.00"}, {35, "6000.5"},   {36, "100"},
      {37, "80.00"},   {38, "1100.00"}, {39, "65535"},   {40, "0.9091"},   {41, "6650"},
      {42, "6000"},    {43, "0.5000"},  {44, "150.0000"}, {45, "-1.50"},   {46, "0.33"},
      {47, "9524"},    {48, "47619"},   {49, "9525"},    {50, "47620"},    {51, "200"},
      {52, "4000000000"}, {82, "310"},  {83, "330"},     {84, "2211"},     {85, "7021"},
  };
  for (const auto& [field, text] : fields) EXPECT_EQ(Text(field), text) << "field " << field;

  const std::pair<int, int> selected[] = {{0, 4}, {1, 1},  {2, 4}, {3, 1}, {4, 0},
                                          {5, 2}, {6, 3},  {7, 1}, {8, 7}, {9, 0},
                                          {10, 1}, {11, 2}, {12, 1}, {13, 1}, {14, 6}};
  for (const auto& [choice, index] : selected) {
    EXPECT_EQ(Selected(choice), index) << "choice " << choice;
  }
  EXPECT_EQ(Items(10), (QStringList{"Metal Vessel", "Non-metal Vessel"}));
  EXPECT_EQ(Items(11), (QStringList{"Dust,Wood/<1.5", "Granules/1.5...3", "Cereals,Flour/>3"}));
  EXPECT_EQ(Choice(8).combo->currentText(), "70");

  // Liquids again: the liquids lists with the liquids indexes.
  r.material = 1;
  ShowParameterHalf(r);
  EXPECT_EQ(Items(10).size(), 4);
  EXPECT_EQ(Selected(10), 3);
  EXPECT_EQ(Items(11).size(), 3);
  EXPECT_EQ(Selected(11), 0);
}

TEST_F(ConnectionWindowTest, ValuesOutsideTheListsLeaveOrClearTheirSelectors) {
  Build(true);
  LiveReadings r{};
  r.modbusBaud = 9600;
  r.material = 1;
  r.probeType = 1;
  ShowParameterHalf(r);
  ASSERT_EQ(Selected(0), 3);

  // A rate the selector does not list (115200 as the register holds it)
  // leaves the selector where it was.
  r.modbusBaud = static_cast<uint16_t>(115200);
  // A material the selector does not list leaves both lists as they are.
  r.material = 5;
  r.applicationLiquid = 2;
  // An index past the list clears the selection.
  r.probeType = 9;
  ShowParameterHalf(r);
  EXPECT_EQ(Selected(0), 3);
  EXPECT_EQ(Choice(0).combo->currentText(), "9600");
  EXPECT_EQ(Selected(9), -1);
  EXPECT_EQ(Items(10).size(), 4);
  EXPECT_EQ(Selected(10), 0);
  EXPECT_EQ(Selected(5), -1);
}

TEST_F(ConnectionWindowTest, GaugesAndProductTexts) {
  Build(true);
  LiveReadings r{};
  r.distancePercent[0] = 25.7f;
  r.distancePercent[1] = 100.3f;
  r.SetText(reg::productText1, 12, "TDR Level Transmitter");
  r.SetText(reg::productText2, 7, "\xAB\xAC\xB8\xB9-A1");  // "型號-A1" in CP950
  r.SetText(reg::productText3, 4, "2026.01");
  ShowGauges(r);
  EXPECT_EQ(MainWindow().gauges[0]->progress(), 74);
  EXPECT_EQ(MainWindow().gauges[1]->progress(), 0);
  ShowProductTexts(r);
  EXPECT_EQ(Text(70), "TDR Level Transmitter");
  EXPECT_EQ(Text(73), QStringLiteral("型號-A1"));
  EXPECT_EQ(Text(72), "2026.01");
}

TEST_F(ConnectionWindowTest, AnotherThreadHandsItsRefreshOverWithoutWaiting) {
  Build(true);
  LiveReadings r = MeasurementReadings();
  r.maxLevel = 321.5f;
  const int progress = MainWindow().progress_bar->value();
  std::thread monitor([r] {
    PostDisplayRefresh(r, DisplayHalves::kLive);
    PostDisplayRefresh(r, DisplayHalves::kLiveAndParameters);
    PostProgressStep();
  });
  monitor.join();  // returned although the user-interface thread did not run them yet
  EXPECT_EQ(Text(0), "");
  QCoreApplication::processEvents();
  EXPECT_EQ(Text(0), "1234.57");
  EXPECT_EQ(Text(33), "321.50");
  EXPECT_EQ(MainWindow().progress_bar->value(), progress + 1);
}

TEST_F(ConnectionWindowTest, RefreshWithoutAWindowDoesNothing) {
  const LiveReadings r = MeasurementReadings();
  RefreshDisplay(r);
  ShowGauges(r);
  ShowProductTexts(r);
  SUCCEED();
}

}  // namespace
}  // namespace tavro::test

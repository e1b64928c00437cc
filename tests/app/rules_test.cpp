// The Material, Probe Length and Table Type rules on the real window.
#include "app/rules/probe_length_rule.h"
#include "app/rules/table_type_rule.h"
#include "link/live_readings.h"
#include "procedures/stage_settings.h"
#include "tests/app/app_fixture.h"
#include "widgets/main_window_handles.h"

namespace tavro::test {
namespace {

QStringList Items(int choice) {
  QStringList items;
  for (int i = 0; i < Choice(choice).combo->count(); ++i) items << Choice(choice).combo->itemText(i);
  return items;
}

TEST_F(MainWindowTest, MaterialSwitchesApplicationAndDielectricLists) {
  liveReadings().applicationLiquid = 2;
  liveReadings().dielectricLiquid = 1;
  liveReadings().applicationSolid = 1;
  liveReadings().dielectricSolid = 2;
  Build();

  Pick(Choice(9).combo, 0);  // "Solids"
  EXPECT_EQ(Items(10), (QStringList{"Metal Vessel", "Non-metal Vessel"}));
  EXPECT_EQ(Items(11), (QStringList{"Dust,Wood/<1.5", "Granules/1.5...3", "Cereals,Flour/>3"}));
  EXPECT_EQ(Choice(10).combo->currentIndex(), 1);
  EXPECT_EQ(Choice(11).combo->currentIndex(), 2);

  Pick(Choice(9).combo, 1);  // "Liquids"
  EXPECT_EQ(Items(10), (QStringList{"Vessel", "Bypass", "Interf. Vessel", "interf. Bypass"}));
  EXPECT_EQ(Items(11), (QStringList{"Oil,LPG/<3", "Mixtures/3...10", "Water-based/>10"}));
  EXPECT_EQ(Choice(10).combo->currentIndex(), 2);
  EXPECT_EQ(Choice(11).combo->currentIndex(), 1);
  EXPECT_TRUE(messages->messages.empty());
}

TEST_F(MainWindowTest, MaterialSetByTheProgramChangesNothing) {
  Build();
  Choice(9).combo->setCurrentIndex(0);  // as a live monitor sets it
  EXPECT_EQ(Choice(10).combo->count(), 4);
  // A last-read index outside the solids list leaves no selection.
  liveReadings().applicationSolid = 7;
  Pick(Choice(9).combo, 0);
  EXPECT_EQ(Choice(10).combo->count(), 2);
  EXPECT_EQ(Choice(10).combo->currentIndex(), -1);
}

TEST_F(MainWindowTest, OtherChoicesHaveNoImmediateEffect) {
  Build();
  const QString before = Field(66).text();
  Pick(Choice(17).combo, 1);
  Pick(Choice(0).combo, 3);
  EXPECT_EQ(Choice(10).combo->count(), 4);
  EXPECT_EQ(travel_limit, 6000.0f);
  EXPECT_EQ(Field(66).text(), before);
}

TEST_F(MainWindowTest, ProbeLengthSetsAndLocksTolerance) {
  Build();
  struct Case {
    const char* length;
    const char* tolerance;
  };
  const Case cases[] = {{"4000", "5.000"}, {"5000", "5.000"}, {"6000", "6.000"},
                        {"12500", "12.500"}, {"5001", "5.001"}};
  EXPECT_FALSE(Field(66).edit->isReadOnly());
  for (const Case& c : cases) {
    Field(54).setText(QString::fromLatin1(c.length));
    EXPECT_EQ(Field(66).text(), QString::fromLatin1(c.tolerance)) << c.length;
    EXPECT_TRUE(Field(66).edit->isReadOnly());
  }
  EXPECT_TRUE(messages->messages.empty());
}

TEST_F(MainWindowTest, ProbeLengthThatIsNoWholeNumberLeavesToleranceAlone) {
  Build();
  Field(66).setText(QStringLiteral("7.5"));
  for (const char* bad : {"abc", "12.5", "40o0"}) {
    messages->messages.clear();
    Field(54).setText(QString::fromLatin1(bad));
    EXPECT_EQ(messages->messages, std::vector<std::string>{"數值異常"}) << bad;
    EXPECT_EQ(Field(66).text(), QStringLiteral("7.5")) << bad;
    EXPECT_FALSE(Field(66).edit->isReadOnly()) << bad;
  }
  // Emptied: the tolerance is emptied too; once locked it stays locked.
  Field(54).setText(QStringLiteral("8000"));
  Field(54).setText(QString());
  EXPECT_EQ(Field(66).text(), QString());
  EXPECT_TRUE(Field(66).edit->isReadOnly());
}

TEST(ToleranceFor, FormatsThreeDecimals) {
  EXPECT_EQ(ToleranceFor(QStringLiteral("-100")), QStringLiteral("5.000"));
  EXPECT_EQ(ToleranceFor(QStringLiteral(" 9999 ")), QStringLiteral("9.999"));
  EXPECT_EQ(ToleranceFor(QStringLiteral("$2710")), QStringLiteral("10.000"));
  EXPECT_EQ(ToleranceFor(QStringLiteral("x")), std::nullopt);
}

TEST_F(MainWindowTest, TableTypeSetsTravelLimit) {
  Build();
  const std::pair<int, float> cases[] = {{1, 4000.0f}, {2, 2000.0f}, {0, 6000.0f}, {2, 2000.0f}};
  for (const auto& [index, limit] : cases) {
    Pick(Choice(15).combo, index);
    EXPECT_EQ(travel_limit, limit) << index;
  }
  // No selection keeps the limit.
  Choice(15).combo->setCurrentIndex(-1);
  ApplyTableType();
  EXPECT_EQ(travel_limit, 2000.0f);
  EXPECT_EQ(TravelLimitFor(-1, 1234.0f), 1234.0f);
  EXPECT_EQ(TravelLimitFor(3, 1234.0f), 1234.0f);
}

}  // namespace
}  // namespace tavro::test

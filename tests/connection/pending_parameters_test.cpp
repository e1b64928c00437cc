// The pending-parameter builder: what the parameter write sends for a page,
// the automatic trigger level, the changed-block test and the communication
// settings.
#include <cstring>

#include <gtest/gtest.h>

#include "connection/display_formats.h"
#include "connection/parameter_choices.h"
#include "connection/parameter_fields.h"
#include "connection/pending_parameters.h"
#include "link/enum_lists.h"
#include "link/register_map.h"
#include "widgets/conversion.h"

namespace tavro {
namespace {

// A transmitter's readings with floats that the page's formats round.
LiveReadings Readings() {
  LiveReadings r{};
  r.SetText(reg::productText1, 12, "TDR Level Transmitter");
  r.unused4229[0] = 0x5A5A;  // carried along unchanged
  r.maxLevel = 200.125f;
  r.minLevel = 6000.0f;
  r.blindDistance = 150.00004f;
  r.distanceOffset[0] = -1.5f;
  r.distanceOffset[1] = 0.333f;
  r.probeLength = 6000.0f;
  r.language = 1;
  r.filterLevel = 50;
  r.unit = 2;
  r.material = enums::kMaterialLiquids;
  r.applicationLiquid = 1;
  r.applicationSolid = 1;
  r.dielectricLiquid = 2;
  r.dielectricSolid = 0;
  r.probeType = 3;
  r.displayContext[0] = 0;
  r.displayContext[1] = 4;
  r.currentMode[0] = 0;
  r.currentMode[1] = 1;
  r.triggerLevelSetting = 100;
  r.dielectricConstant = 80.0f;
  r.lowCount = 1100.0f;
  r.lowPosition = 1000;
  r.probeEndCount = 6650;
  r.probeEndValue = 6000;
  r.spanValue = 0.90909f;
  r.dac[0] = 9524;
  r.dac[3] = 47619;
  r.dynamicFilter = 0.5f;
  r.echoMarker[0] = 310;
  r.echoMarker[3] = 7021;
  r.modbusId = 1;
  r.modbusBaud = 9600;
  r.functionSelect = 0;
  r.hartCommunication = 1;
  r.backgroundAutoSave = 1;
  r.windowRange = 200;
  r.windowLockTime = 3000000000u;
  return r;
}

// The page as the live monitor leaves it after showing `r`.
ParameterPage PageShowing(const LiveReadings& r) {
  ParameterPage page;
  for (const ParameterField& parameter : kParameterFields) {
    page.fields[static_cast<size_t>(parameter.field)] = ShowParameter(r, parameter);
  }
  page.choices.fill(-1);
  auto set = [&page](int choice, int index) { page.choices[static_cast<size_t>(choice)] = index; };
  set(kModbusBaudrateChoice, BaudRateIndex(r.modbusBaud).value_or(-1));
  set(kDisplayContextChoice[0], r.displayContext[0]);
  set(kDisplayContextChoice[1], r.displayContext[1]);
  set(kCurrentModeChoice[0], r.currentMode[0]);
  set(kCurrentModeChoice[1], r.currentMode[1]);
  set(kProbeTypeChoice, r.probeType);
  set(kUnitChoice, r.unit);
  set(kLanguageChoice, r.language);
  set(kFilterLevelChoice, FilterLevelIndex(r.filterLevel));
  set(kMaterialChoice, r.material);
  const bool solids = r.material == enums::kMaterialSolids;
  set(kApplicationChoice, solids ? r.applicationSolid : r.applicationLiquid);
  set(kDielectricChoice, solids ? r.dielectricSolid : r.dielectricLiquid);
  set(kFunctionSelectChoice, r.functionSelect);
  set(kHartCommunicationChoice, r.hartCommunication);
  set(kBackgroundAutoSaveChoice, r.backgroundAutoSave);
  return page;
}

QString& FieldOf(ParameterPage& page, int field) { return page.fields[static_cast<size_t>(field)]; }
int& ChoiceOf(ParameterPage& page, int choice) { return page.choices[static_cast<size_t>(choice)]; }

// The registers of the write block that differ between the two images.
std::vector<uint16_t> ChangedRegisters(const RegisterImage& a, const RegisterImage& b) {
  std::vector<uint16_t> changed;
  for (uint16_t r = reg::kParameterBlockFirst;
       r < reg::kParameterBlockFirst + reg::kParameterBlockCount; ++r) {
    if (a.Word(r) != b.Word(r)) changed.push_back(r);
  }
  return changed;
}

TEST(PendingParameters, AnUntouchedPageSendsNothingAndKeepsExactValues) {
  const LiveReadings readings = Readings();
  const PendingWrite write = BuildPendingParameters(readings, PageShowing(readings));
  EXPECT_FALSE(write.changed);
  EXPECT_FALSE(write.commSettingsChanged);
  EXPECT_FALSE(write.automaticTriggerLevel);
  // "0.9091", "200.13" and "150.0000" on the page, yet the exact floats stay.
  EXPECT_EQ(std::memcmp(write.image.Bytes(), readings.Bytes(), sizeof readings), 0);
}

TEST(PendingParameters, OneChangedFieldChangesItsRegistersAndSetsBothCommitFlags) {
  const LiveReadings readings = Readings();
  ParameterPage page = PageShowing(readings);
  FieldOf(page, 33) = QStringLiteral("1234.5");  // "Max Level"
  const PendingWrite write = BuildPendingParameters(readings, page);
  EXPECT_TRUE(write.changed);
  EXPECT_FALSE(write.commSettingsChanged);
  EXPECT_FLOAT_EQ(write.image.maxLevel, 1234.5f);
  EXPECT_EQ(write.image.commitFlag0, 1);
  EXPECT_EQ(write.image.commitFlag1, 1);
  EXPECT_EQ(ChangedRegisters(write.image, readings),
            (std::vector<uint16_t>{reg::maxLevel, reg::maxLevel + 1, reg::commitFlag0,
                                   reg::commitFlag1}));
}

TEST(PendingParameters, EachFieldIsConvertedAsItIsTyped) {
  const LiveReadings readings = Readings();
  ParameterPage page = PageShowing(readings);
  FieldOf(page, 35) = QStringLiteral("4000");        // "Probe Length": integer, stored as float
  FieldOf(page, 52) = QStringLiteral("4000000000");  // "Window Lock Time": not a 32-bit integer
  EXPECT_THROW(BuildPendingParameters(readings, page), EConvertError);
  FieldOf(page, 52) = QStringLiteral("70000");
  FieldOf(page, 39) = QStringLiteral("1500");   // "Low Position"
  FieldOf(page, 40) = QStringLiteral("0.95");   // "Span Value"
  FieldOf(page, 85) = QStringLiteral("6999");   // "End"
  const PendingWrite write = BuildPendingParameters(readings, page);
  EXPECT_FLOAT_EQ(write.image.probeLength, 4000.0f);
  EXPECT_EQ(write.image.Uint32(reg::windowLockTime), 70000u);
  EXPECT_EQ(write.image.lowPosition, 1500);
  EXPECT_FLOAT_EQ(write.image.spanValue, 0.95f);
  EXPECT_EQ(write.image.echoMarker[3], 6999);
}

TEST(PendingParameters, TextThatDoesNotConvertRaisesTheConversionError) {
  const LiveReadings readings = Readings();
  struct Case {
    int field;
    const char* text;
  };
  for (const Case& c : {Case{33, "abc"}, Case{35, "6000.5"}, Case{32, ""}, Case{40, "1,5"}}) {
    ParameterPage page = PageShowing(readings);
    FieldOf(page, c.field) = QString::fromUtf8(c.text);
    EXPECT_THROW(BuildPendingParameters(readings, page), EConvertError)
        << "field " << c.field << " '" << c.text << "'";
  }
}

TEST(PendingParameters, SelectorsGiveTheirRegisterValues) {
  const LiveReadings readings = Readings();
  ParameterPage page = PageShowing(readings);
  ChoiceOf(page, kFilterLevelChoice) = 3;
  ChoiceOf(page, kUnitChoice) = 4;
  ChoiceOf(page, kFunctionSelectChoice) = 7;
  ChoiceOf(page, kApplicationChoice) = 3;  // liquids list, "Material" is "Liquids"
  const PendingWrite write = BuildPendingParameters(readings, page);
  EXPECT_EQ(write.image.filterLevel, 30);
  EXPECT_EQ(write.image.unit, 4);
  EXPECT_EQ(write.image.functionSelect, 7);
  EXPECT_EQ(write.image.applicationLiquid, 3);
  EXPECT_EQ(write.image.applicationSolid, readings.applicationSolid);
}

TEST(PendingParameters, ASelectorWithoutSelectionLeavesItsRegister) {
  LiveReadings readings = Readings();
  readings.probeType = 9;   // no such item: the selector shows nothing
  readings.modbusBaud = static_cast<uint16_t>(115200);
  ParameterPage page = PageShowing(readings);
  for (int k = 0; k < kParameterChoiceCount; ++k) ChoiceOf(page, k) = -1;
  const PendingWrite write = BuildPendingParameters(readings, page);
  EXPECT_FALSE(write.changed);
  EXPECT_EQ(write.image.probeType, 9);
  EXPECT_EQ(write.image.modbusBaud, static_cast<uint16_t>(115200));
}

TEST(PendingParameters, ApplicationAndDielectricGoWhereTheMaterialSays) {
  const LiveReadings readings = Readings();
  ParameterPage page = PageShowing(readings);
  ChoiceOf(page, kMaterialChoice) = enums::kMaterialSolids;
  ChoiceOf(page, kApplicationChoice) = 0;
  ChoiceOf(page, kDielectricChoice) = 1;
  PendingWrite write = BuildPendingParameters(readings, page);
  EXPECT_EQ(write.image.material, enums::kMaterialSolids);
  EXPECT_EQ(write.image.applicationSolid, 0);
  EXPECT_EQ(write.image.dielectricSolid, 1);
  EXPECT_EQ(write.image.applicationLiquid, readings.applicationLiquid);
  EXPECT_EQ(write.image.dielectricLiquid, readings.dielectricLiquid);

  ChoiceOf(page, kMaterialChoice) = -1;  // neither list is stored
  write = BuildPendingParameters(readings, page);
  EXPECT_EQ(write.image.applicationSolid, readings.applicationSolid);
  EXPECT_EQ(write.image.dielectricLiquid, readings.dielectricLiquid);
}

TEST(PendingParameters, AutomaticTriggerLevelTable) {
  struct Case {
    uint16_t material, liquid, solid, level;
  };
  const Case cases[] = {
      {0, 0, 0, 20},  {0, 2, 1, 20},  {0, 1, 2, 60},   {0, 0, 3, 20},  {1, 0, 2, 20},
      {1, 1, 0, 60},  {1, 2, 0, 100}, {1, 3, 2, 20},   {1, 65535, 0, 20}, {7, 1, 2, 60},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AutomaticTriggerLevel(c.material, c.liquid, c.solid), c.level)
        << "material " << c.material << ", liquid " << c.liquid << ", solid " << c.solid;
  }
}

TEST(PendingParameters, MaterialOrDielectricChangesSetTheTriggerLevel) {
  LiveReadings readings = Readings();
  readings.dielectricSolid = 2;
  // "Liquids" -> "Solids": the Material rule shows the solids index last read.
  ParameterPage page = PageShowing(readings);
  ChoiceOf(page, kMaterialChoice) = enums::kMaterialSolids;
  ChoiceOf(page, kApplicationChoice) = readings.applicationSolid;
  ChoiceOf(page, kDielectricChoice) = readings.dielectricSolid;
  FieldOf(page, 36) = QStringLiteral("55");  // typed, but the material decides
  PendingWrite write = BuildPendingParameters(readings, page);
  ASSERT_TRUE(write.automaticTriggerLevel);
  EXPECT_EQ(*write.automaticTriggerLevel, 60);
  EXPECT_EQ(write.image.triggerLevelSetting, 60);
  EXPECT_TRUE(write.changed);

  // Solids already: only the dielectric class changes, 0 -> 2.
  readings.material = enums::kMaterialSolids;
  readings.dielectricSolid = 0;
  page = PageShowing(readings);
  ChoiceOf(page, kDielectricChoice) = 2;
  write = BuildPendingParameters(readings, page);
  ASSERT_TRUE(write.automaticTriggerLevel);
  EXPECT_EQ(write.image.triggerLevelSetting, 60);

  // Nothing of the three changes: the typed trigger level is sent as typed.
  page = PageShowing(readings);
  FieldOf(page, 36) = QStringLiteral("55");
  write = BuildPendingParameters(readings, page);
  EXPECT_FALSE(write.automaticTriggerLevel);
  EXPECT_EQ(write.image.triggerLevelSetting, 55);
}

TEST(PendingParameters, CommunicationSettingsChangeWithIdOrRateOnly) {
  const LiveReadings readings = Readings();
  struct Case {
    const char* what;
    void (*edit)(ParameterPage&);
    bool comm;
  };
  const Case cases[] = {
      {"Modbus ID", [](ParameterPage& p) { FieldOf(p, 32) = QStringLiteral("2"); }, true},
      {"Modbus Baudrate", [](ParameterPage& p) { ChoiceOf(p, kModbusBaudrateChoice) = 4; }, true},
      {"Max Level", [](ParameterPage& p) { FieldOf(p, 33) = QStringLiteral("300"); }, false},
      {"Language", [](ParameterPage& p) { ChoiceOf(p, kLanguageChoice) = 2; }, false},
  };
  for (const Case& c : cases) {
    ParameterPage page = PageShowing(readings);
    c.edit(page);
    const PendingWrite write = BuildPendingParameters(readings, page);
    EXPECT_TRUE(write.changed) << c.what;
    EXPECT_EQ(write.commSettingsChanged, c.comm) << c.what;
  }
  ParameterPage page = PageShowing(readings);
  ChoiceOf(page, kModbusBaudrateChoice) = 4;
  EXPECT_EQ(BuildPendingParameters(readings, page).image.modbusBaud, 19200);
}

TEST(PendingParameters, TheWriteBlockEndsAtRegister4299) {
  const LiveReadings readings = Readings();
  struct Case {
    uint16_t reg;
    bool inside;
  };
  for (const Case& c : {Case{4206, true}, Case{4229, true}, Case{4299, true}, Case{4205, false},
                        Case{4300, false}, Case{4339, false}}) {
    LiveReadings other = readings;
    other.SetWord(c.reg, static_cast<uint16_t>(other.Word(c.reg) ^ 0x0100));
    EXPECT_EQ(WriteBlockDiffers(other, readings), c.inside) << c.reg;
  }
}

}  // namespace
}  // namespace tavro

// The connection operations on the real window without a transmitter:
// locking, the idle panel, and what the writes do with the link closed or
// with page texts that do not convert.
#include <QComboBox>

#include "connection/field_locking.h"
#include "connection/hart_branch.h"
#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "connection/modbus_link.h"
#include "connection/product_data.h"
#include "connection/strip_buttons.h"
#include "connection/sync.h"
#include "connection/write_parameters.h"
#include "link/port_names.h"
#include "tests/connection/window_fixture.h"

namespace tavro::test {
namespace {

std::vector<bool> ReadOnlyFields() {
  std::vector<bool> readOnly;
  for (int k = 0; k < kFieldCount; ++k) readOnly.push_back(Field(k).edit->isReadOnly());
  return readOnly;
}

std::vector<bool> EnabledChoices() {
  std::vector<bool> enabled;
  for (int k = 0; k < kChoiceCount; ++k) enabled.push_back(Choice(k).combo->isEnabled());
  return enabled;
}

TEST_F(ConnectionWindowTest, LockingCoversFieldsUpToWindowLockTimeAndTheFirstFourteenChoices) {
  Build(true);
  LockParameterFields();
  const std::vector<bool> readOnly = ReadOnlyFields();
  for (int k = 0; k < kFieldCount; ++k) EXPECT_EQ(readOnly[k], k <= 52) << "field " << k;
  const std::vector<bool> enabled = EnabledChoices();
  for (int k = 0; k < kChoiceCount; ++k) EXPECT_EQ(enabled[k], k >= 14) << "choice " << k;
  UnlockParameterFields();
  EXPECT_EQ(ReadOnlyFields(), std::vector<bool>(kFieldCount, false));
  EXPECT_EQ(EnabledChoices(), std::vector<bool>(kChoiceCount, true));
}

TEST_F(ConnectionWindowTest, APortThatCannotOpenLeavesThePanelIdle) {
  Build();
  RegisterPortName("COM1", "/nonexistent/tty-of-nobody");
  Click(kModbusButton);
  EXPECT_EQ(messages->messages, std::vector<std::string>{"Open Fails!"});
  EXPECT_FALSE(transmitterLink().IsOpen());
  EXPECT_FALSE(modbusSyncActive);
  EXPECT_EQ(StripCaption(kModbusButton), "Modbus");
  EXPECT_EQ(StripCaption(kSyncButton), "Sync");
  EXPECT_TRUE(MainWindow().strip_buttons[kHartButton]->isEnabled());
  EXPECT_FALSE(Field(33).edit->isReadOnly());
}

TEST_F(ConnectionWindowTest, SyncWithNeitherLinkDoesNothing) {
  Build();
  int hartCalls = 0;
  hartBranch().toggleSync = [&hartCalls] { ++hartCalls; };
  Click(kSyncButton);
  EXPECT_EQ(StripCaption(kSyncButton), "Sync");
  EXPECT_FALSE(modbusSyncActive);
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_EQ(hartCalls, 0);
  // The HART branch gets "Sync" while its caption reads "Stop".
  SetStripCaption(kHartButton, kCaptionStop);
  Click(kSyncButton);
  EXPECT_EQ(hartCalls, 1);
}

TEST_F(ConnectionWindowTest, ExitReleasesARunningHartMonitorAndClosesTheWindow) {
  Build();
  int released = 0;
  hartBranch().releaseMonitorOnExit = [&released] { ++released; };
  Click(kExitButton);  // no HART monitor runs: nothing to release
  EXPECT_EQ(released, 0);
  EXPECT_FALSE(form->isVisible());

  form->show();
  hartMonitorStopped = false;
  modbusSyncActive = true;
  Click(kExitButton);
  EXPECT_EQ(released, 1);
  EXPECT_FALSE(modbusSyncActive);
  EXPECT_TRUE(programExiting);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(ConnectionWindowTest, ParameterWriteWithTheLinkClosed) {
  Build(true);
  liveReadings().material = 1;
  liveReadings().dielectricLiquid = 2;
  liveReadings().modbusId = 1;
  // The page as far as the operator filled it: all numbers, Material changed.
  for (int k = 32; k <= 52; ++k) Field(k).setText(QStringLiteral("1"));
  for (int k = 82; k <= 85; ++k) Field(k).setText(QStringLiteral("1"));
  Pick(9, 0);  // Solids
  EXPECT_FALSE(WriteParameters());
  EXPECT_EQ(messages->messages, std::vector<std::string>{"Modbus open fail!!"});
  EXPECT_EQ(Field(36).text(), "20");  // the automatic trigger level is shown all the same
  EXPECT_EQ(pendingParameters().triggerLevelSetting, 20);
  EXPECT_FALSE(commSettingsChanged);
}

TEST_F(ConnectionWindowTest, AFieldThatDoesNotConvertGivesThePageBackForEditing) {
  Build(true);
  // Modbus editing, as "Stop Sync" leaves it (no device needed: the
  // conversion fails before anything is sent).
  SetStripCaption(kModbusButton, kCaptionStop);
  SetStripCaption(kSyncButton, kCaptionSync);
  for (int k = 32; k <= 52; ++k) Field(k).setText(QStringLiteral("1"));
  for (int k = 82; k <= 85; ++k) Field(k).setText(QStringLiteral("1"));
  Field(33).setText(QStringLiteral("12,5"));
  Click(kSyncButton);
  EXPECT_EQ(messages->messages, std::vector<std::string>{"'12,5' is not a valid floating point value"});
  EXPECT_EQ(StripCaption(kSyncButton), "Sync");
  EXPECT_EQ(StripCaption(kModbusButton), "Stop");
  EXPECT_FALSE(modbusSyncActive);
  EXPECT_FALSE(Field(33).edit->isReadOnly());
  EXPECT_TRUE(Choice(0).combo->isEnabled());
}

TEST_F(ConnectionWindowTest, ProductDataRefusesTextsOutsideCp950AndNeedsTheLink) {
  Build();
  Field(70).setText(QStringLiteral("한국 Transmitter"));
  Field(71).setText(QStringLiteral("7"));
  ClickButton(12);
  ASSERT_EQ(messages->messages.size(), 1u);
  EXPECT_NE(messages->messages[0].find("產品名稱"), std::string::npos) << messages->messages[0];
  EXPECT_NE(messages->messages[0].find("nothing was written"), std::string::npos);
  EXPECT_EQ(Field(71).text(), "7");
  EXPECT_TRUE(MainWindow().log_box->lines().join(QString()).isEmpty());

  messages->messages.clear();
  Field(70).setText(QStringLiteral("TDR"));
  ClickButton(12);
  EXPECT_EQ(messages->messages, std::vector<std::string>{"Device is not Connected!\n"});
  EXPECT_EQ(Field(71).text(), "7");
}

}  // namespace
}  // namespace tavro::test

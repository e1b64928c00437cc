// "Setting.ini" as the main window loads and saves it.
#include <QFile>

#include "app/settings/vx_ini.h"
#include "app/settings/window_settings.h"
#include "link/port_names.h"
#include "procedures/stage_settings.h"
#include "tests/app/app_fixture.h"
#include "widgets/main_window_handles.h"

namespace tavro::test {
namespace {

class WindowSettingsTest : public MainWindowTest {
 protected:
  QString Stored(const QString& section, const QString& key) const {
    return vx_ini(exeDir->settingsPath()).Read(section, key, QStringLiteral("<absent>"));
  }
  QString Stored(const QString& key) const { return Stored(QStringLiteral("TAVRO"), key); }
};

TEST_F(WindowSettingsTest, WithoutAFileTheWindowKeepsItsDefaults) {
  Build();
  EXPECT_EQ(MainWindow().id_field->text(), QStringLiteral("1"));
  EXPECT_EQ(MainWindow().baud_box->currentText(), QStringLiteral("9600"));
  EXPECT_EQ(MainWindow().port_box->currentText(), QStringLiteral("COM1"));
  EXPECT_EQ(Field(53).text(), QStringLiteral("225"));
  EXPECT_EQ(Choice(15).combo->currentIndex(), -1);
  EXPECT_EQ(travel_limit, 6000.0f);
  EXPECT_FALSE(QFile::exists(exeDir->settingsPath()));
  EXPECT_TRUE(messages->messages.empty());
}

TEST_F(WindowSettingsTest, SaveWritesEveryKeyInOrderAndLoadBringsThemBack) {
  Build();
  for (int k = 53; k <= 75; ++k) {
    if (k != 54) Field(k).setText(QStringLiteral("v%1").arg(k));
  }
  Field(54).setText(QStringLiteral("6000"));  // the tolerance follows...
  Field(66).setText(QStringLiteral("v66"));   // ...until set by hand
  Choice(15).combo->setCurrentIndex(1);
  Choice(16).combo->setCurrentIndex(4);
  Choice(17).combo->setCurrentIndex(-1);
  Choice(18).combo->setCurrentIndex(14);
  MainWindow().id_field->setText(QStringLiteral("7"));
  MainWindow().port_box->setEditText(QStringLiteral("COM12"));
  MainWindow().baud_box->setEditText(QStringLiteral("19200"));
  Destroy();
  ASSERT_TRUE(messages->messages.empty());

  const QString file = exeDir->ReadSettings();
  EXPECT_TRUE(file.startsWith(QStringLiteral("[TAVRO]\nMotor Offset=v53\nProbe Length=6000\n"
                                             "Low Point=v55\nHigh Point=v56\nDelay Time=v68\n"
                                             "Move To=v58\n\"\"=v59\nDistance=v60\nInterval=v65\n")))
      << file.toStdString();
  EXPECT_TRUE(file.contains(QStringLiteral("產品名稱=v70\n")));
  EXPECT_TRUE(file.contains(QStringLiteral("Table Type=1\nMotor Port=4\nOutput Select=-1\n"
                                           "HP Port=14\nid=7\nport=COM12\nbaudrate=19200\n")));
  EXPECT_TRUE(file.endsWith(QStringLiteral("[INTERNET]\nSTATUS=CLOSE\n")));

  Build();
  // The shared keys bring the later field's value into both fields.
  EXPECT_EQ(Field(61).text(), QStringLiteral("v65"));
  EXPECT_EQ(Field(65).text(), QStringLiteral("v65"));
  EXPECT_EQ(Field(68).text(), QStringLiteral("v68"));
  EXPECT_EQ(Field(59).text(), QStringLiteral("v59"));
  EXPECT_EQ(Field(66).text(), QStringLiteral("v66"));  // loaded after the computed one
  EXPECT_TRUE(Field(66).edit->isReadOnly());
  EXPECT_EQ(Field(73).text(), QStringLiteral("v73"));
  // Fields 55-58 always start with their fixed values.
  EXPECT_EQ(Field(55).text(), QStringLiteral("1000"));
  EXPECT_EQ(Field(56).text(), QStringLiteral("5000"));
  EXPECT_EQ(Field(57).text(), QStringLiteral("10000"));
  EXPECT_EQ(Field(58).text(), QStringLiteral("0"));
  EXPECT_EQ(Choice(15).combo->currentIndex(), 1);
  EXPECT_EQ(travel_limit, 4000.0f);
  EXPECT_EQ(Choice(16).combo->currentIndex(), 4);
  EXPECT_EQ(Choice(17).combo->currentIndex(), -1);
  EXPECT_EQ(Choice(18).combo->currentIndex(), 14);
  EXPECT_EQ(MainWindow().id_field->text(), QStringLiteral("7"));
  EXPECT_EQ(MainWindow().port_box->currentText(), QStringLiteral("COM12"));
  EXPECT_EQ(MainWindow().baud_box->currentText(), QStringLiteral("19200"));
  EXPECT_TRUE(messages->messages.empty());
}

TEST_F(WindowSettingsTest, TableTypeThatIsNoNumberStopsTheLoad) {
  exeDir->WriteSettings(QStringLiteral(
      "[TAVRO]\nMotor Offset=300\n客戶名稱=ACME\nTable Type=abc\nMotor Port=3\n"
      "id=9\nport=COM5\nbaudrate=38400\n"));
  Build();
  EXPECT_EQ(messages->messages, std::vector<std::string>{"載入參數異常"});
  EXPECT_EQ(Field(53).text(), QStringLiteral("300"));
  EXPECT_EQ(Field(75).text(), QStringLiteral("ACME"));
  EXPECT_EQ(Choice(16).combo->currentIndex(), 0);  // not reached: still its start item
  EXPECT_EQ(MainWindow().id_field->text(), QStringLiteral("1"));
  EXPECT_EQ(MainWindow().port_box->currentText(), QStringLiteral("COM1"));
  EXPECT_EQ(MainWindow().baud_box->currentText(), QStringLiteral("9600"));
  EXPECT_EQ(travel_limit, 6000.0f);
}

TEST_F(WindowSettingsTest, ValuesOutsideTheListsAreTakenAsTheyAre) {
  exeDir->WriteSettings(QStringLiteral(
      "[TAVRO]\nTable Type=2\nMotor Port=99\nHP Port=-1\nport=COM150\nbaudrate=250000\n"
      "Low Point=1\nHigh Point=2\nDelay Time=3\nMove To=4\n"));
  Build();
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_EQ(travel_limit, 2000.0f);
  EXPECT_EQ(Choice(16).combo->currentIndex(), -1);
  EXPECT_EQ(Choice(18).combo->currentIndex(), -1);
  EXPECT_EQ(MainWindow().port_box->currentText(), QStringLiteral("COM150"));
  EXPECT_EQ(MainWindow().baud_box->currentText(), QStringLiteral("250000"));
  EXPECT_EQ(Field(55).text(), QStringLiteral("1000"));
  EXPECT_EQ(Field(58).text(), QStringLiteral("0"));
  EXPECT_EQ(Field(68).text(), QStringLiteral("3"));
}

TEST_F(WindowSettingsTest, ProbeLengthInTheFileIsCheckedWhileLoading) {
  exeDir->WriteSettings(QStringLiteral("[TAVRO]\nProbe Length=12.5\n"));
  Build();
  EXPECT_EQ(messages->messages, std::vector<std::string>{"數值異常"});
  EXPECT_FALSE(Field(66).edit->isReadOnly());

  Destroy();
  messages->messages.clear();
  exeDir->WriteSettings(QStringLiteral("[TAVRO]\nProbe Length=8000\n"));
  Build();
  EXPECT_TRUE(messages->messages.empty());
  // The saved (empty) tolerance replaces the computed one a moment later.
  EXPECT_EQ(Field(66).text(), QString());
  EXPECT_TRUE(Field(66).edit->isReadOnly());
}

TEST_F(WindowSettingsTest, StatusOpenLastsUntilTheWindowIsTornDown) {
  exeDir->WriteSettings(QStringLiteral("[INTERNET]\nSTATUS=OPEN\n"));
  Build();
  EXPECT_EQ(Stored(QStringLiteral("INTERNET"), QStringLiteral("STATUS")), QStringLiteral("OPEN"));
  Destroy();
  EXPECT_EQ(Stored(QStringLiteral("INTERNET"), QStringLiteral("STATUS")), QStringLiteral("CLOSE"));
}

TEST_F(WindowSettingsTest, ReadOnlyFileShowsSaveErrorAndKeepsTheFile) {
  const QString original = QStringLiteral("[TAVRO]\nMotor Offset=300\n");
  exeDir->WriteSettings(original);
  ASSERT_TRUE(QFile::setPermissions(exeDir->settingsPath(), QFileDevice::ReadOwner));
  Build();
  Field(53).setText(QStringLiteral("400"));
  Destroy();
  EXPECT_EQ(messages->messages, std::vector<std::string>{"儲存參數異常"});
  EXPECT_EQ(exeDir->ReadSettings(), original);
  QFile::setPermissions(exeDir->settingsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(WindowSettingsTest, PortsSectionNamesTheDevicesBehindThePortNames) {
  exeDir->WriteSettings(QStringLiteral(
      "[PORTS]\nCOM1=/dev/ttyUSB0\ncom7 = /dev/serial/by-id/meter\nLPT1=/dev/lp0\nCOM2=\n"));
  LoadPortNames(vx_ini(exeDir->settingsPath()));  // at start-up
  Build();
  EXPECT_EQ(ResolvePortName("COM1"), "/dev/ttyUSB0");
  EXPECT_EQ(ResolvePortName("COM7"), "/dev/serial/by-id/meter");
  EXPECT_EQ(ResolvePortName("COM2"), "/dev/ttyS1");
  Destroy();
  // Saving keeps the section.
  EXPECT_TRUE(exeDir->ReadSettings().contains(QStringLiteral("COM1=/dev/ttyUSB0")));
}

}  // namespace
}  // namespace tavro::test

// The dispatcher: no button pretends to work before its operation exists;
// plugged-in operations get the right arguments; the dispatcher's own steps.
#include <QCoreApplication>
#include <QScrollBar>
#include <QTimer>

#include "app/dispatch/operations.h"
#include "procedures/stage_settings.h"
#include "tests/app/app_fixture.h"
#include "widgets/main_window_handles.h"

namespace tavro::test {
namespace {

QStringList Captions() {
  QStringList captions;
  for (int k = 0; k < kButtonCount; ++k) captions << Button(k).caption->text();
  return captions;
}

std::vector<bool> Enabled() {
  std::vector<bool> enabled;
  for (int k = 0; k < kButtonCount; ++k) enabled.push_back(Button(k).caption->isEnabled());
  return enabled;
}

TEST_F(MainWindowTest, UnbuiltOperationsChangeNothing) {
  operations() = Operations{};  // before any subsystem plugs in
  Build(true);
  const QStringList captions = Captions();
  const std::vector<bool> enabled = Enabled();
  for (int k = 0; k < kButtonCount; ++k) {
    Button(k).caption->setEnabled(true);
    Button(k).caption->click();
    Button(k).caption->setEnabled(enabled[k]);
  }
  for (ClickableLabel* strip : {MainWindow().strip_buttons[kHartButton],
                                MainWindow().strip_buttons[kModbusButton],
                                MainWindow().strip_buttons[kSyncButton]}) {
    strip->click();
  }
  EXPECT_EQ(Captions(), captions);
  EXPECT_EQ(Enabled(), enabled);
  for (QTimer* timer : {&form->Timer1, &form->Timer2, &form->Timer3, &form->Timer4, &form->Timer5}) {
    EXPECT_FALSE(timer->isActive());
  }
  EXPECT_TRUE(MainWindow().log_box->lines().join(QString()).isEmpty());
  EXPECT_TRUE(messages->messages.empty());
  EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, ConnectTakesTheMotorOffsetFirst) {
  int connects = 0;
  operations().stage_connect = [&connects] {
    EXPECT_EQ(motor_offset, 310);
    ++connects;
  };
  Build();
  Field(53).setText(QStringLiteral("310"));
  Button(2).caption->click();
  EXPECT_EQ(connects, 1);

  Field(53).setText(QStringLiteral("abc"));
  Button(2).caption->click();
  EXPECT_EQ(connects, 1);
  EXPECT_EQ(messages->messages, std::vector<std::string>{"'abc' is not a valid integer value"});
  EXPECT_EQ(motor_offset, 310);
}

TEST_F(MainWindowTest, EchoButtonsPassTheirRow) {
  std::vector<std::pair<char, int>> calls;
  operations().get_adc = [&](int row, QTimer& timer2) {
    EXPECT_EQ(&timer2, &form->Timer2);
    calls.emplace_back('G', row);
  };
  operations().cycle_echo_view = [&](int row) { calls.emplace_back('O', row); };
  Build(true);
  for (int k = 13; k <= 18; ++k) Button(k).caption->click();
  const std::vector<std::pair<char, int>> expected{{'G', 0}, {'O', 0}, {'G', 1},
                                                   {'O', 1}, {'G', 2}, {'O', 2}};
  EXPECT_EQ(calls, expected);
}

TEST_F(MainWindowTest, OneButtonRunTogglesThroughItsCaption) {
  std::vector<bool> starts;
  operations().auto_calibration = [&starts](bool oneButton) { starts.push_back(oneButton); };
  Build();
  Button(11).caption->click();
  EXPECT_EQ(starts, std::vector<bool>{true});
  EXPECT_EQ(Button(11).caption->text(), QStringLiteral("Running...."));
  for (int k = 13; k <= 19; ++k) EXPECT_FALSE(Button(k).caption->isEnabled()) << k;
  EXPECT_TRUE(Button(20).caption->isEnabled());

  Button(8).caption->setText(QStringLiteral("Stop"));  // as the running procedure shows
  Button(9).caption->setText(QStringLiteral("Stop"));
  Button(11).caption->click();
  EXPECT_EQ(starts.size(), 1u);
  EXPECT_EQ(Button(8).caption->text(), QStringLiteral("Auto"));
  EXPECT_EQ(Button(9).caption->text(), QStringLiteral("Calibration"));
  EXPECT_EQ(Button(10).caption->text(), QStringLiteral("Verify"));
  EXPECT_EQ(Button(11).caption->text(), QStringLiteral("懶人按鈕"));

  Button(8).caption->click();
  EXPECT_EQ(starts, (std::vector<bool>{true, false}));
}

TEST_F(MainWindowTest, ExcelSaveHandsTheExportToTimer1) {
  int ticks = 0;
  operations().timer1_tick = [&ticks](QTimer& timer) {
    ++ticks;
    timer.stop();
  };
  Build(true);
  Button(19).caption->click();
  EXPECT_TRUE(form->Timer1.isActive());
  EXPECT_EQ(Button(19).caption->text(), QStringLiteral("....."));
  for (int k = 13; k <= 20; ++k) EXPECT_FALSE(Button(k).caption->isEnabled()) << k;
  EXPECT_EQ(ticks, 0);
  QMetaObject::invokeMethod(&form->Timer1, "timeout");
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(form->Timer1.isActive());
}

TEST_F(MainWindowTest, TimerOperationsGetTheirTimers) {
  QTimer* seen[3] = {};
  operations().stage_auto_test = [&](QTimer& timer) { seen[0] = &timer; };
  operations().echo_monitor = [&](QTimer& timer) { seen[1] = &timer; };
  operations().timer5_tick = [&](QTimer& timer) { seen[2] = &timer; };
  Build(true);
  Button(3).caption->setEnabled(true);
  Button(3).caption->click();
  Button(20).caption->click();
  QMetaObject::invokeMethod(&form->Timer5, "timeout");
  EXPECT_EQ(seen[0], &form->Timer4);
  EXPECT_EQ(seen[1], &form->Timer5);
  EXPECT_EQ(seen[2], &form->Timer5);
}

TEST_F(MainWindowTest, StripButtonsRunTheirOperations) {
  std::string order;
  operations().hart_link = [&order] { order += 'H'; };
  operations().modbus_link = [&order] { order += 'M'; };
  operations().sync = [&order] { order += 'S'; };
  Build();
  MainWindow().strip_buttons[kModbusButton]->click();
  MainWindow().strip_buttons[kSyncButton]->click();
  MainWindow().strip_buttons[kHartButton]->click();
  EXPECT_EQ(order, "MSH");
}

TEST_F(MainWindowTest, ExitClosesTheWindowFromCaptionOrPicture) {
  Build();
  MainWindow().strip_buttons[kExitButton]->click();
  EXPECT_FALSE(form->isVisible());
  form->show();
  int exits = 0;
  operations().exit_program = [&exits] { ++exits; };
  form->build()->title_bar->button_pictures[kExitButton]->click();
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, ErrorsOfOperationsAreShownAndTheWindowGoesOn) {
  operations().clear_calibration_table = [] { throw std::runtime_error("Cannot open file"); };
  Build();
  Button(7).caption->click();
  EXPECT_EQ(messages->messages, std::vector<std::string>{"Cannot open file"});
  EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, LogBoxFollowsItsLastLine) {
  Build();
  for (int i = 0; i < 200; ++i) LogLine(QStringLiteral("line %1").arg(i));
  QCoreApplication::processEvents();
  const QScrollBar* bar = MainWindow().log_box->text_box->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
}

}  // namespace
}  // namespace tavro::test

// The hidden gesture, the access codes and the rebuild into the
// engineering layout.
#include <QTest>

#include "app/access/tform3.h"
#include "app/rules/access_codes.h"
#include "app/rules/access_gesture.h"
#include "app/settings/vx_ini.h"
#include "app/shell/globals.h"
#include "tests/app/app_fixture.h"
#include "widgets/main_window_handles.h"

namespace tavro::test {
namespace {

class AccessTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Build();
    dialog = std::make_unique<TForm3>(*form);
    form->SetAccessDialog(dialog.get());
  }
  void TearDown() override {
    dialog.reset();
    MainWindowTest::TearDown();
  }

  void PressCtrlK() {
    QLineEdit* id = MainWindow().id_field;
    SendKey(id, true, Qt::Key_Control, Qt::ControlModifier);
    SendKey(id, true, Qt::Key_K, Qt::ControlModifier, QStringLiteral("\x0b"));
  }
  void OpenDialog() {
    MainWindow().port_box->setEditText(QStringLiteral("COM62"));
    PressCtrlK();
    ASSERT_TRUE(dialog->isVisible());
  }
  void EnterCode(const QString& code) { dialog->code_field->setText(code); }
  void ClickOk() { dialog->ok_button->caption->click(); }

  std::unique_ptr<TForm3> dialog;
};

TEST_F(AccessTest, CtrlKWithCom62OpensTheDialog) {
  MainWindow().id_field->setText(QStringLiteral("12"));
  MainWindow().id_field->setCursorPosition(0);
  MainWindow().port_box->setEditText(QStringLiteral("COM1"));
  PressCtrlK();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(form->isVisible());

  SendKey(MainWindow().id_field, false, Qt::Key_K, Qt::ControlModifier);
  SendKey(MainWindow().id_field, false, Qt::Key_Control);
  MainWindow().port_box->setEditText(QStringLiteral("COM62"));
  PressCtrlK();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(form->isVisible());
  // The gesture is no editing key: the ID stays as it was.
  EXPECT_EQ(MainWindow().id_field->text(), QStringLiteral("12"));
}

TEST_F(AccessTest, AnotherKeyOrAReleaseBetweenCtrlAndKCancels) {
  MainWindow().port_box->setEditText(QStringLiteral("COM62"));
  QLineEdit* id = MainWindow().id_field;
  // Ctrl held, another key, then K.
  SendKey(id, true, Qt::Key_Control, Qt::ControlModifier);
  SendKey(id, true, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
  SendKey(id, true, Qt::Key_K, Qt::ControlModifier, QStringLiteral("\x0b"));
  EXPECT_FALSE(dialog->isVisible());
  SendKey(id, false, Qt::Key_K, Qt::ControlModifier);
  SendKey(id, false, Qt::Key_A, Qt::ControlModifier);
  SendKey(id, false, Qt::Key_Control);

  // Ctrl released before K.
  SendKey(id, true, Qt::Key_Control, Qt::ControlModifier);
  SendKey(id, false, Qt::Key_Control);
  SendKey(id, true, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
  EXPECT_FALSE(dialog->isVisible());

  // And then the gesture itself still works.
  SendKey(id, false, Qt::Key_K);
  SendKey(id, true, Qt::Key_Control, Qt::ControlModifier);
  SendKey(id, true, Qt::Key_K, Qt::ControlModifier, QStringLiteral("\x0b"));
  EXPECT_TRUE(dialog->isVisible());
}

TEST(AccessGesture, StateMachine) {
  AccessGesture gesture;
  const QString port = QStringLiteral("COM62");
  EXPECT_FALSE(gesture.KeyDown(Qt::Key_K, port));
  EXPECT_TRUE(gesture.KeyDown(Qt::Key_Control, port));  // K first, then Ctrl: both seen
  EXPECT_FALSE(gesture.modifierSeen());
  EXPECT_FALSE(gesture.KeyDown(Qt::Key_Control, QStringLiteral("COM6")));
  EXPECT_FALSE(gesture.KeyDown(Qt::Key_K, QStringLiteral("COM62 ")));
  EXPECT_TRUE(gesture.modifierSeen() && gesture.letterSeen());
  gesture.KeyUp();
  EXPECT_FALSE(gesture.modifierSeen() || gesture.letterSeen());
}

TEST(AccessCodes, ExactCodesAndTheStatusRule) {
  struct Case {
    const char* code;
    const char* status;
    bool accepted;
  };
  const Case cases[] = {
      {"quorbel", "OPEN", true},       {"quorbel", "CLOSE", false},
      {"quorbel", "open", false},      {"QUORBEL", "OPEN", false},
      {"quorbel ", "OPEN", false},     {"57460918", "CLOSE", true},
      {"57460918", "OPEN", true},      {"57460918 ", "CLOSE", false},
      {" 57460918", "OPEN", false},    {"", "OPEN", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsAccessCodeAccepted(QString::fromLatin1(c.code), QString::fromLatin1(c.status)),
              c.accepted)
        << '"' << c.code << "\" with " << c.status;
  }
}

TEST_F(AccessTest, CodesAgainstTheSettingsFile) {
  struct Case {
    const char* file;  // nullptr: no settings file
    const char* code;
    bool accepted;
  };
  const Case cases[] = {
      {nullptr, "quorbel", false},
      {"[INTERNET]\nSTATUS=CLOSE\n", "quorbel", false},
      {"[INTERNET]\nSTATUS=OPEN\n", "QUORBEL", false},
      {"[INTERNET]\nSTATUS=OPEN\n", "57460918 ", false},
      {"[INTERNET]\nSTATUS=OPEN\n", "quorbel", true},
      {nullptr, "57460918", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.code << '"');
    QFile::remove(exeDir->settingsPath());
    if (c.file != nullptr) exeDir->WriteSettings(QString::fromLatin1(c.file));
    engineering_mode = false;
    Field(33).setText(QStringLiteral("marker"));  // gone after a rebuild
    OpenDialog();
    EnterCode(QString::fromLatin1(c.code));
    ClickOk();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(dialog->code_field->text().isEmpty());
    EXPECT_EQ(engineering_mode, c.accepted);
    EXPECT_EQ(Field(33).text().isEmpty(), c.accepted);
    EXPECT_TRUE(messages->messages.empty());
  }
}

TEST_F(AccessTest, OkWithAnEmptyFieldStaysOpenEnterClosesIt) {
  OpenDialog();
  ClickOk();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(form->isVisible());
  QTest::keyClick(dialog->code_field->edit, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(engineering_mode);
}

TEST_F(AccessTest, CancelClosesAndTheCodeShowsAsStars) {
  OpenDialog();
  QTest::keyClicks(dialog->code_field->edit, QStringLiteral("5746"));
  EXPECT_EQ(dialog->code_field->edit->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog->code_field->edit->displayText(), QStringLiteral("****"));
  dialog->cancel_button->caption->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(engineering_mode);
}

TEST_F(AccessTest, EnterWithTheCodeRebuildsKeepingWhatTheFileCarries) {
  for (int k : {53, 54}) Field(k).setText(QStringLiteral("%1").arg(4000 + k));
  for (int k = 59; k <= 75; ++k) Field(k).setText(QStringLiteral("t%1").arg(k));
  for (int k = 15; k <= 18; ++k) Choice(k).combo->setCurrentIndex(1);
  Field(33).setText(QStringLiteral("1500"));
  Field(0).setText(QStringLiteral("12.5"));
  Field(56).setText(QStringLiteral("3333"));
  Choice(3).combo->setCurrentIndex(1);
  MainWindow().id_field->setText(QStringLiteral("3"));

  OpenDialog();
  QTest::keyClicks(dialog->code_field->edit, QStringLiteral("57460918"));
  QTest::keyClick(dialog->code_field->edit, Qt::Key_Return);

  ASSERT_TRUE(engineering_mode);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->build()->main_page->tab_captions[3]->isVisible());
  EXPECT_EQ(Field(53).text(), QStringLiteral("4053"));
  EXPECT_EQ(Field(54).text(), QStringLiteral("4054"));
  for (int k = 59; k <= 75; ++k) {
    // Fields 61 and 68 share their keys with 65 and 57's partner 68.
    const int source = k == 61 ? 65 : k;
    EXPECT_EQ(Field(k).text(), QStringLiteral("t%1").arg(source)) << k;
  }
  for (int k = 15; k <= 18; ++k) EXPECT_EQ(Choice(k).combo->currentIndex(), 1) << k;
  EXPECT_EQ(MainWindow().id_field->text(), QStringLiteral("3"));
  // What the file does not carry starts over.
  EXPECT_EQ(Field(33).text(), QString());
  EXPECT_EQ(Field(0).text(), QString());
  EXPECT_EQ(Field(56).text(), QStringLiteral("5000"));
  EXPECT_EQ(Choice(3).combo->currentIndex(), -1);
  EXPECT_EQ(vx_ini(exeDir->settingsPath()).Read("INTERNET", "STATUS", ""), QStringLiteral("CLOSE"));
  // Field 36 moved to the Setting page's right-hand column.
  EXPECT_EQ(Field(36).label->pos(), QPoint(370, 15));
  EXPECT_TRUE(messages->messages.empty());

  // A second code entry rebuilds once more in the same layout.
  OpenDialog();
  EnterCode(QStringLiteral("57460918"));
  ClickOk();
  EXPECT_TRUE(engineering_mode);
  EXPECT_EQ(Field(36).label->pos(), QPoint(370, 15));
  EXPECT_EQ(Field(53).text(), QStringLiteral("4053"));
}

TEST_F(AccessTest, FirstCodeWorksOnceAfterEachEditOfTheFile) {
  exeDir->WriteSettings(QStringLiteral("[INTERNET]\nSTATUS=OPEN\n"));
  OpenDialog();
  EnterCode(QStringLiteral("quorbel"));
  ClickOk();
  EXPECT_TRUE(engineering_mode);
  EXPECT_EQ(vx_ini(exeDir->settingsPath()).Read("INTERNET", "STATUS", ""), QStringLiteral("CLOSE"));
  Field(33).setText(QStringLiteral("marker"));
  OpenDialog();
  EnterCode(QStringLiteral("quorbel"));
  ClickOk();
  EXPECT_EQ(Field(33).text(), QStringLiteral("marker"));  // refused: no rebuild
}

}  // namespace
}  // namespace tavro::test

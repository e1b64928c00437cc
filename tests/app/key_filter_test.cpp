// The fields' key filter, typed into the real window.
#include <QTest>

#include "app/dispatch/operations.h"
#include "app/rules/key_filter.h"
#include "tests/app/app_fixture.h"
#include "widgets/main_window_handles.h"

namespace tavro::test {
namespace {

struct TypingCase {
  const char* moveTo;  // text of field 58 while typing
  int field;
  const char* typed;
  const char* result;
};

const TypingCase kTypingCases[] = {
    // Field 58 empty: everything passes everywhere.
    {"", 0, "ab1", "ab1"},
    {"", 53, "x-1", "x-1"},
    // Field 58 holding text: fields below 70 take numbers only.
    {"0", 0, "a1b.2-", "1.2-"},
    {"0", 53, "Q9", "9"},
    {"0", 69, "PASS 1", "1"},
    {"0", 26, "v1.0", "1.0"},
    // Fields 70 and above take any text.
    {"0", 70, "Lot A-1", "Lot A-1"},
    {"0", 85, "abc", "abc"},
};

TEST_F(MainWindowTest, KeyFilterPassesOrSwallowsByFieldAndMoveTo) {
  Build(true);
  for (const TypingCase& c : kTypingCases) {
    SCOPED_TRACE(testing::Message() << "field " << c.field << " typing " << c.typed);
    Field(58).setText(QString::fromUtf8(c.moveTo));
    QLineEdit* edit = Field(c.field).edit;
    edit->clear();
    edit->setReadOnly(false);
    QTest::keyClicks(edit, QString::fromUtf8(c.typed));
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.result));
  }
}

TEST_F(MainWindowTest, BackspaceAndEditingKeysAlwaysPass) {
  Build();
  QLineEdit* edit = Field(60).edit;
  edit->setText(QStringLiteral("123"));
  edit->setCursorPosition(3);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(edit->text(), QStringLiteral("2"));
}

TEST_F(MainWindowTest, EnterInMoveToStartsMoveToOnly) {
  int moves = 0;
  operations().stage_move_to = [&moves] { ++moves; };
  Build();
  QTest::keyClick(Field(57).edit, Qt::Key_Return);
  QTest::keyClick(Field(75).edit, Qt::Key_Return);
  EXPECT_EQ(moves, 0);
  QTest::keyClick(Field(58).edit, Qt::Key_Return);
  EXPECT_EQ(moves, 1);
  QTest::keyClick(Field(58).edit, Qt::Key_Enter);
  EXPECT_EQ(moves, 2);
  // An empty "Move To" lets every key pass and starts nothing.
  Field(58).setText(QString());
  QTest::keyClick(Field(58).edit, Qt::Key_Return);
  EXPECT_EQ(moves, 2);
}

TEST(FilterFieldKey, Verdicts) {
  struct Case {
    int field;
    int key;
    const char* text;
    bool moveToEmpty;
    KeyVerdict verdict;
  };
  const Case cases[] = {
      {10, Qt::Key_A, "a", true, KeyVerdict::kPass},
      {10, Qt::Key_A, "a", false, KeyVerdict::kSwallow},
      {10, Qt::Key_Space, " ", false, KeyVerdict::kSwallow},
      {10, Qt::Key_Comma, ",", false, KeyVerdict::kSwallow},
      {10, Qt::Key_5, "5", false, KeyVerdict::kPass},
      {10, Qt::Key_Minus, "-", false, KeyVerdict::kPass},
      {10, Qt::Key_Period, ".", false, KeyVerdict::kPass},
      {10, Qt::Key_Backspace, "\b", false, KeyVerdict::kPass},
      {10, Qt::Key_Left, "", false, KeyVerdict::kPass},
      {10, Qt::Key_Return, "\r", false, KeyVerdict::kPass},
      {58, Qt::Key_Return, "\r", false, KeyVerdict::kMoveTo},
      {58, Qt::Key_Enter, "\r", false, KeyVerdict::kMoveTo},
      {58, Qt::Key_Return, "\r", true, KeyVerdict::kPass},
      {69, Qt::Key_X, "x", false, KeyVerdict::kSwallow},
      {70, Qt::Key_X, "x", false, KeyVerdict::kPass},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilterFieldKey(c.field, c.key, QString::fromUtf8(c.text), c.moveToEmpty), c.verdict)
        << "field " << c.field << " key " << c.key;
  }
}

}  // namespace
}  // namespace tavro::test

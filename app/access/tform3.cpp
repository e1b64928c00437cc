#include "app/access/tform3.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QProxyStyle>

#include "app/main_window/tform1.h"
#include "app/rules/access_codes.h"
#include "app/settings/window_settings.h"
#include "app/shell/desktop.h"
#include "app/shell/globals.h"
#include "app/shell/picture_window.h"
#include "widgets/error_guard.h"
#include "widgets/window_shape.h"

namespace tavro {
namespace {

// Every typed character of the code shows as "*".
class AsteriskStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == QStyle::SH_LineEdit_PasswordCharacter) return '*';
    if (hint == QStyle::SH_LineEdit_PasswordMaskDelay) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QObject* parent, std::function<void()> onEnter)
      : QObject(parent), onEnter_(std::move(onEnter)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    RunGuarded(onEnter_);
    return true;
  }

 private:
  std::function<void()> onEnter_;
};

}  // namespace

TForm3::TForm3(TForm1& mainWindow) : mainWindow_(mainWindow) {
  setWindowTitle(QStringLiteral("TAVRO"));
  setFont(mainWindow.font());
  Image1 = DressAsPicture(this, QStringLiteral("style/access_dialog.bmp"));
  connect(Image1, &ClickableLabel::pressed, this, [this] { Image1MouseDown(); });
  CenterOnDesktop(this);
  FormCreate();
}

TForm3::~TForm3() = default;

void TForm3::FormCreate() {
  code_field = std::make_unique<vx_edit>(this, 75, 33, 230, 0, QString(), QString(),
                                         QStringLiteral(" "));
  code_field->unit_label->setAttribute(Qt::WA_TranslucentBackground);
  code_field->unit_label->setAutoFillBackground(false);
  QLineEdit* edit = code_field->edit;
  edit->setEchoMode(QLineEdit::Password);
  auto* style = new AsteriskStyle;
  style->setParent(this);
  edit->setStyle(style);
  edit->installEventFilter(new EnterKeyFilter(this, [this] { password_keyPress(); }));

  ok_button = std::make_unique<vx_ellipse_button>(this, 120, 33, 95, QStringLiteral("OK"), 0);
  cancel_button =
      std::make_unique<vx_ellipse_button>(this, 120, 168, 95, QStringLiteral("Cancel"), 0);
  connect(ok_button->caption, &ClickableLabel::clicked, this,
          [this] { RunGuarded([this] { password(); }); });
  connect(cancel_button->caption, &ClickableLabel::clicked, this,
          [this] { RunGuarded([this] { close(); }); });
}

void TForm3::password() {
  if (code_field->text().isEmpty()) return;
  CheckCodeAndClose();
}

void TForm3::password_keyPress() { CheckCodeAndClose(); }

void TForm3::CheckCodeAndClose() {
  const vx_ini settings(exe_dir() + QString::fromLatin1(kSettingsFileName));
  if (IsAccessCodeAccepted(code_field->text(), InternetStatus(settings))) {
    engineering_mode = true;
    // A rebuild that fails (a skin bitmap missing) shows its error; the
    // dialog still closes and the window shows what was built.
    RunGuarded([this] {
      mainWindow_.FormDestroy();
      mainWindow_.FormCreate();
    });
  }
  code_field->setText(QString());
  close();
}

void TForm3::close() { QWidget::close(); }

void TForm3::closeEvent(QCloseEvent* event) {
  RunGuarded([this] { FormClose(); });
  event->accept();
}

void TForm3::FormClose() { mainWindow_.show(); }

void TForm3::Image1MouseDown() { StartWindowDrag(this); }

}  // namespace tavro

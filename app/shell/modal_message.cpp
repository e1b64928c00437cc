#include "app/shell/modal_message.h"

#include <QApplication>
#include <QMessageBox>

namespace tavro {

void ShowModalMessage(const std::string& text) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QStringLiteral("TAVRO"));
  box.setText(QString::fromStdString(text));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

}  // namespace tavro

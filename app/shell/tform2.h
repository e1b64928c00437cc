#pragma once
// The splash window: shown at start, it hands over to the main window after
// 3000 ms.
#include <QTimer>
#include <QWidget>

#include "widgets/clickable_label.h"

namespace tavro {

class TForm2 : public QWidget {
 public:
  static constexpr int kSplashMs = 3000;

  explicit TForm2(QWidget* mainWindow);

  QTimer Timer1;
  ClickableLabel* Image1 = nullptr;

 private:
  void Timer1Timer();

  QWidget* mainWindow_;
};

}  // namespace tavro

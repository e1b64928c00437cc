#include "app/shell/tform2.h"

#include "app/shell/desktop.h"
#include "app/shell/picture_window.h"
#include "widgets/error_guard.h"

namespace tavro {

TForm2::TForm2(QWidget* mainWindow) : mainWindow_(mainWindow) {
  setWindowTitle(QStringLiteral("TAVRO"));
  Image1 = DressAsPicture(this, QStringLiteral("style/splash.bmp"));
  CenterOnDesktop(this);
  Timer1.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire 5 % early
  Timer1.setInterval(kSplashMs);
  connect(&Timer1, &QTimer::timeout, this, [this] { RunGuarded([this] { Timer1Timer(); }); });
  Timer1.start();
}

void TForm2::Timer1Timer() {
  Timer1.stop();
  hide();
  if (mainWindow_ != nullptr) mainWindow_->show();
}

}  // namespace tavro

#pragma once
// The main window. Apart from its five timers everything is built in code by
// FormCreate, in the layout that `engineering_mode` selects, and discarded
// by FormDestroy, which saves the settings first.
#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/dispatch/dispatcher.h"
#include "app/main_window/window_build.h"

namespace tavro {

class TForm3;

class TForm1 : public QWidget {
 public:
  // The window's size: the designed 738-pixel width and 765-pixel client
  // height plus the title bar the skin replaces.
  static constexpr int kWidth = 738;
  static constexpr int kHeight = 800;

  TForm1();
  ~TForm1() override;

  void FormCreate();
  void FormDestroy();

  // The access dialog the ID field's gesture opens.
  void SetAccessDialog(TForm3* dialog) { accessDialog_ = dialog; }

  // What the current build holds (null between FormDestroy and FormCreate).
  const WindowBuild* build() const { return build_.get(); }

  QTimer Timer1;  // 500 ms: echo data export
  QTimer Timer2;  // 500 ms: echo acquisition
  QTimer Timer3;  // 1000 ms: no handler
  QTimer Timer4;  // 1000 ms: stepped stage run
  QTimer Timer5;  // 1000 ms: monitor log

 private:
  void Timer1Timer();
  void Timer2Timer();
  void Timer4Timer();
  void Timer5Timer();
  void OpenAccessDialog();
  void BuildTitleStrip();
  FormTimers Timers() { return {&Timer1, &Timer2, &Timer4, &Timer5}; }

  std::unique_ptr<WindowBuild> build_;
  TForm3* accessDialog_ = nullptr;
};

}  // namespace tavro

#pragma once
// The access dialog: one code field, "OK" and "Cancel". An accepted code
// switches the main window to its engineering layout.
#include <QWidget>
#include <memory>

#include "widgets/clickable_label.h"
#include "widgets/vx_edit.h"
#include "widgets/vx_ellipse_button.h"

namespace tavro {

class TForm1;

class TForm3 : public QWidget {
 public:
  explicit TForm3(TForm1& mainWindow);
  ~TForm3() override;

  void FormCreate();
  // "OK": an empty field does nothing.
  void password();
  // Enter in the code field: as "OK", without the empty-field check.
  void password_keyPress();
  // "Cancel".
  void close();

  ClickableLabel* Image1 = nullptr;
  std::unique_ptr<vx_edit> code_field;
  std::unique_ptr<vx_ellipse_button> ok_button;
  std::unique_ptr<vx_ellipse_button> cancel_button;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CheckCodeAndClose();
  void FormClose();
  void Image1MouseDown();

  TForm1& mainWindow_;
};

}  // namespace tavro

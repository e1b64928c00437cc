// tavro-skin-preview: builds a sample window from the kit and the rendered
// skin and saves it as a PNG, to look at the skin without the application.
//   tavro-skin-preview OUTPUT.png [EXE_DIR]
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "widgets/bar_gauge.h"
#include "widgets/fonts.h"
#include "widgets/skin.h"
#include "widgets/skin_group_box.h"
#include "widgets/three_slice.h"
#include "widgets/vx_background.h"
#include "widgets/vx_combobox.h"
#include "widgets/vx_edit.h"
#include "widgets/vx_ellipse_button.h"
#include "widgets/vx_page.h"
#include "widgets/vx_richedit.h"

using namespace tavro;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: tavro-skin-preview OUTPUT.png [EXE_DIR]\n");
    return 2;
  }
  if (argc > 2) SetExeDir(QString::fromLocal8Bit(argv[2]));
  InstallFonts();
  QWidget window;
  window.setFont(SkinFont("Tahoma", 8));
  window.resize(738, 800);
  const int page = argc > 3 ? atoi(argv[3]) : 0;
  if (page == 8 || page == 9) {
    // The splash (8) and the access dialog (9): a picture and, on the
    // dialog, its code field and buttons.
    try {
      const QPixmap picture =
          LoadSkinBitmap(page == 8 ? "style/splash.bmp" : "style/access_dialog.bmp");
      window.resize(picture.size());
      NewPicture(&window, picture);
      if (page == 9) {
        vx_edit code(&window, 75, 33, 230, 0, "", "*****", " ");
        new vx_ellipse_button(&window, 120, 33, 95, "OK", 0);
        new vx_ellipse_button(&window, 120, 168, 95, "Cancel", 0);
      }
      window.show();
      app.processEvents();
      return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
      return 1;
    }
  }
  try {
    vx_background background(&window);
    vx_page pages(&window, 140, 16, window.height() - 200, 715);
    pages.showTab(page);
    QWidget* body0 = pages.bodies[0];
    auto* box = new SkinGroupBox(body0, "Output 1_2");
    box->setGeometry(5, 4, 340, 273);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, QColor(248, 248, 248));
    box->setPalette(pal);
    box->setAutoFillBackground(true);
    box->setFont(SkinFont("Tahoma", 11, true));
    const char* labels[] = {"Display", "Distance", "Distance Percentage", "Distance Current",
                            "Peak1 Count"};
    for (int k = 0; k < 5; ++k) {
      new vx_edit(box, 28 + 27 * k, 5, 60, 155, labels[k], QString::number(1234 + k), "");
      new vx_edit(box, 28 + 27 * k, 235, 60, 5, "", "12.5", k == 3 ? "mA" : "mm");
    }
    auto* set = new SkinGroupBox(body0, "Settnig Group");
    set->setGeometry(360, 4, 340, 460);
    set->setPalette(pal);
    set->setAutoFillBackground(true);
    set->setFont(SkinFont("Tahoma", 11, true));
    new vx_edit(set, 15, 20, 100, 180, "Modbus ID", "1", "");
    auto* c = new vx_combobox(set, 42, 20, 100, 180, "Modbus Baudrate", "");
    c->combo->addItems({"1200", "9600"});
    c->combo->setCurrentIndex(1);
    new vx_edit(set, 67, 20, 100, 180, "Max Level", "6000", "mm");
    auto* m = new vx_combobox(set, 93, 20, 100, 180, "Material", "");
    m->combo->addItems({"Solids", "Liquids"});
    m->combo->setCurrentIndex(1);
    QWidget* body1 = pages.bodies[1];
    auto* b1 = new vx_ellipse_button(body1, 70, 300, 80, "Initial", 0);
    b1->caption->setEnabled(false);
    new vx_ellipse_button(body1, 70, 435, 80, "Connect", 0);
    new vx_ellipse_button(body1, 107, 300, 80, "Auto Test", 3);
    new vx_ellipse_button(body1, 342, 475, 68, "懶人按鈕", 0);
    new vx_ellipse_button(body1, 377, 475, 170, "產品日期及序號寫入", 0);
    new vx_edit(body1, 340, 10, 110, 85, "產品名稱", "TDR-100", "");
    auto* log = new vx_richedit(body1, 420, 5, 140, 695);
    for (int i = 0; i < 12; ++i) log->addLine(QString("Step %1: distance 1000 mm, reading 1000.2 mm").arg(i));
    auto* p1 = NewPicture(body0, LoadSkinBitmap("style/tank.bmp"));
    p1->move(355 + 70 - 20, 130);
    auto* s1 = NewPicture(body0, LoadSkinBitmap("style/percentage.bmp"));
    s1->move(355, 160);
    auto* s2 = NewPicture(body0, LoadSkinBitmap("style/percentage.bmp"));
    s2->move(p1->x() + p1->width() - 30, 160);
    for (int i = 0; i < 2; ++i) {
      auto* g = new BarGauge(body0);
      g->setGeometry(386 + 271 * i, 169, 28, 231);
      g->setProgress(40 + 30 * i);
    }
    auto* logo = NewPicture(body0, LoadSkinBitmap("style/gaugelogo.bmp"));
    logo->move(2, body0->height() - logo->height() - 2);
    if (page == 5) set->hide(); else { s1->hide(); s2->hide(); p1->hide(); for (auto* g : body0->findChildren<BarGauge*>()) g->hide(); }
    background.progress_bar->setValue(6);
    window.show();
    app.processEvents();
    QPixmap shot = window.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}

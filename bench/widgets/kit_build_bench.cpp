// Builds a main window's worth of kit controls (the frame and strip, the
// four-tab page, 86 fields, 20 choices, 23 buttons, the log box) offscreen,
// 20 times, and the same number of plain Qt controls without bitmaps as the
// peer. Prints the medians and the ratio kit / peer; also the first build
// from a folder not seen before (every bitmap decoded) against a warm one.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "widgets/fonts.h"
#include "widgets/skin.h"
#include "widgets/vx_background.h"
#include "widgets/vx_combobox.h"
#include "widgets/vx_edit.h"
#include "widgets/vx_ellipse_button.h"
#include "widgets/vx_page.h"
#include "widgets/vx_richedit.h"

namespace {

using namespace tavro;

constexpr int kRuns = 20;
constexpr int kFields = 86, kChoices = 20, kButtons = 23;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2.0;
}

double BuildKit() {
  QElapsedTimer timer;
  timer.start();
  auto window = std::make_unique<QWidget>();
  window->setFont(SkinFont("Tahoma", 8));
  window->resize(738, 800);
  vx_background skin(window.get());
  vx_page page(window.get(), 140, 16, 600, 715);
  std::vector<std::unique_ptr<vx_edit>> fields;
  std::vector<std::unique_ptr<vx_combobox>> choices;
  std::vector<std::unique_ptr<vx_ellipse_button>> buttons;
  for (int k = 0; k < kFields; ++k) {
    fields.push_back(std::make_unique<vx_edit>(page.bodies[k % 4], 20 + 6 * (k / 4), 10, 60, 150,
                                               "Label", "", "mm"));
  }
  for (int k = 0; k < kChoices; ++k) {
    choices.push_back(std::make_unique<vx_combobox>(page.bodies[k % 4], 20 + 25 * (k / 4), 360,
                                                    100, 180, "Choice", ""));
    choices.back()->combo->addItems({"one", "two", "three"});
  }
  for (int k = 0; k < kButtons; ++k) {
    buttons.push_back(std::make_unique<vx_ellipse_button>(page.bodies[k % 4], 400, 10 + 40 * (k / 4),
                                                          80, "Button", 0));
  }
  vx_richedit log(page.bodies[1], 420, 5, 140, 695);
  window->show();
  QCoreApplication::processEvents();
  window.reset();
  return timer.nsecsElapsed() / 1e6;
}

double BuildPeer() {
  QElapsedTimer timer;
  timer.start();
  auto window = std::make_unique<QWidget>();
  window->setFont(SkinFont("Tahoma", 8));
  window->resize(738, 800);
  std::vector<QWidget*> bodies;
  for (int i = 0; i < 4; ++i) {
    bodies.push_back(new QWidget(window.get()));
    bodies.back()->setGeometry(20, 174, 705, 592);
  }
  for (int k = 0; k < kFields; ++k) {
    QWidget* body = bodies[k % 4];
    new QLabel("Label", body);
    for (int i = 0; i < 3; ++i) new QLabel(body);
    new QLineEdit(body);
    new QLabel("mm", body);
  }
  for (int k = 0; k < kChoices; ++k) {
    QWidget* body = bodies[k % 4];
    new QLabel("Choice", body);
    for (int i = 0; i < 4; ++i) new QLabel(body);
    auto* combo = new QComboBox(body);
    combo->setEditable(true);
    combo->addItems({"one", "two", "three"});
    new QFrame(body);
  }
  for (int k = 0; k < kButtons; ++k) {
    for (int i = 0; i < 4; ++i) new QLabel("Button", bodies[k % 4]);
  }
  new QPlainTextEdit(bodies[1]);
  window->show();
  QCoreApplication::processEvents();
  window.reset();
  return timer.nsecsElapsed() / 1e6;
}

bool CopyStyle(const QString& from, const QString& to) {
  QDir().mkpath(to + "/style");
  for (const QString& name : QDir(from + "style").entryList({"*.bmp"}, QDir::Files)) {
    if (!QFile::copy(from + "style/" + name, to + "/style/" + name)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFonts();
  const QString exeDir = ExeDir();

  // Cold: a folder whose bitmaps were never decoded.
  std::vector<double> cold;
  for (int run = 0; run < 5; ++run) {
    QTemporaryDir fresh;
    if (!CopyStyle(exeDir, fresh.path())) {
      std::fprintf(stderr, "cannot copy style/ from %s\n", qPrintable(exeDir));
      return 1;
    }
    SetExeDir(fresh.path());
    cold.push_back(BuildKit());
  }
  SetExeDir(exeDir);
  BuildKit();  // warm the cache
  std::vector<double> kit, peer, ratio;
  for (int run = 0; run < kRuns; ++run) {
    const double k = BuildKit();
    const double p = BuildPeer();
    kit.push_back(k);
    peer.push_back(p);
    ratio.push_back(k / p);
  }
  std::printf("kit build (%d fields, %d choices, %d buttons, frame, page, log): median %.1f ms\n",
              kFields, kChoices, kButtons, Median(kit));
  std::printf("plain Qt peer (same widget count, no bitmaps):                  median %.1f ms\n",
              Median(peer));
  std::printf("ratio kit / peer: %.2f (median of per-run ratios)\n", Median(ratio));
  std::printf("first build from an unseen folder: median %.1f ms, %.2f x a warm build\n",
              Median(cold), Median(cold) / Median(kit));
  return 0;
}

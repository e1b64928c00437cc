// Times FormCreate of the main window and the engineering-layout rebuild
// (FormDestroy, which saves the settings, then FormCreate), 20 runs each,
// offscreen. Prints the medians as ratios to their goals (150 ms, 250 ms)
// and to a peer measured in the same run: the same number of plain Qt
// labels, line edits and combo boxes built on a bare window.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/main_window/tform1.h"
#include "app/shell/globals.h"
#include "link/message_box.h"
#include "widgets/fonts.h"
#include "widgets/skin.h"

namespace {

using namespace tavro;

constexpr int kRuns = 20;

double MedianMs(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const size_t n = samples.size();
  return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
}

// `setup` runs untimed before each timed `work`.
double TimeMedian(const std::function<void()>& setup, const std::function<void()>& work) {
  std::vector<double> samples;
  for (int run = 0; run < kRuns; ++run) {
    setup();
    QElapsedTimer clock;
    clock.start();
    work();
    samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    QCoreApplication::processEvents();
  }
  return MedianMs(samples);
}

// As many stock widgets as the window's numbered controls and their parts:
// per field a label, an edit and a unit label, per choice a label and a
// combo box, per button a label; each with its three frame pictures.
void BuildPeer(QWidget* window) {
  for (int k = 0; k < 86; ++k) {
    new QLabel(QStringLiteral("label"), window);
    new QLineEdit(window);
    new QLabel(QStringLiteral("mm"), window);
    for (int p = 0; p < 3; ++p) new QLabel(window);
  }
  for (int k = 0; k < 20; ++k) {
    new QLabel(QStringLiteral("label"), window);
    auto* combo = new QComboBox(window);
    combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    for (int p = 0; p < 3; ++p) new QLabel(window);
  }
  for (int k = 0; k < 23; ++k) {
    new QLabel(QStringLiteral("caption"), window);
    for (int p = 0; p < 3; ++p) new QLabel(window);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  InstallFonts();
  QTemporaryDir scratch;
  QFile::link(QCoreApplication::applicationDirPath() + QStringLiteral("/style"),
              scratch.filePath(QStringLiteral("style")));
  SetExeDir(scratch.path());
  SetMessageHandler([](const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });

  // Warm-up: the first build decodes the skin bitmaps once.
  {
    TForm1 warm;
    warm.FormCreate();
  }

  std::unique_ptr<TForm1> form;
  engineering_mode = false;
  const double create = TimeMedian([&] { form = std::make_unique<TForm1>(); },
                                   [&] { form->FormCreate(); });
  form.reset();

  engineering_mode = false;
  form = std::make_unique<TForm1>();
  form->FormCreate();
  engineering_mode = true;
  const double rebuild = TimeMedian([] {}, [&] {
    form->FormDestroy();
    form->FormCreate();
  });
  form.reset();

  std::unique_ptr<QWidget> bare;
  const double peer = TimeMedian([&] { bare = std::make_unique<QWidget>(); },
                                 [&] { BuildPeer(bare.get()); });
  bare.reset();

  std::printf("FormCreate (normal layout), median of %d: %.1f ms = %.2f x goal 150 ms, %.2f x peer\n",
              kRuns, create, create / 150.0, create / peer);
  std::printf("engineering rebuild, median of %d:        %.1f ms = %.2f x goal 250 ms, %.2f x peer\n",
              kRuns, rebuild, rebuild / 250.0, rebuild / peer);
  std::printf("peer: %d plain Qt widgets on a bare window, median: %.1f ms\n",
              86 * 6 + 20 * 5 + 23 * 4, peer);
  return create < 150.0 && rebuild < 250.0 ? 0 : 1;
}

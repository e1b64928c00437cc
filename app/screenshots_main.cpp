// Renders the windows offscreen to PNG files for review: the main window in
// both layouts with every page it offers, the splash and the access dialog.
// Usage: tavro_screenshots [output folder]; prints the folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "app/access/tform3.h"
#include "app/main_window/tform1.h"
#include "app/shell/globals.h"
#include "app/shell/startup.h"
#include "app/shell/tform2.h"
#include "link/message_box.h"
#include "widgets/error_guard.h"
#include "widgets/skin.h"

namespace {

using namespace tavro;

bool Save(QWidget& window, const QDir& folder, const QString& name) {
  window.show();
  QCoreApplication::processEvents();
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

const char* const kTabNames[4] = {"parameter", "chart", "calibration", "setting"};

bool SaveMainWindow(const QDir& folder, const char* layout, int tabs) {
  TForm1 form;
  form.FormCreate();
  bool ok = true;
  for (int tab = 0; tab < tabs; ++tab) {
    form.build()->main_page->showTab(tab);
    ok = Save(form, folder, QStringLiteral("main_%1_%2").arg(layout, kTabNames[tab])) && ok;
  }
  form.hide();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString binDir = QCoreApplication::applicationDirPath();
  QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                       : QDir::temp().filePath(QStringLiteral("tavro-screenshots")));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
    return 1;
  }
  // The windows read the skin beside the executable but keep their settings
  // in a scratch folder, so rendering leaves no Setting.ini behind.
  QTemporaryDir scratch;
  QFile::link(binDir + QStringLiteral("/style"), scratch.filePath(QStringLiteral("style")));
  SetExeDir(scratch.path());

  InstallApplicationHooks();
  bool ok = true;
  SetMessageHandler([&ok](const std::string& text) {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    ok = false;
  });
  RunGuarded([&] {
    engineering_mode = false;
    ok = SaveMainWindow(folder, "normal", 2) && ok;
    engineering_mode = true;
    ok = SaveMainWindow(folder, "engineering", 4) && ok;
    TForm1 owner;
    TForm2 splash(&owner);
    splash.Timer1.stop();
    ok = Save(splash, folder, QStringLiteral("splash")) && ok;
    TForm3 dialog(owner);
    dialog.code_field->setText(QStringLiteral("1234"));
    ok = Save(dialog, folder, QStringLiteral("access_dialog")) && ok;
    dialog.hide();
  });
  std::printf("%s\n", qPrintable(QDir(folder).absolutePath()));
  return ok ? 0 : 1;
}

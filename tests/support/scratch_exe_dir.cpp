#include "tests/support/scratch_exe_dir.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include "widgets/skin.h"

namespace tavro::test {

ScratchExeDir::ScratchExeDir() {
  const QString style = QCoreApplication::applicationDirPath() + QStringLiteral("/style");
  EXPECT_TRUE(QFile::link(style, path() + QStringLiteral("style")));
  SetExeDir(path());
}

ScratchExeDir::~ScratchExeDir() { SetExeDir(QCoreApplication::applicationDirPath()); }

void ScratchExeDir::WriteSettings(const QString& text) const {
  QFile file(settingsPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.toUtf8());
}

QString ScratchExeDir::ReadSettings() const {
  QFile file(settingsPath());
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

}  // namespace tavro::test

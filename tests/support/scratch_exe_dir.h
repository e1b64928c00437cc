#pragma once
// A scratch folder standing in for the executable's folder: the real skin is
// linked in, and the settings file the windows write lands here, never in the
// build's bin/.
#include <QString>
#include <QTemporaryDir>

namespace tavro::test {

class ScratchExeDir {
 public:
  ScratchExeDir();
  ~ScratchExeDir();
  ScratchExeDir(const ScratchExeDir&) = delete;
  ScratchExeDir& operator=(const ScratchExeDir&) = delete;

  QString path() const { return dir_.path() + QStringLiteral("/"); }
  QString settingsPath() const { return path() + QStringLiteral("Setting.ini"); }
  // Writes the settings file as it stands (UTF-8).
  void WriteSettings(const QString& text) const;
  QString ReadSettings() const;

 private:
  QTemporaryDir dir_;
};

}  // namespace tavro::test

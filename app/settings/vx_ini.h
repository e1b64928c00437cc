#pragma once
// The settings file wrapper: one INI file in UTF-8. Nothing is cached: every
// Read loads the file and every Write loads, changes and saves it, so what
// the file holds is always what the program sees.
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tavro {

// A write that did not reach the file.
class EIniFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct IniDocument;

class vx_ini {
 public:
  // The path's extension is replaced by ".ini" (a path ending in ".ini"
  // names the same file). Creating the object does not create the file.
  explicit vx_ini(const QString& path);
  ~vx_ini();
  vx_ini(const vx_ini&) = delete;
  vx_ini& operator=(const vx_ini&) = delete;

  const QString& FileName() const { return path_; }
  bool FileExists() const;

  // The value, or `defaultValue` when the file, section or key is absent.
  QString Read(const QString& section, const QString& key, const QString& defaultValue) const;
  // Writes the value, creating file, section or key as needed. Throws
  // EIniFileError when the file cannot be written (a read-only file or
  // folder included); the file then keeps what it held.
  void Write(const QString& section, const QString& key, const QString& value);

  // Every key and value of a section, in file order.
  std::vector<std::pair<QString, QString>> ReadSection(const QString& section) const;

 private:
  bool Load() const;

  QString path_;
  std::unique_ptr<IniDocument> ini_;  // the INI library's document
};

// ChangeFileExt(path, ".ini").
QString WithIniExtension(const QString& path);

}  // namespace tavro

#include "app/settings/vx_ini.h"

#include "app/settings/replace_file.h"

// UTF-8 text in char strings: no wide-character conversion is needed.
#define SI_NO_CONVERSION
// The library is a template; its code is compiled here.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <QFile>
#include <QFileInfo>
#include <list>
#include <string>

namespace tavro {

struct IniDocument {
  // Case-insensitive names, UTF-8 text, one value per key, "key=value" lines
  // as profile files have them.
  CSimpleIniA ini{/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false};
  IniDocument() { ini.SetSpaces(false); }
};

namespace {

// The INI library treats an empty key name as no key at all, so the one key
// that is empty by design (a field without a label) is stored under a
// visible stand-in name.
constexpr char kEmptyKeyName[] = "\"\"";

std::string KeyOnDisk(const QString& key) {
  return key.isEmpty() ? std::string(kEmptyKeyName) : key.toStdString();
}

QString KeyInProgram(const char* key) {
  const QString text = QString::fromUtf8(key);
  return text == QLatin1String(kEmptyKeyName) ? QString() : text;
}

// The owner's write bit decides, as the read-only attribute does on the
// platform the file format comes from; root's right to write anyway is not
// the operator's intent.
bool IsWritableFile(const QFileInfo& info) {
  return (info.permissions() & QFileDevice::WriteOwner) != 0;
}

bool IsWritableFolder(const QFileInfo& info) {
  const QFileInfo folder(info.absolutePath());
  return folder.isDir() && (folder.permissions() & QFileDevice::WriteOwner) != 0;
}

[[noreturn]] void ThrowWriteError(const QString& path, const QString& reason) {
  throw EIniFileError(QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString());
}

}  // namespace

QString WithIniExtension(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > slash ? path.left(dot) : path;
  return stem + QStringLiteral(".ini");
}

vx_ini::vx_ini(const QString& path)
    : path_(WithIniExtension(path)), ini_(std::make_unique<IniDocument>()) {}

vx_ini::~vx_ini() = default;

bool vx_ini::FileExists() const { return QFileInfo(path_).isFile(); }

bool vx_ini::Load() const {
  ini_->ini.Reset();
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  return ini_->ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) >= 0;
}

QString vx_ini::Read(const QString& section, const QString& key,
                     const QString& defaultValue) const {
  if (!Load()) return defaultValue;
  const std::string sectionName = section.toStdString();
  const std::string keyName = KeyOnDisk(key);
  const char* value = ini_->ini.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
  return value == nullptr ? defaultValue : QString::fromUtf8(value);
}

std::vector<std::pair<QString, QString>> vx_ini::ReadSection(const QString& section) const {
  std::vector<std::pair<QString, QString>> entries;
  if (!Load()) return entries;
  const std::string sectionName = section.toStdString();
  CSimpleIniA::TNamesDepend keys;
  if (!ini_->ini.GetAllKeys(sectionName.c_str(), keys)) return entries;
  keys.sort(CSimpleIniA::Entry::LoadOrder());
  for (const CSimpleIniA::Entry& key : keys) {
    const char* value = ini_->ini.GetValue(sectionName.c_str(), key.pItem, "");
    entries.emplace_back(KeyInProgram(key.pItem), QString::fromUtf8(value));
  }
  return entries;
}

void vx_ini::Write(const QString& section, const QString& key, const QString& value) {
  const QFileInfo info(path_);
  const bool exists = info.exists();
  if (exists && !info.isFile()) ThrowWriteError(path_, QStringLiteral("not a file"));
  if (exists && !IsWritableFile(info)) ThrowWriteError(path_, QStringLiteral("the file is read-only"));
  if (!exists && !IsWritableFolder(info)) {
    ThrowWriteError(path_, QStringLiteral("the folder is read-only"));
  }
  // An existing file that cannot be read must not be replaced by a file
  // holding only this one value.
  if (!Load() && exists) ThrowWriteError(path_, QStringLiteral("the file cannot be read"));

  const std::string sectionName = section.toStdString();
  const std::string keyName = KeyOnDisk(key);
  const std::string valueText = value.toStdString();
  if (ini_->ini.SetValue(sectionName.c_str(), keyName.c_str(), valueText.c_str()) < 0) {
    ThrowWriteError(path_, QStringLiteral("out of memory"));
  }
  std::string text;
  if (ini_->ini.Save(text) < 0) ThrowWriteError(path_, QStringLiteral("cannot format the file"));

  QString reason;
  if (!ReplaceFileContents(path_, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                           &reason)) {
    ThrowWriteError(path_, reason);
  }
}

}  // namespace tavro

#include "app/settings/replace_file.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tavro {
namespace {

bool WriteAll(QFile& file, const QByteArray& contents) {
  return file.write(contents) == contents.size() && file.flush();
}

bool RewriteInPlace(const QString& path, const QByteArray& contents, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !WriteAll(file, contents)) {
    *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const QString& path, const QByteArray& contents, QString* error) {
  const QFileInfo info(path);
  // A link keeps pointing at the file it names.
  const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
  const QFileInfo targetInfo(target);

  QTemporaryFile replacement(targetInfo.absolutePath() + QStringLiteral("/.") +
                             targetInfo.fileName() + QStringLiteral(".XXXXXX"));
  if (!replacement.open()) return RewriteInPlace(target, contents, error);
  if (!WriteAll(replacement, contents)) {
    *error = replacement.errorString();
    return false;
  }
  if (targetInfo.exists()) replacement.setPermissions(QFile::permissions(target));
  else replacement.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ReadGroup | QFileDevice::ReadOther);
  replacement.close();
  if (std::rename(QFile::encodeName(replacement.fileName()).constData(),
                  QFile::encodeName(target).constData()) != 0) {
    *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  replacement.setAutoRemove(false);  // it is the file now
  return true;
}

}  // namespace tavro

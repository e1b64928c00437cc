#pragma once
// Replaces a file's contents so that a failure leaves the old contents: the
// new text goes to a file beside it, which then takes the old one's name.
// Where nothing can be created beside it (a read-only folder), the file is
// rewritten in place. No flush to the disk: the settings are written up to
// thirty times in a row, and the rename keeps them whole on its own.
#include <QByteArray>
#include <QString>

namespace tavro {

// False with the reason in `error` when the file could not be written.
bool ReplaceFileContents(const QString& path, const QByteArray& contents, QString* error);

}  // namespace tavro

#pragma once
// The two engineering access codes. The comparison is exact: case and
// blanks count.
#include <QString>

namespace tavro {

// The first code works only while the settings file's "INTERNET" / "STATUS"
// reads "OPEN"; the second always.
bool IsAccessCodeAccepted(const QString& code, const QString& internetStatus);

}  // namespace tavro

#include "connection/cp950.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tavro {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `in`. Where the input does not convert, `replaceBad`
  // decides: false gives nothing, true puts U+FFFD for one byte and goes on.
  std::optional<std::string> Run(std::string_view in, bool replaceBad) {
    std::string out;
    char* source = const_cast<char*>(in.data());
    size_t sourceLeft = in.size();
    char buffer[256];
    while (sourceLeft > 0) {
      char* target = buffer;
      size_t targetLeft = sizeof buffer;
      const size_t result = iconv(cd_, &source, &sourceLeft, &target, &targetLeft);
      out.append(buffer, static_cast<size_t>(target - buffer));
      if (result != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ: an invalid sequence; EINVAL: a sequence cut off at the end.
      if (!replaceBad) return std::nullopt;
      out += kReplacement;
      ++source;
      --sourceLeft;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> EncodeCp950(const QString& text) {
  Converter converter("CP950", "UTF-8");
  if (!converter.ok()) return std::nullopt;
  const QByteArray utf8 = text.toUtf8();
  return converter.Run(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), false);
}

QString DecodeCp950(std::string_view bytes) {
  bytes = bytes.substr(0, std::min(bytes.size(), strnlen(bytes.data(), bytes.size())));
  Converter converter("UTF-8", "CP950");
  if (!converter.ok()) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::optional<std::string> utf8 = converter.Run(bytes, true);
  return QString::fromStdString(utf8.value_or(std::string()));
}

}  // namespace tavro

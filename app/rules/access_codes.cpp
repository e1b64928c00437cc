#include "app/rules/access_codes.h"

namespace tavro {
namespace {

constexpr char kServiceCode[] = "quorbel";
constexpr char kFactoryCode[] = "57460918";

}  // namespace

bool IsAccessCodeAccepted(const QString& code, const QString& internetStatus) {
  if (code == QLatin1String(kServiceCode) && internetStatus == QLatin1String("OPEN")) return true;
  return code == QLatin1String(kFactoryCode);
}

}  // namespace tavro

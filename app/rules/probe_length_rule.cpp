#include "app/rules/probe_length_rule.h"

#include "link/message_box.h"
#include "widgets/conversion.h"
#include "widgets/main_window_handles.h"
#include "widgets/number_format.h"

namespace tavro {

std::optional<QString> ToleranceFor(const QString& probeLength) {
  int32_t length = 0;
  try {
    length = StrToInt(probeLength);
  } catch (const EConvertError&) {
    return std::nullopt;
  }
  const double tolerance = length > 5000 ? length * 0.001 : 5.0;
  return FormatFloat(QStringLiteral("###0.000"), tolerance);
}

void ApplyProbeLength() {
  vx_edit& tolerance = Field(kToleranceField);
  const QString length = Field(kProbeLengthField).text();
  if (length.isEmpty()) {
    tolerance.setText(QString());
    return;
  }
  const std::optional<QString> text = ToleranceFor(length);
  if (!text) {
    ShowMessage("數值異常");
    return;
  }
  tolerance.setText(*text);
  tolerance.edit->setReadOnly(true);
}

}  // namespace tavro

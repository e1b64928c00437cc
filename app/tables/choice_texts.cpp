#include "app/tables/choice_texts.h"

#include <span>

#include "link/enum_lists.h"

namespace tavro {
namespace {

QStringList ListOf(std::span<const std::string_view> items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (std::string_view item : items) {
    list.append(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
  }
  return list;
}

// "COM1" ... "COM15": the ports of the stage and the multimeter.
QStringList InstrumentPorts() {
  QStringList list;
  for (int n = 1; n <= 15; ++n) list.append(QStringLiteral("COM%1").arg(n));
  return list;
}

}  // namespace

const std::array<std::string_view, kParamChoiceCount> choice_labels{
    "Modbus Baudrate", "Display Context 1", "Display Context 2", "Output Current mode 1",
    "Output Current mode 2", "Probe Type", "Unit", "Language", "Filter Level", "Material",
    "Application", "Dielectric Const.", "HART Communcation", "Background AutoSave",
    "Function Select", "Table Type", "Motor Port", "Output Select", "HP Port", "TM",
};

QStringList ApplicationItems(bool solids) {
  return solids ? ListOf(enums::kApplicationSolid) : ListOf(enums::kApplicationLiquid);
}

QStringList DielectricItems(bool solids) {
  return solids ? ListOf(enums::kDielectricSolid) : ListOf(enums::kDielectricLiquid);
}

QStringList ChoiceItems(int choice) {
  switch (choice) {
    case 0: return ListOf(enums::kModbusBaudrate);
    case 1:
    case 2: return ListOf(enums::kDisplayContext);
    case 3:
    case 4: return ListOf(enums::kCurrentMode);
    case 5: return ListOf(enums::kProbeType);
    case 6: return ListOf(enums::kUnit);
    case 7: return ListOf(enums::kLanguage);
    case 8: return ListOf(enums::kFilterLevel);
    case 9: return ListOf(enums::kMaterial);
    case 10: return ApplicationItems(false);
    case 11: return DielectricItems(false);
    case 12: return ListOf(enums::kHartCommunication);
    case 13: return ListOf(enums::kBackgroundAutoSave);
    case 14: return ListOf(enums::kFunctionSelect);
    case 15: return {QStringLiteral("6m"), QStringLiteral("4m"), QStringLiteral("2m")};
    case 16:
    case 18: return InstrumentPorts();
    case 17: return {QStringLiteral("Output 1"), QStringLiteral("Output 2")};
    case 19:
      return {QStringLiteral("1 min"), QStringLiteral("5 min"), QStringLiteral("10 min"),
              QStringLiteral("30 min"), QStringLiteral("60 min")};
    default: return {};
  }
}

}  // namespace tavro

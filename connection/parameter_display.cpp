// The parameter half of the display refresh: every numeric parameter field
// in its format, then the selectors by their registers.
#include <QStringList>
#include <span>
#include <string_view>

#include "connection/display_formats.h"
#include "connection/display_refresh.h"
#include "connection/parameter_choices.h"
#include "connection/parameter_fields.h"
#include "connection/window_controls.h"
#include "link/enum_lists.h"

namespace tavro {
namespace {

QStringList Items(std::span<const std::string_view> items) {
  QStringList list;
  for (std::string_view item : items) {
    list << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
  }
  return list;
}

void Refill(int choice, std::span<const std::string_view> items, uint16_t selected) {
  QComboBox* box = ChoiceBox(choice);
  if (box == nullptr) return;
  box->clear();
  box->addItems(Items(items));
  box->setCurrentIndex(selected);
}

// "Application" and "Dielectric Const." offer the lists of the material that
// "Material" shows now.
void RefillByMaterial(const LiveReadings& r) {
  switch (ChoiceIndex(kMaterialChoice)) {
    case enums::kMaterialSolids:
      Refill(kApplicationChoice, enums::kApplicationSolid, r.applicationSolid);
      Refill(kDielectricChoice, enums::kDielectricSolid, r.dielectricSolid);
      break;
    case enums::kMaterialLiquids:
      Refill(kApplicationChoice, enums::kApplicationLiquid, r.applicationLiquid);
      Refill(kDielectricChoice, enums::kDielectricLiquid, r.dielectricLiquid);
      break;
    default:
      break;
  }
}

}  // namespace

void ShowParameterHalf(const LiveReadings& r) {
  for (const ParameterField& parameter : kParameterFields) {
    SetFieldText(parameter.field, ShowParameter(r, parameter));
  }
  if (const std::optional<int> baud = BaudRateIndex(r.modbusBaud)) {
    SetChoiceIndex(kModbusBaudrateChoice, *baud);
  }
  SetChoiceIndex(kDisplayContextChoice[0], r.displayContext[0]);
  SetChoiceIndex(kDisplayContextChoice[1], r.displayContext[1]);
  SetChoiceIndex(kCurrentModeChoice[0], r.currentMode[0]);
  SetChoiceIndex(kCurrentModeChoice[1], r.currentMode[1]);
  SetChoiceIndex(kProbeTypeChoice, r.probeType);
  SetChoiceIndex(kUnitChoice, r.unit);
  SetChoiceIndex(kLanguageChoice, r.language);
  SetChoiceIndex(kFilterLevelChoice, FilterLevelIndex(r.filterLevel));
  SetChoiceIndex(kMaterialChoice, r.material);
  RefillByMaterial(r);
  SetChoiceIndex(kFunctionSelectChoice, r.functionSelect);
  SetChoiceIndex(kHartCommunicationChoice, r.hartCommunication);
  SetChoiceIndex(kBackgroundAutoSaveChoice, r.backgroundAutoSave);
}

}  // namespace tavro

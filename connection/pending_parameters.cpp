#include "connection/pending_parameters.h"

#include <cstring>

#include "connection/parameter_choices.h"
#include "connection/parameter_fields.h"
#include "link/enum_lists.h"
#include "link/register_map.h"

namespace tavro {
namespace {

constexpr size_t kBlockOffset = (reg::kParameterBlockFirst - reg::kMirrorFirst) * 2u;
constexpr size_t kBlockBytes = reg::kParameterBlockCount * 2u;

void StoreFields(PendingParameters& image, const LiveReadings& readings,
                 const ParameterPage& page) {
  for (int field : kConversionOrder) {
    const ParameterField& parameter = ParameterFieldOf(field);
    const QString& text = page.fields[static_cast<size_t>(field)];
    if (text == ShowParameter(readings, parameter)) continue;
    StoreParameter(image, parameter, text);
  }
}

// A selected index goes into its register; no selection leaves it.
void StoreIndex(PendingParameters& image, uint16_t reg, int index, int factor = 1) {
  if (index >= 0) image.SetWord(reg, static_cast<uint16_t>(index * factor));
}

void StoreChoices(PendingParameters& image, const ParameterPage& page) {
  const auto choice = [&page](int k) { return page.choices[static_cast<size_t>(k)]; };
  const int baud = choice(kModbusBaudrateChoice);
  if (baud >= 0 && baud < static_cast<int>(enums::kModbusBaudRates.size())) {
    image.modbusBaud = enums::kModbusBaudRates[static_cast<size_t>(baud)];
  }
  StoreIndex(image, reg::displayContext, choice(kDisplayContextChoice[0]));
  StoreIndex(image, reg::displayContext + 1, choice(kDisplayContextChoice[1]));
  StoreIndex(image, reg::currentMode, choice(kCurrentModeChoice[0]));
  StoreIndex(image, reg::currentMode + 1, choice(kCurrentModeChoice[1]));
  StoreIndex(image, reg::probeType, choice(kProbeTypeChoice));
  StoreIndex(image, reg::unit, choice(kUnitChoice));
  StoreIndex(image, reg::language, choice(kLanguageChoice));
  StoreIndex(image, reg::filterLevel, choice(kFilterLevelChoice), 10);
  StoreIndex(image, reg::material, choice(kMaterialChoice));
  StoreIndex(image, reg::functionSelect, choice(kFunctionSelectChoice));
  StoreIndex(image, reg::hartCommunication, choice(kHartCommunicationChoice));
  StoreIndex(image, reg::backgroundAutoSave, choice(kBackgroundAutoSaveChoice));
  switch (choice(kMaterialChoice)) {
    case enums::kMaterialLiquids:
      StoreIndex(image, reg::applicationLiquid, choice(kApplicationChoice));
      StoreIndex(image, reg::dielectricLiquid, choice(kDielectricChoice));
      break;
    case enums::kMaterialSolids:
      StoreIndex(image, reg::applicationSolid, choice(kApplicationChoice));
      StoreIndex(image, reg::dielectricSolid, choice(kDielectricChoice));
      break;
    default:
      break;
  }
}

}  // namespace

uint16_t AutomaticTriggerLevel(uint16_t material, uint16_t dielectricLiquid,
                               uint16_t dielectricSolid) {
  if (material == enums::kMaterialSolids) return dielectricSolid == 2 ? 60 : 20;
  switch (dielectricLiquid) {
    case 1: return 60;
    case 2: return 100;
    default: return 20;
  }
}

bool WriteBlockDiffers(const RegisterImage& a, const RegisterImage& b) {
  return std::memcmp(a.Bytes() + kBlockOffset, b.Bytes() + kBlockOffset, kBlockBytes) != 0;
}

PendingWrite BuildPendingParameters(const LiveReadings& readings, const ParameterPage& page) {
  PendingWrite write;
  PendingParameters& image = write.image;
  image = readings;
  StoreFields(image, readings, page);
  StoreChoices(image, page);

  if (image.material != readings.material || image.dielectricLiquid != readings.dielectricLiquid ||
      image.dielectricSolid != readings.dielectricSolid) {
    const uint16_t level =
        AutomaticTriggerLevel(image.material, image.dielectricLiquid, image.dielectricSolid);
    image.triggerLevelSetting = level;
    write.automaticTriggerLevel = level;
  }

  write.changed = WriteBlockDiffers(image, readings);
  if (write.changed) {
    write.commSettingsChanged =
        image.modbusId != readings.modbusId || image.modbusBaud != readings.modbusBaud;
    image.commitFlag0 = 1;
    image.commitFlag1 = 1;
  }
  return write;
}

}  // namespace tavro

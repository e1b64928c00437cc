#include "app/rules/material_rule.h"

#include "app/tables/choice_texts.h"
#include "link/enum_lists.h"
#include "link/live_readings.h"
#include "widgets/main_window_handles.h"

namespace tavro {
namespace {

void Refill(QComboBox* combo, const QStringList& items, int index) {
  combo->clear();
  combo->addItems(items);
  combo->setCurrentIndex(index < combo->count() ? index : -1);
}

}  // namespace

void ApplyMaterial() {
  const bool solids = Choice(9).combo->currentIndex() == enums::kMaterialSolids;
  const LiveReadings& readings = liveReadings();
  Refill(Choice(10).combo, ApplicationItems(solids),
         solids ? readings.applicationSolid : readings.applicationLiquid);
  Refill(Choice(11).combo, DielectricItems(solids),
         solids ? readings.dielectricSolid : readings.dielectricLiquid);
}

}  // namespace tavro

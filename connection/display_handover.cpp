#include "connection/display_handover.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <memory>

#include "connection/display_refresh.h"
#include "widgets/main_window_handles.h"

namespace tavro {

void PostDisplayRefresh(const LiveReadings& readings, DisplayHalves halves) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  auto copy = std::make_shared<const LiveReadings>(readings);
  QMetaObject::invokeMethod(
      app,
      [copy, halves] {
        ShowLiveHalf(*copy);
        if (halves == DisplayHalves::kLiveAndParameters) ShowParameterHalf(*copy);
      },
      Qt::QueuedConnection);
}

void PostProgressStep() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  QMetaObject::invokeMethod(app, [] { StepProgressBar(); }, Qt::QueuedConnection);
}

}  // namespace tavro

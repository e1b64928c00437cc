#pragma once
// The captions and enabled states of the title strip's link buttons, which
// are part of the link state. Each call goes to the running window (it may
// have been rebuilt during a wait); without a window nothing happens and a
// caption reads empty.
#include <QString>

#include "widgets/main_window_handles.h"

namespace tavro {

inline const QString kCaptionHart = QStringLiteral("Hart");
inline const QString kCaptionModbus = QStringLiteral("Modbus");
inline const QString kCaptionStop = QStringLiteral("Stop");
inline const QString kCaptionSync = QStringLiteral("Sync");
inline const QString kCaptionStopSync = QStringLiteral("Stop Sync");

QString StripCaption(StripButton button);
void SetStripCaption(StripButton button, const QString& caption);
void EnableStripButton(StripButton button, bool enabled);

}  // namespace tavro

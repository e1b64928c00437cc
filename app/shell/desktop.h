#pragma once
#include <QWidget>

namespace tavro {

// Places a top-level window in the middle of the primary screen's work area.
void CenterOnDesktop(QWidget* window);

}  // namespace tavro

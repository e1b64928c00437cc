#pragma once
// One handler for every page button (by its Tag), one for every choice
// change the operator makes, one for every field change.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace tavro {

// The main window's timers the operations run on.
struct FormTimers {
  QTimer* timer1 = nullptr;  // echo data export, 500 ms
  QTimer* timer2 = nullptr;  // echo acquisition, 500 ms
  QTimer* timer4 = nullptr;  // stepped stage run, 1000 ms
  QTimer* timer5 = nullptr;  // monitor log, 1000 ms
};

// A tag outside 0..22 does nothing.
void DispatchButton(int tag, const FormTimers& timers);

// Runs only for a pick of the operator, never for a selection the program sets.
void DispatchChoiceChange(int choice);

void DispatchFieldChange(int field);

// Enter in "Move To": the same operation as button 4.
void StartMoveTo();

}  // namespace tavro

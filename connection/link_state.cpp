#include "connection/link_state.h"

#include "connection/link_objects.h"

namespace tavro {

bool modbusSyncActive = false;
bool commSettingsChanged = false;
bool hartMonitorStopped = true;
unsigned consecutiveFailures = 0;
bool programExiting = false;

void ResetLinkStateForNewWindow() {
  modbusSyncActive = false;
  programExiting = false;
  transmitterLink().Close();
}

}  // namespace tavro

// Where each subsystem plugs its operations into the window. A subsystem
// that lands adds its lines here; what is not listed is not built yet.
#include "app/dispatch/operations.h"
#include "connection/exit_program.h"
#include "connection/link_state.h"
#include "connection/modbus_link.h"
#include "connection/product_data.h"
#include "connection/sync.h"
#include "connection/transmitter_commands.h"

namespace tavro {

Operations WiredOperations() {
  Operations ops;
  // Transmitter connection. "Hart" waits for the HART link.
  ops.modbus_link = ToggleModbusLink;
  ops.sync = ToggleSync;
  ops.exit_program = ExitProgram;
  ops.reset_link_state = ResetLinkStateForNewWindow;
  ops.write_product_data = WriteProductData;
  ops.reset_transmitter = SendResetCommand;
  ops.research_transmitter = SendResearchCommand;
  return ops;
}

Operations& operations() {
  static Operations ops = WiredOperations();
  return ops;
}

}  // namespace tavro

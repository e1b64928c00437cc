// Where each subsystem plugs its operations into the window. A subsystem
// that lands adds its lines here; what is not listed is not built yet.
#include "app/dispatch/exit_program.h"
#include "app/dispatch/operations.h"

namespace tavro {

Operations WiredOperations() {
  Operations ops;
  ops.exit_program = ExitProgram;
  return ops;
}

Operations& operations() {
  static Operations ops = WiredOperations();
  return ops;
}

}  // namespace tavro

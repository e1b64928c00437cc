#include "app/shell/globals.h"

namespace tavro {

bool engineering_mode = false;

}  // namespace tavro

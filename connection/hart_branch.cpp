#include "connection/hart_branch.h"

namespace tavro {

HartBranch& hartBranch() {
  static HartBranch branch;
  return branch;
}

}  // namespace tavro

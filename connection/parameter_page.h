#pragma once
// The running window's parameter page as the parameter write reads it.
#include "connection/pending_parameters.h"

namespace tavro {

ParameterPage ReadParameterPage();

}  // namespace tavro

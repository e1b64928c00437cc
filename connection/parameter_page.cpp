#include "connection/parameter_page.h"

#include "connection/parameter_fields.h"
#include "connection/window_controls.h"

namespace tavro {

ParameterPage ReadParameterPage() {
  ParameterPage page;
  for (const ParameterField& parameter : kParameterFields) {
    page.fields[static_cast<size_t>(parameter.field)] = FieldText(parameter.field);
  }
  for (int k = 0; k < kParameterChoiceCount; ++k) page.choices[static_cast<size_t>(k)] = ChoiceIndex(k);
  return page;
}

}  // namespace tavro

#include "resources/layouts/components/component_layouts.h"

namespace resources {

const char* const MainFormComponentLayout = ":/layouts/MainForm.components";

} // namespace resources

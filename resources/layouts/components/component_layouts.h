#pragma once

namespace resources {

// The main window's component layout, for platform::LoadComponentLayout.
extern const char* const MainFormComponentLayout;

} // namespace resources

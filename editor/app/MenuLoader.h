// vt_init: loads the application's menu (group "VANTORELL", file "vt" beside the module) once per
// session, quietly: command echo and dialogs are off while MENULOAD runs and the user's values
// are put back afterwards.
#pragma once

namespace vantorell {
inline constexpr const char* kMenuGroup = "VANTORELL";
inline constexpr const char* kMenuFile = "vt";

// RTNORM; also when the menu could not be loaded (the host has said why).
int loadMenu();
}  // namespace vantorell

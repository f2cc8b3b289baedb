// Menu groups: whether a menu group is loaded in the session (MENULOAD loads one from a menu file,
// MENUUNLOAD drops it). Names compare case-insensitively.
#pragma once
#include "rx/Adesk.h"

Adesk::Boolean acedIsMenuGroupLoaded(const char* groupName);

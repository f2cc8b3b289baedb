// What link creation asks through the user interface: whether to create a style in a drawing that
// has none, and the style manager in picking mode, which answers the chosen style.
#pragma once
#include "db/AcDbObjectId.h"

namespace vantorell {
// The question of string 1 with the caption of string 2; true for Yes.
bool askToCreateStyle();
// Runs the style manager for choosing a style; true (with the style) when the user chose one.
bool pickStyleInManager(AcDbObjectId& chosen);
}  // namespace vantorell

// The dialog action "picture <file.png|file.svg>": writes the open dialog's picture. Installed
// into the framework's dialog actions by startHost, since the framework sits below the pictures.
// A name that is no picture's is refused like any bad action; a file that cannot be written is
// reported and the dialog goes on.
#pragma once
#include <string>

#include "ui/WinDef.h"

namespace vthost::ui {

bool pictureAction(HWND dialog, const std::string& arguments, std::string& refusal);
void installDialogPictureAction();

}  // namespace vthost::ui

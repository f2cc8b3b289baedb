// The bodies of the application's commands. Each returns true when the command succeeded (its
// transaction is ended) and false when it failed or was cancelled (its transaction is aborted).
#pragma once

namespace vantorell {
bool linkCreateCommand();
// Removes every link stored on the selected source entities; labels keep their last text.
bool linkRemoveCommand();
bool styleManagerCommand();
bool aboutCommand();
// Updates the queued self links now.
bool updateCommand();
}  // namespace vantorell

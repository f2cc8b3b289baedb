// The application's command group and the transaction every command body runs in: a body that
// returns true has its transaction ended, false aborts it (undoing what it changed).
#pragma once

namespace vantorell {

inline constexpr const char* kCommandGroup = "Orvane_Vantorell_Commands";

void registerCommandTable();
void removeCommandTable();

}  // namespace vantorell

// A test switch of the selection sets: acedSSLength answers RTERROR for every set, as it would for
// a set the host has already freed. Set through boot/Switches.h. Host-internal.
#pragma once

namespace vthost {
void failSelectionLength(bool fails);
}  // namespace vthost

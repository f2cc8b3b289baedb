// CECOLOR, the colour that the drawing commands give new entities: a text in the drawing's header
// ("BYLAYER", "BYBLOCK" or a colour number "1".."255"), checked and normalised here for SETVAR,
// the COLOR command and acedSetVar, and read back as the entity colour index it stands for.
#pragma once
#include <string>

#include "rx/Adesk.h"

namespace vthost {

// The stored text for a typed colour: BYLAYER or BYBLOCK in any case, a number from 1 to 255, or
// one of the names red, yellow, green, cyan, blue, magenta, white (stored as 1..7). False, text
// unchanged, for anything else.
bool normalizedColorText(const std::string& typed, std::string& text);
// The entity colour index of a stored text: 256 for BYLAYER, 0 for BYBLOCK, 1..255; 256 for a
// text that is none of these (a damaged header).
Adesk::UInt16 colorIndexOfText(const std::string& text);
// The working drawing's CECOLOR as an entity colour index (256 without a working drawing).
Adesk::UInt16 currentColorIndex();

}  // namespace vthost

// The host's CHPROP command in its command-line form: for a selection, the Color (a number from 0
// to 256, or a name: BYBLOCK, red, yellow, green, cyan, blue, magenta, white, BYLAYER) and the
// LAyer (a name; the stand-in keeps layers as names on the entities, without a layer table), asked
// again until Enter. A colour that is neither is refused (a script stops). COLOR sets the colour
// that new entities take (CECOLOR): BYLAYER, BYBLOCK, a number from 1 to 255 or a colour's name.
#include <cstdlib>
#include <string>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "db/HeaderVariables.h"
#include "ed/CommandLine.h"
#include "ed/CurrentColor.h"
#include "ed/SystemVariables.h"
#include "ed/UserInput.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// The colour index a typed answer names, or -1.
int colorIndexOf(const std::string& typed) {
    static const char* const kNames[] = {"BYBLOCK", "RED", "YELLOW", "GREEN", "CYAN", "BLUE", "MAGENTA", "WHITE"};
    std::string name = upperAscii(typed);
    if (name == "BYLAYER") return 256;
    for (int i = 0; i < 8; ++i)
        if (name == kNames[i]) return i;
    char* end = nullptr;
    long number = std::strtol(typed.c_str(), &end, 10);
    if (typed.empty() || *end != '\0' || number < 0 || number > 256) return -1;
    return static_cast<int>(number);
}

// Asks until a colour is typed; -1 when cancelled or refused in a script.
int askColor() {
    for (;;) {
        char typed[132] = "";
        if (acedGetString(0, "\nEnter new color <BYLAYER>: ", typed) != RTNORM) return -1;
        int index = colorIndexOf(typed[0] == '\0' ? "BYLAYER" : typed);
        if (index >= 0) return index;
        if (commandLine().reject("Invalid color.")) return -1;
    }
}

bool changeColor(const std::vector<AcDbObjectId>& ids) {
    int index = askColor();
    if (index < 0) return false;
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) { e->setColorIndex(static_cast<Adesk::UInt16>(index)); });
    return true;
}

bool changeLayer(const std::vector<AcDbObjectId>& ids) {
    char name[132] = "";
    if (acedGetString(0, "\nEnter new layer name <0>: ", name) != RTNORM) return false;
    std::string layer = name[0] == '\0' ? "0" : name;
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) { e->setLayer(layer.c_str()); });
    return true;
}

void chpropCommand() {
    std::vector<AcDbObjectId> ids;
    if (!selectObjects(ids)) return;
    for (;;) {
        acedInitGet(0, "Color LAyer");
        char option[132] = "";
        int status = acedGetKword("\nEnter property to change [Color/LAyer]: ", option);
        if (status != RTNORM) return;
        std::string chosen = option;
        if (chosen == "Color" ? !changeColor(ids) : chosen == "LAyer" ? !changeLayer(ids) : true) return;
    }
}

std::string currentColorText() {
    HeaderValue value;
    const std::string* text = findVariable("CECOLOR", value) ? std::get_if<std::string>(&value) : nullptr;
    return text ? *text : "BYLAYER";
}

// Asks until a colour is typed (Enter keeps the current one) and sets CECOLOR through acedSetVar,
// so that editor reactors hear of it and the drawing's undo group records it.
void colorCommand() {
    for (;;) {
        std::string prompt = "\nEnter default object color <" + currentColorText() + ">: ";
        char typed[132] = "";
        if (acedGetString(0, prompt.c_str(), typed) != RTNORM || typed[0] == '\0') return;
        std::string text;
        if (normalizedColorText(typed, text)) {
            resbuf value{};
            value.restype = RTSTR;
            value.resval.rstring = text.data();
            acedSetVar("CECOLOR", &value);
            return;
        }
        if (commandLine().reject("Invalid color. Enter BYLAYER, BYBLOCK, a number from 1 to 255 or a color name."))
            return;
    }
}

}  // namespace

void registerPropertyCommands() {
    addHostCommand("CHPROP", chpropCommand);
    addHostCommand("COLOR", colorCommand);
}

}  // namespace vthost

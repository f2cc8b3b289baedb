#include "ed/CurrentColor.h"

#include <variant>

#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/HeaderVariables.h"

namespace vthost {

namespace {

// 1..255 written with digits only; -1 otherwise.
int colorNumber(const std::string& text) {
    if (text.empty() || text.size() > 3) return -1;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= 255 ? number : -1;
}

}  // namespace

bool normalizedColorText(const std::string& typed, std::string& text) {
    static const char* const kNames[] = {"RED", "YELLOW", "GREEN", "CYAN", "BLUE", "MAGENTA", "WHITE"};
    std::string name = upperAscii(typed);
    if (name == "BYLAYER" || name == "BYBLOCK") return text = name, true;
    for (int i = 0; i < 7; ++i)
        if (name == kNames[i]) return text = std::to_string(i + 1), true;
    int number = colorNumber(typed);
    if (number < 0) return false;
    text = std::to_string(number);
    return true;
}

Adesk::UInt16 colorIndexOfText(const std::string& text) {
    if (text == "BYBLOCK") return 0;
    int number = colorNumber(text);
    return number < 0 ? 256 : static_cast<Adesk::UInt16>(number);
}

Adesk::UInt16 currentColorIndex() {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    const HeaderValue* value = db ? db->headerVariables().find("CECOLOR") : nullptr;
    const std::string* text = value ? std::get_if<std::string>(value) : nullptr;
    return text ? colorIndexOfText(*text) : 256;
}

}  // namespace vthost

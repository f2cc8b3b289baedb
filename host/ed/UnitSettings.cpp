#include "ed/UnitSettings.h"

#include <cstring>

#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "ut/AdsCodes.h"

namespace vthost {

namespace {
const HeaderVariables* workingHeader() {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    return db ? &db->headerVariables() : nullptr;
}
}  // namespace

LinearUnitSettings currentLinearSettings() {
    LinearUnitSettings settings;
    if (const HeaderVariables* header = workingHeader()) {
        settings.lunits = header->getShort("LUNITS", 2);
        settings.luprec = header->getShort("LUPREC", 4);
        settings.dimzin = header->getShort("DIMZIN", 0);
        settings.unitmode = header->getShort("UNITMODE", 0);
    }
    return settings;
}

AngularUnitSettings currentAngularSettings() {
    AngularUnitSettings settings;
    if (const HeaderVariables* header = workingHeader()) {
        settings.aunits = header->getShort("AUNITS", 0);
        settings.auprec = header->getShort("AUPREC", 0);
    }
    return settings;
}

}  // namespace vthost

extern "C" int acdbRToS(double val, int unit, int prec, char* str) {
    if (str == nullptr) return RTERROR;
    std::string text;
    int result = vthost::formatLinear(val, unit, prec, vthost::currentLinearSettings(), text);
    std::memcpy(str, text.c_str(), text.size() + 1);
    return result;
}

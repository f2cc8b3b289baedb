#include "ed/SystemVariables.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>

#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "ed/AcEditor.h"
#include "ed/CurrentColor.h"
#include "ed/CurrentSpace.h"
#include "ent/AcDbViewport.h"

namespace vthost {

namespace {

double (*g_clock)() = nullptr;

std::map<std::string, HeaderValue>& sessionVariables() {
    static std::map<std::string, HeaderValue> vars = {
        {"CMDECHO", short{1}}, {"CMDDIA", short{1}}, {"ERRNO", short{0}}, {"FILEDIA", short{1}},
        {"PICKBOX", short{3}},
    };
    return vars;
}

struct Range {
    short low, high;
};

// Integer variables whose values the host checks.
const std::map<std::string, Range>& ranges() {
    static const std::map<std::string, Range> limits = {
        {"LUNITS", {1, 5}}, {"LUPREC", {0, 8}}, {"DIMZIN", {0, 15}}, {"UNITMODE", {0, 1}},
        {"AUNITS", {0, 4}}, {"AUPREC", {0, 8}}, {"TILEMODE", {0, 1}}, {"CMDECHO", {0, 1}},
        {"CMDDIA", {0, 1}}, {"PICKBOX", {0, 50}}, {"FILEDIA", {0, 1}},
    };
    return limits;
}

HeaderVariables* workingHeader() {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    return db ? &db->headerVariables() : nullptr;
}

bool toValue(const resbuf* val, HeaderValue& value) {
    switch (val->restype) {
        case RTSHORT: value = val->resval.rint; return true;
        case RTREAL: value = val->resval.rreal; return true;
        case RTSTR: value = std::string(val->resval.rstring ? val->resval.rstring : ""); return true;
        case RT3DPOINT:
        case RTPOINT:
            value = AcGePoint3d(val->resval.rpoint[0], val->resval.rpoint[1],
                                val->resval.rpoint[2]);
            return true;
        default: return false;
    }
}

void fromValue(const HeaderValue& value, resbuf* result) {
    result->rbnext = nullptr;
    if (const short* s = std::get_if<short>(&value)) {
        result->restype = RTSHORT;
        result->resval.rint = *s;
    } else if (const double* d = std::get_if<double>(&value)) {
        result->restype = RTREAL;
        result->resval.rreal = *d;
    } else if (const std::string* text = std::get_if<std::string>(&value)) {
        result->restype = RTSTR;
        result->resval.rstring = static_cast<char*>(std::malloc(text->size() + 1));
        std::memcpy(result->resval.rstring, text->c_str(), text->size() + 1);
    } else {
        const auto& p = std::get<AcGePoint3d>(value);
        result->restype = RT3DPOINT;
        result->resval.rpoint[0] = p.x, result->resval.rpoint[1] = p.y, result->resval.rpoint[2] = p.z;
    }
}

// A viewport of paper space that is on and has the number.
bool viewportIsOn(short number) {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    AcDbBlockTableRecord* paper = nullptr;
    if (db == nullptr || acdbOpenObject(paper, db->paperSpaceId(), AcDb::kForRead) != Acad::eOk) return false;
    bool found = false;
    for (const AcDbObjectId& id : paper->entityIds()) {
        AcDbViewport* viewport = nullptr;
        if (acdbOpenObject(viewport, id, AcDb::kForRead) != Acad::eOk) continue;
        found = found || (viewport->number() == number && viewport->isOn());
        viewport->close();
    }
    paper->close();
    return found;
}

// CVPORT: 2 in model space; in a layout 1 (paper space) or the number of a viewport that is on.
int setViewport(short number) {
    HeaderVariables* header = workingHeader();
    if (header == nullptr) return RTERROR;
    bool tiled = header->getShort("TILEMODE", 1) == 1;
    if (tiled ? number != 2 : (number != 1 && !viewportIsOn(number))) return RTERROR;
    setCurrentViewport(number);
    return RTNORM;
}

// CECOLOR takes only a colour (see CurrentColor.h), stored in its normal form.
int setCurrentColor(const HeaderValue& value) {
    const std::string* typed = std::get_if<std::string>(&value);
    std::string text;
    HeaderVariables* header = workingHeader();
    if (typed == nullptr || header == nullptr || !normalizedColorText(*typed, text)) return RTERROR;
    return header->set("CECOLOR", text) ? RTNORM : RTERROR;
}

int setValue(const std::string& key, const HeaderValue& value) {
    const short* number = std::get_if<short>(&value);
    if (number != nullptr) {
        auto range = ranges().find(key);
        if (range != ranges().end() && (*number < range->second.low || *number > range->second.high))
            return RTERROR;
    }
    if (key == "CVPORT") return number ? setViewport(*number) : RTERROR;
    if (key == "CECOLOR") return setCurrentColor(value);
    HeaderVariables* header = workingHeader();
    if (header != nullptr && header->find(key) != nullptr) {
        if (!header->set(key, value)) return RTERROR;
        if (key == "TILEMODE") setCurrentViewport(*number == 1 ? 2 : 1);
        return RTNORM;
    }
    auto it = sessionVariables().find(key);
    if (it == sessionVariables().end() || it->second.index() != value.index()) return RTERROR;
    it->second = value;
    return RTNORM;
}

}  // namespace

double julianDateNow() {
    if (g_clock != nullptr) return g_clock();
    using namespace std::chrono;
    double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return 2440587.5 + seconds / 86400.0;
}

void setJulianClock(double (*clock)()) { g_clock = clock; }

std::vector<std::string> variableNames() {
    std::vector<std::string> names = {"CVPORT", "DATE"};
    if (HeaderVariables* header = workingHeader())
        for (const auto& [name, value] : header->all()) names.push_back(name);
    for (const auto& [name, value] : sessionVariables()) names.push_back(name);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool findVariable(const std::string& name, HeaderValue& value) {
    std::string key = upperAscii(name);
    if (key == "DATE") {
        value = julianDateNow();
        return true;
    }
    if (key == "CVPORT") {
        value = currentViewport();
        return true;
    }
    if (HeaderVariables* header = workingHeader()) {
        if (const HeaderValue* found = header->find(key)) {
            value = *found;
            return true;
        }
    }
    auto it = sessionVariables().find(key);
    if (it == sessionVariables().end()) return false;
    value = it->second;
    return true;
}

}  // namespace vthost

int acedGetVar(const char* sym, resbuf* result) {
    if (sym == nullptr || result == nullptr) return RTERROR;
    vthost::HeaderValue value;
    if (!vthost::findVariable(sym, value)) return RTERROR;
    vthost::fromValue(value, result);
    return RTNORM;
}

// Every change but ERRNO's is announced to the editor reactors before and after.
int acedSetVar(const char* sym, const resbuf* val) {
    using namespace vthost;
    if (sym == nullptr || val == nullptr) return RTERROR;
    std::string key = upperAscii(sym);
    HeaderValue value;
    if (!toValue(val, value)) return RTERROR;
    AcEditor* editor = key == "ERRNO" ? nullptr : acedEditor;
    if (editor) editor->notifyEditorReactors([&](AcEditorReactor* r) { r->sysVarWillChange(key.c_str()); });
    int status = setValue(key, value);
    if (editor)
        editor->notifyEditorReactors([&](AcEditorReactor* r) { r->sysVarChanged(key.c_str(), status == RTNORM); });
    return status;
}

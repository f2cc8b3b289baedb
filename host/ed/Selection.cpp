#include "ed/Selection.h"

#include <algorithm>
#include <map>
#include <vector>

#include "ap/AcApDocManager.h"
#include "ap/DocumentState.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbEntity.h"
#include "db/HeaderVariables.h"
#include "ed/CommandLine.h"
#include "ed/CurrentSpace.h"
#include "ed/EditorInput.h"
#include "ed/InputParser.h"
#include "ed/InputRequest.h"
#include "ed/SelectionSwitches.h"
#include "ed/SystemVariables.h"
#include "ed/UserInput.h"
#include "ent/EntityGeometry.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

using IdList = std::vector<AcDbObjectId>;

constexpr long kSetMarker = 0x5353;  // second long of a selection set's name
constexpr short kErrnoPickMissed = 7;
constexpr short kErrnoNullInput = 52;

std::map<long, IdList>& sets() {
    static std::map<long, IdList> open;
    return open;
}
long g_nextSet = 1;

double pickbox() {
    HeaderValue value;
    if (findVariable("PICKBOX", value))
        if (const short* s = std::get_if<short>(&value)) return *s;
    return 3.0;
}

template <class F>
bool withEntity(AcDbObjectId id, F fn) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return false;
    bool result = fn(entity);
    entity->close();
    return result;
}

AcDbObjectId pickAt(const AcGePoint3d& p) {
    AcDbObjectId best;
    double bestDistance = pickbox();
    for (const AcDbObjectId& id : currentSpaceEntities()) {
        withEntity(id, [&](AcDbEntity* e) {
            double d = distanceToEntity(e, p);
            if (d <= bestDistance) best = id, bestDistance = d;
            return true;
        });
    }
    return best;
}

// The entity of the current space with that handle: looked up in the drawing, not searched for,
// so that naming an entity costs the same however many the space holds.
AcDbObjectId byHandle(unsigned long handle) {
    AcDbObjectId space = currentSpaceId();
    AcDbDatabase* db = space.database();
    AcDbObjectId id;
    if (db == nullptr || db->getAcDbObjectId(id, false, AcDbHandle(handle)) != Acad::eOk || id.isErased())
        return AcDbObjectId::kNull;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return AcDbObjectId::kNull;
    bool inSpace = entity->ownerId() == space;
    entity->close();
    return inSpace ? id : AcDbObjectId::kNull;
}

IdList inWindow(const AcGePoint3d& a, const AcGePoint3d& b, bool crossing) {
    Extents window = windowOf(a, b);
    IdList found;
    for (const AcDbObjectId& id : currentSpaceEntities())
        if (withEntity(id, [&](AcDbEntity* e) { return crossing ? crossesWindow(e, window) : insideWindow(e, window); }))
            found.push_back(id);
    return found;
}

IdList previousSelection() {
    AcApDocument* doc = acDocManager ? acDocManager->curDocument() : nullptr;
    IdList ids;
    if (doc != nullptr)
        for (const AcDbObjectId& id : doc->state().previousSelection)
            if (!id.isErased() && id.isValid()) ids.push_back(id);
    return ids;
}

int makeSet(const IdList& ids, ads_name ss) {
    if (ids.empty()) return RTERROR;
    if (sets().size() >= kMaxSelectionSets) return RTERROR;
    long key = g_nextSet++;
    sets()[key] = ids;
    if (AcApDocument* doc = acDocManager ? acDocManager->curDocument() : nullptr)
        doc->state().previousSelection = ids;
    ss[0] = key, ss[1] = kSetMarker;
    return RTNORM;
}

const IdList* findSet(const ads_name ss) {
    if (ss == nullptr || ss[1] != kSetMarker) return nullptr;
    auto it = sets().find(ss[0]);
    return it == sets().end() ? nullptr : &it->second;
}

bool readCorners(AcGePoint3d& a, AcGePoint3d& b) {
    ads_point p1, p2;
    if (acedGetPoint(nullptr, "\nSpecify first corner: ", p1) != RTNORM) return false;
    if (acedGetPoint(p1, "\nSpecify opposite corner: ", p2) != RTNORM) return false;
    a = AcGePoint3d(p1[0], p1[1], p1[2]);
    b = AcGePoint3d(p2[0], p2[1], p2[2]);
    return true;
}

// One answer at the "Select objects:" prompt: what it names, or false for input not understood.
bool interpretSelection(const std::string& text, IdList& named, bool& cancelled) {
    std::string word = upperAscii(text);
    AcGePoint3d a, b;
    unsigned long handle = 0;
    if (word == "W" || word == "WINDOW" || word == "C" || word == "CROSSING") {
        if (!readCorners(a, b)) return cancelled = true;
        named = inWindow(a, b, word[0] == 'C');
    } else if (word == "L" || word == "LAST") {
        if (AcDbObjectId last = lastEntity(); !last.isNull()) named.push_back(last);
    } else if (word == "P" || word == "PREVIOUS") {
        named = previousSelection();
    } else if (word == "ALL") {
        named = currentSpaceEntities();
    } else if (parseHandle(text, handle)) {
        if (AcDbObjectId id = byHandle(handle); !id.isNull()) named.push_back(id);
    } else if (AcGePoint3d lastPt, p; lastPoint(lastPt), parsePoint(text, &lastPt, p)) {
        if (AcDbObjectId id = pickAt(p); !id.isNull()) named.push_back(id);
    } else {
        return false;
    }
    return true;
}

void report(const IdList& named, IdList& chosen, bool removing) {
    std::size_t before = chosen.size();
    for (const AcDbObjectId& id : named) {
        bool present = std::find(chosen.begin(), chosen.end(), id) != chosen.end();
        if (removing && present) std::erase(chosen, id);
        if (!removing && !present) chosen.push_back(id);
    }
    std::size_t changed = removing ? before - chosen.size() : chosen.size() - before;
    std::size_t duplicates = named.size() - changed;
    if (removing)
        acutPrintf("\n%zu found, %zu removed, %zu total", named.size(), changed, chosen.size());
    else if (duplicates > 0)
        acutPrintf("\n%zu found (%zu duplicate), %zu total", named.size(), duplicates, chosen.size());
    else
        acutPrintf("\n%zu found", named.size());
}

int interactiveSelection(ads_name ss) {
    IdList chosen;
    bool removing = false;
    for (;;) {
        std::string text;
        clearInput();
        takeInputOptions();
        auto read = commandLine().read(removing ? "\nRemove objects: " : "\nSelect objects: ", false, text);
        if (read != CommandLine::Read::kAnswer) return RTCAN;
        if (text.empty()) break;
        std::string word = upperAscii(text);
        if (word == "R" || word == "REMOVE" || word == "A" || word == "ADD") {
            removing = word[0] == 'R';
            continue;
        }
        IdList named;
        bool cancelled = false;
        if (!interpretSelection(text, named, cancelled)) {
            if (commandLine().reject("*Invalid selection*\nExpects a point or Window/Crossing/Last/Previous/ALL/Add/Remove"))
                return RTCAN;
            continue;
        }
        if (cancelled) return RTCAN;
        report(named, chosen, removing);
    }
    return makeSet(chosen, ss);
}

AcGePoint3d pointOf(const void* p) {
    const double* values = static_cast<const double*>(p);
    return AcGePoint3d(values[0], values[1], values[2]);
}

}  // namespace

int openSelectionSets() { return static_cast<int>(sets().size()); }

}  // namespace vthost

using namespace vthost;

int acedEntSel(const char* prompt, ads_name entres, ads_point ptres) {
    if (entres == nullptr || ptres == nullptr) return RTERROR;
    InputOptions options = takeInputOptions();
    AcDbObjectId picked;
    AcGePoint3d at;
    InputRequest request{prompt ? prompt : "\nSelect object: ", false, false,
                         [&](const std::string& text) -> std::optional<std::string> {
                             unsigned long handle = 0;
                             AcGePoint3d last;
                             bool hasLast = lastPoint(last);
                             if (options.keywords.match(text) >= 0) return std::string("keyword");
                             if (upperAscii(text) == "L" || upperAscii(text) == "LAST") {
                                 picked = lastEntity();
                                 return std::nullopt;
                             }
                             if (parseHandle(text, handle)) {
                                 picked = byHandle(handle);
                                 return std::nullopt;
                             }
                             if (!parsePoint(text, hasLast ? &last : nullptr, at))
                                 return std::string("Invalid point or option keyword.");
                             picked = pickAt(at);
                             return std::nullopt;
                         }};
    int status = askUser(request, options);
    if (status == RTNONE) {
        setErrno(kErrnoNullInput);
        return RTERROR;
    }
    if (status != RTNORM) return status;
    if (picked.isNull()) {
        setErrno(kErrnoPickMissed);
        return RTERROR;
    }
    entres[0] = picked.asOldId(), entres[1] = 0;
    ptres[0] = at.x, ptres[1] = at.y, ptres[2] = at.z;
    return RTNORM;
}

int acedSSGet(const char* str, const void* pt1, const void* pt2, const resbuf*, ads_name ss) {
    if (ss == nullptr) return RTERROR;
    if (sets().size() >= kMaxSelectionSets) return RTERROR;
    if (str == nullptr) return interactiveSelection(ss);
    std::string mode = upperAscii(str);
    IdList ids;
    if (mode == "X" || mode == "ALL") {
        ids = currentSpaceEntities();
    } else if (mode == "L") {
        if (AcDbObjectId last = lastEntity(); !last.isNull()) ids.push_back(last);
    } else if (mode == "P") {
        ids = previousSelection();
    } else if ((mode == "W" || mode == "C") && pt1 != nullptr && pt2 != nullptr) {
        ids = inWindow(pointOf(pt1), pointOf(pt2), mode == "C");
    } else if (mode != "I") {
        return RTERROR;
    }
    return makeSet(ids, ss);
}

int acedSSFree(const ads_name sname) {
    if (findSet(sname) == nullptr) return RTERROR;
    sets().erase(sname[0]);
    return RTNORM;
}

namespace {
bool g_selectionLengthFails = false;
}  // namespace

void vthost::failSelectionLength(bool fails) {
    g_selectionLengthFails = fails;
}

int acedSSLength(const ads_name sname, long* len) {
    const IdList* set = findSet(sname);
    if (set == nullptr || len == nullptr || g_selectionLengthFails) return RTERROR;
    *len = static_cast<long>(set->size());
    return RTNORM;
}

int acedSSName(const ads_name ss, long i, ads_name entres) {
    const IdList* set = findSet(ss);
    if (set == nullptr || entres == nullptr || i < 0 || i >= static_cast<long>(set->size())) return RTERROR;
    entres[0] = (*set)[static_cast<std::size_t>(i)].asOldId(), entres[1] = 0;
    return RTNORM;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName) {
    if (objName == nullptr || objName[1] != 0) return Acad::eInvalidAdsName;
    AcDbObjectId id;
    id.setFromOldId(objName[0]);
    if (id.isNull() || !id.isValid()) return Acad::eInvalidAdsName;
    objId = id;
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId) {
    if (objId.isNull()) return Acad::eNullObjectId;
    objName[0] = objId.asOldId(), objName[1] = 0;
    return Acad::eOk;
}

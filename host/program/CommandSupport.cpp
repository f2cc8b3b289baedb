#include "program/CommandSupport.h"

#include <cstdio>

#include "ap/AcApDocManager.h"
#include "db/AcDbSymbolTable.h"
#include "ed/AcEdCommandStack.h"
#include "ed/CurrentColor.h"
#include "ed/CurrentSpace.h"
#include "ed/EditorInput.h"
#include "ed/Selection.h"
#include "ed/UnitSettings.h"
#include "ed/UserInput.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbObjectIterator.h"
#include "ge/AcGeMatrix3d.h"
#include "ut/AcUtil.h"

namespace vthost {

AcApDocument* currentDrawing() { return acDocManager ? acDocManager->curDocument() : nullptr; }

AcDbObjectId addEntity(AcDbEntity* entity) {
    entity->setColorIndex(currentColorIndex());
    return appendEntity(entity);
}

AcDbObjectId appendEntity(AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    AcDbObjectId id;
    if (acdbOpenObject(space, currentSpaceId(), AcDb::kForWrite) != Acad::eOk) {
        delete entity;
        return id;
    }
    if (space->appendAcDbEntity(id, entity) == Acad::eOk)
        entity->close();
    else
        delete entity;
    space->close();
    return id;
}

namespace {

// A new reference like source (block, placement, colour, layer) without its attributes.
AcDbBlockReference* bareReferenceLike(const AcDbBlockReference* source) {
    auto* copy = new AcDbBlockReference(source->position(), source->blockTableRecord());
    copy->setScaleFactors(source->scaleFactors());
    copy->setRotation(source->rotation());
    copy->setColorIndex(source->colorIndex(), false);
    char* layer = source->layer();
    copy->setLayer(layer);
    acutDelString(layer);
    return copy;
}

// Copies of the reference's attributes, appended to copy (database-resident, open for write).
void copyAttributes(const AcDbBlockReference* source, AcDbBlockReference* copy) {
    AcDbObjectIterator* it = source->attributeIterator();
    for (it->start(); !it->done(); it->step()) {
        AcDbAttribute* attribute = nullptr;
        if (acdbOpenObject(attribute, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
        auto* duplicate = AcDbAttribute::cast(attribute->clone());
        attribute->close();
        if (duplicate == nullptr) continue;
        if (copy->appendAttribute(duplicate) == Acad::eOk) duplicate->close();
        else delete duplicate;
    }
    delete it;
}

}  // namespace

AcDbObjectId appendCopy(AcDbBlockTableRecord* owner, const AcDbEntity* source, const AcGeMatrix3d& xform) {
    AcDbObjectId id;
    const auto* reference = AcDbBlockReference::cast(source);
    bool bare = reference && reference->isA() == AcDbBlockReference::desc();
    AcDbEntity* copy = bare ? bareReferenceLike(reference) : AcDbEntity::cast(source->clone());
    if (copy == nullptr) return id;
    if (owner->appendAcDbEntity(id, copy) != Acad::eOk) {
        delete copy;
        return AcDbObjectId();
    }
    if (bare) copyAttributes(reference, AcDbBlockReference::cast(copy));
    copy->transformBy(xform);
    copy->close();
    return id;
}

std::string distanceText(double value) {
    char text[400];
    if (acdbRToS(value, -1, -1, text) != RTNORM) std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string pointText(const AcGePoint3d& p) {
    return "X=" + distanceText(p.x) + "  Y=" + distanceText(p.y) + "  Z=" + distanceText(p.z);
}

int askPoint(const std::string& prompt, AcGePoint3d& point, const AcGePoint3d* base) {
    ads_point from{0, 0, 0}, result{0, 0, 0};
    if (base) from[0] = base->x, from[1] = base->y, from[2] = base->z;
    int status = acedGetPoint(base ? from : nullptr, prompt.c_str(), result);
    if (status == RTNORM) point = AcGePoint3d(result[0], result[1], result[2]);
    return status;
}

int askDistance(const std::string& prompt, double& value, const AcGePoint3d* base, int flags,
                const char* keywords) {
    acedInitGet(flags, keywords);
    ads_point from{0, 0, 0};
    if (base) from[0] = base->x, from[1] = base->y, from[2] = base->z;
    double answer = value;
    int status = acedGetDist(base ? from : nullptr, prompt.c_str(), &answer);
    if (status == RTNORM) value = answer;
    return status == RTNONE ? RTNORM : status;
}

void takeSelectionSet(ads_name set, std::vector<AcDbObjectId>& ids) {
    long length = 0;
    acedSSLength(set, &length);
    for (long i = 0; i < length; ++i) {
        ads_name entity;
        AcDbObjectId id;
        if (acedSSName(set, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk) ids.push_back(id);
    }
    acedSSFree(set);
}

bool selectObjects(std::vector<AcDbObjectId>& ids) {
    ads_name set;
    if (acedSSGet(nullptr, nullptr, nullptr, nullptr, set) != RTNORM) return false;
    takeSelectionSet(set, ids);
    return !ids.empty();
}

void forEachEntity(const std::vector<AcDbObjectId>& ids, AcDb::OpenMode mode,
                   const std::function<void(AcDbEntity*)>& fn) {
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, mode) != Acad::eOk) continue;
        fn(entity);
        entity->close();
    }
}

std::string keywordAnswer() {
    char text[132] = "";
    acedGetInput(text);
    return text;
}

void addHostCommand(const char* name, void (*function)(), bool session) {
    acedRegCmds->addCommand(VTHOST_HOST_GROUP, name, name, session ? ACRX_CMD_SESSION : ACRX_CMD_MODAL, function);
}

}  // namespace vthost

#include "SampleLinks.h"

#include "db/AcDbDictionary.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbPolyline.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "module/OpenedObject.h"
#include "readers/PropertyReaders.h"
#include "style/AcPropertyLinkStyle.h"

namespace vtsample {

using vantorell::OpenedObject;

namespace {
// Stores object under key in the dictionary and closes it; a refused object is deleted.
AcDbObjectId putIn(AcDbObjectId dictionaryId, const char* key, AcDbObject* object) {
    OpenedObject<AcDbObject> held(object);
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForWrite);
    AcDbObjectId id;
    if (!dictionary || dictionary->setAt(key, object, id) != Acad::eOk) return AcDbObjectId();
    return id;
}
}  // namespace

AcDbObjectId addToModelSpace(AcDbDatabase& db, AcDbEntity* entity) {
    OpenedObject<AcDbEntity> held(entity);
    OpenedObject<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    if (!space || space->appendAcDbEntity(id, entity) != Acad::eOk) return AcDbObjectId();
    return id;
}

AcDbObjectId addRoom(AcDbDatabase& db, double width, double depth) {
    auto* room = new AcDbPolyline();
    const double corners[4][2] = {{0, 0}, {width, 0}, {width, depth}, {0, depth}};
    for (unsigned i = 0; i < 4; ++i) room->addVertexAt(i, AcGePoint2d(corners[i][0], corners[i][1]));
    room->setClosed(true);
    return addToModelSpace(db, room);
}

AcDbObjectId stylesDictionary(AcDbDatabase& db) {
    AcDbObjectId id;
    {
        OpenedObject<AcDbDictionary> named(db.namedObjectsDictionaryId(), AcDb::kForRead);
        if (!named) return id;
        if (named->getAt(kStylesDictionaryKey, id) == Acad::eOk) return id;
    }
    return putIn(db.namedObjectsDictionaryId(), kStylesDictionaryKey, new AcDbDictionary());
}

AcDbObjectId addStyle(AcDbDatabase& db, const char* name, AcPropertyReader* reader,
                      AcContentModifier* modifier, const char* macro, const char* description) {
    auto* style = new AcPropertyLinkStyle();
    style->setPropertyReader(reader);
    style->setContentModifier(modifier);
    style->setPostProcessingMacro(macro);
    style->setDescription(description);
    return putIn(stylesDictionary(db), name, style);
}

AcDbObjectId addAreaTextStyle(AcDbDatabase& db, const char* name, const char* macro) {
    return addStyle(db, name, new AcAreaReader(), new AcTextModifier(), macro);
}

AcDbObjectId storeLink(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style) {
    OpenedObject<AcDbEntity> entity(source, AcDb::kForWrite);
    if (!entity) return AcDbObjectId();
    if (entity->extensionDictionary().isNull()) entity->createExtensionDictionary();
    auto* link = new AcPropertyLink();
    link->setLinkedObj(label);
    link->setStyle(style);
    AcDbObjectId linkId = putIn(entity->extensionDictionary(), "*U", link);
    if (linkId.isNull()) return linkId;
    entity->addPersistentReactor(linkId);
    entity->recordGraphicsModified(true);
    return linkId;
}

}  // namespace vtsample

#include "SampleLinks.h"

#include "db/AcDbDictionary.h"
#include "db/AcDbEntity.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "style/AcPropertyLinkStyle.h"

namespace vtsample {

namespace {
AcDbObjectId stylesDictionary(AcDbDatabase& db) {
    AcDbDictionary* named = nullptr;
    db.getNamedObjectsDictionary(named, AcDb::kForWrite);
    AcDbObjectId stylesId;
    if (named->getAt("ORVN_Vantorell_Styles", stylesId) != Acad::eOk) {
        auto* styles = new AcDbDictionary();
        named->setAt("ORVN_Vantorell_Styles", styles, stylesId);
        styles->close();
    }
    named->close();
    return stylesId;
}
}  // namespace

AcDbObjectId addAreaTextStyle(AcDbDatabase& db, const char* name, const char* macro) {
    AcDbDictionary* styles = nullptr;
    acdbOpenObject(styles, stylesDictionary(db), AcDb::kForWrite);
    auto* style = new AcPropertyLinkStyle();
    style->setPropertyReader(new AcAreaReader());
    style->setContentModifier(new AcTextModifier());
    style->setPostProcessingMacro(macro);
    AcDbObjectId id;
    styles->setAt(name, style, id);
    style->close();
    styles->close();
    return id;
}

AcDbObjectId storeLink(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style) {
    auto* link = new AcPropertyLink();
    link->setLinkedObj(label);
    link->setStyle(style);
    AcDbEntity* entity = nullptr;
    acdbOpenObject(entity, source, AcDb::kForWrite);
    if (entity->extensionDictionary().isNull()) entity->createExtensionDictionary();
    AcDbDictionary* extension = nullptr;
    acdbOpenObject(extension, entity->extensionDictionary(), AcDb::kForWrite);
    AcDbObjectId linkId;
    extension->setAt("*U", link, linkId);
    entity->addPersistentReactor(linkId);
    link->close();
    extension->close();
    entity->close();
    return linkId;
}

}  // namespace vtsample

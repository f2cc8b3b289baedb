#include "DrawingTestSupport.h"

#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "ut/AcUtil.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbText.h"
#include "link/AcPropertyLink.h"
#include "style/AcPropertyLinkStyle.h"

namespace vttest {

void DrawingTest::SetUp() {
    db = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(db.get());
}

void DrawingTest::TearDown() {
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    db.reset();
}

AcDbObjectId DrawingTest::add(AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    space->close();
    return id;
}

AcDbObjectId DrawingTest::addStyle(const char* name, AcPropertyReader* reader,
                                   AcContentModifier* modifier, const char* macro) {
    AcDbDictionary* named = nullptr;
    EXPECT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId stylesId;
    if (named->getAt("ORVN_Vantorell_Styles", stylesId) != Acad::eOk) {
        auto* styles = new AcDbDictionary();
        named->setAt("ORVN_Vantorell_Styles", styles, stylesId);
        styles->close();
    }
    named->close();
    AcDbDictionary* styles = nullptr;
    EXPECT_EQ(acdbOpenObject(styles, stylesId, AcDb::kForWrite), Acad::eOk);
    auto* style = new AcPropertyLinkStyle();
    style->setPropertyReader(reader);
    style->setContentModifier(modifier);
    style->setPostProcessingMacro(macro);
    AcDbObjectId id;
    EXPECT_EQ(styles->setAt(name, style, id), Acad::eOk);
    style->close();
    styles->close();
    return id;
}

AcDbObjectId DrawingTest::link(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style) {
    auto* link = new AcPropertyLink();
    link->setLinkedObj(label);
    link->setStyle(style);
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenObject(entity, source, AcDb::kForWrite), Acad::eOk);
    if (entity->extensionDictionary().isNull()) entity->createExtensionDictionary();
    AcDbDictionary* extension = nullptr;
    EXPECT_EQ(acdbOpenObject(extension, entity->extensionDictionary(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId linkId;
    EXPECT_EQ(extension->setAt("*U", link, linkId), Acad::eOk);
    entity->addPersistentReactor(linkId);
    entity->recordGraphicsModified(true);
    link->close();
    extension->close();
    entity->close();
    return linkId;
}

std::string DrawingTest::textOf(AcDbObjectId id) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return "<unopenable>";
    char* text = nullptr;
    if (auto* single = AcDbText::cast(entity)) text = single->textString();
    if (auto* multi = AcDbMText::cast(entity)) text = multi->contents();
    std::string result = text ? text : "<none>";
    acutDelString(text);
    entity->close();
    return result;
}

void DrawingTest::erase(AcDbObjectId id) {
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite), Acad::eOk);
    object->erase();
    object->close();
}

}  // namespace vttest

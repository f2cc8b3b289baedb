#include "DrawingTestSupport.h"

#include "SampleLinks.h"

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
    AcDbObjectId id = vtsample::addToModelSpace(*db, entity);
    EXPECT_FALSE(id.isNull());
    return id;
}

AcDbObjectId DrawingTest::addStyle(const char* name, AcPropertyReader* reader,
                                   AcContentModifier* modifier, const char* macro) {
    AcDbObjectId id = vtsample::addStyle(*db, name, reader, modifier, macro);
    EXPECT_FALSE(id.isNull());
    return id;
}

AcDbObjectId DrawingTest::link(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style) {
    AcDbObjectId id = vtsample::storeLink(source, label, style);
    EXPECT_FALSE(id.isNull());
    return id;
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

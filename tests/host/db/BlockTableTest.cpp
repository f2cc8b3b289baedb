// The block table of a new drawing, appending entities to a block, and walking it.
#include <vector>

#include "DbTestSupport.h"
#include "db/AcDbSymbolTable.h"

namespace vthost::test {
namespace {

class BlockTableTest : public DbTest {
protected:
    AcDbObjectId append() {
        auto* block = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForWrite);
        auto* entity = new VtTestEntity();
        AcDbObjectId id;
        EXPECT_EQ(block->appendAcDbEntity(id, entity), Acad::eOk);
        EXPECT_EQ(entity->blockId(), db->modelSpaceId());
        entity->close();
        block->close();
        return id;
    }
    std::vector<AcDbObjectId> walk(AcDbObjectId blockId, bool skipDeleted) {
        auto* block = open<AcDbBlockTableRecord>(blockId, AcDb::kForRead);
        AcDbBlockTableRecordIterator* it = nullptr;
        EXPECT_EQ(block->newIterator(it, true, skipDeleted), Acad::eOk);
        std::vector<AcDbObjectId> ids;
        AcDbObjectId id;
        for (; it->getEntityId(id) == Acad::eOk; it->step(true, skipDeleted)) ids.push_back(id);
        delete it;
        block->close();
        return ids;
    }
};

TEST_F(BlockTableTest, NewDrawingHasModelAndPaperSpace) {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db->getBlockTable(table, AcDb::kForRead), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(table->getAt(ACDB_MODEL_SPACE, id), Acad::eOk);
    EXPECT_EQ(id, db->modelSpaceId());
    EXPECT_EQ(table->getAt("*paper_space", id), Acad::eOk);
    EXPECT_EQ(id, db->paperSpaceId());
    EXPECT_EQ(table->getAt("NOBLOCK", id), Acad::eKeyNotFound);
    AcDbBlockTableRecord* record = nullptr;
    ASSERT_EQ(table->getAt(ACDB_MODEL_SPACE, record, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(record->isLayout());
    EXPECT_EQ(record->ownerId(), db->blockTableId());
    record->close();
    table->close();
}

TEST_F(BlockTableTest, IteratorSkipsErasedEntitiesWhenAsked) {
    AcDbObjectId first = append();
    AcDbObjectId second = append();
    AcDbObjectId third = append();
    erase(second);
    EXPECT_EQ(walk(db->modelSpaceId(), true), (std::vector<AcDbObjectId>{first, third}));
    EXPECT_EQ(walk(db->modelSpaceId(), false), (std::vector<AcDbObjectId>{first, second, third}));
    EXPECT_TRUE(walk(db->paperSpaceId(), true).empty());
}

// Fault pinned here: a name lookup opened each record for read, so a record that someone had
// open for write was not found, and add() then let a second record take the same name.
TEST_F(BlockTableTest, LookupFindsRecordsWhateverTheirOpenState) {
    AcDbObject* modelSpace = open(db->modelSpaceId(), AcDb::kForWrite);
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(table->getAt(ACDB_MODEL_SPACE, id), Acad::eOk);
    EXPECT_EQ(id, db->modelSpaceId());
    auto* twin = new AcDbBlockTableRecord();
    twin->setName("*Model_Space");
    EXPECT_EQ(table->add(twin), Acad::eDuplicateKey);
    delete twin;
    table->close();
    modelSpace->close();
}

}  // namespace
}  // namespace vthost::test

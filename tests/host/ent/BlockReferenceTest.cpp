// A block reference and the attributes it owns, inside a database.
#include <gtest/gtest.h>

#include <vector>

#include "EntTestSupport.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbMInsertBlock.h"
#include "ent/AcDbObjectIterator.h"
#include "ge/AcGeMatrix3d.h"

namespace enttest {
namespace {

class BlockReferenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        AcDbBlockTableRecord* space = nullptr;
        ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        auto* reference = new AcDbBlockReference(AcGePoint3d(10, 0, 0), db.paperSpaceId());
        ASSERT_EQ(space->appendAcDbEntity(referenceId, reference), Acad::eOk);
        for (const char* tag : {"A", "B", "C"}) {
            auto* attribute = new AcDbAttribute();
            attribute->setTag(tag);
            attribute->setPosition(AcGePoint3d(10, 1, 0));
            AcDbObjectId id;
            ASSERT_EQ(reference->appendAttribute(id, attribute), Acad::eOk);
            EXPECT_TRUE(attribute->isWriteEnabled());  // left open for the caller
            attribute->close();
            attributeIds.push_back(id);
        }
        reference->close();
        space->close();
    }

    template <class T = AcDbBlockReference>
    T* open(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForWrite, bool openErased = false) {
        T* object = nullptr;
        EXPECT_EQ(acdbOpenObject(object, id, mode, openErased), Acad::eOk);
        return object;
    }

    std::vector<AcDbObjectId> iterate(bool skipErased = true) {
        auto* reference = open(referenceId, AcDb::kForRead);
        AcDbObjectIterator* it = reference->attributeIterator();
        reference->close();
        std::vector<AcDbObjectId> ids;
        for (it->start(); !it->done(); it->step(false, skipErased)) ids.push_back(it->objectId());
        delete it;
        return ids;
    }

    AcDbDatabase db;
    AcDbObjectId referenceId;
    std::vector<AcDbObjectId> attributeIds;
};

TEST_F(BlockReferenceTest, AttributesAreOwnedAndIteratedInOrderSkippingErasedOnes) {
    EXPECT_EQ(iterate(), attributeIds);
    auto* attribute = open<AcDbAttribute>(attributeIds[1]);
    EXPECT_EQ(attribute->ownerId(), referenceId);
    attribute->erase();
    attribute->close();
    EXPECT_EQ(iterate(), (std::vector<AcDbObjectId>{attributeIds[0], attributeIds[2]}));
    EXPECT_EQ(iterate(false), attributeIds);

    auto* reference = open(referenceId, AcDb::kForRead);
    AcDbObjectIterator* it = reference->attributeIterator();
    reference->close();
    std::vector<AcDbObjectId> backwards;
    for (it->start(true); !it->done(); it->step(true)) backwards.push_back(it->objectId());
    delete it;
    EXPECT_EQ(backwards, (std::vector<AcDbObjectId>{attributeIds[2], attributeIds[0]}));
}

TEST_F(BlockReferenceTest, AppendingNeedsADatabaseResidentReference) {
    AcDbBlockReference loose;
    AcDbAttribute attribute;
    EXPECT_EQ(loose.appendAttribute(&attribute), Acad::eNotInDatabase);
    EXPECT_TRUE(attribute.objectId().isNull());
    auto* reference = open(referenceId);
    EXPECT_EQ(reference->appendAttribute(nullptr), Acad::eNullObjectPointer);
    reference->close();
}

TEST_F(BlockReferenceTest, ColourReachesAttributesThatCanBeOpened) {
    auto* reference = open(referenceId);
    ASSERT_EQ(reference->setColorIndex(1), Acad::eOk);
    reference->close();
    for (AcDbObjectId id : attributeIds) {
        auto* attribute = open<AcDbAttribute>(id, AcDb::kForRead);
        EXPECT_EQ(attribute->colorIndex(), 1);
        attribute->close();
    }

    auto* busy = open<AcDbAttribute>(attributeIds[0], AcDb::kForRead);  // cannot be opened for write
    reference = open(referenceId);
    ASSERT_EQ(reference->setColorIndex(2), Acad::eOk);
    ASSERT_EQ(reference->setColorIndex(4, false), Acad::eOk);  // the reference alone
    reference->close();
    EXPECT_EQ(busy->colorIndex(), 1);
    busy->close();
    auto* attribute = open<AcDbAttribute>(attributeIds[1], AcDb::kForRead);
    EXPECT_EQ(attribute->colorIndex(), 2);
    attribute->close();
}

TEST_F(BlockReferenceTest, ErasingAndMovingTakeTheAttributesAlong) {
    auto* reference = open(referenceId);
    reference->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 5, 0)));
    EXPECT_EQ(reference->position(), AcGePoint3d(10, 5, 0));
    ASSERT_EQ(reference->erase(), Acad::eOk);
    reference->close();
    for (AcDbObjectId id : attributeIds) {
        EXPECT_TRUE(id.isErased());
        auto* attribute = open<AcDbAttribute>(id, AcDb::kForRead, true);
        EXPECT_EQ(attribute->position(), AcGePoint3d(10, 6, 0));
        attribute->close();
    }
    reference = open(referenceId, AcDb::kForWrite, true);
    ASSERT_EQ(reference->erase(false), Acad::eOk);
    reference->close();
    for (AcDbObjectId id : attributeIds) EXPECT_FALSE(id.isErased());
}

// The block and the attributes are hard references: purge and reference counting see them, and a
// record read elsewhere lists the same attributes.
TEST_F(BlockReferenceTest, BlockAndAttributesAreFiledAsHardReferences) {
    AcDbObjectIdArray ids;
    ids.append(db.paperSpaceId());
    ids.append(attributeIds[0]);
    Adesk::UInt32 counts[2] = {0, 0};
    ASSERT_EQ(db.countHardReferences(ids, counts), Acad::eOk);
    EXPECT_EQ(counts[0], 2u);  // the block table owns the record, the reference points to it
    EXPECT_EQ(counts[1], 1u);

    auto* reference = open(referenceId, AcDb::kForRead);
    Bytes bytes = recordOf(reference);
    reference->close();
    AcDbBlockReference copy;
    ASSERT_EQ(readRecord(&copy, bytes), Acad::eOk);
    EXPECT_EQ(copy.blockTableRecord(), db.paperSpaceId());
    std::unique_ptr<AcDbObjectIterator> it(copy.attributeIterator());
    std::vector<AcDbObjectId> listed;
    for (it->start(); !it->done(); it->step()) listed.push_back(it->objectId());
    EXPECT_EQ(listed, attributeIds);
}

TEST(BlockReference, TransformComposesWithTheBlockTransform) {
    AcGeMatrix3d mirror;
    mirror.entry[1][1] = -1.0;
    for (const AcGeMatrix3d& xform :
         {AcGeMatrix3d::rotation(0.7, AcGeVector3d::kZAxis, AcGePoint3d(2, 3, 0)),
          AcGeMatrix3d::scaling(2.0, AcGePoint3d(1, 1, 0)),
          AcGeMatrix3d::translation(AcGeVector3d(4, 0, 0)) * mirror}) {
        AcDbMInsertBlock reference;
        reference.setPosition(AcGePoint3d(5, 1, 0));
        reference.setRotation(0.4);
        reference.setScaleFactors(AcGeScale3d(2, 3, 1));
        reference.setColumnSpacing(4.0);
        AcGeMatrix3d expected = xform * reference.blockTransform();
        ASSERT_EQ(reference.transformBy(xform), Acad::eOk);
        AcGeMatrix3d actual = reference.blockTransform();
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual.entry[r][c], expected.entry[r][c], 1e-12);
        EXPECT_NEAR(reference.columnSpacing(), 4.0 * xform.scale(), 1e-12);
    }
}

}  // namespace
}  // namespace enttest

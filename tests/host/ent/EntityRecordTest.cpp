// The records of every entity class: they read back exactly what was written (through a file
// filer, a copy and an undo), refuse a newer class version at any level as a proxy, and a
// truncated or damaged record never crashes and, when refused, leaves the object as it was.
#include <gtest/gtest.h>

#include "EntitySamples.h"
#include "EntTestSupport.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbCurve.h"
#include "ent/AcDbLine.h"
#include "ge/AcGeMatrix3d.h"

namespace enttest {
namespace {

// Where the class's own level begins: right after its parent's part of the record.
std::size_t ownLevelOffset(const EntitySample& sample, const AcDbEntity* entity) {
    vthost::DwgStreamFiler filer(AcDb::kFileFiler);
    EXPECT_EQ(sample.parentOut(entity, &filer), Acad::eOk);
    return filer.buffer().size();
}

// Sets the Int16 item at offset (tag byte first) to value.
Bytes withInt16At(Bytes bytes, std::size_t offset, std::int16_t value) {
    EXPECT_EQ(bytes.at(offset), static_cast<std::uint8_t>(vthost::ItemTag::kInt16));
    bytes.at(offset + 1) = static_cast<std::uint8_t>(value & 0xFF);
    bytes.at(offset + 2) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    return bytes;
}

std::int16_t int16At(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::int16_t>(bytes.at(offset + 1) | (bytes.at(offset + 2) << 8));
}

TEST(EntityRecords, EveryClassReadsBackWhatItWrote) {
    for (const EntitySample& sample : entitySamples()) {
        SCOPED_TRACE(sample.name);
        auto original = sample.make();
        Bytes bytes = recordOf(original.get());
        auto blank = sample.blank();
        ASSERT_NE(recordOf(blank.get()), bytes) << "the sample must differ from a new object";

        ASSERT_EQ(readRecord(blank.get(), bytes), Acad::eOk);
        EXPECT_EQ(recordOf(blank.get()), bytes);

        auto copy = sample.blank();
        ASSERT_EQ(copy->copyFrom(original.get()), Acad::eOk);
        EXPECT_EQ(recordOf(copy.get()), bytes);
    }
}

TEST(EntityRecords, NewerClassVersionIsRefusedAsProxyAndChangesNothing) {
    for (const EntitySample& sample : entitySamples()) {
        SCOPED_TRACE(sample.name);
        auto original = sample.make();
        Bytes bytes = recordOf(original.get());
        std::size_t at = ownLevelOffset(sample, original.get());
        std::int16_t current = int16At(bytes, at);
        EXPECT_GE(current, 1);

        auto target = sample.blank();
        Bytes before = recordOf(target.get());
        EXPECT_EQ(readRecord(target.get(), withInt16At(bytes, at, current + 1)), Acad::eMakeMeProxy);
        EXPECT_EQ(recordOf(target.get()), before);
        EXPECT_EQ(readRecord(target.get(), withInt16At(bytes, at, 0)), Acad::eFilerError);
        EXPECT_EQ(readRecord(target.get(), withInt16At(bytes, at, current)), Acad::eOk);
    }
}

// The version words of the intermediate levels (the curve level of a line, the text level of an
// attribute) are checked as well as the last one.
TEST(EntityRecords, IntermediateLevelVersionsAreCheckedToo) {
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    vthost::DwgStreamFiler entityPart(AcDb::kFileFiler);
    line.AcDbEntity::dwgOutFields(&entityPart);
    AcDbLine target;
    EXPECT_EQ(readRecord(&target, withInt16At(recordOf(&line), entityPart.buffer().size(), 9)),
              Acad::eMakeMeProxy);

    AcDbAttribute attribute;
    attribute.setTag("T");
    vthost::DwgStreamFiler textEntityPart(AcDb::kFileFiler);
    attribute.AcDbEntity::dwgOutFields(&textEntityPart);
    AcDbAttribute other;
    EXPECT_EQ(readRecord(&other, withInt16At(recordOf(&attribute), textEntityPart.buffer().size(), 2)),
              Acad::eMakeMeProxy);
}

TEST(EntityRecords, TruncatedRecordFailsAndChangesNothing) {
    for (const EntitySample& sample : entitySamples()) {
        SCOPED_TRACE(sample.name);
        Bytes bytes = recordOf(sample.make().get());
        auto target = sample.blank();
        Bytes before = recordOf(target.get());
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
            ASSERT_NE(readRecord(target.get(), cut), Acad::eOk) << "length " << length;
            ASSERT_EQ(recordOf(target.get()), before) << "length " << length;
        }
    }
}

// Every byte in turn is damaged; the read either succeeds with a record that can be written again
// or fails leaving the object as it was.
TEST(EntityRecords, DamagedBytesNeverCorruptTheObject) {
    for (const EntitySample& sample : entitySamples()) {
        SCOPED_TRACE(sample.name);
        Bytes bytes = recordOf(sample.make().get());
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            for (std::uint8_t mask : {0xFF, 0x80, 0x01}) {
                Bytes damaged = bytes;
                damaged[at] ^= mask;
                auto target = sample.blank();
                Bytes before = recordOf(target.get());
                if (readRecord(target.get(), damaged) != Acad::eOk)
                    ASSERT_EQ(recordOf(target.get()), before) << "byte " << at;
                else
                    ASSERT_FALSE(recordOf(target.get()).empty());
            }
        }
    }
}

// Undo keeps whole records: a cancelled change puts every field back.
TEST(EntityRecords, CancelRestoresEveryEntityInADatabase) {
    AcDbDatabase db;
    for (const EntitySample& sample : entitySamples()) {
        SCOPED_TRACE(sample.name);
        AcDbBlockTableRecord* space = nullptr;
        ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        AcDbEntity* entity = sample.make().release();
        ASSERT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
        space->close();
        Bytes before = recordOf(entity);
        entity->close();

        ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForWrite), Acad::eOk);
        entity->transformBy(AcGeMatrix3d::scaling(2.0) * AcGeMatrix3d::translation({1, 2, 3}));
        entity->setColorIndex(5);
        ASSERT_NE(recordOf(entity), before);
        ASSERT_EQ(entity->cancel(), Acad::eOk);
        ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(recordOf(entity), before);
        entity->close();
    }
}

}  // namespace
}  // namespace enttest

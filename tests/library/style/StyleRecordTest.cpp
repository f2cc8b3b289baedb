// A style's ownership of its reader and modifier, its deep copy, and its record.
#include <gtest/gtest.h>

#include "LibraryTestEnvironment.h"
#include "TestStrategies.h"
#include "db/AcDbDxfFiler.h"
#include "db/DwgStreamFiler.h"
#include "modifiers/ContentModifiers.h"
#include "module/EmbeddedObject.h"
#include "readers/PropertyReaders.h"
#include "style/AcPropertyLinkStyle.h"

namespace {

using vthost::DwgStreamFiler;

std::vector<std::uint8_t> record(const AcDbObject& object) {
    DwgStreamFiler filer(AcDb::kFileFiler);
    EXPECT_EQ(object.dwgOutFields(&filer), Acad::eOk);
    return filer.buffer();
}

Acad::ErrorStatus readRecord(AcDbObject& object, std::vector<std::uint8_t> bytes) {
    DwgStreamFiler filer(AcDb::kFileFiler);
    filer.setBuffer(std::move(bytes));
    return object.dwgInFields(&filer);
}

AcPropertyLinkStyle* newFullStyle() {
    auto* style = new AcPropertyLinkStyle();
    auto* modifier = new AcBlockModifier();
    modifier->setAttribName("AREA");
    style->setContentModifier(modifier);
    style->setPropertyReader(new AcAreaReader());
    style->setDescription("Room areas");
    style->setPostProcessingMacro("$(rtos,%PROPERTY,2,2) m2");
    return style;
}

TEST(StyleRecord, RoundTripsEveryField) {
    std::unique_ptr<AcPropertyLinkStyle> style(newFullStyle());
    std::vector<std::uint8_t> first = record(*style);
    AcPropertyLinkStyle reread;
    ASSERT_EQ(readRecord(reread, first), Acad::eOk);
    EXPECT_STREQ(reread.description(), "Room areas");
    EXPECT_STREQ(reread.postProcessingMacro(), "$(rtos,%PROPERTY,2,2) m2");
    ASSERT_NE(AcAreaReader::cast(reread.propertyReader()), nullptr);
    auto* modifier = AcBlockModifier::cast(reread.contentModifier());
    ASSERT_NE(modifier, nullptr);
    EXPECT_STREQ(modifier->attribName(), "AREA");
    EXPECT_EQ(record(reread), first);
}

TEST(StyleRecord, TheRecordListsModifierBeforeReader) {
    AcPropertyLinkStyle style;
    style.setPropertyReader(new AcTextReader());
    std::string text = vthost::describeRecord(record(style), vthost::IdCoding::kSession);
    EXPECT_EQ(text,
              "SoftPointer #0\nInt32 0\nHardOwner #0\nInt16 2\n"
              "Boolean 0\n"
              "Boolean 1\nString \"AcTextReader\"\nSoftPointer #0\nInt32 0\nHardOwner #0\nInt16 1\n"
              "Int16 1\nString \"\"\nString \"\"\n");
}

TEST(StyleRecord, AVersionOneRecordHasNoMacroAndANewerOneIsRefused) {
    AcPropertyLinkStyle style;
    DwgStreamFiler filer(AcDb::kFileFiler);
    style.AcDbObject::dwgOutFields(&filer);
    filer.writeInt16(1);
    filer.writeBoolean(false);
    filer.writeBoolean(false);
    filer.writeString("old style");
    AcPropertyLinkStyle reread;
    ASSERT_EQ(readRecord(reread, filer.buffer()), Acad::eOk);
    EXPECT_STREQ(reread.description(), "old style");
    EXPECT_STREQ(reread.postProcessingMacro(), "");

    std::vector<std::uint8_t> bytes = record(style);
    DwgStreamFiler probe(AcDb::kFileFiler);
    style.AcDbObject::dwgOutFields(&probe);
    bytes[probe.buffer().size() + 1] = 3;  // the version word follows the base fields
    AcPropertyLinkStyle newer;
    EXPECT_EQ(readRecord(newer, bytes), Acad::eMakeMeProxy);
}

TEST(StyleRecord, AnUnknownEmbeddedClassFailsTheWholeRecord) {
    AcPropertyLinkStyle style;
    DwgStreamFiler filer(AcDb::kFileFiler);
    style.AcDbObject::dwgOutFields(&filer);
    filer.writeInt16(2);
    filer.writeBoolean(true);
    filer.writeString("AcModifierOfANewerModule");
    filer.writeInt16(1);
    AcPropertyLinkStyle reread;
    EXPECT_EQ(readRecord(reread, filer.buffer()), Acad::eMakeMeProxy);
    EXPECT_EQ(reread.contentModifier(), nullptr);
}

TEST(StyleRecord, AReaderStoredInTheModifierSlotIsRefused) {
    AcPropertyLinkStyle style;
    DwgStreamFiler filer(AcDb::kFileFiler);
    style.AcDbObject::dwgOutFields(&filer);
    filer.writeInt16(2);
    AcAreaReader impostor;
    vantorell::writeObject(&filer, &impostor);
    AcPropertyLinkStyle reread;
    EXPECT_NE(readRecord(reread, filer.buffer()), Acad::eOk);
    EXPECT_EQ(reread.contentModifier(), nullptr);
}

TEST(StyleRecord, TruncatedRecordsFailWithoutLeaking) {
    std::unique_ptr<AcPropertyLinkStyle> style(newFullStyle());
    std::vector<std::uint8_t> bytes = record(*style);
    for (std::size_t size = 0; size < bytes.size(); size += 3) {
        AcPropertyLinkStyle reread;
        EXPECT_NE(readRecord(reread, {bytes.begin(), bytes.begin() + static_cast<long>(size)}),
                  Acad::eOk)
            << size;
    }
}

TEST(StyleCopy, CopyFromMakesAnIndependentDeepCopy) {
    std::unique_ptr<AcPropertyLinkStyle> original(newFullStyle());
    AcPropertyLinkStyle copy;
    copy.setContentModifier(new AcTextModifier());
    ASSERT_EQ(copy.copyFrom(original.get()), Acad::eOk);
    EXPECT_STREQ(copy.description(), "Room areas");
    EXPECT_NE(copy.contentModifier(), original->contentModifier());
    EXPECT_NE(copy.propertyReader(), original->propertyReader());
    ASSERT_NE(AcBlockModifier::cast(copy.contentModifier()), nullptr);
    EXPECT_STREQ(AcBlockModifier::cast(copy.contentModifier())->attribName(), "AREA");
    original.reset();
    EXPECT_STREQ(copy.postProcessingMacro(), "$(rtos,%PROPERTY,2,2) m2");
}

TEST(StyleCopy, CopyingAStyleWithoutModifierLeavesNone) {
    AcPropertyLinkStyle source;
    source.setPropertyReader(new AcLengthReader());
    AcPropertyLinkStyle copy;
    copy.setContentModifier(new AcTextModifier());
    ASSERT_EQ(copy.copyFrom(&source), Acad::eOk);
    EXPECT_EQ(copy.contentModifier(), nullptr);
    EXPECT_NE(AcLengthReader::cast(copy.propertyReader()), nullptr);
}

TEST(StyleCopy, CopyingFromAnotherClassCopiesNothingOfTheStyle) {
    std::unique_ptr<AcPropertyLinkStyle> style(newFullStyle());
    AcAreaReader other;
    EXPECT_EQ(style->copyFrom(&other), Acad::eNotThatKindOfClass);
    EXPECT_STREQ(style->description(), "Room areas");
}

TEST(StyleOwnership, SettersReplaceAndDeleteTheOwnedStrategies) {
    AcPropertyLinkStyle style;
    style.setPropertyReader(new AcAreaReader());
    style.setPropertyReader(nullptr);
    EXPECT_EQ(style.propertyReader(), nullptr);
    style.setDescription(nullptr);
    EXPECT_STREQ(style.description(), "");
    AcDbDxfFiler dxf;
    EXPECT_EQ(style.dxfOutFields(&dxf), Acad::eNotImplementedYet);
    EXPECT_EQ(style.dxfInFields(&dxf), Acad::eNotImplementedYet);
    EXPECT_EQ(style.version(), 2);
}

}  // namespace

// Embedded reader and modifier records: the generic base classes' behaviour and filing, and the
// class-name records through which a style keeps them.
#include <gtest/gtest.h>

#include "LibraryTestEnvironment.h"
#include "db/AcDbDxfFiler.h"
#include "db/DwgStreamFiler.h"
#include "ut/AcUtil.h"
#include "modifiers/AcContentModifier.h"
#include "readers/AcPropertyReader.h"
#include "module/EmbeddedObject.h"

namespace {

using vthost::DwgStreamFiler;
using vthost::IdCoding;

std::string describe(const DwgStreamFiler& filer) {
    return vthost::describeRecord(filer.buffer(), IdCoding::kSession);
}

DwgStreamFiler reading(const DwgStreamFiler& written) {
    DwgStreamFiler filer(AcDb::kFileFiler);
    filer.setBuffer(written.buffer());
    return filer;
}

const char* const kBaseObjectFields = "SoftPointer #0\nInt32 0\nHardOwner #0\n";

TEST(EmbeddedObject, AMissingObjectIsOneFalseBoolean) {
    DwgStreamFiler filer(AcDb::kFileFiler);
    EXPECT_EQ(vantorell::writeObject(&filer, nullptr), Acad::eOk);
    EXPECT_EQ(describe(filer), "Boolean 0\n");
    DwgStreamFiler in = reading(filer);
    AcDbObject* object = reinterpret_cast<AcDbObject*>(&filer);
    EXPECT_EQ(vantorell::readObject(&in, &object), Acad::eOk);
    EXPECT_EQ(object, nullptr);
}

TEST(EmbeddedObject, AReaderIsItsClassNameBaseFieldsAndVersion) {
    AcPropertyReader reader;
    DwgStreamFiler filer(AcDb::kFileFiler);
    EXPECT_EQ(vantorell::writeObject(&filer, &reader), Acad::eOk);
    EXPECT_EQ(describe(filer), std::string("Boolean 1\nString \"AcPropertyReader\"\n") +
                                   kBaseObjectFields + "Int16 1\n");
    DwgStreamFiler in = reading(filer);
    AcDbObject* object = nullptr;
    EXPECT_EQ(vantorell::readObject(&in, &object), Acad::eOk);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->isA(), AcPropertyReader::desc());
    EXPECT_TRUE(in.atEnd());
    delete object;
}

TEST(EmbeddedObject, AnUnknownClassNameLeavesNothingAndFailsTheRecord) {
    DwgStreamFiler filer(AcDb::kFileFiler);
    filer.writeBoolean(true);
    filer.writeString("AcReaderFromANewerModule");
    filer.writeInt16(1);
    DwgStreamFiler in = reading(filer);
    AcDbObject* object = nullptr;
    EXPECT_EQ(vantorell::readObject(&in, &object), Acad::eMakeMeProxy);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(in.filerStatus(), Acad::eMakeMeProxy);
    Adesk::Int16 word = 0;
    EXPECT_EQ(in.readInt16(&word), Acad::eMakeMeProxy) << "the stream must stay stopped";
}

TEST(EmbeddedObject, AClassOutsideTheExpectedFamilyIsRefused) {
    AcContentModifier modifier;
    DwgStreamFiler filer(AcDb::kFileFiler);
    vantorell::writeObject(&filer, &modifier);
    DwgStreamFiler in = reading(filer);
    AcDbObject* object = nullptr;
    EXPECT_EQ(vantorell::readObject(&in, &object, AcPropertyReader::desc()), Acad::eMakeMeProxy);
    EXPECT_EQ(object, nullptr);
}

TEST(EmbeddedObject, ATruncatedRecordKeepsThePartlyReadObjectForTheCaller) {
    AcContentModifier modifier;
    DwgStreamFiler filer(AcDb::kFileFiler);
    vantorell::writeObject(&filer, &modifier);
    std::vector<std::uint8_t> bytes = filer.buffer();
    bytes.resize(bytes.size() - 2);
    DwgStreamFiler in(AcDb::kFileFiler);
    in.setBuffer(bytes);
    AcDbObject* object = nullptr;
    EXPECT_EQ(vantorell::readObject(&in, &object), Acad::eEndOfFile);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->isA(), AcContentModifier::desc());
    delete object;
}

template <class T>
void expectNewerVersionRefused() {
    T object;
    DwgStreamFiler filer(AcDb::kFileFiler);
    object.dwgOutFields(&filer);
    std::vector<std::uint8_t> bytes = filer.buffer();
    bytes[bytes.size() - 2] = 2;  // the version word's low byte
    DwgStreamFiler in(AcDb::kFileFiler);
    in.setBuffer(bytes);
    T reread;
    EXPECT_EQ(reread.dwgInFields(&in), Acad::eMakeMeProxy);
}

TEST(ReaderAndModifierBases, ANewerBaseVersionIsRefusedWithMakeMeProxy) {
    expectNewerVersionRefused<AcPropertyReader>();
    expectNewerVersionRefused<AcContentModifier>();
}

TEST(ReaderAndModifierBases, DxfFilingIsRefusedAndWritesNothing) {
    AcPropertyReader reader;
    AcContentModifier modifier;
    AcDbDxfFiler filer;
    EXPECT_EQ(reader.dxfOutFields(&filer), Acad::eNotImplementedYet);
    EXPECT_EQ(reader.dxfInFields(&filer), Acad::eNotImplementedYet);
    EXPECT_EQ(modifier.dxfOutFields(&filer), Acad::eNotImplementedYet);
    EXPECT_EQ(modifier.dxfInFields(&filer), Acad::eNotImplementedYet);
    EXPECT_EQ(filer.itemsWritten(), 0);
    EXPECT_EQ(filer.filerStatus(), Acad::eOk);
}

TEST(ReaderAndModifierBases, TheGenericKindsReadNothingAndAcceptEveryLabel) {
    AcPropertyReader reader;
    AcContentModifier modifier;
    EXPECT_STREQ(reader.displayName(), "Generic reader");
    EXPECT_EQ(reader.readProperty(nullptr), nullptr);
    EXPECT_STREQ(modifier.displayName(), "Generic modifier");
    EXPECT_FALSE(modifier.hasOptions());
    EXPECT_TRUE(modifier.hasOptionsCorrect());
    EXPECT_EQ(modifier.supportedEntityKind(), acrxFindClass("AcDbEntity"));
    EXPECT_EQ(reader.version(), 1);
    EXPECT_EQ(modifier.version(), 1);
}

TEST(ReaderAndModifierBases, CloneMakesAnObjectOfTheSameClass) {
    AcPropertyReader reader;
    AcRxObject* copy = reader.clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->isA(), AcPropertyReader::desc());
    delete copy;
}

}  // namespace

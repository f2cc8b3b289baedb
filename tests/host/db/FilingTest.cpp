// Filing: the host's tagged DWG stream filer, the base object's record, copies and clones, and
// the reference scans (countHardReferences, purge) that read what objects file.
#include <cstring>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "db/AcDbDictionary.h"
#include "db/DwgStreamFiler.h"
#include "ut/AcUtil.h"
#include "ut/AdsCodes.h"

namespace vthost::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes taggedLength(ItemTag tag, std::uint32_t length) {
    Bytes bytes{static_cast<std::uint8_t>(tag)};
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&length);
    bytes.insert(bytes.end(), raw, raw + sizeof length);
    return bytes;
}

// One item of every kind the filer carries, filed in one fixed order.
struct Items {
    AcDbHardOwnershipId hardOwner;
    AcDbSoftOwnershipId softOwner;
    AcDbHardPointerId hardPointer;
    AcDbSoftPointerId softPointer;
    char* text = nullptr;
    ads_binary chunk{};
    AcDbHandle handle;
    char ch = 0;
    Adesk::Int32 i32 = 0;
    Adesk::Int16 i16 = 0;
    Adesk::UInt32 u32 = 0;
    Adesk::UInt16 u16 = 0;
    Adesk::UInt8 u8 = 0;
    Adesk::Boolean boolean = false;
    double real = 0;
    AcGePoint3d point;
    AcGeVector3d vector;
    unsigned char bytes[3] = {};

    void writeTo(AcDbDwgFiler& f) const {
        f.writeHardOwnershipId(hardOwner);
        f.writeSoftOwnershipId(softOwner);
        f.writeHardPointerId(hardPointer);
        f.writeSoftPointerId(softPointer);
        f.writeString(text);
        f.writeBChunk(chunk);
        f.writeAcDbHandle(handle);
        f.writeChar(ch);
        f.writeInt32(i32);
        f.writeInt16(i16);
        f.writeUInt32(u32);
        f.writeUInt16(u16);
        f.writeUInt8(u8);
        f.writeBoolean(boolean);
        f.writeDouble(real);
        f.writePoint3d(point);
        f.writeVector3d(vector);
        f.writeBytes(bytes, sizeof bytes);
    }
    void readFrom(AcDbDwgFiler& f) {
        f.readHardOwnershipId(&hardOwner);
        f.readSoftOwnershipId(&softOwner);
        f.readHardPointerId(&hardPointer);
        f.readSoftPointerId(&softPointer);
        f.readString(&text);
        f.readBChunk(&chunk);
        f.readAcDbHandle(&handle);
        f.readChar(&ch);
        f.readInt32(&i32);
        f.readInt16(&i16);
        f.readUInt32(&u32);
        f.readUInt16(&u16);
        f.readUInt8(&u8);
        f.readBoolean(&boolean);
        f.readDouble(&real);
        f.readPoint3d(&point);
        f.readVector3d(&vector);
        f.readBytes(bytes, sizeof bytes);
    }
};

TEST(DwgStreamFilerTest, EveryItemKindRoundTrips) {
    char text[] = "text", chunk[] = {'a', '\0', 'c'};
    const Items original{AcDbObjectId(7, 0x21),
                         AcDbObjectId(7, 0x22),
                         AcDbObjectId(8, 0x23),
                         {},
                         text,
                         ads_binary{3, chunk},
                         AcDbHandle(0x1F),
                         'x',
                         -70000,
                         -3,
                         0xFFFFFFFFu,
                         65535,
                         200,
                         true,
                         0.1,
                         AcGePoint3d(1, 2, 3),
                         AcGeVector3d(-1, 0, 0.5),
                         {'d', 'e', 'f'}};
    DwgStreamFiler first;
    original.writeTo(first);
    ASSERT_EQ(first.filerStatus(), Acad::eOk);
    EXPECT_EQ(describeRecord(first.buffer(), IdCoding::kSession),
              "HardOwner #21\nSoftOwner #22\nHardPointer #23\nSoftPointer #0\nString \"text\"\n"
              "BChunk \"a" +
                  std::string(1, '\0') +
                  "c\"\nHandle 31\nChar 120\nInt32 -70000\n"
                  "Int16 -3\nUInt32 4294967295\nUInt16 65535\nUInt8 200\nBoolean 1\nDouble 0.1\n"
                  "Point3d 1,2,3\nVector3d -1,0,0.5\nBytes \"def\"\n");

    DwgStreamFiler in;
    in.setBuffer(first.buffer());
    Items read;
    read.readFrom(in);
    EXPECT_EQ(in.filerStatus(), Acad::eOk);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(read.hardOwner, original.hardOwner) << "session ids keep their database";
    DwgStreamFiler second;
    read.writeTo(second);
    EXPECT_EQ(second.buffer(), first.buffer());
    acutDelString(read.text);
    delete[] read.chunk.buf;
}

TEST(DwgStreamFilerTest, FirstErrorIsKeptAndLaterCallsDoNothing) {
    DwgStreamFiler filer;
    filer.writeInt16(5);
    filer.writeInt32(6);
    filer.rewind();
    Adesk::Int32 wrong = 99;
    EXPECT_EQ(filer.readInt32(&wrong), Acad::eFilerError) << "an Int16 is next";
    EXPECT_EQ(wrong, 0);
    Adesk::Int16 right = 99;
    EXPECT_EQ(filer.readInt16(&right), Acad::eFilerError);
    EXPECT_EQ(right, 0) << "after an error nothing more is read";
    std::size_t size = filer.buffer().size();
    EXPECT_EQ(filer.writeInt16(1), Acad::eFilerError);
    EXPECT_EQ(filer.buffer().size(), size) << "nor written";
    filer.setFilerStatus(Acad::eEndOfFile);
    EXPECT_EQ(filer.filerStatus(), Acad::eFilerError);
    filer.resetFilerStatus();
    EXPECT_EQ(filer.readInt16(&right), Acad::eOk);
    EXPECT_EQ(right, 5);
}

TEST(DwgStreamFilerTest, MalformedInputIsRefused) {
    Bytes shortString = taggedLength(ItemTag::kString, 10);
    shortString.insert(shortString.end(), {'a', 'b'});
    Bytes nulInString = taggedLength(ItemTag::kString, 2);
    nulInString.insert(nulInString.end(), {'a', '\0'});
    struct Row {
        const char* name;
        Bytes bytes;
        Acad::ErrorStatus status;
    };
    const std::vector<Row> rows = {
        {"nothing left", {}, Acad::eEndOfFile},
        {"length cut short", {static_cast<std::uint8_t>(ItemTag::kString), 0}, Acad::eEndOfFile},
        {"huge length", taggedLength(ItemTag::kString, 0xFFFFFFFFu), Acad::eFilerError},
        {"length past the limit",
         taggedLength(ItemTag::kString, DwgStreamFiler::kMaxStringLength + 1), Acad::eFilerError},
        {"longer than the bytes left", shortString, Acad::eEndOfFile},
        {"terminator inside", nulInString, Acad::eFilerError},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DwgStreamFiler filer;
        filer.setBuffer(row.bytes);
        char* text = reinterpret_cast<char*>(0x1);
        EXPECT_EQ(filer.readString(&text), row.status);
        EXPECT_EQ(text, nullptr);
    }
    DwgStreamFiler filer;
    filer.setBuffer({static_cast<std::uint8_t>(ItemTag::kBoolean), 2});
    Adesk::Boolean flag = false;
    EXPECT_EQ(filer.readBoolean(&flag), Acad::eFilerError) << "a boolean is 0 or 1";
    filer.setBuffer({});
    filer.resetFilerStatus();
    const char four[4] = {};
    char three[3];
    filer.writeBytes(four, 4);
    EXPECT_EQ(filer.readBytes(three, 3), Acad::eFilerError) << "a block of another length";
}

class ObjectFilingTest : public DbTest {
protected:
    // An object in the named-objects dictionary, with an extension dictionary, value 42 and a
    // link to model space.
    AcDbObjectId makeFiledObject() {
        auto* named = open<AcDbDictionary>(db->namedObjectsDictionaryId(), AcDb::kForWrite);
        auto* object = new VtTestObject(42);
        AcDbObjectId id;
        EXPECT_EQ(named->setAt("FILED", object, id), Acad::eOk);
        named->close();
        object->setLink(db->modelSpaceId());
        object->createExtensionDictionary();
        object->close();
        return id;
    }
    Bytes record(AcDbObjectId id, AcDb::FilerType type) {
        AcDbObject* object = open(id, AcDb::kForRead);
        DwgStreamFiler filer(type, db.get());
        EXPECT_EQ(object->dwgOutFields(&filer), Acad::eOk);
        object->close();
        return filer.takeBuffer();
    }
};

TEST_F(ObjectFilingTest, BaseRecordCarriesOwnerReactorsAndExtensionDictionary) {
    AcDbObjectId id = makeFiledObject();
    ASSERT_EQ(db->namedObjectsDictionaryId().rawHandle(), 1u);
    ASSERT_EQ(db->modelSpaceId().rawHandle(), 3u);
    ASSERT_EQ(id.rawHandle(), 5u);
    Bytes bytes = record(id, AcDb::kFileFiler);
    EXPECT_EQ(describeRecord(bytes, IdCoding::kSession),
              "SoftPointer #1\nInt32 1\nSoftPointer #1\nHardOwner #6\nInt32 42\nHardPointer #3\n");
    EXPECT_EQ(describeRecord(record(id, AcDb::kCopyFiler), IdCoding::kSession),
              "Int32 42\nHardPointer #3\n")
        << "a copy gets the data, not the identity";

    // Write, read, write again: the same bytes. A truncated record changes nothing.
    auto* copy = new VtTestObject();
    DwgStreamFiler in(AcDb::kFileFiler, db.get()), again(AcDb::kFileFiler, db.get());
    in.setBuffer(Bytes(bytes.begin(), bytes.begin() + 20));
    EXPECT_EQ(copy->dwgInFields(&in), Acad::eEndOfFile);
    EXPECT_TRUE(copy->ownerId().isNull());
    EXPECT_TRUE(copy->persistentReactors().empty());
    in.setBuffer(bytes);
    in.resetFilerStatus();
    ASSERT_EQ(copy->dwgInFields(&in), Acad::eOk);
    ASSERT_EQ(copy->dwgOutFields(&again), Acad::eOk);
    EXPECT_EQ(again.buffer(), bytes);
    delete copy;
}

TEST_F(ObjectFilingTest, CopyFromAndCloneCopyDataNotIdentity) {
    auto* source = open<VtTestObject>(makeFiledObject(), AcDb::kForRead);
    auto* copy = new VtTestObject();
    EXPECT_EQ(copy->copyFrom(source), Acad::eOk);
    auto* clone = VtTestObject::cast(source->clone());
    ASSERT_NE(clone, nullptr);
    for (VtTestObject* result : {copy, clone}) {
        EXPECT_EQ(result->value(), 42);
        EXPECT_EQ(result->link(), db->modelSpaceId());
        EXPECT_TRUE(result->objectId().isNull());
        EXPECT_TRUE(result->ownerId().isNull());
        EXPECT_TRUE(result->persistentReactors().empty());
        EXPECT_TRUE(result->extensionDictionary().isNull());
        delete result;
    }
    auto* dictionary = new AcDbDictionary();
    EXPECT_EQ(dictionary->copyFrom(source), Acad::eNotThatKindOfClass);
    delete dictionary;
    source->close();

    AcDbObject* noConstructor = open(addReactor(AcDbObjectId::kNull, {}), AcDb::kForRead);
    EXPECT_EQ(noConstructor->clone(), nullptr);
    noConstructor->close();
}

TEST_F(ObjectFilingTest, HardReferencesAreCountedFromLiveObjectsOnly) {
    AcDbObjectId target = add();
    AcDbObjectId unused = add();
    for (int i = 0; i < 3; ++i) {
        auto* linker = open<VtTestObject>(add(), AcDb::kForWrite);
        linker->setLink(target);
        linker->addPersistentReactor(unused);  // a soft pointer: not counted
        if (i == 2) linker->erase();
        linker->close();
    }
    AcDbObjectIdArray ids;
    for (AcDbObjectId id : {target, unused, db->modelSpaceId(), target}) ids.append(id);
    Adesk::UInt32 counts[4] = {10, 0, 0, 0};
    EXPECT_EQ(db->countHardReferences(ids, counts), Acad::eOk);
    EXPECT_EQ(counts[0], 12u) << "counts are added to, not set";
    EXPECT_EQ(counts[1], 0u);
    EXPECT_EQ(counts[2], 1u) << "the block table owns model space";
    EXPECT_EQ(counts[3], 2u);

    EXPECT_EQ(db->purge(ids), Acad::eOk);
    ASSERT_EQ(ids.length(), 1);
    EXPECT_EQ(ids[0], unused);
}

}  // namespace
}  // namespace vthost::test

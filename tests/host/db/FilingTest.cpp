// Filing: the host's tagged DWG stream filer, the base object's record, copies and clones, and
// the reference scans (countHardReferences, purge) that read what objects file.
#include <cstring>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "db/AcDbDictionary.h"
#include "db/DwgStreamFiler.h"
#include "ed/AcUtil.h"
#include "ed/AdsCodes.h"

namespace vthost::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes taggedLength(ItemTag tag, std::uint32_t length) {
    Bytes bytes{static_cast<std::uint8_t>(tag)};
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&length);
    bytes.insert(bytes.end(), raw, raw + sizeof length);
    return bytes;
}

TEST(DwgStreamFilerTest, EveryTypedCallRoundTrips) {
    const AcDbObjectId a(7, 0x21), b(7, 0x22), c(8, 0x23);
    const char chunk[] = {'a', '\0', 'c'};
    const unsigned char block[] = {0, 1, 2, 255};
    DwgStreamFiler out;
    out.writeHardOwnershipId(a);
    out.writeSoftOwnershipId(b);
    out.writeHardPointerId(c);
    out.writeSoftPointerId(AcDbObjectId::kNull);
    out.writeString("text");
    out.writeString(nullptr);
    out.writeBChunk(ads_binary{3, const_cast<char*>(chunk)});
    out.writeAcDbHandle(AcDbHandle(0x1F));
    out.writeChar('x');
    out.writeInt32(-70000);
    out.writeInt16(-3);
    out.writeUInt32(0xFFFFFFFFu);
    out.writeUInt16(65535);
    out.writeUInt8(200);
    out.writeBoolean(true);
    out.writeBool(false);
    out.writeDouble(0.1);
    out.writePoint3d(AcGePoint3d(1, 2, 3));
    out.writeVector3d(AcGeVector3d(-1, 0, 0.5));
    out.writeBytes(block, sizeof block);
    ASSERT_EQ(out.filerStatus(), Acad::eOk);
    EXPECT_EQ(describeRecord(out.buffer(), IdCoding::kSession),
              "HardOwner #21\nSoftOwner #22\nHardPointer #23\nSoftPointer #0\nString \"text\"\n"
              "String \"\"\nBChunk \"a" + std::string(1, '\0') + "c\"\nHandle 31\nChar 120\n"
              "Int32 -70000\nInt16 -3\nUInt32 4294967295\nUInt16 65535\nUInt8 200\nBoolean 1\n"
              "Boolean 0\nDouble 0.1\nPoint3d 1,2,3\nVector3d -1,0,0.5\n"
              "Bytes \"" + std::string(reinterpret_cast<const char*>(block), sizeof block) + "\"\n");

    DwgStreamFiler in;
    in.setBuffer(out.buffer());
    AcDbHardOwnershipId hardOwner;
    AcDbSoftOwnershipId softOwner;
    AcDbHardPointerId hardPointer;
    AcDbSoftPointerId softPointer(a);
    char *text = nullptr, *empty = nullptr;
    ads_binary binary{};
    AcDbHandle handle;
    char ch = 0;
    Adesk::Int32 i32 = 0;
    Adesk::Int16 i16 = 0;
    Adesk::UInt32 u32 = 0;
    Adesk::UInt16 u16 = 0;
    Adesk::UInt8 u8 = 0;
    Adesk::Boolean boolean = false;
    bool plainBool = true;
    double real = 0;
    AcGePoint3d point;
    AcGeVector3d vector;
    unsigned char bytes[4] = {};
    in.readHardOwnershipId(&hardOwner);
    in.readSoftOwnershipId(&softOwner);
    in.readHardPointerId(&hardPointer);
    in.readSoftPointerId(&softPointer);
    in.readString(&text);
    in.readString(&empty);
    in.readBChunk(&binary);
    in.readAcDbHandle(&handle);
    in.readChar(&ch);
    in.readInt32(&i32);
    in.readInt16(&i16);
    in.readUInt32(&u32);
    in.readUInt16(&u16);
    in.readUInt8(&u8);
    in.readBoolean(&boolean);
    in.readBool(&plainBool);
    in.readDouble(&real);
    in.readPoint3d(&point);
    in.readVector3d(&vector);
    in.readBytes(bytes, sizeof bytes);
    ASSERT_EQ(in.filerStatus(), Acad::eOk);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(hardOwner, a);
    EXPECT_EQ(softOwner, b);
    EXPECT_EQ(hardPointer, c);
    EXPECT_TRUE(softPointer.isNull());
    EXPECT_STREQ(text, "text");
    EXPECT_STREQ(empty, "");
    ASSERT_EQ(binary.clen, 3);
    EXPECT_EQ(std::memcmp(binary.buf, chunk, 3), 0);
    EXPECT_EQ(handle, AcDbHandle(0x1F));
    EXPECT_EQ(ch, 'x');
    EXPECT_EQ(i32, -70000);
    EXPECT_EQ(i16, -3);
    EXPECT_EQ(u32, 0xFFFFFFFFu);
    EXPECT_EQ(u16, 65535);
    EXPECT_EQ(u8, 200);
    EXPECT_TRUE(boolean);
    EXPECT_FALSE(plainBool);
    EXPECT_EQ(real, 0.1);
    EXPECT_EQ(point, AcGePoint3d(1, 2, 3));
    EXPECT_EQ(vector, AcGeVector3d(-1, 0, 0.5));
    EXPECT_EQ(std::memcmp(bytes, block, sizeof block), 0);
    acutDelString(text);
    acutDelString(empty);
    delete[] binary.buf;
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
    struct Row {
        const char* name;
        Bytes bytes;
        Acad::ErrorStatus status;
    };
    Bytes cutDouble = {static_cast<std::uint8_t>(ItemTag::kDouble), 0, 0, 0};
    Bytes badBoolean = {static_cast<std::uint8_t>(ItemTag::kBoolean), 2};
    Bytes shortString = taggedLength(ItemTag::kString, 10);
    shortString.insert(shortString.end(), {'a', 'b'});
    Bytes nulInString = taggedLength(ItemTag::kString, 2);
    nulInString.insert(nulInString.end(), {'a', '\0'});
    const std::vector<Row> rows = {
        {"nothing left", {}, Acad::eEndOfFile},
        {"payload cut short", cutDouble, Acad::eEndOfFile},
        {"boolean neither 0 nor 1", badBoolean, Acad::eFilerError},
        {"huge string length", taggedLength(ItemTag::kString, 0xFFFFFFFFu), Acad::eFilerError},
        {"string length past the limit",
         taggedLength(ItemTag::kString, DwgStreamFiler::kMaxStringLength + 1), Acad::eFilerError},
        {"string longer than the bytes left", shortString, Acad::eEndOfFile},
        {"terminator inside a string", nulInString, Acad::eFilerError},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DwgStreamFiler filer;
        filer.setBuffer(row.bytes);
        ItemTag tag{};
        Acad::ErrorStatus status = Acad::eOk;
        if (!filer.peekTag(tag) || tag == ItemTag::kDouble) {
            double value = 0;
            status = filer.readDouble(&value);
        } else if (tag == ItemTag::kBoolean) {
            Adesk::Boolean value = false;
            status = filer.readBoolean(&value);
        } else {
            char* text = reinterpret_cast<char*>(0x1);
            status = filer.readString(&text);
            EXPECT_EQ(text, nullptr);
        }
        EXPECT_EQ(status, row.status);
    }
    DwgStreamFiler blocks;
    const char four[4] = {};
    char three[3];
    blocks.writeBytes(four, 4);
    blocks.rewind();
    EXPECT_EQ(blocks.readBytes(three, 3), Acad::eFilerError) << "a block of another length";
}

TEST(DwgStreamFilerTest, HandleCodingResolvesIdsAgainstTheFilersDatabase) {
    AcDbDatabase db;
    DwgStreamFiler out(AcDb::kFileFiler, &db, IdCoding::kHandle);
    out.writeSoftPointerId(db.modelSpaceId());
    out.writeSoftPointerId(AcDbObjectId::kNull);
    EXPECT_EQ(out.buffer().size(), 10u) << "tag and handle only";
    DwgStreamFiler in(AcDb::kFileFiler, &db, IdCoding::kHandle);
    in.setBuffer(out.buffer());
    AcDbSoftPointerId first, second;
    in.readSoftPointerId(&first);
    in.readSoftPointerId(&second);
    EXPECT_EQ(first, db.modelSpaceId());
    EXPECT_TRUE(second.isNull());
}

class ObjectFilingTest : public DbTest {
protected:
    // An object in the named-objects dictionary, with an extension dictionary, value 42 and a
    // link to model space.
    AcDbObjectId makeFiledObject() {
        AcDbDictionary* named = nullptr;
        EXPECT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
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
        AcDbObject* object = nullptr;
        EXPECT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForRead), Acad::eOk);
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
              "SoftPointer #1\nInt32 1\nSoftPointer #1\nHardOwner #6\n"
              "Int32 42\nHardPointer #3\n");
    EXPECT_EQ(describeRecord(record(id, AcDb::kCopyFiler), IdCoding::kSession),
              "Int32 42\nHardPointer #3\n")
        << "a copy gets the data, not the identity";

    auto* copy = new VtTestObject();
    DwgStreamFiler in(AcDb::kFileFiler, db.get());
    in.setBuffer(bytes);
    ASSERT_EQ(copy->dwgInFields(&in), Acad::eOk);
    DwgStreamFiler again(AcDb::kFileFiler, db.get());
    ASSERT_EQ(copy->dwgOutFields(&again), Acad::eOk);
    EXPECT_EQ(again.buffer(), bytes);
    delete copy;
}

TEST_F(ObjectFilingTest, TruncatedBaseRecordChangesNothing) {
    Bytes bytes = record(makeFiledObject(), AcDb::kFileFiler);
    bytes.resize(20);
    auto* object = new VtTestObject();
    DwgStreamFiler in(AcDb::kFileFiler, db.get());
    in.setBuffer(bytes);
    EXPECT_EQ(object->dwgInFields(&in), Acad::eEndOfFile);
    EXPECT_TRUE(object->ownerId().isNull());
    EXPECT_TRUE(object->persistentReactors().empty());
    EXPECT_TRUE(object->extensionDictionary().isNull());
    delete object;
}

TEST_F(ObjectFilingTest, CopyFromAndCloneCopyDataNotIdentity) {
    AcDbObjectId id = makeFiledObject();
    VtTestObject* source = nullptr;
    ASSERT_EQ(acdbOpenObject(source, id, AcDb::kForRead), Acad::eOk);

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
        EXPECT_TRUE(result->isWriteEnabled());
        delete result;
    }
    auto* dictionary = new AcDbDictionary();
    EXPECT_EQ(dictionary->copyFrom(source), Acad::eNotThatKindOfClass);
    EXPECT_EQ(dictionary->copyFrom(nullptr), Acad::eNullObjectPointer);
    delete dictionary;
    source->close();

    AcDbObjectId reactor = addReactor(AcDbObjectId::kNull, {});
    AcDbObject* noConstructor = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(noConstructor, reactor, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(noConstructor->clone(), nullptr);
    noConstructor->close();
}

TEST_F(ObjectFilingTest, HardReferencesAreCountedFromLiveObjectsOnly) {
    AcDbObjectId target = add();
    AcDbObjectId unused = add();
    AcDbObjectId linkers[3] = {add(), add(), add()};
    for (AcDbObjectId linker : linkers) {
        VtTestObject* object = nullptr;
        ASSERT_EQ(acdbOpenObject(object, linker, AcDb::kForWrite), Acad::eOk);
        object->setLink(target);
        object->addPersistentReactor(unused);  // a soft pointer: not counted
        if (linker == linkers[2]) object->erase();
        object->close();
    }
    AcDbObjectIdArray ids;
    ids.append(target);
    ids.append(unused);
    ids.append(db->modelSpaceId());
    ids.append(target);
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

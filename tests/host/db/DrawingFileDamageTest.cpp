// Drawing files that must not be believed (cut short, changed, hostile) and saves that must not
// lose the previous file (full disk, unwritable targets, objects that cannot file themselves).
#include <sys/stat.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DbTestSupport.h"
#include "DrawingLayout.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbSymbolTable.h"
#include "db/DrawingFile.h"
#include "ent/AcDbLine.h"

namespace vthost::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using vttest::DrawingLayout;

class DrawingFileDamage : public DbTest {
protected:
    void SetUp() override {
        AcDbDictionary* named =
            open<AcDbDictionary>(db->namedObjectsDictionaryId(), AcDb::kForWrite);
        auto* x = new VtTestObject(3);
        named->setAt("X", x, xId);
        x->close();
        named->close();
        auto* space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForWrite);
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0));
        space->appendAcDbEntity(line);
        line->close();
        space->close();
        bytes = vttest::savedBytes(*db);
        ASSERT_TRUE(DrawingLayout::decode(bytes, layout));
    }
    // Reads into a fresh database; a refusal must leave it empty.
    Acad::ErrorStatus read(const Bytes& file) {
        Acad::ErrorStatus status = Acad::eOk;
        auto reopened = vttest::opened(file, &status);
        if (status != Acad::eOk) {
            EXPECT_EQ(reopened->objectCount(), 0u);
        }
        return status;
    }
    DrawingLayout::Object& object(std::uint32_t handle) { return *layout.find(handle); }
    static void setOwner(DrawingLayout::Object& o, std::uint32_t handle) {
        std::memcpy(o.record.data() + 1, &handle, sizeof handle);  // first item: SoftPointer owner
    }

    AcDbObjectId xId;
    Bytes bytes;
    DrawingLayout layout;
};

TEST_F(DrawingFileDamage, EveryShortenedOrChangedFileIsRefused) {
    ASSERT_EQ(read(bytes), Acad::eOk);
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_NE(read(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(size))), Acad::eOk)
            << size;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        Bytes changed = bytes;
        changed[at] ^= 0x5A;
        EXPECT_NE(read(changed), Acad::eOk) << at;
    }
    Bytes longer = bytes;
    longer.push_back(0);
    EXPECT_EQ(read(longer), Acad::eFilerError);
    EXPECT_EQ(read({}), Acad::eEndOfFile);
    EXPECT_EQ(read(Bytes(bytes.begin(), bytes.begin() + 40)), Acad::eEndOfFile);
    EXPECT_EQ(read(Bytes{'P', 'K', 3, 4, 0, 0, 0, 0, 0}), Acad::eInvalidInput);
}

// Files whose frame and checksum are right but whose content lies.
TEST_F(DrawingFileDamage, HostileContentIsRefusedWithoutBelievingIt) {
    const std::uint32_t table = layout.wellKnown[1], model = layout.wellKnown[2];
    const std::uint32_t x = xId.rawHandle();
    const struct {
        const char* what;
        std::function<void(DrawingLayout&)> change;
        Acad::ErrorStatus expected;
    } cases[] = {
        {"newer format", [](DrawingLayout& l) { l.version = 2; }, Acad::eNotImplementedYet},
        {"format zero", [](DrawingLayout& l) { l.version = 0; }, Acad::eFilerError},
        {"handle zero", [](DrawingLayout& l) { l.objects[0].handle = 0; }, Acad::eFilerError},
        {"handle repeated", [](DrawingLayout& l) { l.objects[2].handle = l.objects[1].handle; },
         Acad::eFilerError},
        {"handle at the handseed", [](DrawingLayout& l) { l.objects.back().handle = l.handseed; },
         Acad::eFilerError},
        {"handseed past the last handle",
         [](DrawingLayout& l) { l.handseed = AcDbDatabase::kMaxHandle + 1; }, Acad::eFilerError},
        {"class index out of range",
         [](DrawingLayout& l) {
             l.objects[0].classIndex = static_cast<std::uint32_t>(l.classes.size());
         },
         Acad::eFilerError},
        {"object count past the bytes", [](DrawingLayout& l) { l.objectCount = INT_MAX; },
         Acad::eFilerError},
        {"object count one too many",
         [](DrawingLayout& l) { l.objectCount = static_cast<std::int32_t>(l.objects.size() + 1); },
         Acad::eEndOfFile},
        {"class count negative", [](DrawingLayout& l) { l.classCount = -1; }, Acad::eFilerError},
        {"variable count past the bytes", [](DrawingLayout& l) { l.variableCount = 1 << 30; },
         Acad::eFilerError},
        {"LUNITS a real", [](DrawingLayout& l) { l.variables.emplace_back("LUNITS", 2.0); },
         Acad::eFilerError},
        {"no named-objects dictionary", [](DrawingLayout& l) { l.wellKnown[0] = 0; },
         Acad::eFilerError},
        {"named objects of another class", [&](DrawingLayout& l) { l.wellKnown[0] = table; },
         Acad::eFilerError},
        {"model space a proxy",
         [](DrawingLayout& l) {
             for (auto& c : l.classes)
                 if (c.name == "AcDbBlockTableRecord") c.name = "VtNoSuchClass";
         },
         Acad::eFilerError},
        {"owner cycle", [&](DrawingLayout&) { setOwner(object(table), model); }, Acad::eFilerError},
        {"owner cycle among sparse handles",
         [&](DrawingLayout& l) {
             l.handseed = 1 << 20;
             setOwner(object(table), model);
         },
         Acad::eFilerError},
        {"sparse handles", [](DrawingLayout& l) { l.handseed = 1 << 20; }, Acad::eOk},
        {"own owner", [&](DrawingLayout&) { setOwner(object(x), x); }, Acad::eFilerError},
        {"block table owned by an erased object",
         [&](DrawingLayout& l) {
             l.handseed += 5;
             setOwner(object(table), l.handseed - 1);
         },
         Acad::eFilerError},
        {"record without base fields", [](DrawingLayout& l) { l.objects[0].record = {0xFF}; },
         Acad::eFilerError},
        {"unknown class",
         [&](DrawingLayout& l) { l.classes[object(x).classIndex].name = "VtGone"; }, Acad::eOk},
    };
    for (const auto& c : cases) {
        DrawingLayout changed;
        ASSERT_TRUE(DrawingLayout::decode(bytes, changed));
        layout = changed;
        c.change(layout);
        EXPECT_EQ(read(layout.encode()), c.expected) << c.what;
    }
    Bytes huge = bytes;
    std::uint32_t length = 0x7FFFFFF0;
    ASSERT_TRUE(vttest::patch(huge, std::string("\x0E\0\0\0AcDbDictionary", 18),
                              std::string(reinterpret_cast<char*>(&length), 4) + "AcDbDictionary"));
    EXPECT_EQ(read(vttest::resealed(huge)), Acad::eFilerError);

    // An owner chain deeper than effective erasure is followed.
    AcDbObjectId owner = xId;
    for (int i = 0; i < 64; ++i) {
        AcDbObjectId next = add(i);
        auto* object = open(next, AcDb::kForWrite);
        object->setOwnerId(owner);
        object->close();
        owner = next;
    }
    EXPECT_EQ(read(vttest::savedBytes(*db)), Acad::eFilerError);
}

// Saving to disk goes through a temporary file that replaces the target only when complete.
class DrawingFileSave : public DbTest {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vt-drawing-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        target = folder / "plan.vtdwg";
    }
    void TearDown() override {
        failSavesAfterBytes(-1);
        std::filesystem::remove_all(folder);
    }
    static Bytes contents(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                      std::filesystem::directory_iterator()));
    }

    std::filesystem::path folder, target;
};

TEST_F(DrawingFileSave, ASaveReplacesTheFileKeepingItsPermissions) {
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    add(5);
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    EXPECT_EQ(contents(target), vttest::savedBytes(*db));
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(filesInFolder(), 1u);
    AcDbDatabase reopened(false);
    EXPECT_EQ(reopened.readDwgFile(target.c_str()), Acad::eOk);
    EXPECT_EQ(reopened.objectCount(), db->objectCount());
}

TEST_F(DrawingFileSave, AFailedSaveLeavesThePreviousFileAndNoTemporary) {
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    Bytes previous = contents(target);
    add(5);
    std::size_t size = vttest::savedBytes(*db).size();
    for (long allowed : {0L, 1L, 100L, static_cast<long>(size) - 1}) {
        failSavesAfterBytes(allowed);
        EXPECT_EQ(db->saveAs(target.c_str()), Acad::eFilerError) << allowed;
        EXPECT_EQ(contents(target), previous) << allowed;
        EXPECT_EQ(filesInFolder(), 1u) << allowed;
    }
    failSavesAfterBytes(-1);

    std::filesystem::create_directory(folder / "sub");
    EXPECT_EQ(db->saveAs((folder / "sub").c_str()), Acad::eFilerError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "sub"));
    EXPECT_EQ(db->saveAs((folder / "missing" / "plan.vtdwg").c_str()), Acad::eFilerError);
    EXPECT_EQ(db->saveAs(nullptr), Acad::eInvalidInput);
    EXPECT_EQ(contents(target), previous);
    EXPECT_EQ(filesInFolder(), 2u);
}

TEST_F(DrawingFileSave, AnObjectThatCannotFileItselfStopsTheSave) {
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    Bytes previous = contents(target);
    ScopedClass<VtFiledProbe> cls("VtFiledProbe", "AcDbObject", construct<VtFiledProbe>);
    auto* probe = new VtFiledProbe();
    ASSERT_EQ(db->addAcDbObject(probe), Acad::eOk);
    probe->close();
    VtFiledProbe::failWrite = true;
    EXPECT_EQ(db->saveAs(target.c_str()), Acad::eFilerError);
    VtFiledProbe::reset();
    EXPECT_EQ(contents(target), previous);
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DrawingFileSave, ReadingRefusesWhatIsNotADrawingFileOrNotAnEmptyDatabase) {
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    AcDbDatabase empty(false);
    EXPECT_EQ(empty.readDwgFile((folder / "absent").c_str()), Acad::eFilerError);
    EXPECT_EQ(empty.readDwgFile(folder.c_str()), Acad::eFilerError);
    EXPECT_EQ(empty.readDwgFile(nullptr), Acad::eInvalidInput);
    AcDbDatabase full;
    EXPECT_EQ(full.readDwgFile(target.c_str()), Acad::eInvalidInput);
    EXPECT_EQ(empty.readDwgFile(target.c_str()), Acad::eOk);
    EXPECT_EQ(empty.readDwgFile(target.c_str()), Acad::eInvalidInput);
}

}  // namespace
}  // namespace vthost::test

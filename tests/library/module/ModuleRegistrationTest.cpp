// The library as a real module: registration at kInitAppMsg, deletion at kUnloadAppMsg,
// re-registration, the other messages, and the runtime-class pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "LibraryTestEnvironment.h"
#include "modifiers/AcContentModifier.h"
#include "module/AppDescription.h"
#include "LibraryClasses.h"
#include "link/AcPropertyLink.h"
#include "style/AcPropertyLinkStyle.h"
#include "readers/PropertyReaders.h"
#include "readers/AcPropertyReader.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"

namespace {

struct Expected {
    const char* name;
    const char* parent;
    int proxyFlags;
    const char* dxfName = nullptr;
};

// In registration order.
const Expected kExpectedClasses[] = {
    {"AcContentModifier", "AcDbObject", 1},
    {"AcBlockModifier", "AcContentModifier", 1},
    {"AcTextModifier", "AcContentModifier", 1},
    {"AcDimensionModifier", "AcContentModifier", 1},
    {"AcLeaderModifier", "AcContentModifier", 1},
    {"AcMTextModifier", "AcContentModifier", 1},
    {"AcColorModifier", "AcContentModifier", 1},
    {"AcPropertyReader", "AcDbObject", 1},
    {"AcPropertyLink", "AcDbObject", 0, "ACPROPERTYLINK"},
    {"AcPropertyLinkStyle", "AcDbObject", 0, "ACPROPERTYLINKSTYLE"},
    {"AcLengthReader", "AcPropertyReader", 1},
    {"AcAreaReader", "AcPropertyReader", 1},
    {"AcTextReader", "AcPropertyReader", 1},
    {"AcXCoordReader", "AcPropertyReader", 1},
    {"AcYCoordReader", "AcPropertyReader", 1},
    {"AcZCoordReader", "AcPropertyReader", 1},
};

AcRxClass* registered(const char* name) { return acrxFindClass(name); }

AcRxEntryPointFunction libraryEntryPoint() {
    HMODULE module = GetModuleHandleA("vantorell.dbx");
    return vthost::procAddress<AcRxEntryPointFunction>(module, "acrxEntryPoint");
}

class ModuleRegistration : public ::testing::Test {
protected:
    void TearDown() override { ASSERT_TRUE(vttest::loadLibrary()); }
};

TEST_F(ModuleRegistration, EveryClassIsRegisteredWithItsParentAndFlags) {
    ASSERT_EQ(vantorell::libraryClasses().size(), std::size(kExpectedClasses));
    for (std::size_t i = 0; i < std::size(kExpectedClasses); ++i)
        EXPECT_EQ(vantorell::libraryClasses()[i].desc(), registered(kExpectedClasses[i].name)) << i;
    for (const Expected& expected : kExpectedClasses) {
        AcRxClass* cls = registered(expected.name);
        ASSERT_NE(cls, nullptr) << expected.name;
        EXPECT_STREQ(cls->parentName(), expected.parent);
        EXPECT_EQ(cls->myParent(), registered(expected.parent));
        EXPECT_EQ(cls->proxyFlags(), expected.proxyFlags);
        if (expected.dxfName == nullptr) {
            EXPECT_EQ(cls->dxfName(), nullptr);
            EXPECT_EQ(cls->appName(), nullptr);
        } else {
            int dwg = 0, maintenance = 0;
            cls->getClassVersion(dwg, maintenance);
            EXPECT_EQ(dwg, 23);
            EXPECT_EQ(maintenance, 13);
            EXPECT_STREQ(cls->dxfName(), expected.dxfName);
            EXPECT_STREQ(cls->appName(), vantorell::kAppDescription);
        }
        AcRxObject* instance = cls->create();
        ASSERT_NE(instance, nullptr);
        EXPECT_EQ(instance->isA(), cls);
        delete instance;
    }
}

TEST_F(ModuleRegistration, UnloadDeletesTheClassesAndReloadRegistersThemAgain) {
    ASSERT_TRUE(vttest::unloadLibrary());
    for (const Expected& expected : kExpectedClasses)
        EXPECT_EQ(registered(expected.name), nullptr) << expected.name;
    ASSERT_TRUE(vttest::loadLibrary());
    for (const Expected& expected : kExpectedClasses) {
        ASSERT_NE(registered(expected.name), nullptr) << expected.name;
        EXPECT_EQ(registered(expected.name)->myParent(), registered(expected.parent));
    }
    EXPECT_EQ(AcPropertyReader::desc(), registered("AcPropertyReader"));
}

TEST_F(ModuleRegistration, ASecondInitialisationKeepsTheSameClasses) {
    AcRxClass* before = registered("AcPropertyReader");
    EXPECT_EQ(libraryEntryPoint()(AcRx::kInitAppMsg, GetModuleHandleA("vantorell.dbx")),
              AcRx::kRetOK);
    EXPECT_EQ(registered("AcPropertyReader"), before);
}

TEST_F(ModuleRegistration, OtherMessagesAreAnsweredOkAndChangeNothing) {
    std::size_t classes = vthost::classDictionary()->numEntries();
    for (int msg = AcRx::kLoadDwgMsg; msg <= AcRx::kSuspendMsg; ++msg)
        EXPECT_EQ(libraryEntryPoint()(static_cast<AcRx::AppMsgCode>(msg), nullptr), AcRx::kRetOK);
    EXPECT_EQ(vthost::classDictionary()->numEntries(), classes);
}

TEST_F(ModuleRegistration, AnotherClassUnderALibraryNameStopsTheHostWithClassMismatch) {
    ASSERT_TRUE(vttest::unloadLibrary());
    AcRxClass* impostor = newAcRxClass("AcPropertyReader", "AcDbObject");
    {
        vttest::FatalErrorsThrow fatal;
        try {
            vttest::loadLibrary();
            ADD_FAILURE() << "registration went on";
        } catch (const vttest::FatalError& error) {
            EXPECT_STREQ(error.what(), "Class mismatch");
        }
    }
    deleteAcRxClass(impostor);
    // The half-done load left the module in the linker's list; take it out before reloading.
    acrxUnloadModule("vantorell.dbx");
}

TEST(RuntimeClassPattern, CastFollowsTheHierarchy) {
    AcPropertyReader reader;
    AcContentModifier modifier;
    EXPECT_EQ(AcPropertyReader::cast(&reader), &reader);
    EXPECT_EQ(AcPropertyReader::cast(&modifier), nullptr);
    EXPECT_EQ(AcContentModifier::cast(&reader), nullptr);
    EXPECT_EQ(AcPropertyReader::cast(nullptr), nullptr);
    EXPECT_NE(AcDbObject::cast(&reader), nullptr);
    EXPECT_TRUE(AcPropertyReader::desc()->isDerivedFrom(AcDbObject::desc()));
    EXPECT_TRUE(AcAreaReader::desc()->isDerivedFrom(AcPropertyReader::desc()));
    AcPropertyLinkStyle style;
    EXPECT_EQ(AcPropertyLink::cast(&style), nullptr);
    EXPECT_EQ(AcPropertyLink::cast(nullptr), nullptr);
}

// A program linked with the library reads the exported class variables directly. The fault: with
// every reference inside the library bound to itself, the program's copy of gpDesc (a copy
// relocation) stayed null after the library had registered the class.
TEST(ExportedClassData, ALinkedProgramSeesTheRegisteredClassInGpDesc) {
    EXPECT_EQ(AcPropertyLink::gpDesc, acrxFindClass("AcPropertyLink"));
    EXPECT_EQ(AcAreaReader::gpDesc, acrxFindClass("AcAreaReader"));
    EXPECT_NE(AcPropertyLinkStyle::gpDesc, nullptr);
}

// The fault: the version constants had no definition, so a use that needs their address (a
// reference parameter) failed to link.
TEST(ExportedClassData, VersionConstantsCanBeBoundToReferences) {
    const Adesk::Int16 zero = 0;
    EXPECT_EQ(std::max(zero, AcPropertyLink::m_versionAcPropertyLink), 1);
    EXPECT_EQ(std::max(zero, AcPropertyLinkStyle::m_versionAcPropertyLinkStyle), 2);
    EXPECT_EQ(std::max(zero, AcAreaReader::m_versionAcAreaReader), 1);
    EXPECT_EQ(std::max(zero, AcContentModifier::m_versionAcContentModifier), 1);
}

}  // namespace

// The library as a real module: registration at kInitAppMsg, deletion at kUnloadAppMsg,
// re-registration, the other messages, and the runtime-class pattern.
#include <gtest/gtest.h>

#include <string>

#include "LibraryTestEnvironment.h"
#include "modifiers/AcContentModifier.h"
#include "module/LibraryClasses.h"
#include "readers/AcPropertyReader.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"

namespace {

struct Expected {
    const char* name;
    const char* parent;
    int proxyFlags;
};

const Expected kExpectedClasses[] = {
    {"AcContentModifier", "AcDbObject", 1},
    {"AcPropertyReader", "AcDbObject", 1},
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
    for (const Expected& expected : kExpectedClasses) {
        AcRxClass* cls = registered(expected.name);
        ASSERT_NE(cls, nullptr) << expected.name;
        EXPECT_STREQ(cls->parentName(), expected.parent);
        EXPECT_EQ(cls->myParent(), registered(expected.parent));
        EXPECT_EQ(cls->proxyFlags(), expected.proxyFlags);
        EXPECT_EQ(cls->dxfName(), nullptr);
        EXPECT_EQ(cls->appName(), nullptr);
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
}

}  // namespace

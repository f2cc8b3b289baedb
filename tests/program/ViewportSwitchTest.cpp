// Switching between paper space and the model space of a layout's viewports from a module's side:
// acedSetCurrentVPort by number and by viewport, and acedMspace / acedPspace found the way a
// module finds them, by decorated name in the host program (this test program exports its
// symbols as vthost does). Viewports are made with MVIEW, as a user makes them.
#include <gtest/gtest.h>

#include <vector>

#include "HostTestSupport.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/CurrentSpace.h"
#include "ed/Viewports.h"
#include "ent/AcDbViewport.h"
#include "program/HostCommands.h"
#include "ut/Win32.h"

namespace {

using vthost::commandLine;
using SpaceSwitch = Acad::ErrorStatus (*)(AcDbDatabase*);

SpaceSwitch exported(const char* decoratedName) {
    return reinterpret_cast<SpaceSwitch>(GetProcAddress(GetModuleHandleA(nullptr), decoratedName));
}

class ViewportSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = [] {
            vthost::registerHostCommands();
            return true;
        }();
        (void)registered;
        commandLine().reset();
        db = vthost::newDrawing()->database();
    }
    void TearDown() override {
        while (acDocManager->documentCount() > 0) vthost::closeDrawing(acDocManager->documents().back());
        commandLine().reset();
    }
    void type(std::initializer_list<const char*> lines) {
        for (const char* line : lines) commandLine().queue(line);
        ASSERT_TRUE(vthost::commandLoop());
    }
    // A layout with two viewports; the second is turned off when secondOff.
    void makeLayout(bool secondOff) {
        type({"TILEMODE 0", "MVIEW 0,0 20,10", "MVIEW 30,0 50,10"});
        if (secondOff) type({"MVIEW OFF 30,5 "});
    }
    std::vector<AcDbObjectId> viewports() {
        AcDbBlockTableRecord* paper = nullptr;
        acdbOpenObject(paper, db->paperSpaceId(), AcDb::kForRead);
        std::vector<AcDbObjectId> ids = paper->entityIds();
        paper->close();
        return ids;
    }
    vthost::test::OutputCapture output;
    AcDbDatabase* db = nullptr;
};

TEST_F(ViewportSwitch, TheHostProgramExportsMspaceAndPspaceByDecoratedName) {
    SpaceSwitch mspace = exported("_Z10acedMspaceP12AcDbDatabase");
    SpaceSwitch pspace = exported("_Z10acedPspaceP12AcDbDatabase");
    ASSERT_NE(mspace, nullptr);
    ASSERT_NE(pspace, nullptr);

    EXPECT_EQ(mspace(db), Acad::eNotApplicable) << "model tab: no layout to switch in";
    type({"TILEMODE 0"});
    EXPECT_EQ(mspace(db), Acad::eNotApplicable) << "a layout without viewports";
    makeLayout(false);
    EXPECT_EQ(mspace(db), Acad::eOk);
    EXPECT_EQ(vthost::currentViewport(), 2);
    EXPECT_EQ(pspace(db), Acad::eOk);
    EXPECT_EQ(vthost::currentViewport(), 1);
    EXPECT_EQ(mspace(nullptr), Acad::eNullObjectPointer);
    AcDbDatabase other;
    EXPECT_EQ(mspace(&other), Acad::eWrongDatabase);
    EXPECT_EQ(vthost::currentViewport(), 1);
}

TEST_F(ViewportSwitch, SetCurrentVPortRefusesUnknownAndOffViewports) {
    makeLayout(true);
    EXPECT_EQ(acedSetCurrentVPort(2), Acad::eOk) << output.take();
    EXPECT_EQ(vthost::currentViewport(), 2);
    EXPECT_EQ(acedSetCurrentVPort(3), Acad::eOutOfRange) << "the second viewport is off";
    EXPECT_EQ(acedSetCurrentVPort(7), Acad::eOutOfRange);
    EXPECT_EQ(acedSetCurrentVPort(0), Acad::eOutOfRange);
    EXPECT_EQ(acedSetCurrentVPort(-1), Acad::eOutOfRange);
    EXPECT_EQ(vthost::currentViewport(), 2);
    EXPECT_EQ(acedSetCurrentVPort(1), Acad::eOk);
    EXPECT_EQ(acedSetCurrentVPort(static_cast<const AcDbViewport*>(nullptr)), Acad::eNullObjectPointer);

    std::vector<AcDbObjectId> ids = viewports();
    ASSERT_EQ(ids.size(), 2u);
    AcDbViewport* on = nullptr;
    AcDbViewport* off = nullptr;
    ASSERT_EQ(acdbOpenObject(on, ids[0], AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenObject(off, ids[1], AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(acedSetCurrentVPort(off), Acad::eOutOfRange);
    EXPECT_EQ(acedSetCurrentVPort(on), Acad::eOk);
    EXPECT_EQ(vthost::currentViewport(), on->number());
    on->close();
    off->close();
}

TEST_F(ViewportSwitch, TurningAViewportBackOnGivesItANewNumber) {
    makeLayout(true);
    type({"MVIEW ON 30,5 "});
    EXPECT_EQ(acedSetCurrentVPort(3), Acad::eOk);
}

}  // namespace

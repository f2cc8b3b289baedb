// The editor functions the library reaches by name: DIESEL through acedMenuCmd/acedGetInput,
// number formatting through acdbRToS, and system variables through acedGetVar/acedSetVar, all
// following the working drawing's settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "ut/AdsCodes.h"
#include "ed/EditorInput.h"
#include "ed/SystemVariables.h"
#include "ed/UnitSettings.h"
#include "ut/Win32.h"
#include "boot/Switches.h"

namespace {

class EditorFunctions : public ::testing::Test {
protected:
    void SetUp() override {
        db = std::make_unique<AcDbDatabase>();
        acdbHostApplicationServices()->setWorkingDatabase(db.get());
        vthost::clearInput();
    }
    void TearDown() override {
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    std::string evaluate(const std::string& expression) {
        EXPECT_EQ(acedMenuCmd(("M=" + expression).c_str()), RTKWORD);
        char result[132];
        EXPECT_EQ(acedGetInput(result), RTNORM);
        return result;
    }
    int setShort(const char* name, short value) {
        resbuf rb{};
        rb.restype = RTSHORT;
        rb.resval.rint = value;
        return acedSetVar(name, &rb);
    }
    std::unique_ptr<AcDbDatabase> db;
};

TEST_F(EditorFunctions, MenuMacrosAreEvaluatedAndReadBack) {
    EXPECT_EQ(evaluate("$(upper,abc)"), "ABC");
    EXPECT_EQ(evaluate("$(*,2,21)"), "42");
    EXPECT_EQ(evaluate("$(getvar,lunits)"), "2");
    EXPECT_EQ(evaluate("$(rtos,17.5)"), "17.5000");
    EXPECT_EQ(acedMenuCmd("P1=*"), RTERROR);
    EXPECT_EQ(acedMenuCmd(nullptr), RTERROR);
}

TEST_F(EditorFunctions, GetInputDeliversAtMost131Characters) {
    EXPECT_EQ(evaluate(std::string(300, 'x')), std::string(131, 'x'));
    vthost::clearInput();
    char buffer[132];
    EXPECT_EQ(acedGetInput(buffer), RTERROR);
}

TEST_F(EditorFunctions, RToSFollowsTheDrawingsUnitsAndRefusesBadArguments) {
    char buffer[400];
    EXPECT_EQ(acdbRToS(17.5, -1, -1, buffer), RTNORM);
    EXPECT_STREQ(buffer, "17.5000");
    ASSERT_EQ(setShort("LUNITS", 4), RTNORM);
    ASSERT_EQ(setShort("luprec", 2), RTNORM);
    EXPECT_EQ(acdbRToS(17.5, -1, -1, buffer), RTNORM);
    EXPECT_STREQ(buffer, "1'-5 1/2\"");
    EXPECT_EQ(acdbRToS(17.5, 2, 2, buffer), RTNORM);
    EXPECT_STREQ(buffer, "17.50");
    EXPECT_EQ(acdbRToS(17.5, 9, 2, buffer), RTERROR);
    EXPECT_STREQ(buffer, "");
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_EQ(acdbRToS(1.0, -1, -1, buffer), RTNORM);
    EXPECT_STREQ(buffer, "1.0000") << "without a drawing the defaults of a new drawing apply";
}

TEST_F(EditorFunctions, VariablesAreTypedCheckedAndCaseInsensitive) {
    resbuf rb{};
    EXPECT_EQ(acedGetVar("Lunits", &rb), RTNORM);
    EXPECT_EQ(rb.restype, RTSHORT);
    EXPECT_EQ(rb.resval.rint, 2);
    EXPECT_EQ(setShort("LUNITS", 6), RTERROR) << "out of range";
    EXPECT_EQ(setShort("NOSUCHVAR", 1), RTERROR);
    resbuf real{};
    real.restype = RTREAL;
    real.resval.rreal = 3.0;
    EXPECT_EQ(acedSetVar("LUNITS", &real), RTERROR) << "wrong type";
    EXPECT_EQ(acedGetVar("nosuchvar", &rb), RTERROR);
    ASSERT_EQ(acedGetVar("CLAYER", &rb), RTNORM);
    EXPECT_EQ(rb.restype, RTSTR);
    EXPECT_STREQ(rb.resval.rstring, "0");
    std::free(rb.resval.rstring);
    ASSERT_EQ(setShort("CMDECHO", 0), RTNORM);
    ASSERT_EQ(acedGetVar("cmdecho", &rb), RTNORM);
    EXPECT_EQ(rb.resval.rint, 0);
    setShort("CMDECHO", 1);
}

TEST_F(EditorFunctions, EachDrawingKeepsItsOwnUnits) {
    ASSERT_EQ(setShort("LUPREC", 1), RTNORM);
    AcDbDatabase other;
    acdbHostApplicationServices()->setWorkingDatabase(&other);
    char buffer[400];
    acdbRToS(2.0, -1, -1, buffer);
    EXPECT_STREQ(buffer, "2.0000");
    acdbHostApplicationServices()->setWorkingDatabase(db.get());
    acdbRToS(2.0, -1, -1, buffer);
    EXPECT_STREQ(buffer, "2.0");
}

TEST_F(EditorFunctions, TheClockFeedsDateAndEdtime) {
    vthost::ScopedClock clock([] { return 2451062.2036748; });  // 5 September 1998, 4:53:17
    EXPECT_EQ(evaluate("$(edtime,0,YYYY-MO-DD HH:MM)"), "1998-09-05 04:53");
    EXPECT_EQ(evaluate("$(edtime,$(getvar,date),DDDD)"), "Saturday");
}

TEST_F(EditorFunctions, TheLibrarysLookUpsFindTheHostsFunctions) {
    HMODULE host = GetModuleHandleA(nullptr);
    EXPECT_NE(GetProcAddress(host, "acedMenuCmd"), nullptr);
    EXPECT_NE(GetProcAddress(host, "acedGetInput"), nullptr);
    EXPECT_NE(GetProcAddress(host, "acdbRToS"), nullptr);
}

}  // namespace

// Contract tests of the documents and editor layer: keyword matching, point entry, the input
// functions and ERRNO, selection sets and their limit, the command stack, locking and reactor
// order around a modal command, undo groups, system variables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/DocumentState.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbObjectReactor.h"
#include "db/AcDbSymbolTable.h"
#include "ed/AcEdCommandStack.h"
#include "ed/AcEditor.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/EditorCommands.h"
#include "ed/EditorInput.h"
#include "ed/InputParser.h"
#include "ed/KeywordList.h"
#include "ed/Selection.h"
#include "ed/SystemVariables.h"
#include "ed/UserInput.h"
#include "ent/AcDbCircle.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxSysRegistry.h"

namespace vthost::test {
namespace {

// One drawing with two circles (radius 1 at 0,0 and radius 2 at 10,0), an empty command line
// and a capture of everything printed.
class EditorLayer : public ::testing::Test {
protected:
    void SetUp() override {
        commandLine().reset();
        newDrawing();
        small = addCircle(AcGePoint3d(0, 0, 0), 1);
        large = addCircle(AcGePoint3d(10, 0, 0), 2);
        acDocManager->curDocument()->state().undo.endGroup();
    }
    void TearDown() override {
        while (acDocManager->documentCount() > 0) closeDrawing(acDocManager->documents().back());
        commandLine().reset();
    }
    static AcDbObjectId addCircle(const AcGePoint3d& center, double radius) {
        AcDbBlockTableRecord* space = nullptr;
        acdbOpenObject(space, acDocManager->curDocument()->database()->modelSpaceId(), AcDb::kForWrite);
        AcDbObjectId id;
        auto* circle = new AcDbCircle(center, radius);
        space->appendAcDbEntity(id, circle);
        circle->close();
        space->close();
        return id;
    }
    static void answer(std::initializer_list<const char*> lines) {
        for (const char* line : lines) commandLine().queue(line);
    }
    static short errnoValue() {
        resbuf value{};
        acedGetVar("ERRNO", &value);
        return value.resval.rint;
    }
    OutputCapture output;
    AcDbObjectId small, large;
};

TEST(KeywordListTest, MatchesCapitalsLongerStartsAndCommaForms) {
    KeywordList list;
    ASSERT_TRUE(list.parse("LType eXit Width,W Close"));
    struct Case {
        const char* typed;
        int index;
    } cases[] = {{"LT", 0}, {"lt", 0}, {"LTY", 0}, {"ltype", 0}, {"L", -1}, {"X", 1}, {"ex", 1},
                 {"exit", 1}, {"E", -1}, {"W", 2}, {"wid", 2}, {"C", 3}, {"close", 3}, {"closer", -1},
                 {"", -1}};
    for (const Case& c : cases) EXPECT_EQ(list.match(c.typed), c.index) << c.typed;
}

TEST(KeywordListTest, GlobalNamesMatchByPositionAndAnswerAsSpelled) {
    KeywordList list;
    ASSERT_TRUE(list.parse("Ja Nein _Yes No"));
    EXPECT_EQ(list.match("j"), 0);
    EXPECT_EQ(list.match("_yes"), 0);
    EXPECT_EQ(list.match("_N"), 1);
    EXPECT_EQ(list.match("yes"), -1) << "a global name needs its underscore";
    EXPECT_EQ(list.at(1).global, "No");
}

TEST(KeywordListTest, RefusesMalformedLists) {
    KeywordList list;
    EXPECT_FALSE(list.parse("One Two _Uno"));
    EXPECT_FALSE(list.parse("Bad_Word"));
    EXPECT_FALSE(list.parse("Semi;colon"));
    EXPECT_TRUE(list.empty());
}

TEST(InputParserTest, PointForms) {
    AcGePoint3d last(1, 1, 0), p;
    EXPECT_TRUE(parsePoint("3,4", nullptr, p));
    EXPECT_EQ(p, AcGePoint3d(3, 4, 0));
    EXPECT_TRUE(parsePoint("3,4,5", nullptr, p));
    EXPECT_EQ(p, AcGePoint3d(3, 4, 5));
    EXPECT_TRUE(parsePoint("@2,-1", &last, p));
    EXPECT_EQ(p, AcGePoint3d(3, 0, 0));
    EXPECT_TRUE(parsePoint("@2<90", &last, p));
    EXPECT_NEAR(p.x, 1, 1e-12);
    EXPECT_NEAR(p.y, 3, 1e-12);
    EXPECT_TRUE(parsePoint("@", &last, p));
    EXPECT_EQ(p, last);
    for (const char* bad : {"", "3", "3,", ",4", "1,2,3,4", "@1,1", "a,b", "1e999,0", "nan,0", "@<", "5<x"})
        EXPECT_FALSE(parsePoint(bad, std::string(bad).rfind('@', 0) == 0 && std::string(bad) != "@1,1" ? &last : nullptr, p))
            << bad;
    EXPECT_FALSE(parsePoint("@1,1", nullptr, p)) << "relative input needs a last point";
}

TEST(InputParserTest, NumbersAndIntegers) {
    double d = 0;
    int i = 0;
    EXPECT_TRUE(parseReal("-2.5e1", d));
    EXPECT_EQ(d, -25);
    EXPECT_FALSE(parseReal("inf", d));
    EXPECT_FALSE(parseReal("2.5x", d));
    EXPECT_TRUE(parseInteger("-32768", i));
    EXPECT_FALSE(parseInteger("32768", i));
    EXPECT_FALSE(parseInteger("1.0", i));
}

TEST_F(EditorLayer, InitGetAppliesToTheNextInputCallOnly) {
    answer({"X", "X", "7"});
    ASSERT_EQ(acedInitGet(0, "eXit"), RTNORM);
    int value = 0;
    EXPECT_EQ(acedGetInt("\nNumber: ", &value), RTKWORD);
    char text[132];
    EXPECT_EQ(acedGetInput(text), RTNORM);
    EXPECT_STREQ(text, "eXit");
    // The keyword list is gone: "X" is now refused and asked again; then 7.
    EXPECT_EQ(acedGetInt("\nNumber: ", &value), RTNORM);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(acedGetInput(text), RTERROR) << "the pending keyword is cleared by every input call";
}

TEST_F(EditorLayer, NoNullRefusesEnterAndInputRunningOutCancels) {
    answer({"", "2"});
    acedInitGet(RSG_NONULL, nullptr);
    double value = 0;
    EXPECT_EQ(acedGetReal("\nValue: ", &value), RTNORM);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(acedGetReal("\nValue: ", &value), RTCAN);
    EXPECT_NE(output.take().find("Requires a value."), std::string::npos);
}

TEST_F(EditorLayer, EntSelPicksMissesAndSetsErrno) {
    ads_name name;
    ads_point at;
    answer({"0,1.2", "5,5", "", "L"});
    ASSERT_EQ(acedEntSel(nullptr, name, at), RTNORM);
    AcDbObjectId id;
    ASSERT_EQ(acdbGetObjectId(id, name), Acad::eOk);
    EXPECT_EQ(id, small);
    EXPECT_EQ(acedEntSel(nullptr, name, at), RTERROR);
    EXPECT_EQ(errnoValue(), 7);
    EXPECT_EQ(acedEntSel(nullptr, name, at), RTERROR);
    EXPECT_EQ(errnoValue(), 52);
    ASSERT_EQ(acedEntSel(nullptr, name, at), RTNORM);
    acdbGetObjectId(id, name);
    EXPECT_EQ(id, large) << "L picks the last entity";
    EXPECT_EQ(acedEntSel(nullptr, name, at), RTCAN);
}

TEST_F(EditorLayer, EntSelAnswersKeywords) {
    ads_name name;
    ads_point at;
    answer({"u"});
    acedInitGet(0, "Undo");
    EXPECT_EQ(acedEntSel(nullptr, name, at), RTKWORD);
    char text[132];
    acedGetInput(text);
    EXPECT_STREQ(text, "Undo");
}

TEST_F(EditorLayer, SelectionSetsInteractiveModesAndResults) {
    ads_name ss;
    answer({"0,1", "0,1", "10,2", "", ""});
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
    long length = 0;
    ASSERT_EQ(acedSSLength(ss, &length), RTNORM);
    EXPECT_EQ(length, 2) << "the same entity twice counts once";
    ads_name entity;
    EXPECT_EQ(acedSSName(ss, 2, entity), RTERROR);
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    EXPECT_EQ(acedSSFree(ss), RTERROR) << "a freed set is no longer valid";
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR) << "an empty selection";
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN) << "input ran out";
    double a[3] = {-2, -2, 0}, b[3] = {2, 2, 0};
    ASSERT_EQ(acedSSGet("W", a, b, nullptr, ss), RTNORM);
    acedSSLength(ss, &length);
    EXPECT_EQ(length, 1);
    acedSSFree(ss);
    double c[3] = {1.5, -5, 0}, d[3] = {8.5, 5, 0};
    EXPECT_EQ(acedSSGet("W", c, d, nullptr, ss), RTERROR);
    ASSERT_EQ(acedSSGet("C", a, d, nullptr, ss), RTNORM);
    acedSSLength(ss, &length);
    EXPECT_EQ(length, 2) << "a crossing window takes what it touches";
    acedSSFree(ss);
    ASSERT_EQ(acedSSGet("P", nullptr, nullptr, nullptr, ss), RTNORM);
    acedSSFree(ss);
}

TEST_F(EditorLayer, AtMost128SelectionSetsAreOpen) {
    std::vector<std::array<long, 2>> names(kMaxSelectionSets);
    for (auto& n : names) ASSERT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, n.data()), RTNORM);
    ads_name extra;
    EXPECT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, extra), RTERROR);
    for (auto& n : names) acedSSFree(n.data());
    EXPECT_EQ(openSelectionSets(), 0);
}

TEST_F(EditorLayer, AdsNamesOfNoEntityAreRefused) {
    ads_name bogus = {0, 0};
    AcDbObjectId id;
    EXPECT_EQ(acdbGetObjectId(id, bogus), Acad::eInvalidAdsName);
    ads_name good;
    ASSERT_EQ(acdbGetAdsName(good, large), Acad::eOk);
    ASSERT_EQ(acdbGetObjectId(id, good), Acad::eOk);
    EXPECT_EQ(id, large);
}

void testCommand() {}

TEST_F(EditorLayer, CommandStackGroupsNamesAndRefusals) {
    AcEdCommandStack* stack = acedRegCmds;
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(std::string(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)->isA()->name()), "AcEdCommandStack");
    EXPECT_EQ(stack->addCommand("VT_TEST", "Frob", "Frobnicate", ACRX_CMD_MODAL, testCommand), Acad::eOk);
    EXPECT_EQ(stack->addCommand("vt_test", "FROB", "other", ACRX_CMD_MODAL, testCommand), Acad::eDuplicateKey);
    EXPECT_EQ(stack->addCommand("VT_TEST", std::string(65, 'A').c_str(), nullptr, 0, testCommand), Acad::eInvalidInput);
    EXPECT_EQ(stack->addCommand("VT_TEST", std::string(64, 'A').c_str(), nullptr, 0, testCommand), Acad::eOk);
    ASSERT_NE(stack->lookupGlobalCmd("frob"), nullptr);
    EXPECT_STREQ(stack->lookupGlobalCmd("frob")->globalName(), "FROB");
    EXPECT_NE(stack->lookupLocalCmd("FROBNICATE"), nullptr);
    EXPECT_EQ(stack->removeCmd("VT_TEST", "nothing"), Acad::eKeyNotFound);
    EXPECT_EQ(stack->removeGroup("vt_test"), Acad::eOk);
    EXPECT_EQ(stack->removeGroup("VT_TEST"), Acad::eKeyNotFound);
    EXPECT_EQ(stack->lookupGlobalCmd("FROB"), nullptr);
}

// Records every editor and document event with the lock mode the drawing had at that moment.
std::vector<std::string> g_events;

std::string lockText() {
    AcApDocument* doc = acDocManager->curDocument();
    return doc && doc->myLockMode() == AcAp::kWrite ? "locked" : "unlocked";
}

class RecordingEditorReactor : public AcEditorReactor {
public:
    void commandWillStart(const char* name) override { g_events.push_back(std::string("willStart ") + name + " " + lockText()); }
    void commandEnded(const char* name) override { g_events.push_back(std::string("ended ") + name + " " + lockText()); }
    void commandCancelled(const char* name) override { g_events.push_back(std::string("cancelled ") + name); }
    void commandFailed(const char* name) override { g_events.push_back(std::string("failed ") + name); }
    void unknownCommand(const char* name, AcDbVoidPtrArray*) override { g_events.push_back(std::string("unknown ") + name); }
    void sysVarChanged(const char* name, Adesk::Boolean ok) override {
        g_events.push_back(std::string("sysVar ") + name + (ok ? " ok" : " refused"));
    }
};

class SelfRemovingReactor : public AcEditorReactor {
public:
    void commandWillStart(const char*) override {
        g_events.push_back("self-removing");
        acedEditor->removeReactor(this);
    }
};

class RecordingDocReactor : public AcApDocManagerReactor {
public:
    void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode, AcAp::DocLockMode now, AcAp::DocLockMode,
                                 const char*) override {
        g_events.push_back(now == AcAp::kWrite ? "lock" : "unlock");
    }
};

void drawingCommand() {
    g_events.push_back("body " + lockText());
}

void promptingCommand() {
    ads_point p;
    g_events.push_back(acedGetPoint(nullptr, "\nPoint: ", p) == RTNORM ? "got point" : "no point");
}

void failingCommand() { failCommand("It failed."); }

class Registered {
public:
    Registered() {
        acedRegCmds->addCommand("VT_TEST", "DRAWIT", "DRAWIT", ACRX_CMD_MODAL, drawingCommand);
        acedRegCmds->addCommand("VT_TEST", "ASKIT", "ASKIT", ACRX_CMD_MODAL, promptingCommand);
        acedRegCmds->addCommand("VT_TEST", "FAILIT", "FAILIT", ACRX_CMD_MODAL, failingCommand);
        acedEditor->addReactor(&editor);
        acDocManager->addReactor(&docs);
        g_events.clear();
    }
    ~Registered() {
        acedRegCmds->removeGroup("VT_TEST");
        acedEditor->removeReactor(&editor);
        acDocManager->removeReactor(&docs);
    }
    RecordingEditorReactor editor;
    RecordingDocReactor docs;
};

TEST_F(EditorLayer, ModalCommandRunsLockedFromBeforeWillStartUntilAfterEnded) {
    Registered registered;
    SelfRemovingReactor once;
    acedEditor->addReactor(&once);
    EXPECT_EQ(runCommand("_.drawit"), CommandOutcome::kUnknown) << "\".\" reaches only the host's commands";
    EXPECT_EQ(runCommand("_drawit"), CommandOutcome::kEnded);
    EXPECT_EQ(runCommand("drawit"), CommandOutcome::kEnded);
    std::vector<std::string> expected = {"unknown _.DRAWIT",
                                         "lock", "willStart DRAWIT locked", "self-removing", "body locked",
                                         "ended DRAWIT locked", "unlock",
                                         "lock", "willStart DRAWIT locked", "body locked", "ended DRAWIT locked",
                                         "unlock"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(EditorLayer, CancelledAndFailedCommandsTellTheirReactors) {
    Registered registered;
    EXPECT_EQ(runCommand("ASKIT"), CommandOutcome::kCancelled);
    EXPECT_EQ(runCommand("FAILIT"), CommandOutcome::kFailed);
    std::vector<std::string> expected = {"lock", "willStart ASKIT locked", "no point", "cancelled ASKIT", "unlock",
                                         "lock", "willStart FAILIT locked", "failed FAILIT", "unlock"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(EditorLayer, AcedCommandAnswersPromptsAndReportsTheOutcome) {
    Registered registered;
    EXPECT_EQ(acedCommand(RTSTR, "ASKIT", RTSTR, "1,2", 0), RTNORM);
    EXPECT_EQ(acedCommand(RTSTR, "ASKIT", RTNONE), RTCAN) << "answers that run out cancel";
    EXPECT_EQ(acedCommand(RTSTR, "NOSUCH", 0), RTERROR);
    double p[3] = {4, 5, 6};
    EXPECT_EQ(acedCommand(RTSTR, "ASKIT", RT3DPOINT, p, 0), RTNORM);
    EXPECT_EQ(std::count(g_events.begin(), g_events.end(), "got point"), 2);
}

class UndoWatcher : public AcDbObjectReactor {
public:
    void modified(const AcDbObject*) override { ++modifiedCount; }
    void modifyUndone(const AcDbObject*) override { ++undoneCount; }
    int modifiedCount = 0, undoneCount = 0;
};

TEST_F(EditorLayer, UndoRestoresChangesAndRemovesWhatTheGroupAdded) {
    UndoHistory& undo = acDocManager->curDocument()->state().undo;
    UndoWatcher watcher;
    AcDbCircle* circle = nullptr;
    acdbOpenObject(circle, small, AcDb::kForRead);
    circle->addReactor(&watcher);
    circle->close();
    undo.beginGroup("EDIT");
    acdbOpenObject(circle, small, AcDb::kForWrite);
    circle->setRadius(5);
    circle->close();
    AcDbObjectId added = addCircle(AcGePoint3d(20, 0, 0), 3);
    undo.endGroup();
    std::string name;
    ASSERT_TRUE(undo.undoOne(name));
    EXPECT_EQ(name, "EDIT");
    acdbOpenObject(circle, small, AcDb::kForRead);
    EXPECT_EQ(circle->radius(), 1);
    circle->close();
    EXPECT_EQ(watcher.modifiedCount, 1) << "the edit itself; undoing sends no second modified";
    EXPECT_EQ(watcher.undoneCount, 1);
    EXPECT_TRUE(added.isErased());
    std::vector<std::string> redone;
    ASSERT_TRUE(undo.redo(redone));
    EXPECT_FALSE(added.isErased());
    acdbOpenObject(circle, small, AcDb::kForRead);
    EXPECT_EQ(circle->radius(), 5);
    circle->removeReactor(&watcher);
    circle->close();
}

TEST_F(EditorLayer, GroupsThatChangeNothingAreDropped) {
    UndoHistory& undo = acDocManager->curDocument()->state().undo;
    std::size_t before = undo.groupCount();
    undo.beginGroup("LIST");
    AcDbCircle* circle = nullptr;
    acdbOpenObject(circle, small, AcDb::kForWrite);
    circle->setRadius(1);  // the same value
    circle->close();
    undo.endGroup();
    EXPECT_EQ(undo.groupCount(), before);
}

TEST_F(EditorLayer, SystemVariablesTypesRangesAndSpaces) {
    resbuf value{};
    ASSERT_EQ(acedGetVar("pickbox", &value), RTNORM);
    EXPECT_EQ(value.restype, RTSHORT);
    ASSERT_EQ(acedGetVar("DATE", &value), RTNORM);
    EXPECT_EQ(value.restype, RTREAL);
    resbuf number{};
    number.restype = RTSHORT;
    number.resval.rint = 3;
    EXPECT_EQ(acedSetVar("CVPORT", &number), RTERROR) << "in model space CVPORT stays 2";
    number.resval.rint = 0;
    ASSERT_EQ(acedSetVar("TILEMODE", &number), RTNORM);
    ASSERT_EQ(acedGetVar("CVPORT", &value), RTNORM);
    EXPECT_EQ(value.resval.rint, 1) << "leaving model space goes to paper space";
    ads_name ss;
    EXPECT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, ss), RTERROR) << "paper space is empty";
    number.resval.rint = 1;
    acedSetVar("TILEMODE", &number);
    number.resval.rint = 51;
    EXPECT_EQ(acedSetVar("PICKBOX", &number), RTERROR);
    resbuf real{};
    real.restype = RTREAL;
    real.resval.rreal = 1.0;
    EXPECT_EQ(acedSetVar("DATE", &real), RTERROR) << "DATE is read-only";
    EXPECT_EQ(acedSetVar("CMDECHO", &real), RTERROR) << "a value of another type";
}

TEST_F(EditorLayer, SysVarEventsReportRefusals) {
    Registered registered;
    resbuf number{};
    number.restype = RTSHORT;
    number.resval.rint = 9;
    acedSetVar("LUNITS", &number);
    number.resval.rint = 3;
    acedSetVar("LUNITS", &number);
    std::vector<std::string> expected = {"sysVar LUNITS refused", "sysVar LUNITS ok"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(EditorLayer, DocumentsFollowTheCurrentOneAndKeepResourceStacks) {
    AcApDocument* first = acDocManager->curDocument();
    AcApDocument* second = newDrawing();
    EXPECT_EQ(acDocManager->curDocument(), second);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second->database());
    EXPECT_EQ(acDocManager->document(first->database()), first);
    acDocManager->pushResourceHandle(reinterpret_cast<HINSTANCE>(0x10));
    EXPECT_EQ(acDocManager->resourceHandleDepth(), 1);
    acDocManager->setCurDocument(first);
    EXPECT_EQ(acDocManager->resourceHandleDepth(), 0) << "the stack is the current document's";
    acDocManager->setCurDocument(second);
    acDocManager->popResourceHandle();
    acDocManager->popResourceHandle();
    EXPECT_EQ(acDocManager->resourceHandleDepth(), 0);
    EXPECT_EQ(acDocManager->unlockDocument(second), Acad::eNotApplicable);
    closeDrawing(second);
    EXPECT_EQ(acDocManager->curDocument(), first);
}

}  // namespace
}  // namespace vthost::test

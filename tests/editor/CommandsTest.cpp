// The editor application as a user meets it at the Command prompt: self-labelled entities
// rewritten once after the command that changed them, vt_update and cancelled commands, link
// removal with its messages, the menu loaded once per session with the user's settings kept,
// two drawings sharing one queue, help, and unloading and loading the application again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorSession.h"
#include "LibraryTestEnvironment.h"
#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "boot/Switches.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbObjectReactor.h"
#include "ed/AcEdCommandStack.h"
#include "ed/AcEditor.h"
#include "ed/AcedMenu.h"
#include "ed/SystemVariables.h"
#include "ent/AcDbText.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxService.h"
#include "ut/AcUtil.h"

namespace vteditor {
namespace {

using Commands = EditorSession;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Records command events and the text of one entity at each of its modifications, in order.
class Probe : public AcEditorReactor, public AcDbObjectReactor {
public:
    void commandWillStart(const char* name) override { log.push_back(std::string("start ") + name); }
    void commandEnded(const char* name) override {
        log.push_back(std::string("ended ") + name);
        lockedAtEnd = acDocManager->curDocument()->myLockMode() == AcAp::kWrite;
    }
    void modified(const AcDbObject* object) override {
        const auto* text = AcDbText::cast(object);
        char* contents = text ? text->textString() : nullptr;
        log.push_back(std::string("modified ") + (contents ? contents : "?"));
        acutDelString(contents);
    }
    std::vector<std::string> log;
    bool lockedAtEnd = false;
};

TEST_F(Commands, ASelfLabelledTextIsRewrittenOnceAfterTheCommandThatMovedIt) {
    AcDbObjectId text = addSelfLabelledText(20, 0);
    Probe probe;
    // The probe hears the end of the command before the application does.
    acedEditor->addReactor(&probe);
    acrxUnloadModule(kApplication);
    ASSERT_TRUE(vthost::loadModuleIntoSession(kApplication, false));
    AcDbObject* opened = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(opened, text, AcDb::kForRead), Acad::eOk);
    opened->addReactor(&probe);
    opened->close();

    type({"MOVE 20.1,0.1 ", "0,0 5,0"});
    acedEditor->removeReactor(&probe);
    ASSERT_EQ(acdbOpenAcDbObject(opened, text, AcDb::kForRead), Acad::eOk);
    opened->removeReactor(&probe);
    opened->close();
    EXPECT_EQ(probe.log, (std::vector<std::string>{"start MOVE", "modified X=20.00", "ended MOVE",
                                                   "modified X=25.00"}));
    EXPECT_EQ(textOf(text), "X=25.00");
    EXPECT_EQ(queuedLinks(), 0);
    EXPECT_TRUE(probe.lockedAtEnd) << "the deferred rewrite happens inside the command's lock";
}

TEST_F(Commands, ACancelledCommandLeavesItsLinksQueuedForTheNextOneOrForVtUpdate) {
    AcDbObjectId text = addSelfLabelledText(20, 0);
    std::string seen = type({"DDEDIT 20.1,0.1 oops", "^C"});
    EXPECT_TRUE(contains(seen, "*Cancel*")) << seen;
    EXPECT_EQ(textOf(text), "oops");
    EXPECT_EQ(queuedLinks(), 1);

    type({"vt_update"});
    EXPECT_EQ(textOf(text), "X=20.00");
    EXPECT_EQ(queuedLinks(), 0);

    type({"DDEDIT 20.1,0.1 again", "^C", "ID 0,0"});
    EXPECT_EQ(textOf(text), "X=20.00") << "the next command that ends updates it";
}

TEST_F(Commands, OneQueueServesEveryOpenDrawing) {
    AcDbObjectId first = addSelfLabelledText(1, 0);
    moveBy(first, 1);
    AcApDocument* firstDocument = document;
    vthost::newDrawing();
    type({});
    AcDbObjectId second = addSelfLabelledText(3, 0);
    moveBy(second, 1);
    EXPECT_EQ(queuedLinks(), 2);

    type({"ID 0,0"});
    EXPECT_EQ(textOf(second), "X=4.00");
    EXPECT_EQ(textOf(first), "X=2.00") << "a link of the other drawing, updated as well";
    EXPECT_NE(acDocManager->curDocument(), firstDocument);
}

TEST_F(Commands, WithNoDrawingOpenTheQueueWaits) {
    AcDbObjectId text = addSelfLabelledText(1, 0);
    moveBy(text, 1);
    vthost::closeDrawing(document);
    ASSERT_EQ(acDocManager->curDocument(), nullptr);
    type({"DRAWINGS"});
    EXPECT_EQ(queuedLinks(), 1);
    vthost::newDrawing();
    type({"ID 0,0"});
    EXPECT_EQ(queuedLinks(), 0) << "the closed drawing's link is dropped";
}

class LinkRemoval : public EditorSession {
protected:
    void SetUp() override {
        EditorSession::SetUp();
        AcDbObjectId copyText = vtsample::addStyle(db(), "Copy", new AcTextReader(),
                                                   new AcTextModifier(), "");
        single = addText(0, 0, "A");
        vtsample::storeLink(single, addText(0, 2, ""), copyText);
        triple = addText(10, 0, "B");
        for (int i = 0; i < 3; ++i)
            labels.push_back(addText(10, 2 + 2 * i, "")), vtsample::storeLink(triple, labels.back(), copyText);
    }
    AcDbObjectId single, triple;
    std::vector<AcDbObjectId> labels;
};

TEST_F(LinkRemoval, RemovesEveryLinkOfTheSelectedSourcesAndLabelsKeepTheirText) {
    ASSERT_EQ(textOf(labels[2]), "B");
    std::string seen = type({"vt_linkremove 10.1,0.1 "});
    EXPECT_TRUE(contains(seen, "Links found: 3")) << seen;
    EXPECT_TRUE(contains(seen, "Links removed: 3")) << seen;

    type({"DDEDIT 10.1,0.1 changed", ""});
    EXPECT_EQ(textOf(labels[2]), "B") << "no link is left to rewrite it";
    AcDbEntity* source = nullptr;
    ASSERT_EQ(acdbOpenObject(source, triple, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(source->extensionDictionary().isValid()) << "the dictionary stays, empty";
    source->close();

    seen = type({"vt_linkremove 0.1,0.1 10.1,0.1 "});
    EXPECT_TRUE(contains(seen, "Links found: 1")) << seen;
    EXPECT_TRUE(contains(seen, "Links removed: 1")) << seen;
}

TEST_F(LinkRemoval, LabelsAloneAreNotSourcesAndNothingIsRemoved) {
    std::string seen = type({"vt_linkremove 10.1,2.1 10.1,4.1 "});
    EXPECT_EQ(occurrences(seen, "An entity without links was selected"), 2) << seen;
    EXPECT_TRUE(contains(seen, "None of the selected entities is the source of a link")) << seen;
    type({"DDEDIT 10.1,0.1 still live", ""});
    EXPECT_EQ(textOf(labels[0]), "still live");
}

TEST_F(LinkRemoval, AnEmptyOrUnreadableSelectionEndsQuietlyOrSaysNothingWasSelected) {
    std::string seen = type({"vt_linkremove "});
    EXPECT_FALSE(contains(seen, "Links")) << seen;
    EXPECT_FALSE(contains(seen, "Nothing selected")) << seen;

    vthost::ScopedFailingSelectionLength failing;
    seen = type({"vt_linkremove 10.1,0.1 "});
    EXPECT_TRUE(contains(seen, "Nothing selected.")) << seen;
    EXPECT_EQ(textOf(labels[0]), "B");
}

TEST_F(Commands, TheMenuIsLoadedOnceAndTheUsersSettingsAreKept) {
    EXPECT_TRUE(acedIsMenuGroupLoaded("vantorell"));
    type({"SETVAR CMDDIA 0", "SETVAR CMDECHO 1"});
    vthost::newDrawing();
    std::string seen = type({});
    EXPECT_FALSE(contains(seen, "Menu group")) << "already loaded: " << seen;
    resbuf value{};
    ASSERT_EQ(acedGetVar("CMDDIA", &value), RTNORM);
    EXPECT_EQ(value.resval.rint, 0);
    ASSERT_EQ(acedGetVar("CMDECHO", &value), RTNORM);
    EXPECT_EQ(value.resval.rint, 1);

    type({"MENUUNLOAD VANTORELL"});
    vthost::newDrawing();
    seen = type({});
    EXPECT_TRUE(contains(seen, "Menu group VANTORELL loaded")) << seen;
    ASSERT_EQ(acedGetVar("CMDDIA", &value), RTNORM);
    EXPECT_EQ(value.resval.rint, 0);
}

TEST_F(Commands, UnloadingTakesEverythingAwayAndLoadingAgainBringsItBack) {
    vttest::FatalErrorsThrow fatal;
    AcEdCommandStack* commands = acedRegCmds;
    for (const char* name : {"VT_LINKCREATE", "VT_LINKREMOVE", "VT_STYLEMGR", "VT_HELP",
                             "VT_ABOUT", "VT_UPDATE"})
        EXPECT_NE(commands->lookupGlobalCmd(name), nullptr) << name;

    ASSERT_TRUE(acrxUnloadModule(kApplication));
    EXPECT_EQ(commands->lookupGlobalCmd("VT_UPDATE"), nullptr);
    EXPECT_FALSE(acrxServiceIsRegistered("AcPropertyLinkStyleMgr"));
    EXPECT_EQ(acrxFindClass("AcPropertyLinkStyleMgr"), nullptr);
    EXPECT_EQ(acrxFindClass("CVantorellEditorReactor"), nullptr);
    EXPECT_NE(acrxFindClass("AcPropertyLink"), nullptr) << "the library stays loaded";

    for (int round = 0; round < 2; ++round) {
        ASSERT_NO_THROW(ASSERT_TRUE(vthost::loadModuleIntoSession(kApplication, false)));
        EXPECT_NE(service(), nullptr);
        AcDbObjectId text = addSelfLabelledText(2 + round, 0);
        type({"DDEDIT " + std::to_string(2 + round) + ".1,0.1 x", ""});
        EXPECT_EQ(textOf(text), round == 0 ? "X=2.00" : "X=3.00");
        if (round == 0) {
            ASSERT_TRUE(acrxUnloadModule(kApplication));
        }
    }
}

TEST_F(Commands, HelpShowsTheOverviewAndEveryDialogHasItsTopic) {
    std::string seen = type({"vt_help"});
    EXPECT_TRUE(contains(seen, "Vantorell: live labels")) << seen;
    HMODULE viewer = LoadLibraryA("hhctrl.ocx");
    ASSERT_NE(viewer, nullptr);
    using HtmlHelp = void* (*)(void*, const char*, unsigned, unsigned long);
    auto help = reinterpret_cast<HtmlHelp>(GetProcAddress(viewer, MAKEINTRESOURCEA(14)));
    ASSERT_NE(help, nullptr);
    for (unsigned long context = 1000; context <= 1004; ++context)
        EXPECT_NE(help(nullptr, "vantorell.chm", 0x0F, context), nullptr) << context;
    EXPECT_EQ(help(nullptr, "vantorell.chm", 0x0F, 1005), nullptr);
    FreeLibrary(viewer);
}

}  // namespace
}  // namespace vteditor

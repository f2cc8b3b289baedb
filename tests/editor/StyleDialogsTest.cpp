// The style manager and the style editor as the user drives them, through vt_stylemgr and
// vt_linkcreate: the list with its red rows and context menu, creating, editing and deleting
// styles, the editor's refusals, and the command transaction that keeps or drops their work.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorSession.h"
#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "db/AcDbDictionary.h"
#include "ent/AcDbCircle.h"
#include "modifiers/ContentModifiers.h"
#include "readers/AcPropertyReader.h"
#include "readers/PropertyReaders.h"
#include "rx/RxMembers.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "style/AcPropertyLinkStyle.h"
#include "ui/DialogDriver.h"

namespace vteditor {

// A reader kind that another module registers; the style editor offers whatever is registered.
class TestReader : public AcPropertyReader {
public:
    ACRX_DECLARE_MEMBERS(TestReader);
    const char* displayName() const override { return "Test reading"; }
};
ACRX_DEFINE_MEMBERS(TestReader)

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The text between the last dump of a dialog's list row and the end of that line.
std::string rowLine(const std::string& seen, const std::string& name) {
    std::size_t at = seen.rfind("\"" + name + "\" #");
    if (at == std::string::npos) return "";
    return seen.substr(at, seen.find('\n', at) - at);
}

class StyleDialogs : public EditorSession {
protected:
    // The names in the styles dictionary, in order.
    std::vector<std::string> styleNames() {
        std::vector<std::string> names;
        AcDbDictionary* styles = service()->openStylesDictionary(&db(), AcDb::kForRead);
        if (styles == nullptr) return names;
        AcDbDictionaryIterator* iterator = styles->newIterator();
        for (; !iterator->done(); iterator->next()) names.push_back(iterator->name());
        delete iterator;
        styles->close();
        return names;
    }
    AcDbObjectId styleNamed(const char* name) {
        AcDbDictionary* styles = service()->openStylesDictionary(&db(), AcDb::kForRead);
        AcDbObjectId id;
        styles->getAt(name, id);
        styles->close();
        return id;
    }
    std::string descriptionOf(AcDbObjectId id) {
        AcPropertyLinkStyle* style = nullptr;
        if (acdbOpenObject(style, id, AcDb::kForRead) != Acad::eOk) return "<none>";
        std::string text = style->description();
        style->close();
        return text;
    }
    std::string macroOf(AcDbObjectId id) {
        AcPropertyLinkStyle* style = nullptr;
        if (acdbOpenObject(style, id, AcDb::kForRead) != Acad::eOk) return "<none>";
        std::string text = style->postProcessingMacro();
        style->close();
        return text;
    }
    // Lines that make a new text style named name through the manager's context menu.
    static std::vector<std::string> newTextStyle(const std::string& name) {
        return {"dlg rclick 2000 none", "dlg menu 32771", "dlg text 2003 " + name,
                "dlg select 2007 Text modifier", "dlg ok"};
    }
};

TEST_F(StyleDialogs, AnEmptyDrawingOpensAnEmptyListAndNewAddsASelectedRow) {
    std::vector<std::string> lines = {"vt_stylemgr"};
    for (const std::string& line : newTextStyle("Area m2")) lines.push_back(line);
    lines.push_back("dlg dump");
    lines.push_back("dlg ok");
    std::string seen = type(lines);
    EXPECT_TRUE(contains(seen, "items 0")) << seen;
    EXPECT_TRUE(contains(rowLine(seen, "Area m2"), "selected focused")) << seen;
    EXPECT_TRUE(contains(rowLine(seen, "Area m2"), "#000000")) << "unused: window text";
    EXPECT_EQ(styleNames(), std::vector<std::string>{"Area m2"});
}

TEST_F(StyleDialogs, CancelUndoesTheStylesMadeInTheManager) {
    std::vector<std::string> lines = {"vt_stylemgr"};
    for (const std::string& line : newTextStyle("Temporary")) lines.push_back(line);
    lines.push_back("dlg cancel");
    type(lines);
    EXPECT_TRUE(styleNames().empty());
}

TEST_F(StyleDialogs, StylesInUseAreRedAndCannotBeDeleted) {
    AcDbObjectId used = vtsample::addAreaTextStyle(db(), "Used", "");
    vtsample::addAreaTextStyle(db(), "Unused", "");
    AcDbObjectId circle = vtsample::addToModelSpace(db(), new AcDbCircle(AcGePoint3d(), 1));
    vtsample::storeLink(circle, addText(0, 3, ""), used);

    std::string seen = type({"vt_stylemgr", "dlg rclick 2000 Used", "dlg esc",
                             "dlg rclick 2000 Unused", "dlg esc", "dlg rclick 2000 none",
                             "dlg esc", "dlg ok"});
    EXPECT_TRUE(contains(rowLine(seen, "Used"), "#FF0000")) << seen;
    EXPECT_TRUE(contains(rowLine(seen, "Unused"), "#000000")) << seen;
    std::size_t first = seen.find("Menu:"), second = seen.find("Menu:", first + 1),
                third = seen.find("Menu:", second + 1);
    ASSERT_NE(third, std::string::npos) << seen;
    EXPECT_TRUE(contains(seen.substr(first, second - first), "&Delete (greyed)"));
    EXPECT_FALSE(contains(seen.substr(second, third - second), "(greyed)"));
    EXPECT_TRUE(contains(seen.substr(third), "&Delete (greyed)")) << "nothing selected";
}

TEST_F(StyleDialogs, ALinkOnAnErasedSourceDoesNotKeepItsStyle) {
    AcDbObjectId style = vtsample::addAreaTextStyle(db(), "Orphaned", "");
    AcDbObjectId circle = vtsample::addToModelSpace(db(), new AcDbCircle(AcGePoint3d(), 1));
    vtsample::storeLink(circle, addText(0, 3, ""), style);
    type({"ERASE 1,0 "});
    std::string seen = type({"vt_stylemgr", "dlg rclick 2000 Orphaned", "dlg menu 32773", "y",
                             "dlg ok"});
    EXPECT_TRUE(contains(seen, "Delete the link style \"Orphaned\"?")) << seen;
    EXPECT_TRUE(styleNames().empty()) << seen;
}

TEST_F(StyleDialogs, DeleteRefusesAStyleInUseEvenWhenTheMenuIsBypassed) {
    AcDbObjectId used = vtsample::addAreaTextStyle(db(), "Used", "");
    AcDbObjectId circle = vtsample::addToModelSpace(db(), new AcDbCircle(AcGePoint3d(), 1));
    vtsample::storeLink(circle, addText(0, 3, ""), used);
    vthost::ui::whenNextDialogOpens([](CDialog& manager) {
        std::string refusal;
        EXPECT_TRUE(vthost::ui::performAction(manager.GetSafeHwnd(), "select 2000 Used", refusal));
        manager.SendMessage(WM_COMMAND, 32773, 0);
    });
    std::string seen = type({"vt_stylemgr", "", "dlg ok"});
    EXPECT_TRUE(contains(seen, "This style is used by links and cannot be deleted.")) << seen;
    EXPECT_FALSE(contains(seen, "Delete the link style")) << "refused before asking: " << seen;
    EXPECT_EQ(styleNames(), std::vector<std::string>{"Used"});
}

TEST_F(StyleDialogs, CancellingLinkCreationDropsTheStylesMadeDuringIt) {
    std::vector<std::string> lines = {"vt_linkcreate", "y"};
    for (const std::string& line : newTextStyle("Short lived")) lines.push_back(line);
    lines.push_back("dlg ok");
    lines.push_back("^C");
    std::string seen = type(lines);
    EXPECT_TRUE(contains(seen, "Current link style: Short lived")) << seen;
    EXPECT_TRUE(styleNames().empty()) << seen;
}

TEST_F(StyleDialogs, DeletingAsksWithNoAsTheDefault) {
    vtsample::addAreaTextStyle(db(), "Spare", "");
    std::string seen = type({"vt_stylemgr", "dlg rclick 2000 Spare", "dlg menu 32773", "",
                             "dlg ok"});
    EXPECT_TRUE(contains(seen, "Yes/No <No>")) << seen;
    EXPECT_EQ(styleNames(), std::vector<std::string>{"Spare"});
}

TEST_F(StyleDialogs, EditingChangesTheStoredStyleInPlaceAndKeepsAnEmptiedMacro) {
    AcDbObjectId id = vtsample::addAreaTextStyle(db(), "Area", "$(rtos,%PROPERTY,2,2) m2");
    std::string seen = type({"vt_stylemgr", "dlg dblclick 2000 Area", "dlg text 2006 floor area",
                             "dlg text 2009 ", "dlg ok", "dlg dump", "dlg ok"});
    EXPECT_TRUE(contains(seen, "2003 Edit \"Area\" disabled")) << seen;
    EXPECT_TRUE(contains(rowLine(seen, "Area"), "\"floor area\"")) << seen;
    EXPECT_EQ(styleNamed("Area"), id);
    EXPECT_EQ(descriptionOf(id), "floor area");
    EXPECT_EQ(macroOf(id), "$(rtos,%PROPERTY,2,2) m2");

    type({"vt_stylemgr", "dlg dblclick 2000 Area", "dlg select 2007 MText modifier",
          "dlg text 2006 changed", "dlg cancel", "dlg ok"});
    EXPECT_EQ(descriptionOf(id), "floor area") << "Cancel in the editor keeps the stored style";
}

TEST_F(StyleDialogs, TheEditorRefusesAMissingTakenOrAnonymousName) {
    vtsample::addAreaTextStyle(db(), "Area", "");
    std::string seen = type({"vt_stylemgr", "dlg rclick 2000 none", "dlg menu 32771",
                             "dlg select 2007 Text modifier", "dlg ok", "", "dlg dump",
                             "dlg text 2003 AREA", "dlg ok", "", "dlg text 2003 *x", "dlg ok", "",
                             "dlg text 2003 Length", "dlg ok", "dlg ok"});
    EXPECT_TRUE(contains(seen, "Please give the style a name.")) << seen;
    EXPECT_TRUE(contains(seen, "2003 Edit \"\" focus")) << seen;
    EXPECT_TRUE(contains(seen, "cannot be named \"AREA\"")) << seen;
    EXPECT_TRUE(contains(seen, "cannot be named \"*x\"")) << seen;
    EXPECT_EQ(styleNames(), (std::vector<std::string>{"Area", "Length"}));
}

TEST_F(StyleDialogs, ABlockLabelStyleNeedsItsTagBeforeItIsStored) {
    std::string seen = type({"vt_stylemgr", "dlg rclick 2000 none", "dlg menu 32771",
                             "dlg text 2003 Room tag", "dlg ok", "", "dlg dump", "dlg click 2010",
                             "dlg text 2011 ROOM", "dlg ok", "dlg ok", "dlg ok"});
    EXPECT_TRUE(contains(seen, "needs its options")) << seen;
    EXPECT_TRUE(contains(seen, "2007 ComboBox \"Block modifier\" focus"))
        << "the refusal moves the focus to the label kind: " << seen;
    ASSERT_EQ(styleNames(), std::vector<std::string>{"Room tag"}) << seen;
}

TEST_F(StyleDialogs, LinkCreationInADrawingWithoutStylesMakesOneInTheManager) {
    AcDbObjectId circle = vtsample::addToModelSpace(db(), new AcDbCircle(AcGePoint3d(10, 0, 0), 1));
    AcDbObjectId label = addText(0, 5, "");
    std::vector<std::string> lines = {"vt_linkcreate", "y", "dlg ok", ""};
    for (const std::string& line : newTextStyle("Area")) lines.push_back(line);
    lines.push_back("dlg ok");
    lines.push_back("11,0 0.1,5.1");
    std::string seen = type(lines);
    EXPECT_TRUE(contains(seen, "This drawing has no link styles yet")) << seen;
    EXPECT_TRUE(contains(seen, "Please select a style.")) << "OK with nothing selected: " << seen;
    EXPECT_TRUE(contains(seen, "Current link style: Area")) << seen;
    EXPECT_EQ(textOf(label), "3.1416") << seen;
    (void)circle;

    seen = type({"vt_linkcreate eXit"});
    EXPECT_FALSE(contains(seen, "no link styles")) << "the style is the drawing's current one";
}


TEST_F(StyleDialogs, AReaderRegisteredByAnotherModuleIsOfferedUnderItsDisplayName) {
    std::string seen;
    {
        vthost::test::ScopedClass<TestReader> registered("TestReader", "AcPropertyReader",
                                                         vthost::test::construct<TestReader>);
        seen = type({"vt_stylemgr", "dlg rclick 2000 none", "dlg menu 32771",
                     "dlg text 2003 Tested", "dlg select 2007 Text modifier",
                     "dlg select 2008 Test reading", "dlg ok", "dlg cancel"});
    }
    EXPECT_TRUE(contains(seen, "\"Test reading\"")) << seen;
    EXPECT_TRUE(styleNames().empty()) << "cancelled";
    seen = type({"vt_stylemgr", "dlg rclick 2000 none", "dlg menu 32771", "dlg cancel",
                 "dlg cancel"});
    EXPECT_FALSE(contains(seen, "Test reading")) << "gone with its class";
}

TEST_F(StyleDialogs, HelpButtonAndF1OpenTheManagersTopic) {
    std::string seen = type({"vt_stylemgr", "dlg click 9", "dlg f1", "dlg ok"});
    std::size_t first = seen.find("Managing link styles");
    ASSERT_NE(first, std::string::npos) << seen;
    EXPECT_NE(seen.find("Managing link styles", first + 1), std::string::npos) << seen;
}

}  // namespace
}  // namespace vteditor

// The block label options and the attribute lookup, driven as a user drives them, with the editor
// application loaded for its resource module and help: the tree of blocks and tags in the drawing's
// order, what OK accepts and refuses in each dialog, Cancel, and their help topics.
#include <string>
#include <vector>

#include "EditorSession.h"
#include "db/AcDbSymbolTable.h"
#include "dialogs/AttributeLookupDialog.h"
#include "dialogs/BlockModifierOptionsDialog.h"
#include "ed/CommandLine.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbLine.h"
#include "ui/DialogDriver.h"
#include "ui/ImageList.h"

using vthost::commandLine;

namespace vteditor {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class BlockDialogs : public EditorSession {
protected:
    // A block of that name with one entity per entry: an attribute definition of that tag, or a
    // line for "-". Erased entities are named "~TAG".
    void addBlock(const char* name, const std::vector<std::string>& entities) {
        AcDbBlockTable* table = nullptr;
        ASSERT_EQ(db().getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* block = new AcDbBlockTableRecord();
        block->setName(name);
        ASSERT_EQ(table->add(block), Acad::eOk);
        table->close();
        for (const std::string& entry : entities) {
            AcDbEntity* entity = nullptr;
            if (entry == "-") {
                entity = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
            } else {
                auto* definition = new AcDbAttributeDefinition();
                definition->setTag(entry[0] == '~' ? entry.c_str() + 1 : entry.c_str());
                entity = definition;
            }
            ASSERT_EQ(block->appendAcDbEntity(entity), Acad::eOk);
            if (entry[0] == '~') entity->erase();
            entity->close();
        }
        block->close();
    }

    // Runs the options dialog on tag with the lines as the user's input; what was shown is kept.
    INT_PTR runOptions(const char* tag, const std::vector<std::string>& lines, CString& entered) {
        vantorell::BlockModifierOptionsDialog dialog;
        dialog.SetTag(tag);
        for (const std::string& line : lines) commandLine().queue(line);
        output.take();
        INT_PTR answer = dialog.DoModal();
        shown = output.take();
        entered = dialog.GetTag();
        placementKey = dialog.PlacementKey().GetString();
        return answer;
    }

    std::string shown;
    std::string placementKey;
};

TEST_F(BlockDialogs, TheLookupListsBlocksWithTheirTagsInTheDrawingsOrder) {
    addBlock("DOOR", {"WIDTH", "-", "TAG", "~GONE", "TAG"});
    addBlock("PLAIN", {"-", "-"});
    addBlock("WINDOW", {"SILL"});
    addBlock("GONE", {"~ONLY"});
    vantorell::AttributeLookupDialog lookup;
    int images = 0;
    int transparent = 0;
    vthost::ui::whenNextDialogOpens([&](CDialog& dialog) {
        auto* tree = static_cast<CTreeCtrl*>(dialog.GetDlgItem(2012));
        auto handle = reinterpret_cast<HIMAGELIST>(tree->SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
        CImageList* list = handle != nullptr ? handle->owner : nullptr;
        if (list == nullptr) return;
        images = list->GetImageCount();
        transparent = list->TransparentPixels(0) + list->TransparentPixels(1);
    });
    commandLine().queue("dlg cancel");
    output.take();
    EXPECT_EQ(lookup.DoModal(), IDCANCEL);
    std::string out = output.take();
    EXPECT_TRUE(contains(out, "Dialog 2007 \"Attribute Lookup\"")) << out;
    EXPECT_TRUE(contains(out, "    images: 2 of 14x14 from bitmap 2008\n"
                              "    #0 \"DOOR\" image 0/0 lParam 0 expanded\n"
                              "    #1   \"WIDTH\" image 1/1 lParam 0\n"
                              "    #2   \"TAG\" image 1/1 lParam 0\n"
                              "    #3   \"TAG\" image 1/1 lParam 0\n"
                              "    #4 \"WINDOW\" image 0/0 lParam 0 expanded\n"
                              "    #5   \"SILL\" image 1/1 lParam 0\n"
                              "  1 Button"))
        << "no item for blocks without (living) attribute definitions, duplicates kept: " << out;
    EXPECT_EQ(images, 2);
    EXPECT_GT(transparent, 0) << "green is the mask colour";
}

TEST_F(BlockDialogs, ATagChosenInTheLookupFillsTheTagField) {
    addBlock("DOOR", {"WIDTH", "TAG"});
    CString entered;
    // A block item is refused (strings 18 and 19), then a tag is taken.
    EXPECT_EQ(runOptions("OLD", {"dlg click 2009", "dlg select 2012 DOOR", "dlg ok", "", "dlg select 2012 #2",
                                 "dlg ok", "dlg dump", "dlg ok"},
                         entered),
              IDOK);
    EXPECT_EQ(std::string(entered), "TAG");
    EXPECT_TRUE(contains(shown, "[Attribute lookup] (information)\n"
                                "Choose an attribute tag in the list; a block name is not a tag.\n"))
        << shown;
    EXPECT_TRUE(contains(shown, "  2011 Edit \"TAG\"")) << shown;
    EXPECT_TRUE(contains(shown, "  2009 Button \"...\" owner-drawn picture bitmap 2009\n")) << shown;
    EXPECT_TRUE(contains(placementKey, "Dialogs\\Vantorell:DlgBlockModOptions")) << placementKey;
}

TEST_F(BlockDialogs, AnEmptyTreeRefusesOkAndCancelLeavesTheTag) {
    CString entered;
    EXPECT_EQ(runOptions("OLD", {"dlg click 2009", "dlg ok", "", "dlg cancel", "dlg ok"}, entered), IDOK);
    EXPECT_EQ(std::string(entered), "OLD");
    EXPECT_TRUE(contains(shown, "[Attribute lookup] (information)")) << shown;
    EXPECT_TRUE(contains(shown, "  2012 SysTreeView32 \"\"")) << shown;
    EXPECT_FALSE(contains(shown, "    #0 ")) << shown;
}

TEST_F(BlockDialogs, TheOptionsTakeAnyTypedTagButNoEmptyOne) {
    CString entered;
    EXPECT_EQ(runOptions("", {"dlg ok", "", "dlg text 2011 No Such tag", "dlg ok"}, entered), IDOK);
    EXPECT_EQ(std::string(entered), "No Such tag") << "taken as typed, whether or not a block defines it";
    EXPECT_TRUE(contains(shown, "[Block label options] (information)\n"
                                "Enter the tag of the attribute that receives the label text.\n"))
        << shown;
    EXPECT_EQ(runOptions("KEEP", {"dlg cancel"}, entered), IDCANCEL);
    EXPECT_TRUE(contains(shown, "  2011 Edit \"KEEP\"")) << shown;
}

TEST_F(BlockDialogs, EachDialogOpensItsOwnHelpTopic) {
    CString entered;
    runOptions("T", {"dlg click 9", "dlg f1", "dlg click 2009", "dlg click 9", "dlg cancel", "dlg cancel"}, entered);
    std::size_t options = shown.find("Block label options\n");
    std::size_t lookup = shown.find("Looking up an attribute tag");
    EXPECT_NE(options, std::string::npos) << shown;
    EXPECT_NE(shown.find("Block label options\n", options + 1), std::string::npos) << "F1 as well: " << shown;
    EXPECT_NE(lookup, std::string::npos) << shown;
}

}  // namespace
}  // namespace vteditor

// Pictures of the test dialog, looked at where it matters: a list row's text in the colour its
// custom drawing gave it and the selection highlighted, greyed disabled controls, the default
// button's black frame and the focus, an owner-drawn button's strokes where it recorded them, a
// tree's masked images and expand boxes, a closed combo box's selection and arrow, the texts of
// an SVG picture, the files' formats, and the picture action's answers to bad file names.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "TestDialog.h"
#include "UiTestSupport.h"
#include "ui/DialogDriver.h"
#include "ui/Window.h"
#include "uipicture/DialogPicture.h"

namespace vthost::test {
namespace {

using vthost::ui::DialogImage;

constexpr std::uint32_t kFace = 0xD4D0C8;       // the button face of the classic scheme
constexpr std::uint32_t kHighlight = 0x0A246A;  // the selection's background

int red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
int green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
int blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }
bool isDark(std::uint32_t p) { return red(p) < 90 && green(p) < 90 && blue(p) < 90; }
bool isRed(std::uint32_t p) { return red(p) > 160 && green(p) < 100 && blue(p) < 100; }
bool isBright(std::uint32_t p) { return red(p) > 200 && green(p) > 200 && blue(p) > 200; }
// Grey text's pixels, blended into the face colour at their edges: neither dark nor coloured.
bool isGrey(std::uint32_t p) {
    int low = std::min({red(p), green(p), blue(p)}), high = std::max({red(p), green(p), blue(p)});
    return low >= 100 && high <= 180 && high - low <= 16;
}

// How many pixels of a rectangle (picture pixels, right and bottom excluded) pass a test.
int count(const DialogImage& image, RECT area, const std::function<bool(std::uint32_t)>& test) {
    int n = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x) n += test(image.at(static_cast<int>(x), static_cast<int>(y))) ? 1 : 0;
    return n;
}

class DialogPictures : public UiTest {
protected:
    // Opens the test dialog, lets prepare change it, and pictures it; the dialog is then cancelled.
    DialogImage picture(const std::function<void(TestDialog&)>& prepare = {}) {
        TestDialog dialog;
        dialog.m_redParams = {2};
        DialogImage image;
        ui::whenNextDialogOpens([&](CDialog&) {
            if (prepare) prepare(dialog);
            EXPECT_TRUE(ui::drawDialogImage(dialog.m_hWnd, image));
            dialogWindow = dialog.m_hWnd;
            origins.clear();
            for (HWND child : ui::descendants(dialog.m_hWnd))
                origins[child->id] = std::make_pair(ui::pictureOrigin(dialog.m_hWnd, child), child->rect);
        });
        dialog.DoModal();
        return image;
    }
    // A control's rectangle in the picture.
    RECT area(int id) const {
        auto [origin, rect] = origins.at(id);
        return RECT{origin.x, origin.y, origin.x + rect.right - rect.left, origin.y + rect.bottom - rect.top};
    }
    std::string temporary(const std::string& name) const {
        return (std::filesystem::temp_directory_path() / ("vt_picture_" + std::to_string(getpid()) + "_" + name)).string();
    }
    HWND dialogWindow = nullptr;
    std::map<int, std::pair<POINT, RECT>> origins;
};

TEST_F(DialogPictures, ListRowsShowTheirRecordedColoursAndTheSelection) {
    DialogImage image = picture();
    RECT list = area(2000);
    // Rows start below the border (2) and the header (17), 16 pixels each; the first column.
    RECT room{list.left + 4, list.top + 19, list.left + 40, list.top + 35};
    RECT column{list.left + 4, list.top + 35, list.left + 40, list.top + 51};
    EXPECT_GT(count(image, room, isDark), 10) << "Room is black";
    EXPECT_EQ(count(image, room, isRed), 0);
    EXPECT_GT(count(image, column, isRed), 10) << "Column's custom drawing made it red";
    EXPECT_EQ(count(image, column, isDark), 0);
    EXPECT_EQ(count(image, column, [](std::uint32_t p) { return p == kHighlight; }), 0) << "nothing selected yet";

    image = picture([](TestDialog& d) { d.m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED); });
    RECT wholeRow{list.left + 4, list.top + 35, list.right - 4, list.top + 51};
    EXPECT_GT(count(image, wholeRow, [](std::uint32_t p) { return p == kHighlight; }), (wholeRow.right - wholeRow.left) * 8)
        << "full-row selection highlights the whole row";
    EXPECT_GT(count(image, column, isBright), 10) << "in the highlight text colour";
    EXPECT_EQ(count(image, column, isRed), 0);
}

TEST_F(DialogPictures, DisabledControlsAreGreyAndTheDefaultButtonHasItsFrameAndTheFocus) {
    DialogImage image = picture([](TestDialog& d) {
        d.GetDlgItem(2003)->SetWindowText("Greyed");
        d.GetDlgItem(2003)->EnableWindow(FALSE);
        d.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        d.GotoDlgCtrl(d.GetDlgItem(IDOK));
    });
    RECT edit = area(2003);
    RECT field{edit.left + 3, edit.top + 3, edit.right - 3, edit.bottom - 3};
    EXPECT_GT(count(image, field, isGrey), 5) << "a disabled edit's text is grey";
    EXPECT_EQ(count(image, field, isDark), 0);
    EXPECT_EQ(image.at(field.right - 2, field.bottom - 1), kFace) << "on the face colour";
    RECT cancel = area(IDCANCEL);
    RECT cancelText{cancel.left + 3, cancel.top + 3, cancel.right - 3, cancel.bottom - 3};
    EXPECT_GT(count(image, cancelText, isGrey), 5);
    EXPECT_EQ(count(image, cancelText, isDark), 0);

    RECT ok = area(IDOK);
    LONG middle = (ok.left + ok.right) / 2;
    EXPECT_EQ(image.at(static_cast<int>(middle), static_cast<int>(ok.top)), 0u) << "the default button's black frame";
    EXPECT_EQ(image.at(static_cast<int>(ok.left), static_cast<int>((ok.top + ok.bottom) / 2)), 0u);
    EXPECT_EQ(image.at(static_cast<int>(middle), static_cast<int>(ok.top + 1)), 0xFFFFFFu) << "then the raised edge";
    EXPECT_EQ(image.at(static_cast<int>((cancel.left + cancel.right) / 2), static_cast<int>(cancel.top)), 0xFFFFFFu)
        << "another button's edge starts at once";
    // The focus: a dotted rectangle four pixels inside the default button.
    EXPECT_EQ(image.at(static_cast<int>(ok.left + 4), static_cast<int>(ok.top + 4)), 0u);
    EXPECT_EQ(image.at(static_cast<int>(ok.left + 5), static_cast<int>(ok.top + 4)), kFace) << "dotted";
    EXPECT_EQ(image.at(static_cast<int>(ok.left + 6), static_cast<int>(ok.top + 4)), 0u);
}

TEST_F(DialogPictures, AnOwnerDrawnButtonShowsItsRecordedStrokes) {
    DialogImage image = picture();
    RECT arrow = area(2011);
    // The arrow's strokes: 7, 5, 3 and 1 pixels from (4,5), each a row lower and a pixel in.
    for (int row = 0; row < 4; ++row) {
        int left = static_cast<int>(arrow.left) + 4 + row, top = static_cast<int>(arrow.top) + 5 + row;
        int width = 7 - 2 * row;
        EXPECT_EQ(image.at(left, top), 0u) << "row " << row;
        EXPECT_EQ(image.at(left + width - 1, top), 0u) << "row " << row;
        EXPECT_EQ(image.at(left + width, top), kFace) << "a line's end point is not drawn, row " << row;
        EXPECT_EQ(image.at(left - 1, top), kFace) << "row " << row;
    }
    image = picture([](TestDialog& d) { d.m_arrow.EnableWindow(FALSE); });
    EXPECT_EQ(image.at(static_cast<int>(arrow.left) + 4, static_cast<int>(arrow.top) + 5), 0x808080u) << "disabled: grey strokes";
}

TEST_F(DialogPictures, TreeItemsShowTheirMaskedImagesAndExpandBoxes) {
    DialogImage image = picture();
    RECT tree = area(2012);
    // Door, the first row: no TVS_LINESATROOT, so its image starts at the left; 16-pixel rows.
    RECT doorImage{tree.left + 3, tree.top + 4, tree.left + 17, tree.top + 18};
    EXPECT_EQ(count(image, doorImage, [](std::uint32_t p) { return p == 0x00FF00; }), 0) << "green is the mask colour";
    EXPECT_GT(count(image, doorImage, [](std::uint32_t p) { return p != 0xFFFFFF; }), 10) << "the image is drawn";
    // WIDTH, a child of the expanded Door, is indented one level: its image 19 pixels further in.
    RECT widthImage{doorImage.left + 19, doorImage.top + 16, doorImage.right + 19, doorImage.bottom + 16};
    EXPECT_GT(count(image, widthImage, [](std::uint32_t p) { return p != 0xFFFFFF; }), 10);
    // Window is collapsed: its TAG child is not shown, so the fourth row is Window's and the
    // fifth is empty.
    RECT fifthRow{tree.left + 3, tree.top + 3 + 4 * 16, tree.right - 3, tree.bottom - 3};
    EXPECT_EQ(count(image, fifthRow, [](std::uint32_t p) { return p != 0xFFFFFF; }), 0);

    // With lines at the root, the roots get expand boxes: a minus for the expanded Door, a plus
    // for the collapsed Window, centred in the indentation before the image.
    image = picture([](TestDialog& d) { d.m_tree.ModifyStyle(0, TVS_LINESATROOT); });
    int cx = static_cast<int>(tree.left) + 2 + 19 - 19 / 2, doorY = static_cast<int>(tree.top) + 3 + 8;
    int windowY = doorY + 3 * 16;
    EXPECT_EQ(image.at(cx, doorY), 0u);
    EXPECT_EQ(image.at(cx, doorY - 2), 0xFFFFFFu) << "expanded: a minus";
    EXPECT_EQ(image.at(cx - 4, doorY), 0x808080u) << "the box";
    EXPECT_EQ(image.at(cx, windowY), 0u);
    EXPECT_EQ(image.at(cx, windowY - 2), 0u) << "collapsed: a plus";
}

TEST_F(DialogPictures, AClosedComboBoxShowsItsSelectionAndADropArrow) {
    std::string svg;
    DialogImage image = picture([&](TestDialog& d) {
        d.m_plain.SetCurSel(2);
        ASSERT_TRUE(ui::renderDialogPicture(d.m_hWnd, ui::DialogPictureFormat::kSvg, svg));
    });
    RECT combo = area(2008);
    // The drop button: 16 pixels inside the right border, the arrow's widest row black.
    int centre = static_cast<int>(combo.right) - 2 - 8;
    int arrowTop = static_cast<int>(combo.top) + 2 + (21 - 4) / 2 - 1;
    EXPECT_EQ(image.at(centre, arrowTop), 0u);
    EXPECT_EQ(image.at(centre - 3, arrowTop), 0u);
    EXPECT_EQ(image.at(centre, arrowTop + 3), 0u) << "the tip";
    EXPECT_EQ(image.at(centre - 3, arrowTop + 3), kFace);
    EXPECT_EQ(image.at(centre, static_cast<int>(combo.top) + 30), kFace) << "closed: the list does not show";
    EXPECT_NE(svg.find(">X</text>"), std::string::npos) << "the selection's text";
}

TEST_F(DialogPictures, AnSvgPictureHoldsTheDialogsTextsAndFilesHaveTheirFormats) {
    std::string png = temporary("dialog.png"), svg = temporary("dialog.SVG"), why;
    bool pngWritten = false, svgWritten = false, badName = true, unwritable = true;
    std::string badWhy, unwritableWhy;
    picture([&](TestDialog& d) {
        pngWritten = ui::writeDialogPicture(d.m_hWnd, png, why);
        svgWritten = ui::writeDialogPicture(d.m_hWnd, svg, why);
        badName = ui::writeDialogPicture(d.m_hWnd, temporary("dialog.bmp"), badWhy);
        unwritable = ui::writeDialogPicture(d.m_hWnd, "/nonexistent-folder/dialog.png", unwritableWhy);
    });
    ASSERT_TRUE(pngWritten) << why;
    ASSERT_TRUE(svgWritten) << why;
    std::ifstream pngFile(png, std::ios::binary);
    std::string magic(8, '\0');
    pngFile.read(magic.data(), 8);
    EXPECT_EQ(magic, std::string("\x89PNG\r\n\x1a\n", 8));
    std::stringstream svgText;
    svgText << std::ifstream(svg).rdbuf();
    std::string text = svgText.str();
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    for (const char* shown : {">Test Dialog</text>", ">Name:</text>", ">Description</text>", ">area of rooms</text>",
                              ">Door</text>", ">Cancel</text>", ">Result</text>"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    EXPECT_FALSE(badName);
    EXPECT_EQ(badWhy, "a dialog's picture is a .png or .svg file");
    EXPECT_FALSE(unwritable);
    EXPECT_EQ(unwritableWhy, "cannot write \"/nonexistent-folder/dialog.png\": No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(temporary("dialog.bmp")));
    std::filesystem::remove(png);
    std::filesystem::remove(svg);
}

TEST_F(DialogPictures, ThePictureActionWritesReportsAndRefusesAndTheDialogGoesOn) {
    std::string png = temporary("action.png");
    type({"dlg picture " + png, "dlg picture /nonexistent-folder/x.png", "dlg picture notes.txt", "dlg picture",
          "dlg text 2003 still here", "dlg ok"});
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK) << "every action after the failed ones was done";
    EXPECT_EQ(dialog.m_name, "still here");
    std::string out = output.take();
    EXPECT_NE(out.find("Picture of the dialog written to " + png + "."), std::string::npos) << out;
    EXPECT_NE(out.find("No picture of the dialog: cannot write \"/nonexistent-folder/x.png\": No such file or directory."),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("picture takes a file name ending in .png or .svg"), std::string::npos) << out;
    EXPECT_TRUE(std::filesystem::exists(png));
    std::filesystem::remove(png);

    std::string refusal;
    TestDialog second;
    bool performed = true;
    ui::whenNextDialogOpens([&](CDialog& d) { performed = ui::performAction(d.m_hWnd, "picture   ", refusal); });
    second.DoModal();
    EXPECT_FALSE(performed);
    EXPECT_EQ(refusal, "picture takes a file name ending in .png or .svg");
}

}  // namespace
}  // namespace vthost::test

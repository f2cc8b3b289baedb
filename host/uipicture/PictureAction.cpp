#include "uipicture/PictureAction.h"

#include "ui/DialogDriver.h"
#include "uipicture/DialogPicture.h"
#include "ut/AcUtil.h"

namespace vthost::ui {

namespace {

std::string trimmed(const std::string& text) {
    std::string::size_type first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

bool pictureAction(HWND dialog, const std::string& arguments, std::string& refusal) {
    std::string path = trimmed(arguments);
    DialogPictureFormat format = DialogPictureFormat::kPng;
    if (path.empty() || !pictureFormatOfName(path, format)) return refusal = "picture takes a file name ending in .png or .svg", false;
    std::string why;
    if (writeDialogPicture(dialog, path, why))
        acutPrintf("\nPicture of the dialog written to %s.", path.c_str());
    else
        acutPrintf("\nNo picture of the dialog: %s.", why.c_str());
    return true;
}

void installDialogPictureAction() { addDialogAction("picture", &pictureAction); }

}  // namespace vthost::ui

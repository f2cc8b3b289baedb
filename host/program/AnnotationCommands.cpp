// The host's MTEXT command in its command-line form: the two corners of the text's box, then the
// contents typed line by line at "MText:" prompts until an empty line; lines become paragraphs
// (\P). The text height is the drawing's TEXTSIZE; the box's width is kept, its top-left corner
// is where the text hangs from.
#include <algorithm>
#include <cmath>
#include <string>
#include <variant>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "ed/UserInput.h"
#include "ent/AcDbMText.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

double drawingTextSize() {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    const HeaderValue* value = db ? db->headerVariables().find("TEXTSIZE") : nullptr;
    const double* size = value ? std::get_if<double>(value) : nullptr;
    return size ? *size : 2.5;
}

// The lines typed until an empty one, joined as paragraphs; false when cancelled.
bool typedContents(std::string& contents) {
    for (;;) {
        char line[132] = "";
        if (acedGetString(1, "\nMText: ", line) != RTNORM) return false;
        if (line[0] == '\0') return true;
        contents += (contents.empty() ? "" : "\\P") + std::string(line);
    }
}

void mtextCommand() {
    AcGePoint3d first, opposite;
    if (askPoint("\nSpecify first corner: ", first) != RTNORM) return;
    if (askPoint("\nSpecify opposite corner: ", opposite, &first) != RTNORM) return;
    std::string contents;
    if (!typedContents(contents) || contents.empty()) return;
    auto* mtext = new AcDbMText();
    mtext->setLocation(AcGePoint3d(std::min(first.x, opposite.x), std::max(first.y, opposite.y), first.z));
    mtext->setWidth(std::abs(opposite.x - first.x));
    mtext->setTextHeight(drawingTextSize());
    mtext->setContents(contents.c_str());
    addEntity(mtext);
}

}  // namespace

void registerAnnotationCommands() { addHostCommand("MTEXT", mtextCommand); }

}  // namespace vthost

// The host's dimensioning commands in their command-line form: DIMLINEAR (horizontal when the
// dimension line lies between the two origins' X, vertical otherwise), DIMALIGNED (parallel to
// the two origins) and LEADER (a chain of points, then a multiline-text note typed line by line,
// which the leader keeps as its annotation). Each prints the measured text as the host does.
#include <algorithm>
#include <memory>
#include <numbers>
#include <string>
#include <variant>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "ed/UserInput.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbRotatedDimension.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// The two extension line origins and the dimension line's location; false when cancelled.
bool askDimensionPoints(AcGePoint3d& first, AcGePoint3d& second, AcGePoint3d& location) {
    if (askPoint("\nSpecify first extension line origin: ", first) != RTNORM) return false;
    if (askPoint("\nSpecify second extension line origin: ", second, &first) != RTNORM) return false;
    return askPoint("\nSpecify dimension line location: ", location, &second) == RTNORM;
}

void addDimension(AcDbDimension* dimension, const AcGePoint3d& location) {
    dimension->setTextPosition(location);
    std::string text = dimension->formattedText();
    if (addEntity(dimension).isNull()) return;
    acutPrintf("\nDimension text = %s", text.c_str());
}

void dimlinearCommand() {
    AcGePoint3d first, second, location;
    if (!askDimensionPoints(first, second, location)) return;
    bool between = location.x >= std::min(first.x, second.x) && location.x <= std::max(first.x, second.x);
    double rotation = between ? 0.0 : std::numbers::pi / 2;
    addDimension(new AcDbRotatedDimension(rotation, first, second, location), location);
}

void dimalignedCommand() {
    AcGePoint3d first, second, location;
    if (!askDimensionPoints(first, second, location)) return;
    addDimension(new AcDbAlignedDimension(first, second, location), location);
}

// The note's lines until an empty one, joined as paragraphs; false when cancelled.
bool askNote(std::string& note) {
    const char* prompt = "\nEnter first line of annotation text: ";
    for (;;) {
        char line[132] = "";
        if (acedGetString(1, prompt, line) != RTNORM) return false;
        if (line[0] == '\0') return true;
        note += (note.empty() ? "" : "\\P") + std::string(line);
        prompt = "\nEnter next line of annotation text: ";
    }
}

double noteHeight() {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    const HeaderValue* value = db ? db->headerVariables().find("TEXTSIZE") : nullptr;
    const double* size = value ? std::get_if<double>(value) : nullptr;
    return size ? *size : 2.5;
}

void leaderCommand() {
    auto leader = std::make_unique<AcDbLeader>();
    AcGePoint3d point, previous;
    if (askPoint("\nSpecify leader start point: ", point) != RTNORM) return;
    leader->appendVertex(point);
    for (;;) {
        previous = point;
        int status = askPoint("\nSpecify next point: ", point, &previous);
        if (status == RTNONE && leader->numVertices() >= 2) break;
        if (status != RTNORM) return;
        leader->appendVertex(point);
    }
    std::string note;
    if (!askNote(note)) return;
    AcDbObjectId noteId;
    if (!note.empty()) {
        auto* mtext = new AcDbMText();
        mtext->setLocation(previous);
        mtext->setTextHeight(noteHeight());
        mtext->setContents(note.c_str());
        noteId = addEntity(mtext);
    }
    if (!noteId.isNull()) leader->attachAnnotation(noteId);
    addEntity(leader.release());
}

}  // namespace

void registerDimensionCommands() {
    addHostCommand("DIMLINEAR", dimlinearCommand);
    addHostCommand("DIMALIGNED", dimalignedCommand);
    addHostCommand("LEADER", leaderCommand);
}

}  // namespace vthost

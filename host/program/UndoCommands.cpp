// The host's undo commands: U (the last command), UNDO (a number of commands, Mark, Back), REDO
// (what the last undo took back). They work on the current drawing's undo history and are not
// recorded in it themselves.
#include <string>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ap/AcApDocument.h"
#include "ap/DocumentState.h"
#include "ed/EditorInput.h"
#include "ed/UserInput.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

UndoHistory& history() { return currentDrawing()->state().undo; }

// The undo commands run inside an undo group of their own: it is dropped first.
void undoSteps(int count) {
    history().endGroup();
    std::vector<std::string> names = history().undoMany(static_cast<std::size_t>(count));
    for (const std::string& name : names) acutPrintf("\n%s undone", name.c_str());
    if (names.size() < static_cast<std::size_t>(count)) acutPrintf("\nEverything has been undone");
}

void uCommand() { undoSteps(1); }

void undoCommand() {
    acedInitGet(RSG_NOZERO | RSG_NONEG, "Mark Back");
    int count = 1;
    int status = acedGetInt("\nEnter the number of operations to undo or [Mark/Back] <1>: ", &count);
    if (status == RTNONE) count = 1;
    else if (status == RTKWORD) {
        char option[132] = "";
        acedGetInput(option);
        history().endGroup();
        if (std::string(option) == "Mark") return history().mark();
        bool hitMark = false;
        for (const std::string& name : history().undoToMark(hitMark)) acutPrintf("\n%s undone", name.c_str());
        acutPrintf(hitMark ? "\nMark encountered" : "\nEverything has been undone");
        return;
    } else if (status != RTNORM) {
        return;
    }
    undoSteps(count);
}

void redoCommand() {
    history().endGroup();
    std::vector<std::string> names;
    if (!history().redo(names)) {
        acutPrintf("\nREDO must follow an undo");
        return;
    }
    for (const std::string& name : names) acutPrintf("\n%s redone", name.c_str());
}

}  // namespace

void registerUndoCommands() {
    addHostCommand("U", uCommand);
    addHostCommand("UNDO", undoCommand);
    addHostCommand("REDO", redoCommand);
}

void registerHostCommands() {
    registerFileCommands();
    registerDrawCommands();
    registerModifyCommands();
    registerInquiryCommands();
    registerUndoCommands();
    registerTransformCommands();
    registerMeasureCommands();
    registerCurveCommands();
    registerAnnotationCommands();
    registerViewportCommands();
    registerPropertyCommands();
    registerDimensionCommands();
    registerRegionCommands();
    registerDxfCommands();
    registerPlotCommands();
    registerBlockCommands();
    registerImageCommands();
}

}  // namespace vthost

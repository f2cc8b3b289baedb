// The host's own commands, registered in the host's group of the command stack (startHost must
// have run). File and session commands; drawing commands; editing commands; inquiry commands and
// system variables; undo; rotating and scaling; measuring; arcs and
// ellipses; multiline text; layouts and viewports;
// entity properties and the current colour; dimensions and leaders; regions; DXF import and
// export; blocks, attribute definitions and insertions; images; pictures and plots.
#pragma once
#include "rx/AcadErrorStatus.h"

class AcDbDatabase;

namespace vthost {
void registerHostCommands();
void registerFileCommands();
void registerDrawCommands();
void registerModifyCommands();
void registerInquiryCommands();
void registerUndoCommands();
void registerTransformCommands();
void registerMeasureCommands();
void registerCurveCommands();
void registerAnnotationCommands();
void registerViewportCommands();
void registerPropertyCommands();
void registerDimensionCommands();
void registerRegionCommands();
void registerDxfCommands();
void registerPlotCommands();
void registerBlockCommands();
void registerImageCommands();
}  // namespace vthost

// The host program's exports for modules (found by their decorated names, declared in no public
// header): MSPACE and PSPACE as functions on the current drawing. eOk; eWrongDatabase for a
// drawing that is not current; eNotApplicable outside a layout, or with no viewport on.
Acad::ErrorStatus acedMspace(AcDbDatabase* db);
Acad::ErrorStatus acedPspace(AcDbDatabase* db);

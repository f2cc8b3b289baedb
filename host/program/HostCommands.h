// The host's own commands, registered in the host's group of the command stack (startHost must
// have run). File and session commands; drawing commands; editing commands; inquiry commands and
// system variables; undo; rotating and scaling; measuring; arcs and
// ellipses; multiline text.
#pragma once

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
}  // namespace vthost

// The host's own commands, registered in the host's group of the command stack (startHost must
// have run). File and session commands; drawing commands; editing commands; inquiry commands and
// system variables; undo; DXF import and export.
#pragma once

namespace vthost {
void registerHostCommands();
void registerFileCommands();
void registerDrawCommands();
void registerModifyCommands();
void registerInquiryCommands();
void registerUndoCommands();
void registerDxfCommands();
}  // namespace vthost

// vthost command runner: one dispatcher for the host's commands and the modules' (both on the
// command stack). A command name may carry "_" (the global name) and "." (the host's own command)
// in front; a system variable's name runs SETVAR for it. A modal command runs with its drawing
// locked for write from before commandWillStart until after its commandEnded (or
// commandCancelled / commandFailed) reactors return, inside one undo group that closes after
// them; a modal command cannot start while another runs, except through acedCommand. Session
// commands (ACRX_CMD_SESSION) run without a lock or undo group and also with no drawing open.
// Host-internal.
#pragma once
#include <string>

namespace vthost {

enum class CommandOutcome { kEnded, kCancelled, kFailed, kUnknown, kRefused };

// Runs one command as typed at the Command prompt (its answers come from the command line).
CommandOutcome runCommand(const std::string& typed);
// The Command prompt until the input ends; Enter repeats the last command. Answers false when a
// script stopped at an error on the way.
bool commandLoop();
// Called by a command to say how it ends: failed (commandFailed) or cancelled (commandCancelled).
// A prompt cancelled or left without input also makes the command cancelled. failCommand prints
// the message as one line; in a script it also stops the script.
void failCommand(const std::string& message);
void cancelCommand();
// QUIT: the Command prompt ends after the command that asked.
void requestQuit();
bool quitRequested();
// The global name of the command that is running (outermost), or "".
std::string activeCommand();
int commandDepth();

}  // namespace vthost

// How the user drives the dialog framework headless: dialogs, popup menus and message boxes read
// their input from the command line (the same source as every prompt), one action per line in
// the syntax of docs/dialogs.md ("dlg click 1", "dlg select 2007 Area", "dlg menu 32771"). This
// file reads those lines, performs the actions on a dialog's window tree and writes the dialog's
// dump. Once the input has run out, or a script stopped at a refused action, inside a dialog, the
// dialog and everything it opens answer without reading (a dialog is cancelled, a menu
// dismissed, a message box gets its cancelling answer), so that a script never hangs.
// Tests drive dialogs with the same actions through performAction and whenNextDialogOpens.
// Host-internal.
#pragma once
#include <functional>
#include <string>

#include "ui/CDialog.h"

namespace vthost::ui {

// The dump: the dialog's line, then one line per control (id, class, text, state) with the
// control's details (items with their colours, columns, tree items) indented below it.
std::string dumpDialog(HWND dialog);
// Paints every control (owner drawing, custom drawing, static colours), as showing it would.
void paintDialog(HWND dialog);

// One action without the leading "dlg"; false with why it was refused.
bool performAction(HWND dialog, const std::string& action, std::string& refusal);

// An action that a family above the framework adds (the dialog pictures add "picture"): the
// handler gets the dialog and the line's text after the verb; false with why it was refused.
// Installed once at start; a verb already taken by the framework's own actions is not replaced.
using DialogActionHandler = bool (*)(HWND dialog, const std::string& arguments, std::string& refusal);
void addDialogAction(const std::string& verb, DialogActionHandler handler);

// Runs once, when the next dialog has opened (after its dump) and before it reads input.
void whenNextDialogOpens(std::function<void(CDialog&)> action);
void runOpenedHook(CDialog& dialog);

// The modal loop's step: reads one line and performs it. False when the dialog must be
// cancelled: the input ran out or was cancelled, or a script stopped at a refused action.
bool readAndPerform(HWND dialog);

// A popup menu's choice: an id that accept() takes, or 0 when the menu was dismissed.
UINT readMenuChoice(const std::function<bool(UINT id, std::string& refusal)>& accept);
// A message box's answer: the word of one of the buttons (or its first letter), Enter for the
// default; cancelAnswer when the input ran out.
int readMessageBoxAnswer(const std::string& prompt, const std::vector<std::pair<std::string, int>>& buttons,
                         int defaultAnswer, int cancelAnswer);

// Modal depth: input abandoned inside a dialog stays abandoned until the outermost dialog ends.
void enterModal();
void leaveModal();
bool inputAbandoned();

}  // namespace vthost::ui

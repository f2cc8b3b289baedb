#include "ed/CommandRunner.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "ap/AcApDocManager.h"
#include "ap/DocumentState.h"
#include "db/HeaderVariables.h"
#include "ed/AcEdCommandStack.h"
#include "ed/AcEditor.h"
#include "ed/CommandLine.h"
#include "ed/EditorCommands.h"
#include "ed/LispEvaluator.h"
#include "ed/SystemVariables.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

struct RunState {
    int depth = 0;
    int nestedAllowed = 0;  // acedCommand calls in progress
    int notifying = 0;      // editor reactors being called
    bool failed = false;
    bool cancelled = false;
    std::string outermost;
    std::string lastCommand;
    bool quit = false;
};
RunState g_run;

bool documentExists(AcApDocument* doc) {
    if (doc == nullptr || acDocManager == nullptr) return false;
    for (AcApDocument* d : acDocManager->documents())
        if (d == doc) return true;
    return false;
}

template <class F>
void tellReactors(F call) {
    if (AcEditor* editor = acedEditor) {
        ++g_run.notifying;
        editor->notifyEditorReactors(call);
        --g_run.notifying;
    }
}

// Splits "_.line" into the name and whether the host's own command was asked for.
std::string commandName(const std::string& typed, bool& hostOnly) {
    std::string name = typed;
    hostOnly = false;
    for (int i = 0; i < 2 && !name.empty(); ++i) {
        if (name[0] == '_') name.erase(0, 1);
        else if (name[0] == '.') name.erase(0, 1), hostOnly = true;
    }
    return upperAscii(name);
}

CommandOutcome reportUnknown(const std::string& typed) {
    tellReactors([&](AcEditorReactor* r) { r->unknownCommand(upperAscii(typed).c_str(), nullptr); });
    commandLine().discardRestOfLine();
    std::string message = "Unknown command \"" + upperAscii(typed) + "\".  Type HELP for a list of commands.";
    if (commandLine().reject(message)) return CommandOutcome::kUnknown;
    return CommandOutcome::kUnknown;
}

CommandOutcome finish(const std::string& name) {
    bool cancelled = commandLine().takeCancelled() || g_run.cancelled;
    if (g_run.failed) {
        tellReactors([&](AcEditorReactor* r) { r->commandFailed(name.c_str()); });
        return CommandOutcome::kFailed;
    }
    if (cancelled) {
        acutPrintf("*Cancel*");
        tellReactors([&](AcEditorReactor* r) { r->commandCancelled(name.c_str()); });
        return CommandOutcome::kCancelled;
    }
    tellReactors([&](AcEditorReactor* r) { r->commandEnded(name.c_str()); });
    return CommandOutcome::kEnded;
}

// Locks the drawing and opens the undo group (outermost modal command only), runs the command,
// tells the reactors, then closes the group and unlocks. The command may have closed the drawing
// or made another current: only a drawing that still exists is touched afterwards.
CommandOutcome execute(AcEdCommand* command) {
    std::string name = command->globalName();
    bool session = (command->commandFlags() & ACRX_CMD_SESSION) != 0;
    AcApDocument* doc = acDocManager ? acDocManager->curDocument() : nullptr;
    if (!session && doc == nullptr) {
        commandLine().discardRestOfLine();
        commandLine().reject("No drawing is open: use NEW or OPEN first.");
        return CommandOutcome::kRefused;
    }
    bool outermost = g_run.depth == 0;
    bool lock = !session && !(command->commandFlags() & ACRX_CMD_NOINTERNALLOCK);
    if (lock) acDocManager->lockDocument(doc, AcAp::kWrite, name.c_str());
    if (outermost && !session) doc->state().undo.beginGroup(name);
    if (outermost) g_run.outermost = name, g_run.failed = g_run.cancelled = false, commandLine().takeCancelled();
    ++g_run.depth;
    tellReactors([&](AcEditorReactor* r) { r->commandWillStart(name.c_str()); });
    command->functionAddr()();
    CommandOutcome outcome = finish(name);
    --g_run.depth;
    if (outermost && !session && documentExists(doc)) doc->state().undo.endGroup();
    if (lock && documentExists(doc)) acDocManager->unlockDocument(doc);
    if (outermost) g_run.outermost.clear();
    return outcome;
}

}  // namespace

void failCommand(const std::string& message) {
    g_run.failed = true;
    commandLine().reject(message);
}
void requestQuit() { g_run.quit = true; }
bool quitRequested() { return g_run.quit; }
void cancelCommand() { g_run.cancelled = true; }
std::string activeCommand() { return g_run.outermost; }
int commandDepth() { return g_run.depth; }

CommandOutcome runCommand(const std::string& typed) {
    bool hostOnly = false;
    std::string name = commandName(typed, hostOnly);
    if (name.empty()) return reportUnknown(typed);
    AcEdCommandStack* stack = acedRegCmds;
    AcEdCommand* command = hostOnly ? stack->lookupHostCmd(name.c_str()) : stack->lookupGlobalCmd(name.c_str());
    if (command == nullptr && !hostOnly) command = stack->lookupLocalCmd(name.c_str());
    HeaderValue variable;
    if (command == nullptr && findVariable(name, variable) && stack->lookupHostCmd("SETVAR")) {
        commandLine().pushAnswers({name}, true, true);
        return execute(stack->lookupHostCmd("SETVAR"));
    }
    if (command == nullptr) return reportUnknown(typed);
    if (g_run.depth > 0 && g_run.nestedAllowed == 0) {
        commandLine().reject("** " + name + " cannot run while " + g_run.outermost + " is active **");
        return CommandOutcome::kRefused;
    }
    return execute(command);
}

bool commandLoop() {
    g_run.quit = false;
    while (!g_run.quit) {
        runQueuedExpressions();
        std::string typed;
        CommandLine::Read read = commandLine().readCommand("\nCommand: ", typed);
        if (read == CommandLine::Read::kEnd) break;
        if (read == CommandLine::Read::kCancel) {
            acutPrintf(" *Cancel*");
            continue;
        }
        if (!typed.empty() && typed[0] == '(') {
            std::string rest = commandLine().takeRestOfLine();
            evaluateLispText(rest.empty() ? typed : typed + " " + rest, true);
            continue;
        }
        if (typed.empty()) {
            if (g_run.lastCommand.empty()) continue;
            typed = g_run.lastCommand;
            acutPrintf("%s", typed.c_str());
        }
        CommandOutcome outcome = runCommand(typed);
        if (outcome != CommandOutcome::kUnknown && outcome != CommandOutcome::kRefused) g_run.lastCommand = typed;
    }
    acutPrintf("\n");
    return !commandLine().scriptFailed();
}

namespace {

std::string pointText(const double* p) {
    char text[128];
    std::snprintf(text, sizeof text, "%.17g,%.17g,%.17g", p[0], p[1], p[2]);
    return text;
}

std::string realText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string enameText(const long* name) {
    char text[32];
    std::snprintf(text, sizeof text, "#%lX", static_cast<unsigned long>(name[0]) & 0xFFFFFFFFul);
    return text;
}

bool answerOf(const resbuf* rb, std::string& text) {
    switch (rb->restype) {
        case RTSTR: text = rb->resval.rstring ? rb->resval.rstring : ""; return true;
        case RTSHORT: text = std::to_string(rb->resval.rint); return true;
        case RTLONG: text = std::to_string(rb->resval.rlong); return true;
        case RTREAL:
        case RTANG: text = realText(rb->resval.rreal); return true;
        case RTPOINT:
        case RT3DPOINT: text = pointText(rb->resval.rpoint); return true;
        case RTENAME: text = enameText(rb->resval.rlname); return true;
        default: return false;
    }
}

int runWithAnswers(std::vector<std::string> answers) {
    if (answers.empty() || g_run.notifying > 0) return RTERROR;
    std::string name = answers.front();
    answers.erase(answers.begin());
    HeaderValue echo;
    bool quiet = findVariable("CMDECHO", echo) && std::get_if<short>(&echo) && *std::get_if<short>(&echo) == 0;
    CommandLine& line = commandLine();
    std::size_t depth = line.depth();
    bool wasQuiet = line.quiet();
    line.pushAnswers(answers, true, false);
    line.setQuiet(wasQuiet || quiet);
    ++g_run.nestedAllowed;
    CommandOutcome outcome = runCommand(name);
    --g_run.nestedAllowed;
    line.setQuiet(wasQuiet);
    line.popTo(depth);
    switch (outcome) {
        case CommandOutcome::kEnded: return RTNORM;
        case CommandOutcome::kCancelled: return RTCAN;
        default: return RTERROR;
    }
}

}  // namespace

}  // namespace vthost

int acedCmd(const resbuf* rbp) {
    std::vector<std::string> answers;
    for (const resbuf* rb = rbp; rb != nullptr && rb->restype != RTNONE && rb->restype != 0; rb = rb->rbnext) {
        std::string text;
        if (!vthost::answerOf(rb, text)) return RTERROR;
        answers.push_back(text);
    }
    return vthost::runWithAnswers(answers);
}

int acedCommand(int rtype, ...) {
    va_list args;
    va_start(args, rtype);
    std::vector<std::string> answers;
    bool valid = true;
    for (int type = rtype; type != 0 && type != RTNONE; type = va_arg(args, int)) {
        resbuf rb{};
        rb.restype = static_cast<short>(type);
        if (type == RTSTR) rb.resval.rstring = const_cast<char*>(va_arg(args, const char*));
        else if (type == RTSHORT) rb.resval.rint = static_cast<short>(va_arg(args, int));
        else if (type == RTLONG) rb.resval.rlong = va_arg(args, long);
        else if (type == RTREAL || type == RTANG) rb.resval.rreal = va_arg(args, double);
        else if (type == RTPOINT || type == RT3DPOINT) {
            const double* p = va_arg(args, const double*);
            rb.resval.rpoint[0] = p[0], rb.resval.rpoint[1] = p[1], rb.resval.rpoint[2] = type == RTPOINT ? 0.0 : p[2];
        } else if (type == RTENAME) {
            const long* n = va_arg(args, const long*);
            rb.resval.rlname[0] = n[0], rb.resval.rlname[1] = n[1];
        } else {
            valid = false;
            break;
        }
        std::string text;
        vthost::answerOf(&rb, text);
        answers.push_back(text);
    }
    va_end(args);
    return valid ? vthost::runWithAnswers(answers) : RTERROR;
}

int acdbFail(const char* msg) {
    acutPrintf("\nApplication ERROR: %s\n", msg ? msg : "");
    return RTNORM;
}

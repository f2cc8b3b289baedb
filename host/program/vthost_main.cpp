// vthost: the host program. A drawing editor with a command line: it starts the host platform,
// loads the modules asked for, opens the drawings named (or starts a new one) and reads commands
// from standard input, or from a script with -s, until the input ends or QUIT.
//
//   vthost [drawing ...] [-s script] [--load module] [--help] [--version]
//
// With a script, or with standard input that is not a terminal, every prompt is followed by the
// answer it got, so that a run reads as a transcript. A script stops at its first error (an
// unknown command, input a prompt cannot take) naming file and line, and vthost then exits 1.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "program/HostCommands.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/DocumentState.h"
#include "boot/Host.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/MenuCommands.h"
#include "ut/AcUtil.h"
#include "ut/SettingsStore.h"

namespace {

constexpr const char* kVersion = "vthost 0.1";

struct Options {
    std::vector<std::string> drawings;
    std::vector<std::string> modules;
    std::string script;
    bool help = false;
    bool version = false;
    std::string error;
};

Options parseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool needsValue = arg == "-s" || arg == "--load";
        if (needsValue && i + 1 >= argc) {
            options.error = arg + " needs a file name";
            break;
        }
        if (arg == "-s") options.script = argv[++i];
        else if (arg == "--load") options.modules.push_back(argv[++i]);
        else if (arg == "--help" || arg == "-h") options.help = true;
        else if (arg == "--version") options.version = true;
        else if (!arg.empty() && arg[0] == '-') options.error = "unknown option " + arg;
        else options.drawings.push_back(arg);
    }
    return options;
}

void printUsage() {
    std::printf("usage: vthost [drawing ...] [-s script] [--load module] [--help] [--version]\n"
                "  drawing        drawing files to open (a new drawing when none is named)\n"
                "  -s script      run the script's commands, then end\n"
                "  --load module  load a module (for example vantorell.dbx) before the drawings open\n"
                "Commands are read from standard input; type HELP at the Command prompt for a list.\n");
}

void openStartDrawings(const std::vector<std::string>& drawings) {
    for (const std::string& name : drawings) {
        Acad::ErrorStatus status = Acad::eOk;
        if (vthost::openDrawing(name, status) == nullptr)
            acutPrintf("\nCannot open %s: not found or not a readable drawing file.", name.c_str());
    }
    if (acDocManager->documentCount() == 0) vthost::newDrawing();
}

// Names every drawing whose changes were not saved.
void warnUnsaved() {
    std::string names;
    for (AcApDocument* doc : acDocManager->documents())
        if (doc->state().undo.hasUnsavedChanges()) names += std::string(names.empty() ? "" : ", ") + doc->docTitle();
    if (!names.empty()) acutPrintf("Warning: changes not saved in %s.\n", names.c_str());
}

int run(const Options& options) {
    vthost::CommandLine& line = vthost::commandLine();
    if (!options.script.empty()) {
        if (!line.pushScript(options.script)) {
            std::fprintf(stderr, "vthost: cannot read script %s\n", options.script.c_str());
            return 1;
        }
    } else {
        line.readStandardInput(stdin, !isatty(STDIN_FILENO));
    }
    for (const std::string& module : options.modules)
        if (!vthost::loadModuleIntoSession(module.c_str(), true)) return 1;
    openStartDrawings(options.drawings);
    bool ok = vthost::commandLoop();
    warnUnsaved();
    return ok ? 0 : 1;
}

// The user's settings: the file VTHOST_SETTINGS names, else ~/.config/vthost/settings.reg (kept
// in memory only when neither can be worked out). A damaged file is reported and left alone.
void openUserSettings() {
    const char* named = std::getenv("VTHOST_SETTINGS");
    const char* home = std::getenv("HOME");
    std::string path = named != nullptr ? named : home != nullptr ? std::string(home) + "/.config/vthost/settings.reg" : "";
    std::string error;
    if (!path.empty() && !vthost::settingsStore().openFile(path, error))
        std::fprintf(stderr, "vthost: settings %s: %s\n", path.c_str(), error.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    Options options = parseArguments(argc, argv);
    if (!options.error.empty()) {
        std::fprintf(stderr, "vthost: %s\n", options.error.c_str());
        printUsage();
        return 2;
    }
    if (options.help) return printUsage(), 0;
    if (options.version) return std::printf("%s\n", kVersion), 0;
    openUserSettings();
    vthost::startHost();
    vthost::registerHostCommands();
    vthost::registerMenuCommands();
    int status = run(options);
    vthost::stopHost();
    return status;
}

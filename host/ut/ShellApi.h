// The shell's calls: ShellExecuteA opens a document or address with the desktop's program for it,
// WinExec starts a program from a command line. The host records every request (tests read the
// record) and answers as configured for the target, its scheme or by default (success); it starts
// real processes only when the user asked for it (VTHOST_SHELL_OPENS=1, or setShellOpensForReal),
// never in tests: ShellExecuteA through the desktop's opener (xdg-open), WinExec by splitting the
// command line into arguments (double quotes group, as the Windows runtime splits), each started
// with posix_spawn and never through a shell.
#pragma once
#include <string>
#include <vector>

#include "ut/Win32.h"

using HWND = struct HWND__*;

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_SHARE 26
#define SE_ERR_ASSOCINCOMPLETE 27
#define SE_ERR_DDETIMEOUT 28
#define SE_ERR_DDEFAIL 29
#define SE_ERR_DDEBUSY 30
#define SE_ERR_NOASSOC 31
#define SE_ERR_DLLNOTFOUND 32
#ifndef ERROR_BAD_FORMAT
#define ERROR_BAD_FORMAT 11
#endif

extern "C" {
// More than 32 is success; otherwise 0 or an SE_ERR_* code (the answer as a handle).
HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int show);
// More than 31 is success; otherwise 0 (out of resources), ERROR_FILE_NOT_FOUND (2),
// ERROR_PATH_NOT_FOUND (3) or ERROR_BAD_FORMAT (11).
unsigned WinExec(const char* commandLine, unsigned show);
}

namespace vthost {

struct ShellRequest {
    enum class Kind { kShellExecute, kWinExec };
    Kind kind = Kind::kShellExecute;
    std::string verb;                    // ShellExecuteA's verb ("open"; empty when null)
    std::string target;                  // its file, or WinExec's whole command line
    std::vector<std::string> arguments;  // WinExec's command line split into arguments
    int show = 0;
    unsigned answer = 0;
};

// The requests since the last clear, oldest first.
const std::vector<ShellRequest>& shellRequests();
void clearShellRequests();
// What ShellExecuteA answers for a target: the answer set for exactly that target, else for its
// scheme ("https", "mailto"; written without the colon), else the default (42, success).
// WinExec answers for its program (the first argument) the same way.
void setShellAnswer(const std::string& targetOrScheme, unsigned answer);
void setDefaultShellAnswer(unsigned answer);
// Forgets the answers and the requests and turns real opening off (tests start from this).
void resetShell();
// Whether requests also start real processes; initially from VTHOST_SHELL_OPENS ("1": yes).
void setShellOpensForReal(bool real);
bool shellOpensForReal();
// A command line split into arguments: blanks separate them, double quotes group blanks into
// one argument and are removed, \" is a quote inside one.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

}  // namespace vthost

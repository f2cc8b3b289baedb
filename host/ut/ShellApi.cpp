#include "ut/ShellApi.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <map>

extern char** environ;

namespace vthost {

namespace {

constexpr unsigned kSuccess = 42;

struct ShellState {
    std::vector<ShellRequest> requests;
    std::map<std::string, unsigned> answers;
    unsigned defaultAnswer = kSuccess;
    bool real = false;
    std::vector<pid_t> started;  // programs started for real and not yet reaped
    ShellState() {
        const char* wanted = std::getenv("VTHOST_SHELL_OPENS");
        real = wanted != nullptr && std::string(wanted) == "1";
    }
};

ShellState& state() {
    static ShellState shell;
    return shell;
}

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The scheme of "https://..." or "mailto:...": letters, digits, + - . before the first ':'.
std::string schemeOf(const std::string& target) {
    std::size_t colon = target.find(':');
    if (colon == std::string::npos || colon == 0) return {};
    for (std::size_t i = 0; i < colon; ++i) {
        char c = target[i];
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
        if (!ok) return {};
    }
    return lowerCase(target.substr(0, colon));
}

unsigned answerFor(const std::string& target) {
    const auto& answers = state().answers;
    if (auto exact = answers.find(target); exact != answers.end()) return exact->second;
    std::string scheme = schemeOf(target);
    if (auto byScheme = answers.find(scheme); !scheme.empty() && byScheme != answers.end()) return byScheme->second;
    return state().defaultAnswer;
}

// Collects the programs started earlier that have ended, so none is left behind as a zombie.
void reapEnded() {
    auto& started = state().started;
    std::erase_if(started, [](pid_t child) { return waitpid(child, nullptr, WNOHANG) != 0; });
}

// Starts the program with the arguments without waiting for it; false when it could not be
// started.
bool spawn(const std::vector<std::string>& arguments) {
    reapEnded();
    if (arguments.empty()) return false;
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    state().started.push_back(child);
    return true;
}

}  // namespace

const std::vector<ShellRequest>& shellRequests() { return state().requests; }
void clearShellRequests() { state().requests.clear(); }
void setShellAnswer(const std::string& targetOrScheme, unsigned answer) {
    state().answers[targetOrScheme] = answer;
}
void setDefaultShellAnswer(unsigned answer) { state().defaultAnswer = answer; }
void resetShell() {
    state().requests.clear();
    state().answers.clear();
    state().defaultAnswer = kSuccess;
    state().real = false;
}
void setShellOpensForReal(bool real) { state().real = real; }
bool shellOpensForReal() { return state().real; }

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false, quoted = false;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        char c = commandLine[i];
        if (c == '\\' && i + 1 < commandLine.size() && commandLine[i + 1] == '"') {
            current += '"';
            inArgument = true;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(current);
    return arguments;
}

}  // namespace vthost

extern "C" {

HINSTANCE ShellExecuteA(HWND, const char* verb, const char* file, const char*, const char*, int show) {
    using vthost::ShellRequest;
    ShellRequest request;
    request.verb = verb != nullptr ? verb : "";
    request.target = file != nullptr ? file : "";
    request.show = show;
    request.answer = file == nullptr || *file == '\0' ? SE_ERR_FNF : vthost::answerFor(request.target);
    if (request.answer > 32 && vthost::shellOpensForReal() && !vthost::spawn({"xdg-open", request.target}))
        request.answer = SE_ERR_NOASSOC;
    vthost::state().requests.push_back(request);
    return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(request.answer));
}

unsigned WinExec(const char* commandLine, unsigned show) {
    using vthost::ShellRequest;
    ShellRequest request;
    request.kind = ShellRequest::Kind::kWinExec;
    request.target = commandLine != nullptr ? commandLine : "";
    request.arguments = vthost::splitCommandLine(request.target);
    request.show = static_cast<int>(show);
    request.answer = request.arguments.empty() ? 2u /*ERROR_FILE_NOT_FOUND*/ : vthost::answerFor(request.arguments[0]);
    if (request.answer > 31 && vthost::shellOpensForReal() && !vthost::spawn(request.arguments)) request.answer = 2;
    vthost::state().requests.push_back(request);
    return request.answer;
}

}

#include "dialogs/HyperlinkOpener.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "ut/Registry.h"
#include "ut/ShellApi.h"

namespace vantorell {

namespace {

// The default value of a key under HKEY_CLASSES_ROOT, read at whatever length it has.
bool classesRootDefault(const std::string& subKey, std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD type = REG_NONE, size = 0;
    bool read = RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ;
    std::vector<BYTE> data(size + 1, 0);
    if (read) read = RegQueryValueExA(key, nullptr, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (!read) return false;
    data[std::min<std::size_t>(size, data.size() - 1)] = 0;  // terminated whatever was stored
    value = reinterpret_cast<const char*>(data.data());
    return !value.empty();
}

bool startsWithIgnoringCase(const std::string& text, const char* prefix) {
    std::size_t i = 0;
    for (; prefix[i] != '\0'; ++i) {
        if (i >= text.size()) return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

bool isFallbackTarget(const std::string& target) {
    bool web = startsWithIgnoringCase(target, "http://") || startsWithIgnoringCase(target, "https://") ||
               startsWithIgnoringCase(target, "mailto:");
    if (!web) return false;
    for (unsigned char c : target)
        if (c <= 0x20 || c >= 0x7f || c == '"') return false;
    return true;
}

std::string fallbackCommandLine(const std::string& registered, const std::string& target) {
    if (!isFallbackTarget(target)) return {};
    std::string command = registered;
    std::size_t quoted = command.find("\"%1\"");
    std::size_t bare = command.find("%1");
    if (quoted != std::string::npos) command.erase(quoted);
    else if (bare != std::string::npos) command.erase(bare);
    while (!command.empty() && (command.back() == ' ' || command.back() == '\t')) command.pop_back();
    if (command.empty()) return {};
    return command + " " + target;
}

int openHyperlink(const std::string& target, int show) {
    auto shell = static_cast<int>(reinterpret_cast<std::intptr_t>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, show)));
    if (shell > 32) return shell;
    std::string progId, registered;
    if (!classesRootDefault(".htm", progId)) return shell;
    if (!classesRootDefault(progId + "\\shell\\open\\command", registered)) return shell;
    std::string commandLine = fallbackCommandLine(registered, target);
    if (commandLine.empty()) return shell;
    return static_cast<int>(WinExec(commandLine.c_str(), static_cast<unsigned>(show)));
}

std::string hyperlinkFailureMessage(int code) {
    const char* text = nullptr;
    switch (code) {
        case 0: text = "The operating system is out\nof memory or resources."; break;
        case SE_ERR_FNF: text = "The specified file was not found."; break;
        case SE_ERR_PNF: text = "The specified path was not found."; break;
        case SE_ERR_ACCESSDENIED: text = "The operating system denied\naccess to the specified file."; break;
        case SE_ERR_OOM: text = "There was not enough memory to complete the operation."; break;
        case ERROR_BAD_FORMAT: text = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."; break;
        case SE_ERR_SHARE: text = "A sharing violation occurred. "; break;
        case SE_ERR_ASSOCINCOMPLETE: text = "The filename association is\nincomplete or invalid."; break;
        case SE_ERR_DDETIMEOUT: text = "The DDE transaction could not\nbe completed because the request timed out."; break;
        case SE_ERR_DDEFAIL: text = "The DDE transaction failed."; break;
        case SE_ERR_DDEBUSY:
            text = "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
            break;
        case SE_ERR_NOASSOC: text = "There is no application associated\nwith the given filename extension."; break;
        case SE_ERR_DLLNOTFOUND: text = "The specified dynamic-link library was not found."; break;
        default: break;
    }
    std::string message = "Unable to open hyperlink:\n\n";
    if (text != nullptr) return message + text;
    char unknown[64];
    std::snprintf(unknown, sizeof unknown, "Unknown Error (%d) occurred.", code);
    return message + unknown;
}

}  // namespace vantorell

#include "style/MacroExpansion.h"

#include <cstdio>

#include "ut/AdsCodes.h"
#include "ut/Win32.h"

namespace vantorell {

namespace {

using MenuCmdFunction = int (*)(const char*);
using GetInputFunction = int (*)(char*);

// Looked up in the host program on demand; a failed look-up is tried again next time.
MenuCmdFunction g_menuCmd = nullptr;
GetInputFunction g_getInput = nullptr;

bool findHostFunctions() {
    HMODULE host = GetModuleHandleA(nullptr);
    if (g_getInput == nullptr)
        g_getInput = vthost::procAddress<GetInputFunction>(host, "acedGetInput");
    if (g_menuCmd == nullptr) g_menuCmd = vthost::procAddress<MenuCmdFunction>(host, "acedMenuCmd");
    return g_getInput != nullptr && g_menuCmd != nullptr;
}

// The host evaluates "M=expression" and hands the result back through acedGetInput, which
// delivers at most 131 characters into a buffer of 132.
std::string evaluate(const std::string& expression, const char* rawValue) {
    std::string menuText = "M=" + expression;
    if (g_menuCmd(menuText.c_str()) != RTKWORD) return rawValue;
    // A host that answers RTKWORD but then delivers nothing leaves this text in the label.
    char result[132];
    std::snprintf(result, sizeof result, "%s", kUnknownValue);
    g_getInput(result);
    result[sizeof result - 1] = '\0';
    return result;
}

}  // namespace

std::string substituteProperty(const std::string& macro, const char* value) {
    const std::string token = kPropertyToken;
    std::string result;
    std::size_t start = 0;
    for (std::size_t found; (found = macro.find(token, start)) != std::string::npos;) {
        result.append(macro, start, found - start).append(value);
        start = found + token.size();
    }
    return result.append(macro, start, std::string::npos);
}

std::string labelText(const char* rawValue, const std::string& macro) {
    bool hostEvaluates = findHostFunctions();
    if (!macro.empty() && hostEvaluates) {
        if (rawValue == nullptr) return kUnknownValue;
        return evaluate(substituteProperty(macro, rawValue), rawValue);
    }
    return rawValue != nullptr ? rawValue : kUnknownValue;
}

void forgetHostFunctions() {
    g_menuCmd = nullptr;
    g_getInput = nullptr;
}

}  // namespace vantorell

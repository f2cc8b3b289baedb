#include "ed/EditorInput.h"

#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "ut/AdsCodes.h"
#include "ed/HostDieselEnvironment.h"

namespace {
constexpr std::size_t kMaxInput = 131;
std::optional<std::string> g_pending;

std::map<std::string, std::string>& settings() {
    static std::map<std::string, std::string> store;
    return store;
}
}  // namespace

namespace vthost {
void offerInput(const char* text) { g_pending = std::string(text ? text : ""); }
void clearInput() { g_pending.reset(); }

const char* settingValue(const char* name) {
    auto it = settings().find(name ? name : "");
    return it == settings().end() ? nullptr : it->second.c_str();
}

void setSetting(const char* name, const char* value) {
    if (name == nullptr) return;
    if (value == nullptr || *value == '\0')
        settings().erase(name);
    else
        settings()[name] = value;
}
}  // namespace vthost

extern "C" {

int acedMenuCmd(const char* str) {
    if (str == nullptr || (str[0] != 'M' && str[0] != 'm') || str[1] != '=') return RTERROR;
    vthost::HostDieselEnvironment environment;
    vthost::offerInput(vthost::evaluateMacro(str + 2, environment).c_str());
    return RTKWORD;
}

int acedGetInput(char* str) {
    if (str == nullptr || !g_pending) return RTERROR;
    std::size_t length = std::min(g_pending->size(), kMaxInput);
    std::memcpy(str, g_pending->data(), length);
    str[length] = '\0';
    return RTNORM;
}

}  // extern "C"

#include "ed/EditorInput.h"

#include <cstring>
#include <cstdint>
#include <optional>
#include <string>

#include "ut/AdsCodes.h"
#include "ed/HostDieselEnvironment.h"
#include "rx/AcRxDynamicLinker.h"
#include "ut/SettingsStore.h"

namespace {
constexpr std::size_t kMaxInput = 131;
std::optional<std::string> g_pending;

std::string environmentKey() { return std::string("HKEY_CURRENT_USER\\") + vthost::kProductKey + "\\General"; }
}  // namespace

namespace vthost {
void offerInput(const char* text) { g_pending = std::string(text ? text : ""); }
void clearInput() { g_pending.reset(); }

const char* settingValue(const char* name) {
    if (name == nullptr || *name == '\0') return nullptr;
    const SettingValue* value = settingsStore().value(environmentKey(), name);
    if (value == nullptr) return nullptr;
    if (value->type == kRegString) return value->data.c_str();
    static std::string number;
    std::uint32_t n = 0;
    for (int i = 3; i >= 0 && value->data.size() == 4; --i) n = (n << 8) | static_cast<unsigned char>(value->data[i]);
    number = std::to_string(n);
    return number.c_str();
}

void setSetting(const char* name, const char* value) {
    if (name == nullptr || *name == '\0') return;
    if (value == nullptr || *value == '\0') {
        settingsStore().removeValue(environmentKey(), name);
        return;
    }
    settingsStore().createKey(environmentKey());
    settingsStore().setValue(environmentKey(), name, SettingValue{kRegString, value});
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

#include "ut/Registry.h"

#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "ut/SettingsStore.h"

// An open key: its full path in the store.
struct VthostRegistryKey {
    std::string path;
};

namespace {

std::set<HKEY>& openKeys() {
    static std::set<HKEY> keys;
    return keys;
}

// The full path of a key handle (a root or a key opened and not closed); false for anything else.
bool pathOf(HKEY key, std::string& path) {
    if (key == HKEY_CURRENT_USER) return path = "HKEY_CURRENT_USER", true;
    if (key == HKEY_CLASSES_ROOT) return path = "HKEY_CLASSES_ROOT", true;
    if (openKeys().count(key) == 0) return false;
    path = key->path;
    return true;
}

std::string below(const std::string& path, const char* subKey) {
    return subKey == nullptr || *subKey == '\0' ? path : path + "\\" + subKey;
}

HKEY handOut(const std::string& path) {
    HKEY key = new VthostRegistryKey{path};
    openKeys().insert(key);
    return key;
}

LONG copyOut(const vthost::SettingValue& value, LPDWORD type, LPBYTE data, LPDWORD size) {
    bool text = value.type == vthost::kRegString;
    DWORD needed = static_cast<DWORD>(value.data.size() + (text ? 1 : 0));
    if (type != nullptr) *type = value.type;
    if (size == nullptr) return data == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
    DWORD room = *size;
    *size = needed;
    if (data == nullptr) return ERROR_SUCCESS;
    if (room < needed) return ERROR_MORE_DATA;
    std::memcpy(data, value.data.data(), value.data.size());
    if (text) data[value.data.size()] = '\0';
    return ERROR_SUCCESS;
}

}  // namespace

extern "C" {

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD, REGSAM, PHKEY result) {
    std::string path;
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!pathOf(key, path)) return ERROR_INVALID_HANDLE;
    path = below(path, subKey);
    if (!vthost::settingsStore().hasKey(path)) return ERROR_FILE_NOT_FOUND;
    *result = handOut(path);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD, char*, DWORD, REGSAM, const void*,
                     PHKEY result, LPDWORD disposition) {
    std::string path;
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!pathOf(key, path)) return ERROR_INVALID_HANDLE;
    path = below(path, subKey);
    bool existed = vthost::settingsStore().hasKey(path);
    if (!existed && !vthost::settingsStore().createKey(path)) return ERROR_INVALID_PARAMETER;
    if (disposition != nullptr) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = handOut(path);
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, const char* valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    std::string path;
    if (!pathOf(key, path)) return ERROR_INVALID_HANDLE;
    const vthost::SettingValue* value = vthost::settingsStore().value(path, valueName ? valueName : "");
    if (value == nullptr) return ERROR_FILE_NOT_FOUND;
    return copyOut(*value, type, data, size);
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
    std::string path;
    if (!pathOf(key, path)) return ERROR_INVALID_HANDLE;
    if ((type != REG_SZ && type != REG_DWORD) || (data == nullptr && size > 0)) return ERROR_INVALID_PARAMETER;
    if (type == REG_DWORD && size != 4) return ERROR_INVALID_PARAMETER;
    std::string bytes(reinterpret_cast<const char*>(data), data ? size : 0);
    if (type == REG_SZ) bytes = bytes.substr(0, bytes.find('\0'));
    vthost::settingsStore().setValue(path, valueName ? valueName : "", {static_cast<std::uint32_t>(type), bytes});
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (key == HKEY_CURRENT_USER || key == HKEY_CLASSES_ROOT) return ERROR_SUCCESS;
    if (openKeys().erase(key) == 0) return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}

}  // extern "C"

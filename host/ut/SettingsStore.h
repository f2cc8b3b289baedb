// vthost::SettingsStore: the host's settings ("registry"), one per process: keys under the roots
// HKEY_CURRENT_USER and HKEY_CLASSES_ROOT, each with named values (the unnamed one is the key's
// default value), strings (REG_SZ) or 32-bit numbers (REG_DWORD). Key and value names compare
// case-insensitively and keep their spelling. Once a file is opened the store is that file's: it
// is read at once and written after every change. The Win32 calls over it are in ut/Registry.h.
//
// The file is text, one statement per line (';' starts a comment line):
//   VTSETTINGS 1                                  header and version (newer versions are refused)
//   [HKEY_CURRENT_USER\Software\Vthost]           a key, by its full path
//   "Name"="text"                                 a string value (\\ \" \n escapes)
//   @="text"                                      the key's default value
//   "Count"=dword:0000000a                        a number, in hexadecimal
// The file is stored data: readText refuses what it does not understand, naming the line.
// Host-internal.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace vthost {

constexpr std::uint32_t kRegString = 1;  // REG_SZ
constexpr std::uint32_t kRegNumber = 4;  // REG_DWORD
constexpr int kSettingsVersion = 1;

struct SettingValue {
    std::uint32_t type = kRegString;
    std::string data;  // the text, or the number's 4 bytes (little-endian)
};

class SettingsStore {
public:
    // Paths are "ROOT\sub\key", ROOT one of HKEY_CURRENT_USER, HKEY_CLASSES_ROOT.
    bool hasKey(const std::string& path) const;
    // Creates the key and the keys above it; false for a path without a known root.
    bool createKey(const std::string& path);
    const SettingValue* value(const std::string& path, const std::string& name) const;
    // The key must exist.
    bool setValue(const std::string& path, const std::string& name, const SettingValue& value);
    bool removeValue(const std::string& path, const std::string& name);

    std::string text() const;
    // Replaces the contents; false with error "line <n>: <what>" (the store is then unchanged).
    bool readText(std::string_view text, std::string& error);
    void clear();

    // The file the store is kept in: read now (a missing file is an empty store), written after
    // each change. An empty path detaches the store from any file (it keeps its contents).
    bool openFile(const std::string& path, std::string& error);
    const std::string& file() const { return m_file; }

private:
    struct Key {
        std::string path;
        std::map<std::string, std::pair<std::string, SettingValue>> values;  // by upper-case name
    };
    void changed();
    std::map<std::string, Key> m_keys;  // by upper-case path
    std::string m_file;
};

SettingsStore& settingsStore();
// The store's root for a path ("HKEY_CURRENT_USER"), or empty when the path has none.
std::string settingsRoot(const std::string& path);

}  // namespace vthost

#include "ut/SettingsStore.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace vthost {

namespace {

constexpr const char* kRoots[] = {"HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT"};
constexpr std::size_t kMaxSettingsLine = 65536;

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\', out += c;
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out + "\"";
}

// Reads a quoted text at the front of rest; false when it is not one.
bool unquote(std::string_view& rest, std::string& text) {
    if (rest.empty() || rest[0] != '"') return false;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c == '"') return rest.remove_prefix(i + 1), true;
        if (c == '\\' && ++i < rest.size()) c = rest[i] == 'n' ? '\n' : rest[i];
        else if (c == '\\') return false;
        text.push_back(c);
    }
    return false;
}

std::string numberData(std::uint32_t number) {
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return data;
}

std::uint32_t dataNumber(const std::string& data) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0 && data.size() == 4; --i) number = (number << 8) | static_cast<unsigned char>(data[i]);
    return number;
}

bool readValueData(std::string_view rest, SettingValue& value) {
    if (rest.substr(0, 6) == "dword:") {
        std::string_view hex = rest.substr(6);
        if (hex.empty() || hex.size() > 8 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
            return false;
        value = {kRegNumber, numberData(static_cast<std::uint32_t>(std::stoul(std::string(hex), nullptr, 16)))};
        return true;
    }
    value.type = kRegString;
    return unquote(rest, value.data) && rest.empty();
}

// One statement of the file into store; current is the key the values go to.
bool readStatement(std::string_view line, SettingsStore& store, std::string& current, std::string& what) {
    if (line.front() == '[') {
        if (line.back() != ']') return what = "a key without ']'", false;
        current = std::string(line.substr(1, line.size() - 2));
        return store.createKey(current) || (what = "a key outside HKEY_CURRENT_USER and HKEY_CLASSES_ROOT", false);
    }
    if (current.empty()) return what = "a value before the first key", false;
    std::string name;
    std::string_view rest = line;
    if (rest.front() == '@') rest.remove_prefix(1);
    else if (!unquote(rest, name)) return what = "a value without a quoted name", false;
    SettingValue value;
    if (rest.empty() || rest.front() != '=' || !readValueData(rest.substr(1), value))
        return what = "a value that is neither \"text\" nor dword:<hex>", false;
    store.setValue(current, name, value);
    return true;
}

}  // namespace

std::string settingsRoot(const std::string& path) {
    std::string head = upper(path.substr(0, path.find('\\')));
    for (const char* root : kRoots)
        if (head == root) return root;
    return {};
}

bool SettingsStore::hasKey(const std::string& path) const { return m_keys.count(upper(path)) > 0; }

bool SettingsStore::createKey(const std::string& path) {
    if (settingsRoot(path).empty() || path.find("\\\\") != std::string::npos || path.back() == '\\') return false;
    for (std::size_t end = path.find('\\'); ; end = path.find('\\', end + 1)) {
        std::string part = path.substr(0, end);
        m_keys.try_emplace(upper(part), Key{part, {}});
        if (end == std::string::npos) break;
    }
    changed();
    return true;
}

const SettingValue* SettingsStore::value(const std::string& path, const std::string& name) const {
    auto key = m_keys.find(upper(path));
    if (key == m_keys.end()) return nullptr;
    auto found = key->second.values.find(upper(name));
    return found == key->second.values.end() ? nullptr : &found->second.second;
}

bool SettingsStore::setValue(const std::string& path, const std::string& name, const SettingValue& value) {
    auto key = m_keys.find(upper(path));
    if (key == m_keys.end()) return false;
    key->second.values[upper(name)] = {name, value};
    changed();
    return true;
}

bool SettingsStore::removeValue(const std::string& path, const std::string& name) {
    auto key = m_keys.find(upper(path));
    if (key == m_keys.end() || key->second.values.erase(upper(name)) == 0) return false;
    changed();
    return true;
}

std::string SettingsStore::text() const {
    std::string out = "VTSETTINGS " + std::to_string(kSettingsVersion) + "\n";
    for (const auto& [upperPath, key] : m_keys) {
        out += "\n[" + key.path + "]\n";
        for (const auto& [upperName, entry] : key.values) {
            out += entry.first.empty() ? "@" : quoted(entry.first);
            if (entry.second.type == kRegNumber) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "%08x", dataNumber(entry.second.data));
                out += std::string("=dword:") + hex + "\n";
            } else {
                out += "=" + quoted(entry.second.data) + "\n";
            }
        }
    }
    return out;
}

bool SettingsStore::readText(std::string_view text, std::string& error) {
    SettingsStore read;
    std::string current, what;
    int number = 0;
    bool header = false;
    for (std::size_t start = 0; start < text.size() && what.empty();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxSettingsLine) what = "line too long";
        else if (header) { if (!line.empty() && line.front() != ';') readStatement(line, read, current, what); }
        else if (line == "VTSETTINGS 1") header = true;
        else what = line.substr(0, 11) == "VTSETTINGS " ? "an unknown version" : "not a settings file";
    }
    if (what.empty() && !header) what = "not a settings file";
    if (!what.empty()) return error = "line " + std::to_string(number) + ": " + what, false;
    m_keys = std::move(read.m_keys);
    changed();
    return true;
}

void SettingsStore::clear() {
    m_keys.clear();
    changed();
}

bool SettingsStore::openFile(const std::string& path, std::string& error) {
    m_file.clear();
    if (path.empty()) return true;
    std::ifstream in(path, std::ios::binary);
    if (in) {
        std::ostringstream contents;
        contents << in.rdbuf();
        if (!readText(contents.str(), error)) return false;
    } else {
        m_keys.clear();
    }
    m_file = path;
    return true;
}

void SettingsStore::changed() {
    if (m_file.empty()) return;
    std::ofstream out(m_file, std::ios::binary | std::ios::trunc);
    out << text();
}

SettingsStore& settingsStore() {
    static SettingsStore store;
    return store;
}

}  // namespace vthost

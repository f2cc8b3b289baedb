#include "db/HeaderVariables.h"

namespace vthost {

std::string upperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

HeaderVariables::HeaderVariables() {
    m_values = {
        {"LUNITS", short{2}},   {"LUPREC", short{4}},   {"DIMZIN", short{0}},
        {"UNITMODE", short{0}}, {"AUNITS", short{0}},   {"AUPREC", short{0}},
        {"TILEMODE", short{1}}, {"CLAYER", std::string("0")}, {"TEXTSIZE", 2.5},
        {"CECOLOR", std::string("BYLAYER")},
    };
}

const HeaderValue* HeaderVariables::find(const std::string& name) const {
    auto it = m_values.find(upperAscii(name));
    return it == m_values.end() ? nullptr : &it->second;
}

bool HeaderVariables::set(const std::string& name, const HeaderValue& value) {
    auto it = m_values.find(upperAscii(name));
    if (it == m_values.end() || it->second.index() != value.index()) return false;
    it->second = value;
    return true;
}

short HeaderVariables::getShort(const std::string& name, short fallback) const {
    const HeaderValue* value = find(name);
    if (value == nullptr) return fallback;
    const short* number = std::get_if<short>(value);
    return number ? *number : fallback;
}

void HeaderVariables::put(const std::string& name, const HeaderValue& value) {
    m_values[upperAscii(name)] = value;
}

}  // namespace vthost

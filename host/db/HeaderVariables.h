// vthost::HeaderVariables: the settings a drawing carries (LUNITS, LUPREC, DIMZIN, UNITMODE,
// AUNITS, AUPREC, ...), by upper-case name. Integers, reals, texts and points.
#pragma once
#include <map>
#include <string>
#include <variant>

#include "ge/AcGePoint3d.h"

namespace vthost {

using HeaderValue = std::variant<short, double, std::string, AcGePoint3d>;

class HeaderVariables {
public:
    HeaderVariables();
    // Case-insensitive; null when the drawing has no such variable.
    const HeaderValue* find(const std::string& name) const;
    // Replaces a value of the same kind; false for an unknown name or another kind.
    bool set(const std::string& name, const HeaderValue& value);
    short getShort(const std::string& name, short fallback) const;
    const std::map<std::string, HeaderValue>& all() const { return m_values; }
    // Used when reading a drawing file: adds or replaces whatever the file holds.
    void put(const std::string& name, const HeaderValue& value);

private:
    std::map<std::string, HeaderValue> m_values;
};

std::string upperAscii(std::string text);

}  // namespace vthost

#include "ed/InputParser.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace vthost {

namespace {

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

bool numberCharacters(const std::string& text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    return true;
}

bool parseCoordinates(const std::string& text, AcGePoint3d& point) {
    std::vector<std::string> parts = splitAt(text, ',');
    if (parts.size() < 2 || parts.size() > 3) return false;
    double values[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (!parseReal(parts[i], values[i])) return false;
    point = AcGePoint3d(values[0], values[1], values[2]);
    return true;
}

bool parsePolar(const std::string& text, AcGeVector3d& offset) {
    std::vector<std::string> parts = splitAt(text, '<');
    double distance = 0.0, degrees = 0.0;
    if (parts.size() != 2 || !parseReal(parts[0], distance) || !parseReal(parts[1], degrees))
        return false;
    double radians = degrees * std::numbers::pi / 180.0;
    offset = AcGeVector3d(distance * std::cos(radians), distance * std::sin(radians), 0.0);
    return std::isfinite(offset.x) && std::isfinite(offset.y);
}

}  // namespace

bool parseReal(const std::string& text, double& value) {
    if (text.empty() || text.size() > 64 || !numberCharacters(text)) return false;
    errno = 0;
    char* end = nullptr;
    double parsed = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool parseInteger(const std::string& text, int& value) {
    if (text.empty() || text.size() > 8) return false;
    std::size_t start = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start == text.size()) return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    long parsed = std::strtol(text.c_str(), nullptr, 10);
    if (parsed < -32768 || parsed > 32767) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool parsePoint(const std::string& text, const AcGePoint3d* last, AcGePoint3d& point) {
    if (text.empty()) return false;
    if (text[0] != '@') {
        AcGeVector3d offset;
        if (text.find('<') != std::string::npos) {
            if (!parsePolar(text, offset)) return false;
            point = AcGePoint3d::kOrigin + offset;
            return true;
        }
        return parseCoordinates(text, point);
    }
    if (last == nullptr) return false;
    std::string rest = text.substr(1);
    if (rest.empty()) {
        point = *last;
        return true;
    }
    AcGeVector3d offset;
    if (rest.find('<') != std::string::npos) {
        if (!parsePolar(rest, offset)) return false;
    } else {
        AcGePoint3d delta;
        if (!parseCoordinates(rest, delta)) return false;
        offset = delta - AcGePoint3d::kOrigin;
    }
    point = *last + offset;
    return true;
}

bool parseHandle(const std::string& text, unsigned long& handle) {
    if (text.size() < 2 || text.size() > 9 || text[0] != '#') return false;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
    handle = std::strtoul(text.c_str() + 1, nullptr, 16);
    return handle != 0;
}

}  // namespace vthost

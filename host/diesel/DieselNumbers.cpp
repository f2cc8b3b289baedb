// Number reading and formatting. std::from_chars and std::to_chars never consult the locale, so
// the decimal point is always '.', whatever setlocale() the host program has done.
#include "diesel/DieselNumbers.h"

#include "diesel/DieselEvaluator.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace vthost {
namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool isDigitIn(char c, int base) {
    return digitValue(c) < base;
}

// Skips blanks and an optional sign; returns the rest and whether the sign was '-'.
std::string_view skipBlanksAndSign(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && isDieselBlank(text[i])) ++i;
    negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    return text.substr(i);
}

bool hasHexPrefix(std::string_view s) {
    if (s.size() < 3 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X')) return false;
    if (isDigitIn(s[2], 16)) return true;
    return s[2] == '.' && s.size() > 3 && isDigitIn(s[3], 16);
}

// Whether a number that from_chars found out of range overflowed (rather than underflowed): the
// position of its first significant digit plus its exponent decides. The span is what was consumed.
bool overflowed(std::string_view span, int base) {
    const char expMark = base == 16 ? 'p' : 'e';
    const long long digitWeight = base == 16 ? 4 : 1;
    std::size_t i = 0;
    long long integerDigits = 0;
    for (; i < span.size() && isDigitIn(span[i], base); ++i)
        if (integerDigits > 0 || span[i] != '0') ++integerDigits;
    long long magnitude = (integerDigits - 1) * digitWeight;
    if (integerDigits == 0) {
        if (i < span.size() && span[i] == '.') ++i;
        long long zeros = 0;
        for (; i < span.size() && span[i] == '0'; ++i) ++zeros;
        magnitude = -(zeros + 1) * digitWeight;
    }
    while (i < span.size() && (span[i] | 0x20) != expMark) ++i;
    long long exponent = 0;
    bool negativeExp = false;
    if (++i < span.size() && (span[i] == '-' || span[i] == '+')) negativeExp = span[i++] == '-';
    for (; i < span.size(); ++i) exponent = std::min(exponent * 10 + (span[i] - '0'), 1000000LL);
    return magnitude + (negativeExp ? -exponent : exponent) > 0;
}

}  // namespace

bool isDieselBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool readDieselReal(std::string_view text, double& value) {
    bool negative = false;
    std::string_view rest = skipBlanksAndSign(text, negative);
    if (rest.empty() || rest[0] == '-' || rest[0] == '+') return false;
    const bool hex = hasHexPrefix(rest);
    if (hex) rest.remove_prefix(2);
    const auto format = hex ? std::chars_format::hex : std::chars_format::general;
    double magnitude = 0;
    const auto [end, error] =
        std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, format);
    if (error == std::errc::invalid_argument) return false;
    if (error == std::errc::result_out_of_range) {
        const std::string_view span(rest.data(), static_cast<std::size_t>(end - rest.data()));
        magnitude = overflowed(span, hex ? 16 : 10) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

bool readDieselInteger(std::string_view text, int& value) {
    bool negative = false;
    std::string_view rest = skipBlanksAndSign(text, negative);
    int base = 10;
    if (hasHexPrefix(rest) && rest[2] != '.') {
        base = 16;
        rest.remove_prefix(2);
    } else if (!rest.empty() && rest[0] == '0') {
        base = 8;
    }
    if (rest.empty() || !isDigitIn(rest[0], base)) return false;
    constexpr std::int64_t kCeiling = std::int64_t{1} << 32;  // beyond any 32-bit value
    std::int64_t magnitude = 0;
    for (std::size_t i = 0; i < rest.size() && isDigitIn(rest[i], base); ++i)
        magnitude = std::min(magnitude * base + digitValue(rest[i]), kCeiling);
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int>::min() ||
        signedValue > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

std::string formatDieselInteger(long long value) {
    return std::to_string(value);
}

std::string formatDieselReal(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[400];  // the largest double has 309 integer digits; 12 decimals, sign and point
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 12);
    if (error != std::errc()) return "nan";  // cannot happen with this buffer; never leave it empty
    std::string text(buffer, end);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace vthost

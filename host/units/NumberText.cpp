// Number texts built on std::to_chars, which is exact and ignores the C locale.
#include "units/NumberText.h"

#include "units/LinearFormat.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>

namespace vthost::units {
namespace {

// Every text the formatters ask for fits here; the callers' bounds are worked out in
// LinearFormat.cpp. A failure would mean a broken bound, so it asserts and yields "".
std::string toChars(double value, std::chars_format format, int places) {
    char buffer[kMaxLinearText];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format, places);
    assert(error == std::errc{});
    if (error != std::errc{}) return std::string();
    return std::string(buffer, end);
}

std::size_t mantissaEnd(const std::string& text) {
    std::size_t e = text.find_first_of("eE");
    return e == std::string::npos ? text.size() : e;
}

}  // namespace

std::string fixedText(double value, int places) {
    assert(std::isfinite(value) && places >= 0);
    return toChars(value, std::chars_format::fixed, places);
}

std::string scientificText(double value, int places) {
    assert(std::isfinite(value) && places >= 0);
    std::string text = toChars(value, std::chars_format::scientific, places);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

int decimalExponent(double value, int digits) {
    assert(std::isfinite(value) && digits >= 1);
    std::string text = toChars(value, std::chars_format::scientific, digits - 1);
    std::size_t e = mantissaEnd(text);
    int exponent = 0;
    if (e + 2 > text.size()) return 0;
    const char* first = text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0);
    std::from_chars(first, text.data() + text.size(), exponent);
    return exponent;
}

std::string nonFiniteText(double value) {
    assert(!std::isfinite(value));
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

void trimTrailingZeros(std::string& number) {
    std::size_t end = mantissaEnd(number);
    std::size_t point = number.find('.');
    if (point == std::string::npos || point > end) return;
    std::size_t keep = end;
    while (keep > point + 1 && number[keep - 1] == '0') --keep;
    if (keep == point + 1) keep = point;
    number.erase(keep, end - keep);
}

void dropLeadingZero(std::string& number) {
    std::size_t start = (!number.empty() && number[0] == '-') ? 1 : 0;
    if (number.compare(start, 2, "0.") == 0) number.erase(start, 1);
}

void dropSignOfZero(std::string& text) {
    if (text.empty() || text[0] != '-') return;
    std::size_t end = mantissaEnd(text);
    bool nonZero =
        std::any_of(text.begin(), text.begin() + end, [](char c) { return c >= '1' && c <= '9'; });
    if (!nonZero) text.erase(0, 1);
}

unsigned divideDigits(std::string& digits, unsigned divisor) {
    assert(divisor > 0 && divisor < 100);
    std::string quotient;
    unsigned rest = 0;
    for (char c : digits) {
        rest = rest * 10 + static_cast<unsigned>(c - '0');
        if (!quotient.empty() || rest >= divisor) quotient.push_back(char('0' + rest / divisor));
        rest %= divisor;
    }
    digits = quotient.empty() ? "0" : quotient;
    return rest;
}

}  // namespace vthost::units

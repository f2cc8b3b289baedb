// The function catalogue, and the numeric functions: arithmetic, comparisons, bitwise logic, fix.
// Arithmetic reads its arguments as reals and prints the result in the 12-decimal real format;
// comparisons, bitwise logic and fix print plain 32-bit decimals.
#include "diesel/DieselFunctions.h"

#include "diesel/DieselNumbers.h"

#include <array>
#include <cmath>
#include <functional>
#include <limits>

namespace vthost {
namespace {

struct CatalogueEntry {
    std::string_view name;
    DieselHandler handler;
};

const std::array<CatalogueEntry, 28> kCatalogue = {{
    {"+", diesel_fn::add},
    {"-", diesel_fn::subtract},
    {"*", diesel_fn::multiply},
    {"/", diesel_fn::divide},
    {"=", diesel_fn::equal},
    {"<", diesel_fn::less},
    {">", diesel_fn::greater},
    {"!=", diesel_fn::notEqual},
    {"<=", diesel_fn::lessOrEqual},
    {">=", diesel_fn::greaterOrEqual},
    {"AND", diesel_fn::bitAnd},
    {"ANGTOS", diesel_fn::formatAngle},
    {"EDTIME", diesel_fn::editTime},
    {"EQ", diesel_fn::stringsEqual},
    {"EVAL", diesel_fn::evalAgain},
    {"FIX", diesel_fn::truncate},
    {"GETENV", diesel_fn::settingValue},
    {"GETVAR", diesel_fn::systemVariable},
    {"IF", diesel_fn::ifThen},
    {"INDEX", diesel_fn::listItem},
    {"LINELEN", diesel_fn::lineLength},
    {"NTH", diesel_fn::nthArgument},
    {"OR", diesel_fn::bitOr},
    {"RTOS", diesel_fn::formatDistance},
    {"STRLEN", diesel_fn::stringLength},
    {"SUBSTR", diesel_fn::substring},
    {"UPPER", diesel_fn::upperCase},
    {"XOR", diesel_fn::bitXor},
}};

// Folds the real arguments left to right; no arguments give `empty`, one gives itself.
template <typename Op>
bool foldReals(DieselCall& call, std::string& result, double empty, Op op) {
    double value = empty;
    if (call.argCount() > 0 && !call.real(0, value)) return false;
    for (std::size_t i = 1; i < call.argCount(); ++i) {
        double next = 0;
        if (!call.real(i, next)) return false;
        value = op(value, next);
    }
    result = formatDieselReal(value);
    return true;
}

template <typename Op>
bool foldIntegers(DieselCall& call, std::string& result, int empty, Op op) {
    int value = empty;
    if (call.argCount() > 0 && !call.integer(0, value)) return false;
    for (std::size_t i = 1; i < call.argCount(); ++i) {
        int next = 0;
        if (!call.integer(i, next)) return false;
        value = op(value, next);
    }
    result = formatDieselInteger(value);
    return true;
}

template <typename Test>
bool compareReals(DieselCall& call, std::string& result, Test test) {
    double a = 0, b = 0;
    if (call.argCount() != 2 || !call.real(0, a) || !call.real(1, b)) return false;
    result = test(a, b) ? "1" : "0";
    return true;
}

// = and != allow an absolute difference below 1e-10; equal infinities are equal too.
bool nearlyEqual(double a, double b) {
    return a == b || std::fabs(a - b) < 1e-10;
}

}  // namespace

DieselHandler findDieselFunction(std::string_view upperName) {
    for (const CatalogueEntry& entry : kCatalogue)
        if (entry.name == upperName) return entry.handler;
    return nullptr;
}

namespace diesel_fn {

bool add(DieselCall& call, std::string& result) {
    return foldReals(call, result, 0.0, std::plus<>());
}
bool subtract(DieselCall& call, std::string& result) {
    return foldReals(call, result, 0.0, std::minus<>());
}
bool multiply(DieselCall& call, std::string& result) {
    return foldReals(call, result, 1.0, std::multiplies<>());
}
bool divide(DieselCall& call, std::string& result) {
    return foldReals(call, result, 1.0, std::divides<>());
}

bool equal(DieselCall& call, std::string& result) {
    return compareReals(call, result, nearlyEqual);
}
bool notEqual(DieselCall& call, std::string& result) {
    return compareReals(call, result, [](double a, double b) { return !nearlyEqual(a, b); });
}
bool less(DieselCall& call, std::string& result) {
    return compareReals(call, result, std::less<>());
}
bool greater(DieselCall& call, std::string& result) {
    return compareReals(call, result, std::greater<>());
}
bool lessOrEqual(DieselCall& call, std::string& result) {
    return compareReals(call, result, std::less_equal<>());
}
bool greaterOrEqual(DieselCall& call, std::string& result) {
    return compareReals(call, result, std::greater_equal<>());
}

bool bitAnd(DieselCall& call, std::string& result) {
    return foldIntegers(call, result, 1, std::bit_and<>());
}
bool bitOr(DieselCall& call, std::string& result) {
    return foldIntegers(call, result, 0, std::bit_or<>());
}
bool bitXor(DieselCall& call, std::string& result) {
    return foldIntegers(call, result, 0, std::bit_xor<>());
}

// Truncates toward zero; a result outside the 32-bit range (or from nan) is refused.
bool truncate(DieselCall& call, std::string& result) {
    double value = 0;
    if (call.argCount() != 1 || !call.real(0, value)) return false;
    const double whole = std::trunc(value);
    if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()))
        return false;
    result = formatDieselInteger(static_cast<long long>(whole));
    return true;
}

}  // namespace diesel_fn
}  // namespace vthost

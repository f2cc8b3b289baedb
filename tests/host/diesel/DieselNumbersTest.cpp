// Number reading (real and integer), the real-number output format, comparisons, arithmetic and
// bitwise functions.
#include "DieselTestSupport.h"

#include <clocale>
#include <cmath>
#include <limits>

namespace vthost::test {
namespace {

TEST(DieselNumbers, RealsReadLikeStrtod)
{
    expectOutputs({
        {"$(+,.5)", "0.5"},         {"$(+,5.)", "5"},
        {"$(+,+5)", "5"},           {"$(+,1E3)", "1000"},
        {"$(+,1.5e2)", "150"},      {"$(+,12abc)", "12"},
        {"$(=,5abc,5)", "1"},       {"$(+,1e)", "1"},
        {"$(+,0x10)", "16"},        {"$(+,0x1p4)", "16"},
        {"$(+,-0X.8)", "-0.5"},     {"$(+,0xg)", "0"},
        {"$(+,inf)", "inf"},        {"$(+,-Infinity)", "-inf"},
        {"$(+,nan)", "nan"},        {"$(+,-nan)", "nan"},
        {"$(+,010)", "10"},         {"$(+,\t\n 7)", "7"},
        {"$(+,1e999)", "inf"},      {"$(+,-1e999)", "-inf"},
        {"$(+,1e-999)", "0"},       {"$(+,0.0001e-400)", "0"},
        {"$(+,0x1p99999)", "inf"},  {"$(+,1" + std::string(400, '0') + ")", "inf"},
    });
}

TEST(DieselNumbers, NonNumbersAreTheFunctionsError)
{
    expectOutputs({
        {"$(+,)", argError("+")},
        {"$(+,abc)", argError("+")},
        {"$(+,- 5)", argError("+")},
        {"$(+,--5)", argError("+")},
        {"$(+,+-5)", argError("+")},
        {"$(+,.)", argError("+")},
        {"$(*,2,x)", argError("*")},
    });
}

TEST(DieselNumbers, IntegersReadLikeScanfPercentI)
{
    expectOutputs({
        {"$(and,010,3)", "0"},
        {"$(or,08)", "0"},
        {"$(if,09,yes,no)", "no"},
        {"$(and,7.9,3)", "3"},
        {"$(if,0.5,yes,no)", "no"},
        {"$(if,1.5,yes,no)", "yes"},
        {"$(if,0x10,yes,no)", "yes"},
        {"$(or, -0x1F)", "-31"},
        {"$(or,0x)", "0"},
        {"$(or,2147483647)", "2147483647"},
        {"$(or,-2147483648)", "-2147483648"},
        {"$(or,4294967297)", argError("OR")},
        {"$(or,2147483648)", argError("OR")},
        {"$(or,-2147483649)", argError("OR")},
        {"$(or,0xFFFFFFFF)", argError("OR")},
        {"$(or,99999999999999999999999)", argError("OR")},
        {"$(or,)", argError("OR")},
        {"$(or,x1)", argError("OR")},
    });
}

TEST(DieselNumbers, RealsPrintWithTwelveDecimalsTrimmed)
{
    expectOutputs({
        {"$(/,1,3)", "0.333333333333"},
        {"$(/,2,3)", "0.666666666667"},
        {"$(+,0.1,0.2)", "0.3"},
        {"$(*,1,0.001)", "0.001"},
        {"$(*,1,1e-6)", "0.000001"},
        {"$(+,2.5e-7)", "0.00000025"},
        {"$(*,1,1e-12)", "0.000000000001"},
        {"$(+,5e-13)", "0"},
        {"$(*,1,1e-13)", "0"},
        {"$(*,-1,1e-13)", "-0"},
        {"$(*,-1,0)", "-0"},
        {"$(+,-0)", "-0"},
        {"$(-,0,0)", "0"},
        {"$(-,0)", "0"},
        {"$(*,1000000,1000000)", "1000000000000"},
        {"$(+,1e15)", "1000000000000000"},
        {"$(*,1e20,1)", "100000000000000000000"},
        {"$(*,1e100,1)",
         "1000000000000000015902891109759918046836080856394528138978132755774783877217038106081346"
         "9985856815104"},
        {"$(+,123456789012345678)", "123456789012345680"},
        {"$(+,123456789.123456789)", "123456789.123456791043"},
        {"$(/,1,0)", "inf"},
        {"$(-,0,$(/,1,0))", "-inf"},
        {"$(/,0,0)", "nan"},
        {"$(*,$(/,1,3),3)", "0.999999999999"},
    });
}

TEST(DieselNumbers, FormatDieselRealCoversExtremes)
{
    EXPECT_EQ(formatDieselReal(std::numeric_limits<double>::max()).size(), 309u);
    EXPECT_EQ(formatDieselReal(-std::numeric_limits<double>::denorm_min()), "-0");
    EXPECT_EQ(formatDieselReal(-std::nan("")), "nan");
    EXPECT_EQ(formatDieselReal(-2.5), "-2.5");
}

// Puts the process locale back however the test ends.
class LocaleRestorer {
public:
    LocaleRestorer() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleRestorer() { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST(DieselNumbers, ReadingAndPrintingIgnoreTheProcessLocale)
{
    LocaleRestorer restorer;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    expectOutputs({{"$(+,1.5,1)", "2.5"}, {"$(/,1,4)", "0.25"}, {"$(+,\"1,5\")", "1"}});
}

TEST(DieselArithmetic, FoldsLeftToRightWithIdentityDefaults)
{
    expectOutputs({
        {"$(+)", "0"},          {"$(-)", "0"},         {"$(*)", "1"},
        {"$(/)", "1"},          {"$(-,5)", "5"},       {"$(/,8)", "8"},
        {"$(-,10,3,2)", "5"},   {"$(/,100,5,2)", "10"}, {"$(*,2,3,4)", "24"},
        {"$(+,$(+,1,2),3)", "6"},
    });
}

TEST(DieselComparisons, EqualityHasToleranceOrderingIsExact)
{
    expectOutputs({
        {"$(=,1,1.00000000001)", "1"},
        {"$(<,1,1.00000000001)", "1"},
        {"$(!=,1,1.00000000001)", "0"},
        {"$(=,1e-11,0)", "1"},
        {"$(=,0,-0)", "1"},
        {"$(=,1,1.001)", "0"},
        {"$(>,\"10\",\"9\")", "1"},
        {"$(<=,2,2)", "1"},
        {"$(>=,1,2)", "0"},
        {"$(>,2,1)", "1"},
        {"$(eq,$(*,$(/,1,3),3),1)", "0"},
        {"$(=,$(*,$(/,1,3),3),1)", "1"},
        {"$(<,$(-,0.3,0.2),0.1)", "0"},
        {"$(=,inf,inf)", "1"},
        {"$(=,nan,nan)", "0"},
        {"$(=,a,b)", argError("=")},
        {"$(=,1)", argError("=")},
        {"$(=,1,2,3)", argError("=")},
        {"$(<=)", argError("<=")},
    });
}

TEST(DieselLogic, BitwiseOnSigned32BitIntegers)
{
    expectOutputs({
        {"$(and)", "1"},         {"$(or)", "0"},          {"$(xor)", "0"},
        {"$(and,12,10)", "8"},   {"$(or,12,10)", "14"},   {"$(xor,12,10)", "6"},
        {"$(or,-1.5)", "-1"},    {"$(and,5)", "5"},       {"$(xor,1,3,7)", "5"},
    });
}

TEST(DieselFix, TruncatesTowardZeroWithin32Bits)
{
    expectOutputs({
        {"$(fix,3.75)", "3"},
        {"$(fix,-3.75)", "-3"},
        {"$(fix,-0.5)", "0"},
        {"$(fix,2147483647.9)", "2147483647"},
        {"$(fix,1e10)", argError("FIX")},
        {"$(fix,nan)", argError("FIX")},
        {"$(fix)", argError("FIX")},
        {"$(fix,1,2)", argError("FIX")},
    });
}

}  // namespace
}  // namespace vthost::test

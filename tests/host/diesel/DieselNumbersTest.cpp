// Number reading (real and integer), the real-number output format, comparisons, arithmetic,
// bitwise functions and fix.
#include "DieselTestSupport.h"

#include <clocale>
#include <cmath>
#include <limits>

namespace vthost::test {
namespace {

TEST(DieselNumbers, RealsReadLikeStrtod) {
    expectOutputs(
        {{"$(+,.5)|$(+,5.)|$(+,+5)|$(+,1E3)|$(+,1.5e2)|$(+,\t\n 7)", "0.5|5|5|1000|150|7"},
         {"$(+,12abc)|$(=,5abc,5)|$(+,1e)|$(+,010)", "12|1|1|10"},
         {"$(+,0x10)|$(+,0x1p4)|$(+,-0X.8)|$(+,0xg)", "16|16|-0.5|0"},
         {"$(+,inf)|$(+,-Infinity)|$(+,nan)|$(+,-nan)", "inf|-inf|nan|nan"},
         {"$(+,1e999)|$(+,-1e999)|$(+,1e-999)|$(+,0.0001e-400)", "inf|-inf|0|0"},
         {"$(+,0x1p99999)|$(+,1" + std::string(400, '0') + ")", "inf|inf"},
         {"$(+,)", argError("+")},
         {"$(+,abc)", argError("+")},
         {"$(+,- 5)", argError("+")},
         {"$(+,+-5)", argError("+")},
         {"$(+,.)", argError("+")}});
}

TEST(DieselNumbers, IntegersReadLikeScanfPercentIWithin32Bits) {
    expectOutputs({{"$(and,010,3)|$(or,08)|$(if,09,yes,no)|$(and,7.9,3)", "0|0|no|3"},
                   {"$(if,0.5,yes,no)|$(if,1.5,yes,no)|$(if,0x10,yes,no)", "no|yes|yes"},
                   {"$(or, -0x1F)|$(or,0x)|$(or,2147483647)|$(or,-2147483648)",
                    "-31|0|2147483647|-2147483648"},
                   {"$(or,4294967297)", argError("OR")},
                   {"$(or,2147483648)", argError("OR")},
                   {"$(or,-2147483649)", argError("OR")},
                   {"$(or,0xFFFFFFFF)", argError("OR")},
                   {"$(or,99999999999999999999999)", argError("OR")},
                   {"$(or,)", argError("OR")}});
}

TEST(DieselNumbers, RealsPrintWithTwelveDecimalsTrimmed) {
    expectOutputs(
        {{"$(/,1,3)|$(/,2,3)|$(+,0.1,0.2)", "0.333333333333|0.666666666667|0.3"},
         {"$(*,1,0.001)|$(*,1,1e-6)|$(+,2.5e-7)", "0.001|0.000001|0.00000025"},
         {"$(*,1,1e-12)|$(+,5e-13)|$(*,1,1e-13)", "0.000000000001|0|0"},
         {"$(*,-1,1e-13)|$(*,-1,0)|$(+,-0)|$(-,0,0)|$(-,0)", "-0|-0|-0|0|0"},
         {"$(*,1000000,1000000)|$(+,1e15)", "1000000000000|1000000000000000"},
         {"$(*,1e20,1)", "100000000000000000000"},
         {"$(*,1e100,1)",
          "1000000000000000015902891109759918046836080856394528138978132755774783877217038106081346"
          "9985856815104"},
         {"$(+,123456789012345678)", "123456789012345680"},
         {"$(+,123456789.123456789)", "123456789.123456791043"},
         {"$(/,1,0)|$(-,0,$(/,1,0))|$(/,0,0)", "inf|-inf|nan"},
         {"$(*,$(/,1,3),3)", "0.999999999999"}});
    EXPECT_EQ(formatDieselReal(std::numeric_limits<double>::max()).size(), 309u);
    EXPECT_EQ(formatDieselReal(-std::numeric_limits<double>::denorm_min()), "-0");
    EXPECT_EQ(formatDieselReal(-std::nan("")), "nan");
}

TEST(DieselNumbers, ReadingAndPrintingIgnoreTheProcessLocale) {
    struct Restorer {
        std::string saved = std::setlocale(LC_ALL, nullptr);
        ~Restorer() { std::setlocale(LC_ALL, saved.c_str()); }
    } restorer;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    expectOutputs({{"$(+,1.5,1)|$(/,1,4)|$(+,\"1,5\")", "2.5|0.25|1"}});
}

TEST(DieselArithmetic, FoldsLeftToRightWithIdentityDefaults) {
    expectOutputs({{"$(+)|$(-)|$(*)|$(/)|$(-,5)|$(/,8)", "0|0|1|1|5|8"},
                   {"$(-,10,3,2)|$(/,100,5,2)|$(*,2,3,4)", "5|10|24"},
                   {"$(*,2,x)", argError("*")}});
}

TEST(DieselComparisons, EqualityHasToleranceOrderingIsExact) {
    expectOutputs({{"$(=,1,1.00000000001)|$(<,1,1.00000000001)|$(!=,1,1.00000000001)", "1|1|0"},
                   {"$(=,1e-11,0)|$(=,0,-0)|$(=,1,1.001)|$(>,\"10\",\"9\")", "1|1|0|1"},
                   {"$(<=,2,2)|$(>=,1,2)|$(>,2,1)|$(=,inf,inf)|$(=,nan,nan)", "1|0|1|1|0"},
                   {"$(eq,$(*,$(/,1,3),3),1)|$(=,$(*,$(/,1,3),3),1)", "0|1"},
                   {"$(<,$(-,0.3,0.2),0.1)", "0"},
                   {"$(=,a,b)", argError("=")},
                   {"$(=,1)", argError("=")},
                   {"$(=,1,2,3)", argError("=")}});
}

TEST(DieselLogic, BitwiseOnSigned32BitIntegers) {
    expectOutputs(
        {{"$(and)|$(or)|$(xor)|$(and,5)", "1|0|0|5"},
         {"$(and,12,10)|$(or,12,10)|$(xor,12,10)|$(or,-1.5)|$(xor,1,3,7)", "8|14|6|-1|5"}});
}

TEST(DieselFix, TruncatesTowardZeroWithin32Bits) {
    expectOutputs(
        {{"$(fix,3.75)|$(fix,-3.75)|$(fix,-0.5)|$(fix,2147483647.9)", "3|-3|0|2147483647"},
         {"$(fix,1e10)", argError("FIX")},
         {"$(fix,nan)", argError("FIX")},
         {"$(fix,1,2)", argError("FIX")}});
}

}  // namespace
}  // namespace vthost::test

// formatLinear beyond the example table: carries, layouts, zero and sign rules, the decimal
// mode's precision cap, refusals, non-finite and extreme values, and the C locale.
#include "units/LinearFormat.h"

#include "ut/AdsCodes.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

namespace {

std::string linear(double value, int mode, int precision, int dimzin = 0, int unitmode = 0) {
    vthost::LinearUnitSettings settings;
    settings.dimzin = dimzin;
    settings.unitmode = unitmode;
    std::string text = "stale";
    EXPECT_EQ(vthost::formatLinear(value, mode, precision, settings, text), RTNORM);
    return text;
}

TEST(LinearFormat, RoundingCarriesIntoTheNextUnit) {
    EXPECT_EQ(linear(9.99996, 1, 4), "1.0000E+01");
    EXPECT_EQ(linear(9.99996, 2, 4), "10.0000");
    EXPECT_EQ(linear(23.999, 3, 2, 1), "2'-0.00\"");  // never 1'-12.00"
    EXPECT_EQ(linear(11.99, 4, 4, 0), "1'");
    EXPECT_EQ(linear(11.99, 4, 4, 1), "1'-0\"");
    EXPECT_EQ(linear(23.99, 4, 4, 1), "2'-0\"");
    EXPECT_EQ(linear(9.9999, 5, 6), "10");
    EXPECT_EQ(linear(15.35, 4, 4), "1'-3 3/8\"");  // nearest sixteenth, not truncated
}

TEST(LinearFormat, DecimalTiesFollowTheExactBinaryValue) {
    // Exact ties round to even, as %.*f does; 0.125 and 2.5 are exact binary values.
    EXPECT_EQ(linear(0.125, 2, 2), "0.12");
    EXPECT_EQ(linear(0.375, 2, 2), "0.38");
    EXPECT_EQ(linear(2.5, 2, 0), "2");
    EXPECT_EQ(linear(17.5, 3, 0), "1'-6\"");
    EXPECT_EQ(linear(16.5, 3, 0), "1'-4\"");
}

TEST(LinearFormat, FractionsRoundTiesAwayFromZero) {
    EXPECT_EQ(linear(5.0 / 32, 4, 4), "3/16\"");
    EXPECT_EQ(linear(-5.0 / 32, 4, 4), "-3/16\"");
    EXPECT_EQ(linear(2.5, 5, 0), "3");
    EXPECT_EQ(linear(0.5, 5, 0), "1");
}

TEST(LinearFormat, ScientificLayout) {
    EXPECT_EQ(linear(17.5, 1, 0), "2E+01");
    EXPECT_EQ(linear(-17.5, 1, 4), "-1.7500E+01");
    EXPECT_EQ(linear(0, 1, 4), "0.0000E+00");
    EXPECT_EQ(linear(1e-5, 1, 2), "1.00E-05");
    EXPECT_EQ(linear(1e100, 1, 2), "1.00E+100");
    EXPECT_EQ(linear(17.5, 1, 4, 8), "1.75E+01");
    EXPECT_EQ(linear(30, 1, 4, 8), "3E+01");
    EXPECT_EQ(linear(0.5, 1, 2, 4), "5.00E-01");       // +4 only touches the decimal mode
    EXPECT_EQ(linear(17.5, 1, 12), "1.75000000E+01");  // above 8 counts as 8
}

TEST(LinearFormat, DecimalZeroSuppression) {
    EXPECT_EQ(linear(0, 2, 4, 4), ".0000");
    EXPECT_EQ(linear(0, 2, 4, 8), "0");
    EXPECT_EQ(linear(17, 2, 0, 12), "17");
    EXPECT_EQ(linear(100, 2, 2, 8), "100");  // zeros before the point stay
    EXPECT_EQ(linear(10.5, 2, 2, 4), "10.50");
    EXPECT_EQ(linear(0.5, 2, 2, 3), "0.50");  // feet/inch bits do nothing here
}

TEST(LinearFormat, DecimalPrecisionAbove8KeepsSixteenSignificantDigits) {
    EXPECT_EQ(linear(3455.999999999992, 2, 20), "3455.999999999992");
    EXPECT_EQ(linear(1.5, 2, 9), "1.500000000");
    EXPECT_EQ(linear(1.2345e-10, 2, 20), "0.00000000012345000000");
    EXPECT_EQ(linear(1.2345e-10, 2, 40), "0.0000000001234500000000000");
    EXPECT_EQ(linear(1e20, 2, 12), "100000000000000000000");            // integer digits never cut
    EXPECT_EQ(linear(99999.999999999996, 2, 20), "100000.0000000000");  // 16th digit carries
    EXPECT_EQ(linear(0, 2, 20), "0.000000000000000");
    EXPECT_EQ(linear(8.6375, 2, 16, 8), "8.637499999999999");
}

TEST(LinearFormat, NoNegativeZero) {
    EXPECT_EQ(linear(-0.0, 1, 4), "0.0000E+00");
    EXPECT_EQ(linear(-0.0, 2, 4), "0.0000");
    EXPECT_EQ(linear(-0.001, 2, 2), "0.00");
    EXPECT_EQ(linear(-0.001, 2, 2, 12), "0");
    EXPECT_EQ(linear(-0.001, 3, 2), "0\"");
    EXPECT_EQ(linear(-0.001, 4, 4), "0\"");
    EXPECT_EQ(linear(-0.001, 5, 4), "0");
    EXPECT_EQ(linear(-0.001, 2, 4), "-0.0010");
}

TEST(LinearFormat, EngineeringLayouts) {
    EXPECT_EQ(linear(5.5, 3, 2, 0), "5.50\"");
    EXPECT_EQ(linear(5.5, 3, 2, 3), "5.50\"");
    EXPECT_EQ(linear(5.5, 3, 2, 1), "0'-5.50\"");
    EXPECT_EQ(linear(5.5, 3, 2, 2, 1), "0'5.50\"");
    EXPECT_EQ(linear(24, 3, 2, 0), "2'");
    EXPECT_EQ(linear(24, 3, 2, 2), "2'");
    EXPECT_EQ(linear(24, 3, 2, 3), "2'-0.00\"");
    EXPECT_EQ(linear(24, 3, 2, 9), "2'-0\"");
    EXPECT_EQ(linear(17.5, 3, 2, 8), "1'-5.5\"");
    EXPECT_EQ(linear(0.5, 3, 2, 5), "0'-0.50\"");  // +4 leaves engineering alone
    EXPECT_EQ(linear(-17.5, 3, 2), "-1'-5.50\"");
    EXPECT_EQ(linear(130.25, 3, 9), "10'-10.25000000\"");
}

TEST(LinearFormat, EngineeringZero) {
    EXPECT_EQ(linear(0, 3, 2, 0), "0\"");
    EXPECT_EQ(linear(0, 3, 2, 3), "0\"");
    EXPECT_EQ(linear(0, 3, 2, 1), "0'-0.00\"");
    EXPECT_EQ(linear(0, 3, 2, 2), "0'");
}

TEST(LinearFormat, ArchitecturalLayouts) {
    EXPECT_EQ(linear(17.4, 4, 0), "1'-5\"");
    EXPECT_EQ(linear(-17.5, 4, 2), "-1'-5 1/2\"");
    EXPECT_EQ(linear(-5.5, 4, 2), "-5 1/2\"");
    EXPECT_EQ(linear(5.5, 4, 2, 0, 1), "5-1/2\"");
    EXPECT_EQ(linear(12.75, 4, 2, 0, 1), "1'0-3/4\"");
    EXPECT_EQ(linear(0.5, 4, 2, 1, 1), "0'0-1/2\"");
    EXPECT_EQ(linear(12, 4, 2, 1, 1), "1'0\"");
    EXPECT_EQ(linear(0.5, 4, 2, 12), "1/2\"");     // DIMZIN 12 has low part 0
    EXPECT_EQ(linear(17.25, 4, 4), "1'-5 1/4\"");  // 4/16 reduced
}

TEST(LinearFormat, ArchitecturalZero) {
    EXPECT_EQ(linear(0, 4, 2, 1), "0'-0\"");
    EXPECT_EQ(linear(0, 4, 2, 0), "0\"");
    EXPECT_EQ(linear(0, 4, 2, 3), "0\"");
    EXPECT_EQ(linear(0, 4, 2, 2), "0'");
}

TEST(LinearFormat, FractionalLayouts) {
    EXPECT_EQ(linear(17, 5, 4), "17");
    EXPECT_EQ(linear(0.5, 5, 4), "1/2");
    EXPECT_EQ(linear(0, 5, 4), "0");
    EXPECT_EQ(linear(-17.5, 5, 4), "-17 1/2");
    EXPECT_EQ(linear(-17.5, 5, 4, 0, 1), "-17-1/2");
    EXPECT_EQ(linear(17.5, 5, 4, 15), "17 1/2");  // DIMZIN changes nothing
    EXPECT_EQ(linear(1.2, 5, 8), "1 51/256");
    EXPECT_EQ(linear(0.01, 5, 8), "3/256");
    EXPECT_EQ(linear(1.2, 5, 20), "1 51/256");  // above 8 counts as 8
}

TEST(LinearFormat, MinusOneReadsTheSettings) {
    vthost::LinearUnitSettings settings;
    settings.lunits = 4;
    settings.luprec = 1;
    std::string text;
    EXPECT_EQ(vthost::formatLinear(17.3, -1, -1, settings, text), RTNORM);
    EXPECT_EQ(text, "1'-5 1/2\"");
    EXPECT_EQ(vthost::formatLinear(17.3, 2, -1, {}, text), RTNORM);
    EXPECT_EQ(text, "17.3000");
}

TEST(LinearFormat, RefusesUnitsAndPrecisionsOutsideTheRange) {
    struct Call {
        int unit, precision, lunits, luprec;
    };
    for (Call c : {Call{0, 2, 2, 4}, Call{6, 2, 2, 4}, Call{-2, 2, 2, 4}, Call{2, -2, 2, 4},
                   Call{-1, 2, 0, 4}, Call{-1, 2, 6, 4}, Call{2, -1, 2, -1}, Call{7, -5, 2, 4}}) {
        vthost::LinearUnitSettings settings;
        settings.lunits = c.lunits;
        settings.luprec = c.luprec;
        std::string text = "stale";
        EXPECT_EQ(vthost::formatLinear(1.0, c.unit, c.precision, settings, text), RTERROR)
            << c.unit << " " << c.precision;
        EXPECT_EQ(text, "");
    }
    std::string text = "stale";
    EXPECT_EQ(vthost::formatLinear(std::numeric_limits<double>::quiet_NaN(), 9, 2, {}, text),
              RTERROR);
    EXPECT_EQ(text, "");
}

TEST(LinearFormat, NonFiniteValuesInEveryMode) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int mode = 1; mode <= 5; ++mode) {
        EXPECT_EQ(linear(inf, mode, 4), "inf");
        EXPECT_EQ(linear(-inf, mode, 4), "-inf");
        EXPECT_EQ(linear(nan, mode, 4), "nan");
        EXPECT_EQ(linear(-nan, mode, 4), "nan");
    }
}

TEST(LinearFormat, HugeValuesPrintEveryDigitWithinTheBound) {
    const double max = std::numeric_limits<double>::max();
    std::string text = linear(-max, 2, 8);
    EXPECT_EQ(text.size(), 319u);
    EXPECT_EQ(text.substr(0, 9), "-17976931");
    EXPECT_EQ(text.substr(text.size() - 9), ".00000000");
    text = linear(max, 3, 8, 1);  // DBL_MAX = 12 * feet + 8
    EXPECT_EQ(text.substr(0, 8), "14980776");
    EXPECT_EQ(text.size(), 308u + 13u);
    EXPECT_EQ(text.substr(308), "'-8.00000000\"");
    EXPECT_EQ(linear(1e300, 4, 8, 0).substr(0, 10), "8333333333");  // 1e300 is 12 * feet
    EXPECT_EQ(linear(1e300, 4, 8, 0).back(), '\'');
    EXPECT_EQ(linear(1e300, 5, 8).substr(0, 20), "10000000000000000525");
    for (int mode = 1; mode <= 5; ++mode)
        for (int precision : {0, 8, 400, std::numeric_limits<int>::max()})
            for (double v : {max, -max, 1e300, 4503599627370495.5, -1e-300})
                EXPECT_LT(linear(v, mode, precision, 1).size(), vthost::kMaxLinearText);
}

TEST(LinearFormat, TinyValues) {
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(linear(tiny, 1, 4), "4.9407E-324");
    std::string text = linear(-tiny, 2, 1000);
    EXPECT_EQ(text.size(), 342u);
    EXPECT_EQ(text.substr(text.size() - 16), "4940656458412465");
    EXPECT_EQ(linear(-tiny, 2, 4), "0.0000");
    EXPECT_EQ(linear(tiny, 3, 8), "0\"");
    EXPECT_EQ(linear(tiny, 4, 8), "0\"");
    EXPECT_EQ(linear(tiny, 5, 8), "0");
}

TEST(LinearFormat, DecimalPointIgnoresTheLocale) {
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    if (!chosen) GTEST_SKIP() << "no locale with a decimal comma is installed";
    std::string decimal = linear(17.5, 2, 2), scientific = linear(17.5, 1, 2);
    std::string engineering = linear(17.5, 3, 2);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(decimal, "17.50");
    EXPECT_EQ(scientific, "1.75E+01");
    EXPECT_EQ(engineering, "1'-5.50\"");
}

}  // namespace

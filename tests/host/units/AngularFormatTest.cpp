// formatAngular: each mode on 45 degrees, normalisation into [0, 2π), the
// degrees/minutes/seconds precisions and carries, bearings in every quadrant, refusals.
#include "units/AngularFormat.h"

#include "ut/AdsCodes.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <string>

namespace {

constexpr double kPi = std::numbers::pi;

std::string angular(double radians, int mode, int precision) {
    std::string text = "stale";
    EXPECT_EQ(vthost::formatAngular(radians, mode, precision, {}, text), RTNORM);
    return text;
}

double degrees(double d) {
    return d / 180.0 * kPi;
}

TEST(AngularFormat, FortyFiveDegreesInEveryMode) {
    EXPECT_EQ(angular(kPi / 4, 0, 4), "45.0000");
    EXPECT_EQ(angular(kPi / 4, 1, 4), "45d0'0\"");
    EXPECT_EQ(angular(kPi / 4, 2, 4), "50.0000g");
    EXPECT_EQ(angular(kPi / 4, 3, 4), "0.7854r");
    EXPECT_EQ(angular(kPi / 4, 4, 4), "N 45d0'0\" E");
    EXPECT_EQ(angular(0.785398, 0, 4), "45.0000");
    EXPECT_EQ(angular(0.785398, 1, 4), "45d0'0\"");
}

TEST(AngularFormat, AnglesAreBroughtIntoOneTurn) {
    EXPECT_EQ(angular(-kPi / 4, 0, 4), "315.0000");
    EXPECT_EQ(angular(-kPi / 2, 4, 4), "S");
    EXPECT_EQ(angular(2 * kPi, 0, 4), "0.0000");
    EXPECT_EQ(angular(2 * kPi, 1, 0), "0d");
    EXPECT_EQ(angular(2 * kPi, 3, 4), "0.0000r");
    EXPECT_EQ(angular(2 * kPi, 4, 4), "E");
    EXPECT_EQ(angular(-0.0, 0, 2), "0.00");
    EXPECT_EQ(angular(-1e-20, 0, 2), "0.00");
    EXPECT_EQ(angular(4 * kPi + kPi / 2, 0, 4), "90.0000");
    EXPECT_EQ(angular(-7 * kPi, 0, 4), "180.0000");
}

TEST(AngularFormat, ReadingsThatRoundToAWholeTurnPrintZero) {
    double almost = 2 * kPi - 1e-9;
    EXPECT_EQ(angular(almost, 0, 4), "0.0000");
    EXPECT_EQ(angular(almost, 1, 4), "0d0'0\"");
    EXPECT_EQ(angular(almost, 2, 4), "0.0000g");
    EXPECT_EQ(angular(almost, 3, 4), "6.2832r");  // 6.2832 is not a whole turn
    EXPECT_EQ(angular(almost, 0, 8), "359.99999994");
}

TEST(AngularFormat, DegreesMinutesSecondsPrecisions) {
    double angle = degrees(12.5125);  // 12d30'45"
    EXPECT_EQ(angular(angle, 1, 0), "13d");
    EXPECT_EQ(angular(angle, 1, 1), "12d31'");
    EXPECT_EQ(angular(angle, 1, 2), "12d31'");
    EXPECT_EQ(angular(angle, 1, 3), "12d30'45\"");
    EXPECT_EQ(angular(angle, 1, 4), "12d30'45\"");
    EXPECT_EQ(angular(angle, 1, 6), "12d30'45.00\"");
    EXPECT_EQ(angular(angle, 1, 8), "12d30'45.0000\"");
    EXPECT_EQ(angular(angle, 1, 30), "12d30'45.0000\"");
    EXPECT_EQ(angular(degrees(1 + 2.0 / 60 + 3.05 / 3600), 1, 6), "1d2'3.05\"");
}

TEST(AngularFormat, SecondsCarryIntoMinutesAndDegrees) {
    EXPECT_EQ(angular(degrees(10 + 59.0 / 60 + 59.9999 / 3600), 1, 4), "11d0'0\"");
    EXPECT_EQ(angular(degrees(10 + 59.0 / 60 + 59.9999 / 3600), 1, 8), "10d59'59.9999\"");
    EXPECT_EQ(angular(degrees(10 + 59.6 / 60), 1, 2), "11d0'");
}

TEST(AngularFormat, BearingsInEveryQuadrant) {
    EXPECT_EQ(angular(degrees(30), 4, 4), "N 60d0'0\" E");
    EXPECT_EQ(angular(degrees(100), 4, 4), "N 10d0'0\" W");
    EXPECT_EQ(angular(degrees(200), 4, 4), "S 70d0'0\" W");
    EXPECT_EQ(angular(degrees(300), 4, 4), "S 30d0'0\" E");
    EXPECT_EQ(angular(degrees(300.5), 4, 2), "S 30d30' E");
    EXPECT_EQ(angular(degrees(120), 4, 0), "N 30d W");
}

TEST(AngularFormat, DueDirectionsAreBareLetters) {
    EXPECT_EQ(angular(0, 4, 4), "E");
    EXPECT_EQ(angular(kPi / 2, 4, 4), "N");
    EXPECT_EQ(angular(kPi, 4, 4), "W");
    EXPECT_EQ(angular(3 * kPi / 2, 4, 4), "S");
    EXPECT_EQ(angular(degrees(89.9999), 4, 0), "N");  // rounds to due north
    EXPECT_EQ(angular(degrees(359.9999), 4, 2), "E");
}

TEST(AngularFormat, MinusOneReadsTheSettings) {
    vthost::AngularUnitSettings settings;
    settings.aunits = 2;
    settings.auprec = 1;
    std::string text;
    EXPECT_EQ(vthost::formatAngular(kPi / 4, -1, -1, settings, text), RTNORM);
    EXPECT_EQ(text, "50.0g");
    EXPECT_EQ(vthost::formatAngular(kPi / 4, -1, -1, {}, text), RTNORM);
    EXPECT_EQ(text, "45");
}

TEST(AngularFormat, RefusesModesAndPrecisionsOutsideTheRange) {
    struct Call {
        int mode, precision, aunits, auprec;
    };
    for (Call c : {Call{5, 2, 0, 0}, Call{-2, 2, 0, 0}, Call{0, -2, 0, 0}, Call{-1, 2, 5, 0},
                   Call{-1, 2, -1, 0}, Call{0, -1, 0, -1}}) {
        vthost::AngularUnitSettings settings;
        settings.aunits = c.aunits;
        settings.auprec = c.auprec;
        std::string text = "stale";
        EXPECT_EQ(vthost::formatAngular(1.0, c.mode, c.precision, settings, text), RTERROR);
        EXPECT_EQ(text, "");
    }
}

TEST(AngularFormat, NonFiniteAndHugeAngles) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(angular(inf, 0, 4), "inf");
    EXPECT_EQ(angular(-inf, 4, 4), "-inf");
    EXPECT_EQ(angular(std::numeric_limits<double>::quiet_NaN(), 1, 4), "nan");
    for (int mode = 0; mode <= 4; ++mode) {
        for (double v : {1e300, -1e300, std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::denorm_min()}) {
            std::string text = angular(v, mode, 8);
            EXPECT_FALSE(text.empty());
            EXPECT_LT(text.size(), 24u);
        }
    }
}

}  // namespace

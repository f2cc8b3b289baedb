// Test support for the DIESEL evaluator: a scripted environment (variables and settings in maps,
// unit formatters that echo what they were asked, a fixed clock) and a table runner that reports
// each failing input by itself.
#pragma once

#include "diesel/DieselEvaluator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vthost::test {

// Saturday 1998-09-05 04:53:17.506 as a host Julian date.
constexpr double kSaturdayMorning = 2451062.0 + 17597506.0 / 86400000.0;
// Sunday 1998-06-07 13:59:00.000.
constexpr double kSundayAfternoon = 2450972.0 + (13 * 3600 + 59 * 60) / 86400.0;

class FakeDieselEnvironment : public DieselEnvironment {
public:
    std::map<std::string, std::string> variables;  // keys in upper case
    std::map<std::string, std::string> settings;
    double now = kSaturdayMorning;
    int clockReads = 0;

    FakeDieselEnvironment() { variables["DATE"] = formatDieselReal(kSaturdayMorning); }

    bool getVariable(const std::string& name, std::string& value) override;
    std::string getEnvironment(const std::string& name) override;
    // Both formatters answer "<kind>:<value>/<mode>/<precision>" and refuse modes above 5 or
    // precisions above 8, so tests see exactly what the evaluator passed on.
    bool formatDistance(double value, int mode, int precision, std::string& out) override;
    bool formatAngle(double radians, int mode, int precision, std::string& out) override;
    double julianDateNow() override;
};

struct DieselCase {
    std::string input;
    std::string expected;
};

// " $(NAME,??) ": the marker of a function that refused its arguments.
std::string argError(std::string_view upperName);

// Evaluates every case with `env` and compares the output text.
void expectOutputs(const std::vector<DieselCase>& cases, DieselEnvironment& env);
void expectOutputs(const std::vector<DieselCase>& cases);

}  // namespace vthost::test

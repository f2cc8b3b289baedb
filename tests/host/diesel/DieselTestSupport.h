// Test support for the DIESEL evaluator: a scripted environment (variables and settings in maps,
// unit formatters that echo what they were asked, a clock fixed at a known moment) and a table
// runner that reports each failing input by itself.
#pragma once

#include "diesel/DieselEvaluator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vthost::test {

// Saturday 1998-09-05 04:53:17.506 and Sunday 1998-06-07 13:59:00.000 as host Julian dates.
constexpr double kSaturdayMorning = 2451062.0 + 17597506.0 / 86400000.0;
constexpr double kSundayAfternoon = 2450972.0 + (13 * 3600 + 59 * 60) / 86400.0;

class FakeDieselEnvironment : public DieselEnvironment {
public:
    std::map<std::string, std::string> variables = {{"DATE", formatDieselReal(kSaturdayMorning)}};
    std::map<std::string, std::string> settings;  // keys as given; variables' keys in upper case
    double now = kSaturdayMorning;
    int clockReads = 0;

    bool getVariable(const std::string& name, std::string& value) override {
        std::string key = name;
        for (char& c : key) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        const auto found = variables.find(key);
        if (found != variables.end()) value = found->second;
        return found != variables.end();
    }
    std::string getEnvironment(const std::string& name) override {
        return settings.count(name) ? settings[name] : std::string();
    }
    // Both formatters answer "<kind>:<value>/<mode>/<precision>" and refuse modes above 5 or
    // precisions above 8, so tests see exactly what the evaluator passed on.
    bool formatDistance(double value, int mode, int precision, std::string& out) override {
        return echo('D', value, mode, precision, out);
    }
    bool formatAngle(double radians, int mode, int precision, std::string& out) override {
        return echo('A', radians, mode, precision, out);
    }
    double julianDateNow() override {
        ++clockReads;
        return now;
    }

private:
    static bool echo(char kind, double value, int mode, int precision, std::string& out) {
        out = std::string(1, kind) + ":" + formatDieselReal(value) + "/" + std::to_string(mode) +
              "/" + std::to_string(precision);
        return mode <= 5 && precision <= 8;
    }
};

struct DieselCase {
    std::string input;
    std::string expected;
};

// " $(NAME,??) ": the marker of a function that refused its arguments.
inline std::string argError(std::string_view upperName) {
    return " $(" + std::string(upperName) + ",?\?) ";  // escaped: "??)" would be a trigraph
}

inline void expectOutputs(const std::vector<DieselCase>& cases, DieselEnvironment& env) {
    for (const DieselCase& c : cases)
        EXPECT_EQ(evaluateDiesel(c.input, env).text, c.expected) << "input: " << c.input;
}

inline void expectOutputs(const std::vector<DieselCase>& cases) {
    FakeDieselEnvironment env;
    expectOutputs(cases, env);
}

}  // namespace vthost::test

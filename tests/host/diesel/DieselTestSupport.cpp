#include "DieselTestSupport.h"

namespace vthost::test {
namespace {

std::string upperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool echoFormat(char kind, double value, int mode, int precision, std::string& out)
{
    if (mode > 5 || precision > 8) return false;
    out = std::string(1, kind) + ":" + formatDieselReal(value) + "/" + std::to_string(mode) + "/" +
          std::to_string(precision);
    return true;
}

}  // namespace

bool FakeDieselEnvironment::getVariable(const std::string& name, std::string& value)
{
    const auto found = variables.find(upperAscii(name));
    if (found == variables.end()) return false;
    value = found->second;
    return true;
}

std::string FakeDieselEnvironment::getEnvironment(const std::string& name)
{
    const auto found = settings.find(name);
    return found == settings.end() ? std::string() : found->second;
}

bool FakeDieselEnvironment::formatDistance(double value, int mode, int precision, std::string& out)
{
    return echoFormat('D', value, mode, precision, out);
}

bool FakeDieselEnvironment::formatAngle(double radians, int mode, int precision, std::string& out)
{
    return echoFormat('A', radians, mode, precision, out);
}

double FakeDieselEnvironment::julianDateNow()
{
    ++clockReads;
    return now;
}

std::string argError(std::string_view upperName)
{
    return " $(" + std::string(upperName) + ",?\?) ";  // escaped: "??)" would be a trigraph
}

void expectOutputs(const std::vector<DieselCase>& cases, DieselEnvironment& env)
{
    for (const DieselCase& c : cases)
        EXPECT_EQ(evaluateDiesel(c.input, env).text, c.expected) << "input: " << c.input;
}

void expectOutputs(const std::vector<DieselCase>& cases)
{
    FakeDieselEnvironment env;
    expectOutputs(cases, env);
}

}  // namespace vthost::test

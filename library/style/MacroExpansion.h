// The text a style puts into a label: the raw value run through the post-processing macro by the
// host's expression evaluator, found by name in the host program.
#pragma once
#include <string>

namespace vantorell {

constexpr const char* kUnknownValue = "UNKNOWN PROPERTY VALUE";
constexpr const char* kPropertyToken = "%PROPERTY";

// Every "%PROPERTY" in macro replaced by value, left to right; the value is not searched again.
std::string substituteProperty(const std::string& macro, const char* value);

// The label text for a raw value (null: no value) and a macro (empty: none).
std::string labelText(const char* rawValue, const std::string& macro);

// Forgets the host functions found so far (the next update looks them up again).
void forgetHostFunctions();

}  // namespace vantorell

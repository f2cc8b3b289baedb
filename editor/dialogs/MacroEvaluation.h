// Trying a post-processing macro on a sample value: "%PROPERTY" in the macro stands for the value
// a property reader produced; the host's DIESEL evaluator (through its menu-command interface)
// works out the text. Used by the macro builder to show the user what a macro makes of a value.
#pragma once
#include <string>

namespace vantorell {

// The macro with every "%PROPERTY" (exact case) replaced by value, in one forward pass: text the
// value brings in is never searched again, so a value that itself holds "%PROPERTY" stays as it is.
std::string substituteProperty(const std::string& macro, const std::string& value);

// Evaluates the macro with value put in as DIESEL; false when the host refuses the expression
// (result is then empty). The host's answer is at most 131 characters.
bool evaluateMacro(const std::string& macro, const std::string& value, std::string& result);

}  // namespace vantorell

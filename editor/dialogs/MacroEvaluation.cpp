#include "dialogs/MacroEvaluation.h"

#include "ed/EditorInput.h"
#include "ut/AdsCodes.h"

namespace vantorell {
namespace {

constexpr const char* kPropertyToken = "%PROPERTY";
constexpr std::size_t kPropertyTokenLength = 9;
// The host's input buffer: 131 characters and the terminator.
constexpr std::size_t kInputBufferSize = 132;

}  // namespace

std::string substituteProperty(const std::string& macro, const std::string& value) {
    std::string expanded;
    expanded.reserve(macro.size());
    std::size_t position = 0;
    for (std::size_t found = macro.find(kPropertyToken); found != std::string::npos;
         found = macro.find(kPropertyToken, position)) {
        expanded.append(macro, position, found - position);
        expanded += value;
        position = found + kPropertyTokenLength;
    }
    expanded.append(macro, position, std::string::npos);
    return expanded;
}

bool evaluateMacro(const std::string& macro, const std::string& value, std::string& result) {
    result.clear();
    std::string command = "M=" + substituteProperty(macro, value);
    if (acedMenuCmd(command.c_str()) != RTKWORD) return false;
    char buffer[kInputBufferSize] = {};
    if (acedGetInput(buffer) != RTNORM) return false;
    result = buffer;
    return true;
}

}  // namespace vantorell

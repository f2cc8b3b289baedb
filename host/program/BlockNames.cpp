#include "program/BlockNames.h"

namespace vthost {

std::string blockNameProblem(const std::string& name) {
    if (name.empty()) return "Invalid block name: the name is empty.";
    if (name.front() == '*') return "Invalid block name: names starting with * are the host's own.";
    if (name.size() > kMaxBlockNameLength) return "Invalid block name: longer than 255 characters.";
    if (name.find_first_of("<>/\\\":;?*|,=`") != std::string::npos)
        return "Invalid block name: it holds one of < > / \\ \" : ; ? * | , = `.";
    if (name.find_first_not_of(' ') == std::string::npos) return "Invalid block name: the name is blank.";
    return "";
}

}  // namespace vthost

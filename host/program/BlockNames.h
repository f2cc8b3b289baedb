// Which names a block may have, as BLOCK checks them: not empty, not starting with '*' (the
// host's own and anonymous blocks), at most 255 characters, none of the characters the host
// reserves (< > / \ " : ; ? * | , = `).
#pragma once
#include <string>

namespace vthost {

constexpr std::size_t kMaxBlockNameLength = 255;

// The one-line reason why name cannot be a block's name; empty when it can.
std::string blockNameProblem(const std::string& name);

}  // namespace vthost

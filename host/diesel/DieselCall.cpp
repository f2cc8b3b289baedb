// Argument access for built-in functions: every argument is a full DIESEL text of its own.
#include "diesel/DieselCall.h"

#include "diesel/DieselNumbers.h"

#include <cassert>

namespace vthost {

bool DieselCall::argCountIn(std::size_t least, std::size_t most) const {
    return argCount() >= least && argCount() <= most;
}

bool DieselCall::text(std::size_t i, std::string& out) {
    assert(i < argCount());
    return run_.evaluateNested(scanned_.piece(i + 1), out);
}

bool DieselCall::real(std::size_t i, double& out) {
    std::string evaluated;
    return text(i, evaluated) && readDieselReal(evaluated, out);
}

bool DieselCall::integer(std::size_t i, int& out) {
    std::string evaluated;
    return text(i, evaluated) && readDieselInteger(evaluated, out);
}

}  // namespace vthost

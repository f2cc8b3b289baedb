// What a built-in function sees of its call: the unevaluated arguments and the means to evaluate
// each one when (and only if) it needs it. A DieselCall borrows the run and the scanned call; it
// lives on the stack for the duration of one function.
#pragma once

#include "diesel/DieselRun.h"
#include "diesel/DieselScanner.h"

#include <cstddef>
#include <string>

namespace vthost {

class DieselCall {
public:
    DieselCall(DieselRun& run, const ScannedCall& scanned) : run_(run), scanned_(scanned) {}
    DieselRun& run() { return run_; }
    std::size_t argCount() const { return scanned_.pieceCount() - 1; }
    bool argCountIn(std::size_t least, std::size_t most) const;

    // Each evaluates argument i (0-based, REQUIRES i < argCount()); false if that evaluation fails
    // or the text is not a number of the kind asked for.
    bool text(std::size_t i, std::string& out);
    bool real(std::size_t i, double& out);
    bool integer(std::size_t i, int& out);

private:
    DieselRun& run_;
    const ScannedCall& scanned_;
};

}  // namespace vthost

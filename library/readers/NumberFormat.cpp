#include "readers/NumberFormat.h"

#include <cstdio>

#include "ut/AdsCodes.h"
#include "ut/Win32.h"

namespace vantorell {

namespace {
using RToSFunction = int (*)(double, int, int, char*);
}

int formatReal(double value, int unit, int precision, char* buffer) {
    HMODULE host = GetModuleHandleA(nullptr);
    auto rtos = host ? vthost::procAddress<RToSFunction>(host, "acdbRToS") : nullptr;
    if (rtos != nullptr) return rtos(value, unit, precision, buffer);
    std::snprintf(buffer, kValueBufferSize, "%g", value);
    return RTNORM;
}

char* newFormattedValue(double value) {
    char* buffer = new char[kValueBufferSize];
    formatReal(value, -1, -1, buffer);
    return buffer;
}

}  // namespace vantorell

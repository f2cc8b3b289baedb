#include "rx/Fatal.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
vthost::FatalHandler g_handler = nullptr;
}

namespace vthost {

FatalHandler setFatalHandler(FatalHandler handler) {
    FatalHandler previous = g_handler;
    g_handler = handler;
    return previous;
}

void fatal(const char* message) {
    if (g_handler != nullptr) g_handler(message);
    std::fprintf(stderr, "\nFATAL ERROR: %s\n", message);
    std::fflush(stderr);
    std::_Exit(3);
}

}  // namespace vthost

extern "C" void acrx_abort(const char* format, ...) {
    char message[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    vthost::fatal(message);
}

// Fatal errors of the host: acrx_abort and failed read/write asserts print their message and end
// the program, as the real host does. Tests install a handler that turns them into something they
// observe (the handler must not return: throw, or longjmp).
#pragma once

extern "C" [[noreturn]] void acrx_abort(const char* format, ...);

namespace vthost {
using FatalHandler = void (*)(const char* message);
// Returns the previous handler; null restores the default (print and end the program).
FatalHandler setFatalHandler(FatalHandler handler);
[[noreturn]] void fatal(const char* message);
}  // namespace vthost

// Utility functions of the host: command-line output and the strings the host allocates.
// A string that a host accessor or filer returns is freed by the caller with acutDelString.
#pragma once

int acutPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Allocates a copy of source (null gives null); free it with acutDelString.
void acutNewString(const char* source, char*& dest);
// Frees a host-allocated string and sets it to null; null is accepted.
void acutDelString(char*& string);

namespace vthost {
// Where acutPrintf output goes: the console by default; the command line installs its transcript.
using OutputSink = void (*)(const char* text);
OutputSink setOutputSink(OutputSink sink);
}  // namespace vthost

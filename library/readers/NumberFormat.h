// The number formatter of the numeric readers: the host's acdbRToS (looked up by name in the host
// program on every call) in the drawing's units, or "%g" when the host lacks it.
#pragma once

namespace vantorell {

constexpr int kValueBufferSize = 1024;

// Writes value into buffer (kValueBufferSize bytes); returns the host's result or RTNORM.
int formatReal(double value, int unit, int precision, char* buffer);

// A new buffer of kValueBufferSize bytes holding value in the drawing's current units; the caller
// releases it with delete[].
char* newFormattedValue(double value);

}  // namespace vantorell

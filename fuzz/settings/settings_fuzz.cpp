// Fuzzes the settings file reader (stored data): any bytes are read without a crash; a file it
// accepts writes out as text that reads back and writes out the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ut/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    vthost::SettingsStore store, again;
    std::string error;
    if (!store.readText(text, error)) return 0;
    std::string written = store.text();
    if (!again.readText(written, error) || again.text() != written) std::abort();
    return 0;
}

// Fuzzes the help file reader (stored data) and the help source reader: neither crashes; a file
// that reads writes back byte for byte, and an accepted source compiles to a file that reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ut/HelpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<vthost::HelpTopic> topics;
    if (vthost::readHelpFile(bytes, topics) == vthost::HelpRead::kOk &&
        vthost::writeHelpFile(topics) != bytes)
        std::abort();
    std::string error;
    if (vthost::readHelpSource(bytes, topics, error) &&
        vthost::readHelpFile(vthost::writeHelpFile(topics), topics) != vthost::HelpRead::kOk)
        std::abort();
    return 0;
}

// Fuzzes what the command line reads: the bytes are split into lines, and each line is read as a
// point (with and without a last point), a number, an integer, a handle, and as a keyword against
// a list parsed from the first line. None of it may crash, and an accepted point or number is
// finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ed/InputParser.h"
#include "ed/KeywordList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    vthost::KeywordList keywords;
    std::size_t start = 0;
    bool first = true;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (first) {
            first = false;
            keywords.parse(line);
            continue;
        }
        AcGePoint3d last(1, 2, 3), point;
        if (vthost::parsePoint(line, &last, point) &&
            !(std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z)))
            std::abort();
        vthost::parsePoint(line, nullptr, point);
        double real = 0;
        if (vthost::parseReal(line, real) && !std::isfinite(real)) std::abort();
        int integer = 0;
        if (vthost::parseInteger(line, integer) && (integer < -32768 || integer > 32767)) std::abort();
        unsigned long handle = 0;
        vthost::parseHandle(line, handle);
        int index = keywords.match(line);
        if (index >= static_cast<int>(keywords.size())) std::abort();
    }
    return 0;
}

// Feeds formatLinear and formatAngular arbitrary doubles (NaN, infinities, denormals, huge
// values come from raw bit patterns), modes, precisions and settings. Checks: the result code
// is RTNORM or RTERROR, a refusal leaves the text empty, a success is non-empty printable ASCII
// within the length bound and never a negative zero; any crash or sanitizer report is a find.
// An input is the double (8 bytes) and nine settings of five bytes each (a selector byte, then an
// int used as it is when the selector's low two bits are 0, else selector % 24 - 4): unit,
// precision, LUNITS, LUPREC, DIMZIN, UNITMODE, angular mode, AUNITS, AUPREC. The seeds in corpus/
// cover every unit, precisions and DIMZIN values, special doubles and settings out of range.
#include "ut/AdsCodes.h"
#include "units/AngularFormat.h"
#include "units/LinearFormat.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T take() {
        T value{};
        std::size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }

    // Mostly values near the valid range, sometimes any int.
    int takeSmallOrAny() {
        auto selector = take<std::uint8_t>();
        int raw = take<int>();
        return (selector & 3) == 0 ? raw : static_cast<int>(selector % 24) - 4;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

void check(bool condition) {
    if (!condition) std::abort();
}

bool isNegativeZero(const std::string& text) {
    if (text.empty() || text[0] != '-') return false;
    for (char c : text) {
        if (c == 'E') break;
        if (c >= '1' && c <= '9') return false;
        if (c == 'i') return false;  // -inf
    }
    return true;
}

void checkResult(int result, const std::string& text, std::size_t bound) {
    check(result == RTNORM || result == RTERROR);
    if (result == RTERROR) return check(text.empty());
    check(!text.empty() && text.size() < bound);
    for (char c : text) check(c >= 0x20 && c < 0x7f);
    check(!isNegativeZero(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    auto value = input.take<double>();
    int unit = input.takeSmallOrAny();
    int precision = input.takeSmallOrAny();
    vthost::LinearUnitSettings linear{input.takeSmallOrAny(), input.takeSmallOrAny(),
                                      input.takeSmallOrAny(), input.takeSmallOrAny()};
    std::string text = "stale";
    checkResult(vthost::formatLinear(value, unit, precision, linear, text), text,
                vthost::kMaxLinearText);

    int mode = input.takeSmallOrAny();
    vthost::AngularUnitSettings angular{input.takeSmallOrAny(), input.takeSmallOrAny()};
    text = "stale";
    checkResult(vthost::formatAngular(value, mode, precision, angular, text), text, 32);
    return 0;
}

// Fuzzes the command line's LISP reader: any text is read without a crash, and what it read
// prints as text that reads back to the same number of forms printing the same way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ed/LispReader.h"

namespace {
std::string printAll(const std::vector<vthost::LispValue>& forms) {
    std::string text;
    for (const vthost::LispValue& form : forms) text += vthost::lispText(form) + "\n";
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<vthost::LispValue> forms, again;
    std::string error;
    vthost::readLisp(text, forms, error);
    std::string printed = printAll(forms);
    if (!vthost::readLisp(printed, again, error)) std::abort();
    if (again.size() != forms.size() || printAll(again) != printed) std::abort();
    return 0;
}

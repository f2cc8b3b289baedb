// Text and control functions: eq, eval, if, index, nth, strlen, substr, upper. if and nth evaluate
// only the argument they choose, so errors in the branches not taken never happen.
#include "diesel/DieselFunctions.h"

#include "diesel/DieselNumbers.h"

namespace vthost {
namespace {

// Item `which` of a comma-separated list; past the end gives "".
std::string listItemOf(const std::string& list, int which) {
    std::size_t from = 0;
    for (int i = 0; i < which; ++i) {
        from = list.find(',', from);
        if (from == std::string::npos) return std::string();
        ++from;
    }
    const std::size_t to = list.find(',', from);
    return list.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

}  // namespace

void upperAscii(std::string& text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

namespace diesel_fn {

bool stringsEqual(DieselCall& call, std::string& result) {
    std::string a, b;
    if (call.argCount() != 2 || !call.text(0, a) || !call.text(1, b)) return false;
    result = a == b ? "1" : "0";
    return true;
}

// The argument is evaluated like any other, then its result is evaluated once more.
bool evalAgain(DieselCall& call, std::string& result) {
    std::string once;
    if (call.argCount() != 1 || !call.text(0, once)) return false;
    return call.run().evaluateAgain(once, result);
}

bool ifThen(DieselCall& call, std::string& result) {
    int condition = 0;
    if (!call.argCountIn(2, 3) || !call.integer(0, condition)) return false;
    if (condition != 0) return call.text(1, result);
    result.clear();
    return call.argCount() < 3 || call.text(2, result);
}

// $(index,which,list): a negative `which` is an error, one past the list gives "".
bool listItem(DieselCall& call, std::string& result) {
    int which = 0;
    std::string list;
    if (call.argCount() != 2 || !call.integer(0, which) || which < 0 || !call.text(1, list))
        return false;
    result = listItemOf(list, which);
    return true;
}

// $(nth,which,arg0,...): unlike index, a `which` outside the arguments is an error.
bool nthArgument(DieselCall& call, std::string& result) {
    int which = 0;
    if (call.argCount() < 2 || !call.integer(0, which)) return false;
    if (which < 0 || static_cast<std::size_t>(which) >= call.argCount() - 1) return false;
    return call.text(static_cast<std::size_t>(which) + 1, result);
}

// Counts bytes: text in this host release is single-byte.
bool stringLength(DieselCall& call, std::string& result) {
    std::string text;
    if (call.argCount() != 1 || !call.text(0, text)) return false;
    result = formatDieselInteger(static_cast<long long>(text.size()));
    return true;
}

// $(substr,text,start[,length]): characters count from 1; a start outside the text or a length
// below 1 gives "", a long length is clipped.
bool substring(DieselCall& call, std::string& result) {
    std::string text;
    int start = 0;
    int length = 0;
    if (!call.argCountIn(2, 3) || !call.text(0, text) || !call.integer(1, start)) return false;
    const bool hasLength = call.argCount() == 3;
    if (hasLength && !call.integer(2, length)) return false;
    result.clear();
    if (start < 1 || static_cast<std::size_t>(start) > text.size() || (hasLength && length < 1))
        return true;
    const std::size_t count = hasLength ? static_cast<std::size_t>(length) : std::string::npos;
    result = text.substr(static_cast<std::size_t>(start) - 1, count);
    return true;
}

// Only the ASCII letters a to z change; other bytes pass through untouched.
bool upperCase(DieselCall& call, std::string& result) {
    if (call.argCount() != 1 || !call.text(0, result)) return false;
    upperAscii(result);
    return true;
}

}  // namespace diesel_fn
}  // namespace vthost

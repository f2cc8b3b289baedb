// vthost::readLisp: the reader of the command line's LISP. It turns text into values: strings in
// double quotes (escapes \" \\ \n \t \r; other escaped characters stand for themselves), numbers
// (integers that fit 32 bits, otherwise reals; "1.5", "-2", "1e3"), symbols (any other run of
// characters, upper-cased; "nil" and "T" are those values), lists in parentheses, 'x for
// (QUOTE x) and ';' comments to the end of the line. The text is user input: nesting deeper than
// kMaxLispDepth, an unterminated string or list and a stray ')' are refused with a message, never
// a crash. Pure; host-internal.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ed/LispValue.h"

namespace vthost {

constexpr int kMaxLispDepth = 64;

// Reads every form of text into forms; false with error set (forms then holds what was read
// before the error).
bool readLisp(std::string_view text, std::vector<LispValue>& forms, std::string& error);

}  // namespace vthost

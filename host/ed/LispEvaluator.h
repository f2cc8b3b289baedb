// vthost LISP evaluation: what the command line does with "(...)" typed at the Command prompt and
// with expressions modules queue (ads_queueexpr). Forms evaluate as follows: numbers, strings,
// nil and T are themselves; other symbols are nil (there are no variables); a list calls its
// first element, a built-in (QUOTE, SETVAR, GETVAR, PRINC) or a function a module defined in the
// current document (arguments are evaluated first, left to right). Errors print
// "; error: <message>" and end the expression. Host-internal.
#pragma once
#include <string>

#include "ed/LispValue.h"

namespace vthost {

// Evaluates form; false with error set.
bool evaluateLisp(const LispValue& form, LispValue& result, std::string& error);
// Reads and evaluates every form of text in turn, stopping at the first error, which is printed.
// With echo, each result is printed on a line of its own (nothing for a function that returned
// with acedRetVoid). False when reading or evaluating failed.
bool evaluateLispText(const std::string& text, bool echo);
// Runs the current document's queued expressions, oldest first, including those queued while they
// run (at most kMaxQueuedRuns in one go, so that an expression queueing itself cannot hang the
// Command prompt).
constexpr int kMaxQueuedRuns = 1000;
void runQueuedExpressions();

}  // namespace vthost

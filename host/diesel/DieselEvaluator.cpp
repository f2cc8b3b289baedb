// The evaluator proper: copies text, handles top-level quotes, and for each "$(" scans the call,
// evaluates its name, finds the function and places the function's result in the output (the
// result is not scanned again). Errors end the evaluation at once with their marker:
//   "$?"            the call cannot be delimited, or its name cannot be evaluated
//   " $(NAME)?? "   no such function
//   " $(NAME,??) "  the function refused its arguments, or evaluating one of them failed
//   " $(++)"        the output passed its limit (shown only at the top level)
// Nested evaluations (names, arguments, eval) run the same loop through DieselRun.
#include "diesel/DieselEvaluator.h"

#include "diesel/DieselFunctions.h"
#include "diesel/DieselRun.h"
#include "diesel/DieselScanner.h"

#include <algorithm>
#include <climits>

namespace vthost {
namespace {

constexpr std::string_view kSyntaxMarker = "$?";
constexpr std::string_view kOverflowMarker = " $(++)";
// Work is counted in characters scanned or evaluated plus a fixed amount per call. Ordinary
// macros use a tiny fraction; only texts that feed themselves through eval and the environment
// can exhaust it, which then fails the call in progress instead of running for hours.
constexpr std::uint64_t kBaseBudget = std::uint64_t{1} << 24;
constexpr std::uint64_t kBudgetPerInputCharacter = 2048;
constexpr std::size_t kCallWork = 1024;

// Status positions count from 1, so that 0 can mean success.
int statusAt(std::size_t offset) {
    return static_cast<int>(std::min<std::size_t>(offset, INT_MAX - 1) + 1);
}

DieselStop fail(std::string_view marker, std::size_t offset, DieselOutput& out) {
    out.append(marker);
    return {DieselStop::failed, statusAt(offset)};
}

// " $(NAME" + tail: kept out of dispatch() so that its temporaries do not sit in every frame of
// a deep nesting.
[[gnu::noinline]] DieselStop failNamed(const std::string& name, std::string_view tail,
                                       std::size_t offset, DieselOutput& out) {
    return fail(" $(" + name + std::string(tail), offset, out);
}

// Counts one more level for as long as it lives.
class NestingLevel {
public:
    explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
    ~NestingLevel() { --depth_; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;

private:
    int& depth_;
};

}  // namespace

bool DieselOutput::append(std::string_view s) {
    if (overflowed_) return false;
    const std::size_t room = limit_ - text_.size();
    if (s.size() <= room) {
        text_.append(s);
        return true;
    }
    text_.append(s.substr(0, room));
    overflowed_ = true;
    return false;
}

DieselRun::DieselRun(DieselEnvironment& env, std::size_t inputLength)
    : env_(env),
      startMoment_(env.julianDateNow()),
      budget_(kBaseBudget + kBudgetPerInputCharacter * inputLength) {}

bool DieselRun::charge(std::size_t work) {
    if (work > budget_) {
        budget_ = 0;
        return false;
    }
    budget_ -= work;
    return true;
}

DieselStop DieselRun::evaluate(std::string_view text, DieselOutput& out) {
    bool quoted = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t special =
            std::min(text.find_first_of(quoted ? "\"" : "\"$", i), text.size());
        if (!out.append(text.substr(i, special - i))) return {DieselStop::overflow, 0};
        i = special;
        if (i == text.size()) break;
        const bool hasNext = i + 1 < text.size();
        if (text[i] == '"' && quoted && hasNext && text[i + 1] == '"') {
            if (!out.append("\"")) return {DieselStop::overflow, 0};
            i += 2;
        } else if (text[i] == '"') {
            quoted = !quoted;
            ++i;
        } else if (hasNext && text[i + 1] == '(') {
            const DieselStop stop = evaluateCall(text, i, out);
            if (stop.kind != DieselStop::finished) return stop;
        } else {
            if (!out.append("$")) return {DieselStop::overflow, 0};
            ++i;
        }
    }
    return quoted ? DieselStop{DieselStop::openQuote, -1} : DieselStop{DieselStop::finished, 0};
}

// Evaluates the call whose "$(" is at text[at]; on success moves `at` past its ')'.
DieselStop DieselRun::evaluateCall(std::string_view text, std::size_t& at, DieselOutput& out) {
    ScannedCall call;
    std::size_t failedAt = at;
    if (callNesting_ >= kDieselMaxCallNesting || !DieselScanner::scan(text, at, call, failedAt) ||
        !charge(call.end() - at + kCallWork))
        return fail(kSyntaxMarker, failedAt, out);
    at = call.end();
    const NestingLevel level(callNesting_);
    return dispatch(call, at - 1, out);
}

DieselStop DieselRun::dispatch(const ScannedCall& call, std::size_t closeAt, DieselOutput& out) {
    std::string name;
    if (!evaluateNested(call.piece(0), name)) return fail(kSyntaxMarker, closeAt, out);
    upperAscii(name);
    const DieselHandler handler = findDieselFunction(name);
    if (handler == nullptr) return failNamed(name, ")?? ", closeAt, out);
    DieselCall arguments(*this, call);
    std::string result;
    if (!handler(arguments, result)) return failNamed(name, ",?\?) ", closeAt, out);
    if (!out.append(result)) return {DieselStop::overflow, statusAt(closeAt)};
    return {DieselStop::finished, 0};
}

bool DieselRun::evaluateNested(std::string_view text, std::string& out) {
    if (!charge(text.size())) return false;
    DieselOutput nested;
    const bool finished = evaluate(text, nested).kind == DieselStop::finished;
    out = std::move(nested.text());
    return finished;
}

bool DieselRun::evaluateAgain(std::string_view text, std::string& out) {
    if (evalNesting_ >= kDieselMaxEvalNesting) return false;
    const NestingLevel level(evalNesting_);
    return evaluateNested(text, out);
}

DieselResult evaluateDiesel(std::string_view input, DieselEnvironment& env) {
    DieselRun run(env, input.size());
    DieselOutput out;
    const DieselStop stop = run.evaluate(input, out);
    std::string text = std::move(out.text());
    if (out.overflowed()) {
        text.resize(std::min(text.size(), kDieselMaxOutput - kOverflowMarker.size()));
        text += kOverflowMarker;
    }
    return {std::move(text), stop.status};
}

}  // namespace vthost

// One evaluation in progress: the environment, the moment it started, the nesting counters and the
// work budget that every nested evaluation (arguments, names, eval) shares. A DieselRun lives for
// one evaluateDiesel() call and borrows the caller's environment; it never throws.
// Output of any one evaluation level is limited to kDieselMaxOutput characters.
#pragma once

#include "diesel/DieselEvaluator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vthost {

class ScannedCall;

constexpr std::size_t kDieselMaxOutput = 4095;
constexpr int kDieselMaxEvalNesting = 32;
// Calls in progress at once, eval levels included. One 4095-character text can nest at most 1365
// calls, so the cap only bites when eval stacks deep texts; it bounds the stack use (about 2 KB a
// level in sanitizer builds, well under 1 KB otherwise).
constexpr int kDieselMaxCallNesting = 1400;

// Text being produced by one evaluation level; refuses to grow beyond its limit.
class DieselOutput {
public:
    explicit DieselOutput(std::size_t limit = kDieselMaxOutput) : limit_(limit) {}
    // Appends as much as fits; false (and overflowed() from then on) when something did not fit.
    bool append(std::string_view s);
    bool overflowed() const { return overflowed_; }
    std::string& text() { return text_; }

private:
    std::string text_;
    std::size_t limit_;
    bool overflowed_ = false;
};

// How one evaluation level ended. status is what evaluateDiesel reports for it.
struct DieselStop {
    enum Kind { finished, openQuote, failed, overflow } kind;
    int status;
};

class DieselRun {
public:
    DieselRun(DieselEnvironment& env, std::size_t inputLength);
    DieselEnvironment& environment() { return env_; }
    // The Julian date at which this evaluation started: what $(edtime,0,...) shows.
    double startMoment() const { return startMoment_; }

    // Evaluates text into out. Stops at the first error, with its marker appended to out.
    DieselStop evaluate(std::string_view text, DieselOutput& out);
    // Evaluates an argument or a function name: false for any error, overflow or open quote.
    bool evaluateNested(std::string_view text, std::string& out);
    // The second evaluation done by $(eval): as evaluateNested, one eval level deeper.
    bool evaluateAgain(std::string_view text, std::string& out);

private:
    DieselStop evaluateCall(std::string_view text, std::size_t& at, DieselOutput& out);
    DieselStop dispatch(const ScannedCall& call, std::size_t closeAt, DieselOutput& out);
    bool charge(std::size_t work);

    DieselEnvironment& env_;
    double startMoment_;
    int callNesting_ = 0;
    int evalNesting_ = 0;
    std::uint64_t budget_;
};

}  // namespace vthost

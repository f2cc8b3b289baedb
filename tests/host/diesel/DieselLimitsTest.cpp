// Limits: call length, pieces per call, output length, call and eval nesting, and the work budget
// that stops texts feeding themselves through eval and the environment.
#include "DieselTestSupport.h"

namespace vthost::test {
namespace {

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

std::string nestedUpper(int depth, std::string_view inner) {
    return repeated("$(upper,", depth) + std::string(inner) + repeated(")", depth);
}

TEST(DieselLimits, CallTextMayReach4095Characters) {
    FakeDieselEnvironment env;
    const std::string longest = "$(strlen," + std::string(4085, 'a') + ")";
    ASSERT_EQ(longest.size(), 4095u);
    EXPECT_EQ(evaluateDiesel(longest, env).text, "4085");
    EXPECT_EQ(evaluateDiesel("$(strlen," + std::string(4086, 'a') + ")", env).text, "$?");
    const DieselResult huge = evaluateDiesel("x$(strlen," + std::string(5000, 'a') + ")", env);
    EXPECT_EQ(huge.text, "x$?");
    EXPECT_GT(huge.status, 0);
}

TEST(DieselLimits, TenPiecesPerCall) {
    expectOutputs({{"$(+,1,2,3,4,5,6,7,8,9,10)", "$?"},
                   {"$(nth,7,a,b,c,d,e,f,g,h)", "h"},
                   {"$(+,1,2,3,4,5,6,7,8,\"9,10\")", "45"}});
}

TEST(DieselLimits, PlainTextOverflowEndsWithMarkerAndStatusZero) {
    FakeDieselEnvironment env;
    const std::string exact(4095, 'a');
    EXPECT_EQ(evaluateDiesel(exact, env).text, exact);
    const DieselResult over = evaluateDiesel(std::string(5000, 'a') + "$(foo)", env);
    EXPECT_EQ(over.text, std::string(4089, 'a') + " $(++)");
    EXPECT_EQ(over.status, 0);
}

TEST(DieselLimits, FunctionResultOverflowEndsEvaluation) {
    FakeDieselEnvironment env;
    const DieselResult over = evaluateDiesel("$(edtime,0," + repeated("DDDD", 1000) + ")tail", env);
    ASSERT_EQ(over.text.size(), 4095u);
    EXPECT_EQ(over.text.substr(0, 16), "SaturdaySaturday");
    EXPECT_EQ(over.text.substr(4089), " $(++)");
    EXPECT_GT(over.status, 0);
}

TEST(DieselLimits, ArgumentOverflowIsTheFunctionsError) {
    expectOutputs({{"$(strlen," + repeated("$(+,1e300)", 13) + ")", "3913"},
                   {"$(strlen," + repeated("$(+,1e300)", 14) + ")", argError("STRLEN")},
                   {"$(" + repeated("$(+,1e300)", 14) + ")", "$?"}});
}

TEST(DieselLimits, DeepNestingWithinOneCallWorks) {
    FakeDieselEnvironment env;
    const std::string deep = repeated("$(+,", 800) + "1" + repeated(")", 800);
    ASSERT_LE(deep.size(), 4095u);
    EXPECT_EQ(evaluateDiesel(deep, env).text, "1");
    EXPECT_EQ(evaluateDiesel(nestedUpper(450, "x"), env).text, "X");
    EXPECT_EQ(evaluateDiesel(repeated("$(", 4095), env).text, "$?");
    EXPECT_EQ(evaluateDiesel(repeated("$(", 100000), env).text, "$?");
}

TEST(DieselLimits, CallNestingAcrossEvalLevelsIsCapped) {
    // Each variable nests 450 calls and one eval: two of them stay below the cap, four pass it.
    FakeDieselEnvironment env;
    for (int i = 1; i <= 4; ++i)
        env.variables["D" + std::to_string(i)] =
            nestedUpper(450, "$(eval,$(getvar,d" + std::to_string(i + 1) + "))");
    env.variables["D3"] = "x";
    EXPECT_EQ(evaluateDiesel("$(eval,$(getvar,d1))", env).text, "X");
    env.variables["D3"] = nestedUpper(450, "$(eval,$(getvar,d4))");
    env.variables["D5"] = "x";
    EXPECT_EQ(evaluateDiesel("$(eval,$(getvar,d1))", env).text, argError("EVAL"));
}

// E1 evaluates E2 through eval, E2 evaluates E3, and so on; the last one is plain text.
void makeEvalChain(FakeDieselEnvironment& env, int evals) {
    env.variables.clear();
    for (int i = 1; i < evals; ++i)
        env.variables["E" + std::to_string(i)] = "$(eval,$(getvar,e" + std::to_string(i + 1) + "))";
    env.variables["E" + std::to_string(evals)] = "done";
}

TEST(DieselLimits, EvalNestsAtMost32Deep) {
    FakeDieselEnvironment env;
    makeEvalChain(env, 32);
    EXPECT_EQ(evaluateDiesel("$(eval,$(getvar,e1))", env).text, "done");
    makeEvalChain(env, 33);
    EXPECT_EQ(evaluateDiesel("$(eval,$(getvar,e1))", env).text, argError("EVAL"));
}

TEST(DieselLimits, SelfMultiplyingEvalTextRunsOutOfWork) {
    // Each level evaluates the next one twice: 2^30 evaluations without the budget.
    FakeDieselEnvironment env;
    for (int i = 1; i < 31; ++i) {
        const std::string next = "$(eval,$(getvar,f" + std::to_string(i + 1) + "))";
        env.variables["F" + std::to_string(i)] = next + next;
    }
    env.variables["F31"] = "";
    EXPECT_EQ(evaluateDiesel("$(eval,$(getvar,f1))", env).text, argError("EVAL"));
}

}  // namespace
}  // namespace vthost::test

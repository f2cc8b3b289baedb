// Syntax, quoting, argument splitting, error markers and status codes of the evaluator. Several
// independent results often share one input, separated by '|', which is plain text.
#include "DieselTestSupport.h"

namespace vthost::test {
namespace {

TEST(DieselSyntax, TextOutsideMacrosIsCopied) {
    const std::string plain = "a$b|$|$$|cost: $5|$ (+,1,2)|)|a)b|(|a$";
    expectOutputs({{"", ""}, {plain, plain}, {"$$(+,1,1)|$(+,1,2))", "$2|3)"}});
}

TEST(DieselSyntax, TopLevelQuotesToggleAndDoubleQuotesEscape) {
    expectOutputs(
        {{"\"quoted $(+,1,2)\" after", "quoted $(+,1,2) after"},
         {"\"\"\"x\"\"\"|\"\"|a\"b\"c|say \"\"hi\"\"", "\"x\"||abc|say hi"},
         {"\"$(if,1,True,False)=\"\"\"$(if,1,True,False)\"\"\"\"", "$(if,1,True,False)=\"True\""},
         {"\"abc", "abc"},
         {"$(+,1,2)\"", "3"}});
}

TEST(DieselSyntax, StatusReportsSuccessOpenQuoteAndErrorPosition) {
    FakeDieselEnvironment env;
    EXPECT_EQ(evaluateDiesel("$(+,1,2)$(if,0,$(foo))", env).status, 0);
    EXPECT_EQ(evaluateDiesel("$(+,1,2)\"", env).status, -1);
    const DieselResult quotedCall = evaluateDiesel("\"open$(foo)", env);
    EXPECT_EQ(quotedCall.text, "open$(foo)");
    EXPECT_EQ(quotedCall.status, -1);
    EXPECT_GT(evaluateDiesel("a$(foo)b", env).status, 0);
    EXPECT_GT(evaluateDiesel("x$(+,1,2", env).status, 0);
    EXPECT_GT(evaluateDiesel("\"a\"$(foo)\"", env).status, 0) << "the error wins over the quote";
}

TEST(DieselSyntax, ScanCountsParenthesesAndStripsOneQuoteLayer) {
    expectOutputs({{"$(eq,(a,b),(a,b))|$(+,1,2,3,4,5,6,7,8,9)|$(if,1,\"a)b\")", "1|45|a)b"},
                   {"$(upper,\"$(+,1,2)\")", "3"},
                   {"$(upper,\"\"\"$(+,1,2)\"\"\")", "$(+,1,2)"},
                   {"$(if,1,\"\"\"a\"\"\")|$(if,1,a\"b\"c,d)", "a|abc"},
                   {"$(if,1,\"\"\"\"\"\"\"\"\"\")", "\""},
                   {"$(if,1,$(if,1,\"a,b\"))", "a"},
                   {"$(if,1,$(if,1,\"\"\"a,b\"\"\"))", "a,b"},
                   {"$(index,1,$(nth,0,\"a,b\"))", ""}});
}

TEST(DieselSyntax, FunctionNameIsEvaluatedThenUpperCasedButNotTrimmed) {
    expectOutputs({{"$($(if,1,+,-),5,3)|$($(if,0,+,-),5,3)|$(\"+\",1,2)", "8|2|3"},
                   {"$(EQ,a,a)|$(Eq,a,a)", "1|1"},
                   {"$(+ ,1,2)", " $(+ )?? "},
                   {"$( +,1,2)", " $( +)?? "},
                   {"$()", " $()?? "},
                   {"$(,1)", " $()?? "},
                   {"$($(foo),1)", "$?"},
                   {"$(strfill,a,3)", " $(STRFILL)?? "},
                   {"$(setvar,foo,bar)", " $(SETVAR)?? "},
                   {"$(time)", " $(TIME)?? "}});
}

TEST(DieselSyntax, WhitespaceIsKeptExceptWhereNumbersAreRead) {
    expectOutputs({{"$(eq, a,a)|$(if,1, a ,b)|$(+, 1, 2)|$(index,0, \"a,b\")", "0| a |3| a"}});
}

TEST(DieselSyntax, EmptyArgumentDiffersFromNoArgument) {
    expectOutputs({{"$(strlen,)|$(+)", "0|0"}, {"$(strlen)", argError("STRLEN")}});
}

TEST(DieselErrors, QuotedCallTextIsStillEvaluatedLater) {
    expectOutputs({{"$(eq,\"$(\",x)", argError("EQ")}, {"$(strlen,\"\"\"\")", argError("STRLEN")}});
}

TEST(DieselErrors, FirstErrorEndsEvaluationAndOuterMessageWins) {
    expectOutputs({{"a$(foo)b", "a $(FOO)?? "},
                   {"x$(+,1,2", "x$?"},
                   {"$(+,1,2)$(", "3$?"},
                   {"$(upper,\"abc)", "$?"},
                   {"$(+,1,$(foo))", argError("+")},
                   {"$(if,1,$(foo),b)", argError("IF")},
                   {"$(eval,\"$(foo)\")", argError("EVAL")},
                   {"$(if,1,ok,$(bogus))", "ok"},
                   {"$(upper,x)$(nosuch)$(upper,y)", "X $(NOSUCH)?? "}});
}

}  // namespace
}  // namespace vthost::test

// Syntax, quoting, argument splitting, error markers and status codes of the evaluator.
#include "DieselTestSupport.h"

namespace vthost::test {
namespace {

TEST(DieselSyntax, TextOutsideMacrosIsCopied)
{
    expectOutputs({
        {"", ""},
        {"a$b", "a$b"},
        {"$", "$"},
        {"$$", "$$"},
        {"cost: $5", "cost: $5"},
        {"$ (+,1,2)", "$ (+,1,2)"},
        {"$$(+,1,1)", "$2"},
        {")", ")"},
        {"a)b", "a)b"},
        {"(", "("},
        {"$(+,1,2))", "3)"},
        {"a$", "a$"},
    });
}

TEST(DieselSyntax, TopLevelQuotesToggleAndDoubleQuotesEscape)
{
    expectOutputs({
        {"\"quoted $(+,1,2)\" after", "quoted $(+,1,2) after"},
        {"\"\"\"x\"\"\"", "\"x\""},
        {"\"\"", ""},
        {"a\"b\"c", "abc"},
        {"say \"\"hi\"\"", "say hi"},
        {"\"$(if,1,True,False)=\"\"\"$(if,1,True,False)\"\"\"\"",
         "$(if,1,True,False)=\"True\""},
        {"\"abc", "abc"},
        {"$(+,1,2)\"", "3"},
    });
}

TEST(DieselSyntax, StatusReportsOpenQuoteErrorsAndSuccess)
{
    FakeDieselEnvironment env;
    EXPECT_EQ(evaluateDiesel("$(+,1,2)", env).status, 0);
    EXPECT_EQ(evaluateDiesel("\"abc", env).status, -1);
    EXPECT_EQ(evaluateDiesel("$(+,1,2)\"", env).status, -1);
    EXPECT_GT(evaluateDiesel("a$(foo)b", env).status, 0);
    EXPECT_GT(evaluateDiesel("x$(+,1,2", env).status, 0);
    const DieselResult quotedCall = evaluateDiesel("\"open$(foo)", env);
    EXPECT_EQ(quotedCall.text, "open$(foo)");
    EXPECT_EQ(quotedCall.status, -1);
    EXPECT_EQ(evaluateDiesel("$(if,0,$(foo))", env).status, 0);
}

TEST(DieselSyntax, ScanCountsParenthesesAndStripsOneQuoteLayer)
{
    expectOutputs({
        {"$(eq,(a,b),(a,b))", "1"},
        {"$(+,1,2,3,4,5,6,7,8,9)", "45"},
        {"$(upper,\"$(+,1,2)\")", "3"},
        {"$(upper,\"\"\"$(+,1,2)\"\"\")", "$(+,1,2)"},
        {"$(if,1,\"\"\"a\"\"\")", "a"},
        {"$(if,1,\"\"\"\"\"\"\"\"\"\")", "\""},
        {"$(if,1,$(if,1,\"a,b\"))", "a"},
        {"$(if,1,$(if,1,\"\"\"a,b\"\"\"))", "a,b"},
        {"$(index,1,$(nth,0,\"a,b\"))", ""},
        {"$(if,1,a\"b\"c,d)", "abc"},
        {"$(if,1,\"a)b\")", "a)b"},
    });
}

TEST(DieselSyntax, FunctionNameIsEvaluatedThenUpperCasedButNotTrimmed)
{
    expectOutputs({
        {"$($(if,1,+,-),5,3)", "8"},
        {"$($(if,0,+,-),5,3)", "2"},
        {"$(\"+\",1,2)", "3"},
        {"$(EQ,a,a)", "1"},
        {"$(Eq,a,a)", "1"},
        {"$(+ ,1,2)", " $(+ )?? "},
        {"$( +,1,2)", " $( +)?? "},
        {"$()", " $()?? "},
        {"$(,1)", " $()?? "},
        {"$($(foo),1)", "$?"},
        {"$(strfill,a,3)", " $(STRFILL)?? "},
        {"$(setvar,foo,bar)", " $(SETVAR)?? "},
        {"$(time)", " $(TIME)?? "},
    });
}

TEST(DieselSyntax, WhitespaceIsKeptExceptWhereNumbersAreRead)
{
    expectOutputs({
        {"$(eq, a,a)", "0"},
        {"$(if,1, a ,b)", " a "},
        {"$(+, 1, 2)", "3"},
        {"$(index,0, \"a,b\")", " a"},
    });
}

TEST(DieselSyntax, EmptyArgumentDiffersFromNoArgument)
{
    expectOutputs({
        {"$(strlen)", argError("STRLEN")},
        {"$(strlen,)", "0"},
        {"$(+)", "0"},
    });
}

TEST(DieselErrors, QuotedCallTextIsStillEvaluatedLater)
{
    expectOutputs({
        {"$(eq,\"$(\",x)", argError("EQ")},
        {"$(strlen,\"\"\"\")", argError("STRLEN")},
    });
}

TEST(DieselErrors, FirstErrorEndsEvaluationAndOuterMessageWins)
{
    expectOutputs({
        {"a$(foo)b", "a $(FOO)?? "},
        {"x$(+,1,2", "x$?"},
        {"$(+,1,2)$(", "3$?"},
        {"$(+,1,$(foo))", argError("+")},
        {"$(if,1,$(foo),b)", argError("IF")},
        {"$(eval,\"$(foo)\")", argError("EVAL")},
        {"$(if,1,ok,$(bogus))", "ok"},
        {"$(upper,$(+,1)", "$?"},
        {"$(upper,\"abc)", "$?"},
        {"$(upper,x)$(nosuch)$(upper,y)", "X $(NOSUCH)?? "},
    });
}

}  // namespace
}  // namespace vthost::test

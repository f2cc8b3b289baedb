// The command line's LISP: the reader, external functions defined per document by the calling
// module (kInvkSubrMsg with the function code, or the acedRegFunc handler), results, queued
// expressions and "(...)" typed at the Command prompt. lisptestmodule.arx is a real module.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ed/AcedLisp.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/LispEvaluator.h"
#include "ed/LispFunctions.h"
#include "ed/LispReader.h"
#include "rx/AcRxDynamicLinker.h"

namespace vthost::test {
namespace {

constexpr const char* kModule = "lisptestmodule.arx";

std::string readBack(const std::string& text, std::string* error = nullptr) {
    std::vector<LispValue> forms;
    std::string message;
    bool ok = readLisp(text, forms, message);
    if (error != nullptr) *error = message;
    std::string printed = ok ? "" : "!";
    for (const LispValue& form : forms) printed += lispText(form) + "|";
    return printed;
}

TEST(LispReader, ReadsAtomsStringsListsAndQuotes) {
    EXPECT_EQ(readBack("12 -3 1.5 2. 1e3 foo nil t"), "12|-3|1.5|2.0|1000.0|FOO|nil|T|");
    EXPECT_EQ(readBack("\"a \\\"b\\\" \\\\ \\n\""), "\"a \\\"b\\\" \\\\ \\n\"|");
    EXPECT_EQ(readBack("(princ \"x\") ; comment\n()"), "(PRINC \"x\")|nil|");
    EXPECT_EQ(readBack("'(a 1)"), "(QUOTE (A 1))|");
    EXPECT_EQ(readBack("99999999999 inf -nan 0x10"), "1e+11|INF|-NAN|0X10|")
        << "integers beyond 32 bits become reals; words that strtod would take stay symbols";
}

TEST(LispReader, RefusesMalformedInputWithAMessage) {
    std::string error;
    EXPECT_EQ(readBack("(princ \"open", &error), "!");
    EXPECT_EQ(error, "malformed string on input");
    EXPECT_EQ(readBack("(a (b)", &error), "!");
    EXPECT_EQ(error, "malformed list on input");
    EXPECT_EQ(readBack("1 ) 2", &error), "!1|");
    EXPECT_EQ(error, "extra right paren on input");
    EXPECT_EQ(readBack(std::string(kMaxLispDepth + 1, '(') + std::string(kMaxLispDepth + 1, ')'), &error), "!");
    EXPECT_EQ(error, "too many nested lists");
    EXPECT_EQ(readBack(std::string(kMaxLispDepth, '(') + std::string(kMaxLispDepth, ')')).substr(0, 1), "(");
    EXPECT_EQ(readBack("\"ends in backslash\\", &error), "!");
}

// One drawing, an empty command line, a capture of the output; modules are unloaded afterwards.
class Lisp : public ::testing::Test {
protected:
    void SetUp() override {
        commandLine().reset();
        newDrawing();
    }
    void TearDown() override {
        acrxDynamicLinker()->unloadAll();
        while (acDocManager->documentCount() > 0) closeDrawing(acDocManager->documents().back());
        commandLine().reset();
    }
    // Runs lines at the Command prompt and answers what was printed.
    std::string atCommandPrompt(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) commandLine().queue(line);
        output.take();
        commandLoop();
        return output.take();
    }
    static bool defined(const char* name) { return isLispFunctionDefined(name); }

    OutputCapture output;
};

int g_handlerAnswer = RSRSLT;
int testHandler() {
    acedRetInt(acedGetFunCode() * 10);
    return g_handlerAnswer;
}

TEST_F(Lisp, DefinitionsArePerDocumentAndCaseInsensitive) {
    EXPECT_EQ(acedDefun("my_Func", 7), RTNORM);
    EXPECT_TRUE(defined("MY_FUNC"));
    EXPECT_EQ(acedDefun(nullptr, 1), RTERROR);
    EXPECT_EQ(acedDefun("", 1), RTERROR);
    EXPECT_EQ(acedDefun("neg", -1), RTERROR);
    AcApDocument* first = acDocManager->curDocument();
    newDrawing();
    EXPECT_FALSE(defined("MY_FUNC")) << "a new drawing starts without the other's functions";
    acDocManager->setCurDocument(first);
    EXPECT_TRUE(defined("MY_FUNC"));
    EXPECT_EQ(acedUndef("MY_FUNC", 8), RTERROR) << "the code must match";
    EXPECT_EQ(acedUndef("my_func", 7), RTNORM);
    EXPECT_EQ(acedUndef("my_func", 7), RTERROR);
    while (acDocManager->documentCount() > 0) closeDrawing(acDocManager->documents().back());
    EXPECT_EQ(acedDefun("my_func", 7), RTERROR) << "no drawing, no place to define it";
    EXPECT_EQ(ads_queueexpr("(x)"), RTERROR);
}

TEST_F(Lisp, CallsTheRegisteredHandlerWithTheCodeSetAndOnlyThen) {
    EXPECT_EQ(acedGetFunCode(), RTERROR);
    EXPECT_EQ(acedRetInt(1), RTERROR) << "no call in progress";
    EXPECT_EQ(acedRetVoid(), RTERROR);
    ASSERT_EQ(acedRegFunc(&testHandler, 5), RTNORM);
    acedDefun("times_ten", 5);
    EXPECT_EQ(atCommandPrompt({"(times_ten)"}), "\nCommand: (times_ten)\n50\nCommand: \n");
    EXPECT_EQ(acedGetFunCode(), RTERROR) << "the code is gone once the call returned";
    g_handlerAnswer = RSERR;
    EXPECT_FALSE(evaluateLispText("(times_ten)", false));
    g_handlerAnswer = RSRSLT;
    EXPECT_EQ(output.take(), "\n; error: function failed");
    acedRegFunc(nullptr, 5);
    EXPECT_FALSE(evaluateLispText("(times_ten)", false)) << "no handler and no module";
    EXPECT_FALSE(evaluateLispText("(undefined_thing 1 2)", false));
    EXPECT_EQ(output.take(), "\n; error: no function handler\n; error: no function definition: UNDEFINED_THING");
}

TEST_F(Lisp, BuiltInsReachSystemVariablesAndPrint) {
    EXPECT_EQ(atCommandPrompt({"(setvar \"cmdecho\" 0)", "(getvar \"CMDECHO\")",
                               "(princ \"a  b\")", "(setvar \"CMDECHO\" \"x\")", "(getvar 1)",
                               "(princ)", "(setvar \"CMDECHO\" 1)"}),
              "\nCommand: (setvar \"cmdecho\" 0)\n0"
              "\nCommand: (getvar \"CMDECHO\")\n0"
              "\nCommand: (princ \"a  b\")a  b\n\"a  b\""
              "\nCommand: (setvar \"CMDECHO\" \"x\")\n; error: variable setting rejected: \"CMDECHO\" \"x\""
              "\nCommand: (getvar 1)\n; error: bad argument type: stringp"
              "\nCommand: (princ)"
              "\nCommand: (setvar \"CMDECHO\" 1)\n1\nCommand: \n");
}

TEST_F(Lisp, AModuleGetsItsCallsWithTheCodeAndLosesItsFunctionsWhenItUnloads) {
    ASSERT_TRUE(loadModuleIntoSession(kModule, true));
    AcApDocument* first = acDocManager->curDocument();
    newDrawing();
    EXPECT_EQ(atCommandPrompt({"(vt_hello)", "(VT_DIRECT)", "(vt_void)", "(vt_fail)", "(vt_bogus)"}),
              "[hello]"  // the queued (vt_hello), before the first prompt
              "\nCommand: (vt_hello)[hello]\n\"hello\""
              "\nCommand: (VT_DIRECT)[direct 2]\n42"
              "\nCommand: (vt_void)"
              "\nCommand: (vt_fail)\n; error: function failed"
              "\nCommand: (vt_bogus)\nApplication ERROR: Received nonexistent function code.\n\nnil"
              "\nCommand: \n");
    ASSERT_TRUE(acrxUnloadModule(kModule));
    EXPECT_FALSE(defined("VT_HELLO"));
    acDocManager->setCurDocument(first);
    EXPECT_FALSE(defined("VT_HELLO")) << "dropped from every document, not only the current one";
    EXPECT_EQ(atCommandPrompt({"(vt_direct)"}),
              "\n; error: no function definition: VT_HELLO"  // its queued call, now without a module
              "\nCommand: (vt_direct)\n; error: no function definition: VT_DIRECT\nCommand: \n");
}

TEST_F(Lisp, QueuedExpressionsRunInOrderBeforeTheNextPromptOfTheirDocument) {
    ads_queueexpr("(princ \"one\")");
    ads_queueexpr("(princ \"two\")");
    AcApDocument* first = acDocManager->curDocument();
    newDrawing();
    ads_queueexpr("(princ \"other\")");
    acDocManager->setCurDocument(first);
    EXPECT_EQ(atCommandPrompt({}), "onetwo\nCommand: \n");
    EXPECT_EQ(atCommandPrompt({}), "\nCommand: \n") << "each runs once";
    acDocManager->setCurDocument(acDocManager->documents().back());
    EXPECT_EQ(atCommandPrompt({}), "other\nCommand: \n");
}

TEST_F(Lisp, ASelfQueueingExpressionCannotHangThePrompt) {
    acedRegFunc([]() { ads_queueexpr("(again)"); acedRetVoid(); return RSRSLT; }, 1);
    acedDefun("again", 1);
    ads_queueexpr("(again)");
    runQueuedExpressions();
    EXPECT_EQ(lispDocument(acDocManager->curDocument())->queue.size(), 1u);
    acedRegFunc(nullptr, 1);
}

}  // namespace
}  // namespace vthost::test

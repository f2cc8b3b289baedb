// Text and control functions, the functions that ask the host (through the fake environment), and
// edtime pictures against a fixed clock.
#include "DieselTestSupport.h"

namespace vthost::test {
namespace {

TEST(DieselIf, ChoosesLazilyOnAnIntegerCondition)
{
    expectOutputs({
        {"$(if,1,yes,no)", "yes"},
        {"$(if,0,yes,no)", "no"},
        {"$(if,0,yes)", ""},
        {"<<$(if,0,true only)>>", "<<>>"},
        {"$(if,0,$(bogus),ok)", "ok"},
        {"$(if,abc,a,b)", argError("IF")},
        {"$(if,,a,b)", argError("IF")},
        {"$(if,1)", argError("IF")},
        {"$(if,1,a,b,c)", argError("IF")},
        {"$(if,0,a,$(foo))", argError("IF")},
    });
}

TEST(DieselIndexAndNth, IndexSplitsAtEveryCommaNthPicksAnArgument)
{
    expectOutputs({
        {"$(index,3,\"first,second,third\")", ""},
        {"$(index,2,\"first,second,third\")", "third"},
        {"$(index,1,\"a,,c\")", ""},
        {"$(index,1,\",b\")", "b"},
        {"$(index,1.9,\"a,b,c\")", "b"},
        {"$(index,0,)", ""},
        {"$(index,-1,\"a,b\")", argError("INDEX")},
        {"$(index,0,a,b,c)", argError("INDEX")},
        {"$(index,x,a)", argError("INDEX")},
        {"$(nth,1,$(bogus),ok,$(bogus))", "ok"},
        {"$(nth,0,a)", "a"},
        {"$(nth,3,a,b,c)", argError("NTH")},
        {"$(nth,-1,a,b,c)", argError("NTH")},
        {"$(nth,0)", argError("NTH")},
        {"$(nth,1,a,$(foo))", argError("NTH")},
    });
}

TEST(DieselTextFunctions, EqStrlenSubstrUpper)
{
    expectOutputs({
        {"$(eq,1,1.0)", "0"},
        {"$(eq,,)", "1"},
        {"$(eq,Ab,ab)", "0"},
        {"$(eq,a)", argError("EQ")},
        {"$(strlen,hello)", "5"},
        {"$(strlen,\xC3\xA9)", "2"},
        {"$(strlen,a,b)", argError("STRLEN")},
        {"$(substr,hello,2,3)", "ell"},
        {"$(substr,hello,6)", ""},
        {"$(substr,hello,5)", "o"},
        {"$(substr,hello,2)", "ello"},
        {"$(substr,hello,1.9,2)", "he"},
        {"$(substr,hello,0,2)", ""},
        {"$(substr,hello,2,0)", ""},
        {"$(substr,hello,2,-1)", ""},
        {"$(substr,hello,4,100)", "lo"},
        {"$(substr,$(upper,ab),2)", "B"},
        {"$(substr,hello)", argError("SUBSTR")},
        {"$(substr,hello,x)", argError("SUBSTR")},
        {"$(upper,mIxEd 1-z)", "MIXED 1-Z"},
        {"$(upper,\xC3\xA9t\xC3\xA9)", "\xC3\xA9T\xC3\xA9"},
        {"$(upper)", argError("UPPER")},
        {"$(linelen)", "240"},
        {"$(linelen,)", argError("LINELEN")},
    });
}

TEST(DieselEval, EvaluatesTheArgumentsResultAgain)
{
    FakeDieselEnvironment env;
    env.variables["CLAYER"] = "BASE";
    expectOutputs(
        {
            {"$(eval,\"$(+,1,2,3)\")", "6"},
            {"$(eval,\"\"\"$(+,1,2)\"\"\")", "3"},
            {"$(eval,\"\"\"\"\"\"\"$(+,1,2)\"\"\"\"\"\"\")", "$(+,1,2)"},
            {"$(eval,\"Current layer: \" $(getvar,clayer))", "Current layer:  BASE"},
            {"$(eval,\"\"\"$(foo)\"\"\")", argError("EVAL")},
            {"$(eval,\"\"\"\"\"\"\"\")", argError("EVAL")},
            {"$(eval)", argError("EVAL")},
            {"$(eval,a,b)", argError("EVAL")},
        },
        env);
}

TEST(DieselGetvar, ReadsTrimmedNamesFromTheHost)
{
    FakeDieselEnvironment env;
    env.variables = {{"CLAYER", "BASE"}, {"LIMMAX", "12,9,0"}, {"USERS1", "$(+,1,2)"}};
    expectOutputs(
        {
            {"$(getvar,clayer)", "BASE"},
            {"$(getvar, CLayer )", "BASE"},
            {"$(index,1,$(getvar,limmax))", "9"},
            {"$(getvar,users1)", "$(+,1,2)"},
            {"$(getvar,nosuch)", argError("GETVAR")},
            {"$(getvar,)", argError("GETVAR")},
            {"$(getvar)", argError("GETVAR")},
            {"$(substr,$(getvar,clayer),1,2)", "BA"},
        },
        env);
}

TEST(DieselGetenv, ReadsTheSettingsStoreUnsetIsEmpty)
{
    FakeDieselEnvironment env;
    env.settings = {{"MaxArray", "10000"}};
    expectOutputs(
        {
            {"$(getenv,MaxArray)", "10000"},
            {"[$(getenv,unset)]", "[]"},
            {"[$(getenv,)]", "[]"},
            {"$(getenv)", argError("GETENV")},
        },
        env);
}

TEST(DieselRtosAngtos, PassValueModeAndPrecisionToTheHost)
{
    expectOutputs({
        {"$(rtos,17.5)", "D:17.5/-1/-1"},
        {"$(rtos,17.5,2)", "D:17.5/2/-1"},
        {"$(rtos,17.5,4,2)", "D:17.5/4/2"},
        {"$(rtos,1e999,2,2)", "D:inf/2/2"},
        {"$(rtos,abc)", argError("RTOS")},
        {"$(rtos,1,x)", argError("RTOS")},
        {"$(rtos,1,9)", argError("RTOS")},
        {"$(rtos,1,2,9)", argError("RTOS")},
        {"$(rtos)", argError("RTOS")},
        {"$(rtos,1,2,3,4)", argError("RTOS")},
        {"$(angtos,0.5)", "A:0.5/-1/-1"},
        {"$(angtos,0.5,1,4)", "A:0.5/1/4"},
        {"$(angtos,-1.5707963267948966,0)", "A:4.712388980385/0/-1"},
        {"$(angtos,7.283185307179586)", "A:1/-1/-1"},
        {"$(angtos,-0)", "A:0/-1/-1"},
        {"$(angtos,x)", argError("ANGTOS")},
        {"$(angtos,1,6)", argError("ANGTOS")},
    });
}

TEST(DieselEdtime, PicturePhrasesAtAFixedMoment)
{
    const std::string date = "$(edtime," + formatDieselReal(kSaturdayMorning) + ",";
    expectOutputs({
        {date + "D DD DDD DDDD)", "5 05 Sat Saturday"},
        {date + "M MO MON MONTH)", "9 09 Sep September"},
        {date + "YY YYYY)", "98 1998"},
        {date + "H HH MM SS MSEC)", "4 04 53 17 506"},
        {date + "AM/PM am/pm A/P a/p)", "AM am A a"},
        {date + "yyyy-mo-dd hh:mm:ss)", "1998-09-05 04:53:17"},
        {"$(edtime,$(getvar,date),DDD\", \"D MON YYYY)", "Sat, 5 Sep 1998"},
        {"$(edtime,0,DDDD\",\" D MONTH YYYY)", "Saturday, 5 September 1998"},
        {date + ")", ""},
        {"$(edtime,x,D)", argError("EDTIME")},
        {"$(edtime,-1,D)", argError("EDTIME")},
        {"$(edtime,inf,D)", argError("EDTIME")},
        {"$(edtime,0,DDDD,D MONTH)", argError("EDTIME")},
        {"$(edtime,0)", argError("EDTIME")},
    });
}

TEST(DieselEdtime, LettersInWordsAndTwelveHourRules)
{
    FakeDieselEnvironment env;
    env.now = kSundayAfternoon;
    expectOutputs(
        {
            {"$(edtime,0,Today is DDDD)", "To7ay is Sunday"},
            {"$(edtime,0,\"Today\" DDDD)", "To7ay Sunday"},
            {"$(edtime,0,HH:MM Am/Pm)", "13:59 Pm"},
            {"$(edtime,0,HH:MM AM/PM)", "01:59 PM"},
            {"$(edtime,0,H:MM a/p)", "1:59 p"},
            {"$(edtime,0,AM)", "A6"},
            {"$(edtime,0,MMM)", "596"},
            {"$(edtime,0,Msec)", "000"},
        },
        env);
}

TEST(DieselEdtime, JulianDatesBeyondTheCommonRange)
{
    expectOutputs({
        {"$(edtime,2451544.9999999,YYYY-MO-DD HH:MM:SS.MSEC)", "1999-12-31 23:59:59.991"},
        {"$(edtime,2451544.99999999999,YYYY-MO-DD HH:MM)", "2000-01-01 00:00"},
        {"$(edtime,2299161,YYYY-MO-DD DDDD)", "1582-10-15 Friday"},
        {"$(edtime,0.5,YYYY YY MO DD)", "-4713 87 11 24"},
        {"$(edtime,999999999,D MO YYYY)", "26 11 2733194"},
        {"$(edtime,1e9,D)", argError("EDTIME")},
    });
}

TEST(DieselEdtime, ZeroMeansTheStartOfTheWholeEvaluation)
{
    FakeDieselEnvironment env;
    const DieselResult result = evaluateDiesel("$(edtime,0,SS)$(eval,\"$(edtime,0,MSEC)\")", env);
    EXPECT_EQ(result.text, "17506");
    EXPECT_EQ(env.clockReads, 1);
}

}  // namespace
}  // namespace vthost::test

// Text and control functions, the functions that ask the host (through the fake environment), and
// edtime pictures against a fixed clock.
#include "DieselTestSupport.h"

namespace vthost::test {
namespace {

TEST(DieselIf, ChoosesLazilyOnAnIntegerCondition) {
    expectOutputs({{"$(if,1,yes,no)|$(if,0,yes,no)|<<$(if,0,true only)>>", "yes|no|<<>>"},
                   {"$(if,0,$(bogus),ok)", "ok"},
                   {"$(if,abc,a,b)", argError("IF")},
                   {"$(if,,a,b)", argError("IF")},
                   {"$(if,1)", argError("IF")},
                   {"$(if,1,a,b,c)", argError("IF")},
                   {"$(if,0,a,$(foo))", argError("IF")}});
}

TEST(DieselIndexAndNth, IndexSplitsAtEveryCommaNthPicksAnArgument) {
    expectOutputs(
        {{"$(index,3,\"first,second,third\")|$(index,2,\"first,second,third\")", "|third"},
         {"$(index,1,\"a,,c\")|$(index,1,\",b\")|$(index,1.9,\"a,b,c\")", "|b|b"},
         {"$(index,-1,\"a,b\")", argError("INDEX")},
         {"$(index,0,a,b,c)", argError("INDEX")},
         {"$(nth,1,$(bogus),ok,$(bogus))|$(nth,0,a)", "ok|a"},
         {"$(nth,3,a,b,c)", argError("NTH")},
         {"$(nth,-1,a,b,c)", argError("NTH")},
         {"$(nth,0)", argError("NTH")}});
}

TEST(DieselTextFunctions, EqStrlenSubstrUpperLinelen) {
    expectOutputs({{"$(eq,1,1.0)|$(eq,,)|$(eq,Ab,ab)", "0|1|0"},
                   {"$(strlen,hello)|$(strlen,\xC3\xA9)", "5|2"},
                   {"$(substr,hello,2,3)|$(substr,hello,6)|$(substr,hello,5)", "ell||o"},
                   {"$(substr,hello,1.9,2)|$(substr,hello,0,2)|$(substr,hello,2,0)", "he||"},
                   {"$(substr,hello,2,-1)|$(substr,hello,4,100)|$(substr,$(upper,ab),2)", "|lo|B"},
                   {"$(upper,mIxEd 1-z)|$(upper,\xC3\xA9t\xC3\xA9)", "MIXED 1-Z|\xC3\xA9T\xC3\xA9"},
                   {"$(linelen)", "240"},
                   {"$(eq,a)", argError("EQ")},
                   {"$(substr,hello)", argError("SUBSTR")},
                   {"$(substr,hello,x)", argError("SUBSTR")},
                   {"$(upper)", argError("UPPER")},
                   {"$(linelen,)", argError("LINELEN")}});
}

TEST(DieselEval, EvaluatesTheArgumentsResultAgain) {
    FakeDieselEnvironment env;
    env.variables["CLAYER"] = "BASE";
    expectOutputs({{"$(eval,\"$(+,1,2,3)\")|$(eval,\"\"\"$(+,1,2)\"\"\")", "6|3"},
                   {"$(eval,\"\"\"\"\"\"\"$(+,1,2)\"\"\"\"\"\"\")", "$(+,1,2)"},
                   {"$(eval,\"Current layer: \" $(getvar,clayer))", "Current layer:  BASE"},
                   {"$(eval,\"\"\"$(foo)\"\"\")", argError("EVAL")},
                   {"$(eval,\"\"\"\"\"\"\"\")", argError("EVAL")},
                   {"$(eval,a,b)", argError("EVAL")}},
                  env);
}

TEST(DieselHostLookups, GetvarTrimsAndAsksTheHostGetenvGivesEmptyWhenUnset) {
    FakeDieselEnvironment env;
    env.variables = {{"CLAYER", "BASE"}, {"LIMMAX", "12,9,0"}, {"USERS1", "$(+,1,2)"}};
    env.settings = {{"Colour", "7"}};
    expectOutputs(
        {{"$(getvar,clayer)|$(getvar, CLayer )|$(index,1,$(getvar,limmax))", "BASE|BASE|9"},
         {"$(getvar,users1)", "$(+,1,2)"},
         {"$(getvar,nosuch)", argError("GETVAR")},
         {"$(getvar, )", argError("GETVAR")},
         {"$(getenv,Colour)|$(getenv,unset)|$(getenv,)", "7||"},
         {"$(getenv)", argError("GETENV")}},
        env);
}

TEST(DieselRtosAngtos, PassValueModeAndPrecisionToTheHost) {
    expectOutputs(
        {{"$(rtos,17.5)|$(rtos,17.5,2)|$(rtos,17.5,4,2)", "D:17.5/-1/-1|D:17.5/2/-1|D:17.5/4/2"},
         {"$(rtos,1e999,2,2)", "D:inf/2/2"},
         {"$(rtos,abc)", argError("RTOS")},
         {"$(rtos,1,9)", argError("RTOS")},
         {"$(rtos,1,2,3,4)", argError("RTOS")},
         {"$(angtos,0.5)|$(angtos,0.5,1,4)", "A:0.5/-1/-1|A:0.5/1/4"},
         {"$(angtos,-1.5707963267948966,0)|$(angtos,-0)", "A:4.712388980385/0/-1|A:0/-1/-1"},
         {"$(angtos,7.283185307179586)", "A:1/-1/-1"},
         {"$(angtos,1,0,9)", argError("ANGTOS")}});
}

TEST(DieselEdtime, PicturePhrasesAtAFixedMoment) {
    const std::string at = "$(edtime," + formatDieselReal(kSaturdayMorning) + ",";
    expectOutputs(
        {{at + "D DD DDD DDDD|M MO MON MONTH)", "5 05 Sat Saturday|9 09 Sep September"},
         {at + "YY YYYY|H HH MM SS MSEC)", "98 1998|4 04 53 17 506"},
         {at + "AM/PM am/pm A/P a/p|yyyy-mo-dd hh:mm:ss)", "AM am A a|1998-09-05 04:53:17"},
         {"$(edtime,$(getvar,date),DDD\", \"D MON YYYY)", "Sat, 5 Sep 1998"},
         {"$(edtime,0,DDDD\",\" D MONTH YYYY)|" + at + ")", "Saturday, 5 September 1998|"},
         {"$(edtime,x,D)", argError("EDTIME")},
         {"$(edtime,-1,D)", argError("EDTIME")},
         {"$(edtime,inf,D)", argError("EDTIME")},
         {"$(edtime,0,DDDD,D MONTH)", argError("EDTIME")}});
}

TEST(DieselEdtime, LettersInWordsAndTwelveHourRules) {
    FakeDieselEnvironment env;
    env.now = kSundayAfternoon;
    expectOutputs(
        {{"$(edtime,0,Today is DDDD)|$(edtime,0,\"Today\" DDDD)", "To7ay is Sunday|To7ay Sunday"},
         {"$(edtime,0,HH:MM Am/Pm)|$(edtime,0,HH:MM AM/PM)", "13:59 Pm|01:59 PM"},
         {"$(edtime,0,H:MM a/p)|$(edtime,0,AM)|$(edtime,0,MMM)", "1:59 p|A6|596"},
         {"$(edtime,0,Msec)", "000"}},
        env);
}

TEST(DieselEdtime, JulianDatesAcrossMidnightAndFarFromNow) {
    expectOutputs(
        {{"$(edtime,2451544.9999999,YYYY-MO-DD HH:MM:SS.MSEC)", "1999-12-31 23:59:59.991"},
         {"$(edtime,2451544.99999999999,YYYY-MO-DD HH:MM)", "2000-01-01 00:00"},
         {"$(edtime,2299161,YYYY-MO-DD DDDD)", "1582-10-15 Friday"},
         {"$(edtime,0.5,YYYY YY MO DD)", "-4713 87 11 24"},
         {"$(edtime,999999999,D MO YYYY)", "26 11 2733194"},
         {"$(edtime,1e9,D)", argError("EDTIME")}});
}

TEST(DieselEdtime, ZeroMeansTheStartOfTheWholeEvaluation) {
    FakeDieselEnvironment env;
    EXPECT_EQ(evaluateDiesel("$(edtime,0,SS)$(eval,\"$(edtime,0,MSEC)\")", env).text, "17506");
    EXPECT_EQ(env.clockReads, 1);
}

}  // namespace
}  // namespace vthost::test

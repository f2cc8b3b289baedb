// formatLinear against the documented and observed examples of the host: every row must come
// out character for character.
#include "units/LinearFormat.h"

#include "ut/AdsCodes.h"

#include <gtest/gtest.h>

namespace {

struct Example {
    double value;
    int mode;
    int precision;
    int dimzin;
    int unitmode;
    const char* text;
};

const Example kExamples[] = {
    {17.5, 1, 4, 0, 0, "1.7500E+01"},  // 1
    {17.5, 2, 2, 0, 0, "17.50"},
    {17.5, 3, 2, 0, 0, "1'-5.50\""},
    {17.5, 4, 2, 0, 0, "1'-5 1/2\""},
    {17.5, 5, 2, 0, 0, "17 1/2"},  // 5
    {17.5, 3, 2, 0, 1, "1'5.50\""},
    {17.5, 4, 2, 0, 1, "1'5-1/2\""},
    {17.5, 5, 2, 0, 1, "17-1/2"},
    {15.5, 1, 2, 0, 0, "1.55E+01"},
    {15.5, 2, 2, 0, 0, "15.50"},  // 10
    {15.5, 3, 2, 0, 0, "1'-3.50\""},
    {15.5, 4, 1, 0, 0, "1'-3 1/2\""},
    {15.5, 5, 1, 0, 0, "15 1/2"},
    {0.5, 2, 4, 4, 0, ".5000"},
    {12.5, 2, 4, 8, 0, "12.5"},  // 15
    {0.5, 2, 4, 12, 0, ".5"},
    {30, 2, 4, 8, 0, "30"},
    {0, 2, 4, 12, 0, "0"},
    {0.5, 4, 2, 1, 0, "0'-0 1/2\""},
    {6, 4, 2, 1, 0, "0'-6\""},  // 20
    {12, 4, 2, 1, 0, "1'-0\""},
    {12.75, 4, 2, 1, 0, "1'-0 3/4\""},
    {0.5, 4, 2, 2, 0, "0'-0 1/2\""},
    {6, 4, 2, 2, 0, "0'-6\""},
    {12, 4, 2, 2, 0, "1'"},  // 25
    {12.75, 4, 2, 2, 0, "1'-0 3/4\""},
    {0.5, 4, 2, 3, 0, "1/2\""},
    {6, 4, 2, 3, 0, "6\""},
    {12, 4, 2, 3, 0, "1'-0\""},
    {12.75, 4, 2, 3, 0, "1'-0 3/4\""},  // 30
    {0.5, 4, 2, 0, 0, "1/2\""},
    {6, 4, 2, 0, 0, "6\""},
    {12, 4, 2, 0, 0, "1'"},
    {12.75, 4, 2, 0, 0, "1'-0 3/4\""},
    {48.75, 4, 2, 0, 0, "4'-0 3/4\""},  // 35
    {0.234, 2, 2, 0, 0, "0.23"},
    {0.234, 2, 2, 4, 0, ".23"},
    {-0.23, 2, 3, 0, 0, "-0.230"},
    {-0.23, 2, 3, 12, 0, "-.23"},
    {7.6375, 2, 3, 0, 0, "7.638"},  // 40
    {8.6375, 2, 3, 0, 0, "8.637"},
    {8.6375, 2, 16, 0, 0, "8.637499999999999"},
    {0.925, 2, 2, 0, 0, "0.93"},
    {0.924999999999955, 2, 2, 0, 0, "0.92"},
    {0.924999999999955, 2, 3, 0, 0, "0.925"},  // 45
    {0.924999999999955, 2, 15, 0, 0, "0.924999999999955"},
    {12.25, 2, -1, 0, 0, "12.2500"},
    {12, 2, 2, 0, 0, "12.00"},
    {6.8, 2, 3, 0, 0, "6.800"},
    {85.0, 2, 8, 0, 0, "85.00000000"},  // 50
};

TEST(LinearFormatExamples, EveryDocumentedExampleMatches) {
    int row = 0;
    for (const Example& e : kExamples) {
        ++row;
        vthost::LinearUnitSettings settings;  // LUPREC 4 for row 47
        settings.dimzin = e.dimzin;
        settings.unitmode = e.unitmode;
        std::string text;
        EXPECT_EQ(vthost::formatLinear(e.value, e.mode, e.precision, settings, text), RTNORM)
            << "row " << row;
        EXPECT_EQ(text, e.text) << "row " << row;
    }
}

TEST(LinearFormatExamples, RowsFortyThreeToFortySixReadTheSameUnderDimzin8) {
    vthost::LinearUnitSettings settings;
    settings.dimzin = 8;
    std::string text;
    for (const Example& e : {kExamples[42], kExamples[43], kExamples[44], kExamples[45]}) {
        vthost::formatLinear(e.value, e.mode, e.precision, settings, text);
        EXPECT_EQ(text, e.text);
    }
}

}  // namespace

// Tokens, fields and number conversions of OBJ/MTL lines.
#include "objl/text_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace objl;
using namespace objl::algorithm;

TEST(TextHelpers, FirstTokenAndRestOfLine) {
    struct Case {
        const char* line;
        const char* first;
        const char* rest;
    };
    const Case cases[] = {
        {"", "", ""},
        {" \t ", "", ""},
        {"v 1 2 3", "v", "1 2 3"},
        {"v  -1.0 1.0 0.0", "v", "-1.0 1.0 0.0"},
        {"\tKa 0.1 0.2 0.3\r", "Ka", "0.1 0.2 0.3\r"},  // only blanks are trimmed
        {"f 1/1/1 2/2/1 3/3/1 ", "f", "1/1/1 2/2/1 3/3/1"},
        {"o", "o", ""},
        {"o   ", "o", ""},
        {"usemtl a b\t", "usemtl", "a b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstToken(c.line), c.first) << c.line;
        EXPECT_EQ(RestOfLine(c.line), c.rest) << c.line;
    }
}

TEST(TextHelpers, SplitKeepsInnerEmptyFieldsAndDropsALastEmptyOne) {
    struct Case {
        const char* text;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"1//3", {"1", "", "3"}},
        {"/1", {"", "1"}},
        {"1/", {"1"}},
        {"1//", {"1", ""}},
        {"7", {"7"}},
        {"", {}},
        {"/", {""}},
        {"1/2/3/4", {"1", "2", "3", "4"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Split(c.text, '/'), c.fields) << c.text;
    }
    EXPECT_EQ(Split("a  b", ' '), (std::vector<std::string>{"a", "", "b"}));
}

TEST(TextHelpers, TrimLineBreaks) {
    EXPECT_EQ(TrimLineBreaks("name\r"), "name");
    EXPECT_EQ(TrimLineBreaks("name\r\n\r"), "name");
    EXPECT_EQ(TrimLineBreaks("a\rb"), "a\rb");
    EXPECT_EQ(TrimLineBreaks("\r\n"), "\r\n");
    EXPECT_EQ(TrimLineBreaks(""), "");
}

TEST(TextHelpers, NumberConversionsUseTheNumericPrefixAndReportFailures) {
    struct FloatCase {
        const char* text;
        bool ok;
        float value;
    };
    const FloatCase floats[] = {
        {"0.7765", true, 0.7765f},
        {"  -1.5e2xyz", true, -150.0f},
        {"32\r", true, 32.0f},
        {"-0.0000", true, -0.0f},
        {"", false, 0},
        {"abc", false, 0},
        {"/1", false, 0},
        {"1e39", false, 0},
        {"1e400", false, 0},
    };
    for (const FloatCase& c : floats) {
        float value = 42.0f;
        EXPECT_EQ(ParseFloat(c.text, &value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    float negativeZero = 1.0f;
    ASSERT_TRUE(ParseFloat("-0.0000", &negativeZero));
    EXPECT_TRUE(std::signbit(negativeZero));

    struct IntCase {
        const char* text;
        bool ok;
        std::int32_t value;
    };
    const IntCase ints[] = {
        {"2", true, 2},
        {" -3", true, -3},
        {"12abc", true, 12},
        {"2\r", true, 2},
        {"", false, 0},
        {"x1", false, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"2147483647", true, 2147483647},
    };
    for (const IntCase& c : ints) {
        std::int32_t value = 42;
        EXPECT_EQ(ParseInt(c.text, &value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(TextHelpers, ElementAtCountsFromOneOrFromTheEnd) {
    const std::vector<int> list = {10, 20, 30};
    struct Case {
        const char* index;
        ElementResult result;
        int value;
    };
    const Case cases[] = {
        {"1", ElementResult::Found, 10},      {"3", ElementResult::Found, 30},
        {"-1", ElementResult::Found, 30},     {"-3", ElementResult::Found, 10},
        {"0", ElementResult::OutOfRange, 0},  {"4", ElementResult::OutOfRange, 0},
        {"-4", ElementResult::OutOfRange, 0}, {"-2147483648", ElementResult::OutOfRange, 0},
        {"", ElementResult::BadNumber, 0},    {"9999999999", ElementResult::BadNumber, 0},
    };
    for (const Case& c : cases) {
        int value = -1;
        EXPECT_EQ(ElementAt(list, c.index, &value), c.result) << c.index;
        EXPECT_EQ(value, c.result == ElementResult::Found ? c.value : -1) << c.index;
    }
}

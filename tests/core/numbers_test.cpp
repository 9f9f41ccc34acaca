#include "numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

using torvel::formatNumber;
using torvel::leadingNumber;

TEST(LeadingNumber, ReadsTheNumberATextStartsWith) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"  12 5 ", 125}, {"12.5", 12.5},  {"3,5", 3.5},   {"1.2.3", 1.2},    {"", 0},
        {"abc", 0},       {",5", 0.5},     {"-4.5", -4.5}, {"12,5", 12.5},    {"1,2.3", 1.2},
        {"1.2,3", 1.2},   {"1,5E3", 1500}, {"1,,5", 1},    {"- 0,05", -0.05}, {"+7", 7},
        {" - 2", -2},     {"1E3", 1000},   {"1e3", 1000},  {"2D2", 200},      {"2.5E-1", 0.25},
        {"1E", 1},        {"1E+", 1},      {"5x", 5},      {".5", 0.5},       {"-.25", -0.25},
        {".", 0},         {"-", 0},        {"12a", 12},    {"1 e 2", 100},    {"\t4\n2", 42},
        {"0.0", 0},       {"1e-400", 0},   {"007", 7},     {"3.", 3},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << c.text;
}

// Qt sets the C library's LC_NUMERIC from the desktop: on a French one, strtod
// and printf take "," for the point. The rules must not follow it.
TEST(LeadingNumber, AFrenchCLocaleChangesNoNumber) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) GTEST_SKIP() << "no French C locale here";
    EXPECT_DOUBLE_EQ(leadingNumber("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(leadingNumber("1,5E3"), 1500);
    EXPECT_DOUBLE_EQ(torvel::plainNumber("2.25"), 2.25);
    EXPECT_EQ(torvel::formatNumber(1234.5, "### ##0.000#", ','), "1 234,500");
    EXPECT_EQ(torvel::formatNumber(0.125, "0.00", '.'), "0.13");
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(LeadingNumber, HugeExponentGivesInfinityForTheCallerToRefuse) {
    EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
    EXPECT_LT(leadingNumber("-1D999"), 0);
    EXPECT_FALSE(torvel::fitsInFloat(leadingNumber("1e39")));
    EXPECT_TRUE(torvel::fitsInFloat(leadingNumber("3e38")));
}

TEST(FormatNumber, EveryPatternInBothSeparators) {
    struct Case {
        double value;
        const char* pattern;
        const char* point;  // with '.' as separator; the comma version is derived
    };
    const Case cases[] = {
        {0.2f, "### ##0.000#", " 0.200"},
        {0.15f, "### ##0.000#", " 0.150"},
        {0.35f, " ### ##0.000#", "  0.350"},
        {1234.5, "### ##0.000#", "1 234.500"},
        {1234.56789, "### ##0.000#", "1 234.5679"},
        {12.34567, "### ##0.000#", " 12.3457"},
        {1234567.0, "### ##0.000#", "1234 567.000"},
        {-0.2, "### ##0.000#", "- 0.200"},
        {-1234.5, "### ##0.000#", "-1 234.500"},
        {0.00004, "### ##0.000#", " 0.000"},
        {0.00005, "### ##0.000#", " 0.0001"},
        {-0.00001, "### ##0.000#", " 0.000"},
        {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},
        {2.675, "0.00", "2.67"},     // 2.675 is 2.67499999... in binary
        {1.0005, "0.000", "1.000"},  // binary value lies just below the half
        {9.9996, "0.000", "10.000"},
        {0.5, "0.000 000", "0.500 000"},
        {1.2345678, "0.000 000", "1.234 568"},
        {1234.5, "### ##0.00", "1 234.50"},
        {0.5, "### ##0.00", " 0.50"},
        {999.999, "### ##0.00", "1 000.00"},
        {1234.5, "# ##0.00", "1 234.50"},
        {12.5, "# ##0.00", " 12.50"},
        {0.12345, "##0.0000", "0.1235"},
        {123.4, "##0.0000", "123.4000"},
        {98765.4, "##0.0000", "98765.4000"},
        {1234.5, "#", "1235"},
        {0.4, "#", ""},
        {0.5, "#", "1"},
        {0.4, "0", "0"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {1e9, "### ##0.00", "1000000 000.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.value, c.pattern, '.'), c.point) << c.value << " " << c.pattern;
        std::string comma = c.point;
        for (auto& ch : comma)
            if (ch == '.') ch = ',';
        EXPECT_EQ(formatNumber(c.value, c.pattern, ','), comma) << c.value << " " << c.pattern;
    }
}

TEST(FormatNumber, NonFiniteGivesNothing) {
    EXPECT_EQ(formatNumber(INFINITY, "0.00", ','), "");
    EXPECT_EQ(formatNumber(NAN, "0.00", ','), "");
}

TEST(FormatNumber, LargestFloatStillFormats) {
    const std::string s = formatNumber(FLT_MAX, "0.00", '.');
    EXPECT_EQ(s.size(), 39u + 3u);
    EXPECT_EQ(s.substr(0, 3), "340");
}

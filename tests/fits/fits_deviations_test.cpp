// Hole and shaft deviation lookups: worked values, band edges, exact doubles,
// structural rules over every class and size range, and the "not found" path.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "iso_fits.h"

using namespace torvel::fits;

namespace {

struct Expected {
    Side side;
    const char* key;
    double diameter;
    double upper;
    double lower;
};

class WorkedValues : public ::testing::TestWithParam<Expected> {};

// Exact comparison: the values must be the nearest doubles of the decimals.
TEST_P(WorkedValues, Match) {
    const auto& c = GetParam();
    const auto dev = deviations(c.side, c.key, c.diameter);
    ASSERT_TRUE(dev.has_value()) << c.key << " at " << c.diameter;
    EXPECT_EQ(dev->upper, c.upper) << c.key << " at " << c.diameter;
    EXPECT_EQ(dev->lower, c.lower) << c.key << " at " << c.diameter;
}

constexpr Side H = Side::Hole;
constexpr Side S = Side::Shaft;

INSTANTIATE_TEST_SUITE_P(
    Holes, WorkedValues,
    ::testing::Values(
        Expected{H, "H7", 2, 0.01, 0}, Expected{H, "H7", 18, 0.018, 0},
        Expected{H, "H7", 18.001, 0.021, 0}, Expected{H, "P7", 20, -0.014, -0.035},
        Expected{H, "A9", 90, 0.467, 0.380}, Expected{H, "A9", 100, 0.467, 0.380},
        Expected{H, "JS9", 2, 0.0125, -0.0125}, Expected{H, "JS10", 200, 0.0925, -0.0925},
        Expected{H, "K7", 40, 0.007, -0.018}, Expected{H, "N9", 40, 0, -0.062},
        Expected{H, "P7", 25, -0.014, -0.035}, Expected{H, "P8", 25, -0.022, -0.055},
        Expected{H, "U7", 300, -0.330, -0.382}, Expected{H, "M6", 300, -0.009, -0.041},
        Expected{H, "M6", 250, -0.008, -0.037}, Expected{H, "M6", 315.001, -0.010, -0.046},
        Expected{H, "M7", 300, 0, -0.052}, Expected{H, "E11*", 50, 0.210, 0.050},
        // band edges 6 / 10 / 18 and the sub-range split of the letters R to ZC
        Expected{H, "H17", 6.001, 1.5, 0}, Expected{H, "H18", 10.001, 2.7, 0},
        Expected{H, "JS17", 10, 0.75, -0.75}, Expected{H, "F7", 6, 0.022, 0.010},
        Expected{H, "F7", 6.001, 0.028, 0.013}, Expected{H, "X7", 14, -0.033, -0.051},
        Expected{H, "X7", 14.001, -0.038, -0.056}, Expected{H, "T7", 24.5, -0.033, -0.054},
        Expected{H, "T7", 30, -0.033, -0.054}, Expected{H, "ZC11", 500, -2.6, -3.0},
        Expected{H, "N7", 2, -0.004, -0.014}, Expected{H, "K8", 3, 0, -0.014},
        Expected{H, "S7", 1.5, -0.014, -0.024}, Expected{H, "J6", 2, 0.002, -0.004},
        Expected{H, "J8", 400, 0.060, -0.029}, Expected{H, "N11", 2, -0.004, -0.064},
        Expected{H, "N11", 4, 0, -0.075}, Expected{H, "A13", 340, 2.090, 1.200},
        Expected{H, "E8", 100, 0.126, 0.072}));

INSTANTIATE_TEST_SUITE_P(
    Shafts, WorkedValues,
    ::testing::Values(
        Expected{S, "g6", 2, -0.002, -0.008}, Expected{S, "g6", 25, -0.007, -0.020},
        Expected{S, "h7", 2, 0, -0.010}, Expected{S, "k6", 40, 0.018, 0.002},
        Expected{S, "k9", 40, 0.062, 0}, Expected{S, "p6", 25, 0.035, 0.022},
        Expected{S, "d8", 15, -0.050, -0.077}, Expected{S, "x10", 150, 0.440, 0.280},
        Expected{S, "a10", 460, -1.650, -1.900}, Expected{S, "js8", 350, 0.0445, -0.0445},
        Expected{S, "js8", 15, 0.0135, -0.0135}, Expected{S, "js9", 2, 0.0125, -0.0125},
        Expected{S, "e10*", 40, -0.050, -0.150}, Expected{S, "c12*", 35, -0.120, -0.370},
        Expected{S, "k6", 2, 0.006, 0}, Expected{S, "k7", 450, 0.068, 0.005},
        Expected{S, "j5", 2, 0.002, -0.002}, Expected{S, "j7", 300, 0.026, -0.026},
        Expected{S, "m5", 2, 0.006, 0.002}, Expected{S, "n7", 100, 0.058, 0.023},
        Expected{S, "r6", 65, 0.060, 0.041}, Expected{S, "r6", 65.001, 0.062, 0.043},
        Expected{S, "u8", 24, 0.074, 0.041}, Expected{S, "u8", 24.001, 0.081, 0.048},
        Expected{S, "t6", 24.5, 0.054, 0.041}, Expected{S, "zc11", 140, 1.050, 0.800}));

TEST(Deviations, KeysAreExactAndCaseSensitive) {
    EXPECT_FALSE(holeDeviations("E11", 50).has_value());
    EXPECT_FALSE(holeDeviations("e8", 50).has_value());
    EXPECT_FALSE(holeDeviations("H7 ", 50).has_value());
    EXPECT_FALSE(holeDeviations("", 50).has_value());
    EXPECT_FALSE(holeDeviations("JS8", 50).has_value());  // JS starts at 9
    EXPECT_FALSE(shaftDeviations("H7", 50).has_value());
    EXPECT_FALSE(shaftDeviations("e10", 40).has_value());
    EXPECT_FALSE(shaftDeviations("c12", 35).has_value());
    EXPECT_TRUE(shaftDeviations("e9", 40).has_value());
    EXPECT_FALSE(shaftDeviations("e9*", 40).has_value());
}

TEST(Deviations, OutsideCoverageOrRangeFindsNothing) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(holeDeviations("S6", 130).has_value());
    EXPECT_FALSE(holeDeviations("T6", 24).has_value());
    EXPECT_TRUE(holeDeviations("T6", 24.5).has_value());
    EXPECT_FALSE(holeDeviations("T9", 190).has_value());
    EXPECT_FALSE(shaftDeviations("t6", 20).has_value());
    EXPECT_FALSE(shaftDeviations("t9", 199).has_value());
    for (double d : {1.0, 0.5, 0.0, -5.0, 500.001, 1e9, inf, -inf, std::nan("")}) {
        EXPECT_FALSE(holeDeviations("H7", d).has_value()) << d;
        EXPECT_FALSE(shaftDeviations("g6", d).has_value()) << d;
    }
    EXPECT_TRUE(holeDeviations("H7", 500).has_value());
    EXPECT_TRUE(holeDeviations("H7", 1.0000001).has_value());
}

TEST(Deviations, UpdateKeepsThePreviousValuesWhenNothingMatches) {
    Deviations current{0.123, -0.456};
    EXPECT_FALSE(updateDeviations(Side::Shaft, "t6", 20, current));
    EXPECT_EQ(current, (Deviations{0.123, -0.456}));
    EXPECT_FALSE(updateDeviations(Side::Hole, "E11", 50, current));
    EXPECT_EQ(current, (Deviations{0.123, -0.456}));
    EXPECT_TRUE(updateDeviations(Side::Hole, "H7", 25, current));
    EXPECT_EQ(current, (Deviations{0.021, 0}));
}

// ISO 286-1 standard tolerances, IT5 ... IT18, on the 13 main ranges; kept here
// as a second copy so that the tables are checked against it, not against themselves.
constexpr std::array<int, 13> kMainUpTo = {3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500};
constexpr std::array<std::array<int, 13>, 14> kIt = {{
    {4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27},
    {6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40},
    {10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63},
    {14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97},
    {25, 30, 36, 43, 52, 62, 74, 87, 100, 115, 130, 140, 155},
    {40, 48, 58, 70, 84, 100, 120, 140, 160, 185, 210, 230, 250},
    {60, 75, 90, 110, 130, 160, 190, 220, 250, 290, 320, 360, 400},
    {100, 120, 150, 180, 210, 250, 300, 350, 400, 460, 520, 570, 630},
    {140, 180, 220, 270, 330, 390, 460, 540, 630, 720, 810, 890, 970},
    {250, 300, 360, 430, 520, 620, 740, 870, 1000, 1150, 1300, 1400, 1550},
    {400, 480, 580, 700, 840, 1000, 1200, 1400, 1600, 1850, 2100, 2300, 2500},
    {600, 750, 900, 1100, 1300, 1600, 1900, 2200, 2500, 2900, 3200, 3600, 4000},
    {1000, 1200, 1500, 1800, 2100, 2500, 3000, 3500, 4000, 4600, 5200, 5700, 6300},
    {1400, 1800, 2200, 2700, 3300, 3900, 4600, 5400, 6300, 7200, 8100, 8900, 9700},
}};

int itOf(int grade, double d) {
    for (std::size_t i = 0; i < kMainUpTo.size(); ++i)
        if (d <= kMainUpTo[i]) return kIt[static_cast<std::size_t>(grade - 5)][i];
    return -1;
}

int gradeOfKey(const std::string& key) {
    std::size_t i = 0;
    while (i < key.size() && !(key[i] >= '0' && key[i] <= '9')) ++i;
    return std::atoi(key.c_str() + i);
}

std::string letterOfKey(const std::string& key) {
    std::size_t i = 0;
    while (i < key.size() && !(key[i] >= '0' && key[i] <= '9')) ++i;
    return key.substr(0, i);
}

// "-0.0125" from -25 half micrometres: the decimal the table stands for.
std::string decimalMm(int halfMicrons) {
    const bool negative = halfMicrons < 0;
    const long tenthMicrons = std::labs(static_cast<long>(halfMicrons)) * 5;  // 0.0001 mm units
    std::string digits = std::to_string(tenthMicrons);
    while (digits.size() < 5) digits.insert(0, "0");
    return (negative ? "-" : "") + digits.substr(0, digits.size() - 4) + "." +
           digits.substr(digits.size() - 4);
}

// Over every class and every size range it covers.
TEST(DeviationRules, HoldForEveryClassAndRange) {
    int entries = 0;
    for (Side side : {Side::Hole, Side::Shaft}) {
        for (const auto& key : classKeys(side)) {
            const int grade = gradeOfKey(key);
            const std::string letter = letterOfKey(key);
            for (const Band& r : sizeRanges()) {
                for (double d : {r.over + 0.001, double(r.upTo)}) {
                    const auto half = deviationsHalfMicrons(side, key, d);
                    if (!half) continue;
                    ++entries;
                    const auto mm = deviations(side, key, d);
                    ASSERT_TRUE(mm.has_value());
                    const std::string where = key + " at " + std::to_string(d);
                    // upper - lower = IT of the grade
                    EXPECT_EQ(half->upper - half->lower, 2 * itOf(grade, d)) << where;
                    // the doubles are the nearest doubles of the decimal values
                    EXPECT_EQ(mm->upper, std::strtod(decimalMm(half->upper).c_str(), nullptr))
                        << where;
                    EXPECT_EQ(mm->lower, std::strtod(decimalMm(half->lower).c_str(), nullptr))
                        << where;
                    // half micrometres occur only in JS / js
                    if (letter != "JS" && letter != "js") {
                        EXPECT_EQ(half->upper % 2, 0) << where;
                        EXPECT_EQ(half->lower % 2, 0) << where;
                    } else {
                        EXPECT_EQ(half->upper, -half->lower) << where;
                    }
                    if (letter == "H") {
                        EXPECT_EQ(half->lower, 0) << where;
                    }
                    if (letter == "h") {
                        EXPECT_EQ(half->upper, 0) << where;
                    }
                    // A to H lie above the zero line, a to h below it
                    if (side == Side::Hole && letter < "H" && letter.size() == 1) {
                        EXPECT_GT(half->lower, 0) << where;
                    }
                    if (side == Side::Shaft && letter < "h" && letter.size() == 1) {
                        EXPECT_LT(half->upper, 0) << where;
                    }
                    // P to ZC below, p to zc above
                    if (side == Side::Hole && letter >= "P") {
                        EXPECT_LT(half->upper, 0) << where;
                    }
                    if (side == Side::Shaft && letter >= "p") {
                        EXPECT_GT(half->lower, 0) << where;
                    }
                }
            }
        }
    }
    EXPECT_GT(entries, 9000);
}

// Hole R to ZA mirror the shaft lower deviation (the same for every shaft
// grade of these letters), shifted by Δ = ITn - IT(n-1) up to grade 7 and not
// at all up to 3 mm: the rule restated independently of the engine.
std::optional<int> shaftLower(const std::string& letter, double d) {
    for (int g = 5; g <= 11; ++g)
        if (const auto s = deviationsHalfMicrons(Side::Shaft, letter + std::to_string(g), d))
            return s->lower;
    return std::nullopt;
}

TEST(DeviationRules, HolesMirrorShaftsWithDelta) {
    const char* pairs[][2] = {{"R", "r"}, {"S", "s"}, {"T", "t"},  {"U", "u"},
                              {"X", "x"}, {"Z", "z"}, {"ZA", "za"}};
    int compared = 0;
    for (const auto& p : pairs)
        for (int g : {6, 7, 8, 9})
            for (const Band& r : sizeRanges()) {
                const double d = r.upTo;
                const auto hole = deviationsHalfMicrons(Side::Hole, p[0] + std::to_string(g), d);
                const auto ei = shaftLower(p[1], d);
                if (!hole || !ei) continue;
                const int delta = (g <= 7 && d > 3) ? 2 * (itOf(g, d) - itOf(g - 1, d)) : 0;
                EXPECT_EQ(hole->upper, -*ei + delta) << p[0] << g << " at " << d;
                ++compared;
            }
    EXPECT_GT(compared, 300);
}

}  // namespace

// Clearances and the kind of fit, with the boundaries where one clearance is
// exactly zero.
TEST(Fit, ClearancesAndKind) {
    struct Case {
        const char* hole;
        const char* shaft;
        double d;
        double maxClearance, minClearance;
        FitKind kind;
    };
    const Case cases[] = {
        {"H7", "g6", 2, 0.018, 0.002, FitKind::Clearance},
        {"H7", "h6", 40, 0.041, 0.0, FitKind::Clearance},  // min exactly 0
        {"H7", "p6", 25, -0.001, -0.035, FitKind::Interference},
        {"H7", "k6", 40, 0.023, -0.018, FitKind::Transition},
        {"H7", "n6", 2, 0.006, -0.010, FitKind::Transition},
        {"H6", "m5", 2, 0.004, -0.006, FitKind::Transition},
        {"H7", "r6", 2, 0.0, -0.016, FitKind::Transition},  // max exactly 0
        {"H7", "s6", 18, -0.010, -0.039, FitKind::Interference},
    };
    for (const Case& c : cases) {
        const auto hole = holeDeviations(c.hole, c.d);
        const auto shaft = shaftDeviations(c.shaft, c.d);
        ASSERT_TRUE(hole && shaft) << c.hole << c.shaft;
        const Fit fit = fitOf(*hole, *shaft);
        EXPECT_NEAR(fit.maxClearance, c.maxClearance, 1e-12) << c.hole << c.shaft << " at " << c.d;
        EXPECT_NEAR(fit.minClearance, c.minClearance, 1e-12) << c.hole << c.shaft << " at " << c.d;
        // A zero clearance is exactly zero, which decides the kind.
        if (c.maxClearance == 0.0) {
            EXPECT_EQ(fit.maxClearance, 0.0);
        }
        if (c.minClearance == 0.0) {
            EXPECT_EQ(fit.minClearance, 0.0);
        }
        EXPECT_EQ(fit.kind, c.kind) << c.hole << c.shaft << " at " << c.d;
    }
}

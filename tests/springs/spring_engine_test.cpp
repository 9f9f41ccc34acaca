#include "spring_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace torvel::springs;
using torvel::Outcome;

namespace {

constexpr const char* k180 = "Rapprochées, meulées, à 180°";

const char* const kFields[] = {"TextDd", "TextDe", "TextDi", "Textni", "Textnt",
                               "TextLb", "TextL0", "Textp2", "Textp0", "TextDemax",
                               "TextR",  "TextFb", "TextT2", "TextTb", "Textz",
                               "TextW",  "TextLd", "TextM",  "Textfe"};

// Texts in the window's order d, Dm, G, mV, F1, L1, F2, L2.
struct Texts {
    const char *d = "0", *Dm = "0", *G = "7000", *mV = "7.86", *F1 = "0", *L1 = "0", *F2 = "0",
               *L2 = "0";
    std::string_view end = k180;
};

Outcome run(SpringState& s, const Texts& t, char sep = '.') {
    return calculateSpring(s, {t.d, t.Dm, t.G, t.mV, t.F1, t.L1, t.F2, t.L2, t.end}, sep);
}

Texts example() {
    Texts t;
    t.d = "2";
    t.Dm = "20";
    t.F1 = "10";
    t.L1 = "50";
    t.F2 = "20";
    t.L2 = "40";
    return t;
}

bool sameResults(const SpringResults& x, const SpringResults& y) {
    const float a[] = {x.Dd, x.De, x.Di, x.ni, x.nt, x.Lb, x.L0, x.p2, x.p0, x.Demax,
                       x.R,  x.Fb, x.T2, x.Tb, x.z,  x.W,  x.Ld, x.M,  x.fe};
    const float b[] = {y.Dd, y.De, y.Di, y.ni, y.nt, y.Lb, y.L0, y.p2, y.p0, y.Demax,
                       y.R,  y.Fb, y.T2, y.Tb, y.z,  y.W,  y.Ld, y.M,  y.fe};
    return std::equal(std::begin(a), std::end(a), std::begin(b));
}

}  // namespace

TEST(SpringEngine, WorkedExamplesInBothSeparators) {
    struct Case {
        Texts texts;
        std::vector<std::string> shown;
    };
    Texts second;
    second.d = "1.5";
    second.Dm = "12";
    second.G = "8000";
    second.mV = "7.85";
    second.F1 = "5";
    second.L1 = "30";
    second.F2 = "12.5";
    second.L2 = "22.5";
    second.end = "Rapprochées, meulées, à 90°";
    Texts third;
    third.d = "3";
    third.Dm = "25";
    third.G = "7900";
    third.mV = "7.9";
    third.F1 = "20";
    third.L1 = "60";
    third.F2 = "50";
    third.L2 = "45";
    third.end = "Rapprochées, non meulées";
    // clang-format off
    const Case cases[] = {
        {example(),
         {"10.000", "22.000", "18.000", "1.750", "3.750", "7.500", "60.000", "20.571", "32.000",
          "27.593", "1.000", "52.500", "127.324", "334.225", "18.129", "1.145", "241.363", "5.960",
          "959.566"}},
        {second,
         {"8.000", "13.500", "10.500", "2.930", "4.430", "6.645", "35.000", "6.912", "11.179",
          "14.717", "1.000", "28.355", "113.177", "256.735", "10.390", "1.184", "187.686", "2.604",
          "1277.388"}},
        {third,
         {"8.333", "28.000", "22.000", "2.560", "5.560", "16.679", "70.000", "14.065", "23.832",
          "30.654", "2.000", "106.642", "117.893", "251.447", "10.153", "1.176", "361.308",
          "20.176", "667.382"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (char sep : {'.', ','}) {
            SpringState s;
            const Outcome out = run(s, c.texts, sep);
            ASSERT_FALSE(out.stopped()) << out.messages().front();
            ASSERT_EQ(out.steps().size(), 19u);
            for (size_t i = 0; i < 19; ++i) {
                std::string want = c.shown[i];
                if (sep == ',') std::replace(want.begin(), want.end(), '.', ',');
                EXPECT_EQ(out.steps()[i].target, kFields[i]);
                EXPECT_EQ(out.steps()[i].text, want) << kFields[i] << " d=" << c.texts.d;
            }
        }
    }
}

// Each case breaks one more rule than the next one, so the first failing check wins.
TEST(SpringEngine, ValidationsInOrder) {
    struct Case {
        Texts texts;
        const char* message;
    };
    auto with = [](auto change) {
        Texts t = example();
        change(t);
        return t;
    };
    Texts empty;
    empty.G = "";
    empty.mV = "";
    empty.end = "";
    // clang-format off
    const Case cases[] = {
        {empty, kMsgWire},  // d first, even when every box is empty
        {with([](Texts& t) { t.d = "abc"; t.Dm = "0"; t.mV = "0"; }), kMsgWire},
        {with([](Texts& t) { t.Dm = ""; t.F1 = t.F2 = t.L1 = t.L2 = "0"; }), kMsgMeanDiameter},
        {with([](Texts& t) { t.F1 = t.F2 = t.L1 = t.L2 = "0"; t.mV = "0"; }), kMsgConfiguration},
        {with([](Texts& t) { t.L1 = t.L2 = "0"; }), kMsgConfiguration},
        {with([](Texts& t) { t.F1 = t.F2 = "0"; t.G = "0"; }), kMsgConfiguration},
        {with([](Texts& t) { t.F1 = t.F2 = "15"; t.mV = "0"; }), kMsgParameters},
        {with([](Texts& t) { t.L1 = t.L2 = "45"; }), kMsgParameters},
        {with([](Texts& t) { t.mV = "0"; t.G = "0"; }), kMsgDensity},  // density before G
        {with([](Texts& t) { t.G = "x"; t.end = "?"; }), kMsgShearModulus},
        {with([](Texts& t) { t.end = "Rapprochées, meulées, à 180"; }), kMsgEndType},
        {with([](Texts& t) { t.end = "rapprochées, non meulées"; t.d = "-2"; }), kMsgEndType},
        {with([](Texts& t) { t.d = "-2"; t.Dm = "1"; }), kMsgNegative},
        {with([](Texts& t) { t.G = "-7000"; }), kMsgNegative},
        {with([](Texts& t) { t.Dm = "2"; }), kMsgWireTooThick},  // Dm = d
        {with([](Texts& t) { t.Dm = "1.5"; }), kMsgWireTooThick},
        {with([](Texts& t) { t.L1 = "30"; }), kMsgRate},  // both points on the wrong side
    };
    // clang-format on
    for (const auto& c : cases) {
        SpringState s;
        ASSERT_FALSE(run(s, example()).stopped());
        const SpringState before = s;
        const Outcome out = run(s, c.texts);
        ASSERT_EQ(out.steps().size(), 1u) << c.message;
        EXPECT_TRUE(out.stopped());
        EXPECT_EQ(out.messages().front(), c.message);
        EXPECT_TRUE(sameResults(s.results, before.results)) << c.message;
        EXPECT_EQ(s.nd, before.nd);
    }
}

// Only F2 and L2: every check passes, and the rate comes out as −F2/L2, which no
// spring has. It is refused rather than shown as negative coils.
TEST(SpringEngine, OnlyF2AndL2GiveANegativeRate) {
    Texts t = example();
    t.F1 = "0";
    t.L1 = "0";
    SpringState s;
    const Outcome out = run(s, t);
    ASSERT_TRUE(out.stopped());
    EXPECT_EQ(out.messages(), std::vector<std::string>{kMsgRate});

    // The mirror case, F1 and L1 only, ends the same way.
    t = example();
    t.F2 = "0";
    t.L2 = "0";
    EXPECT_TRUE(run(s, t).stopped());
}

TEST(SpringEngine, EqualForcesOrLengthsAskForCorrectParameters) {
    for (auto [f1, l1] : {std::pair{"20", "50"}, std::pair{"10", "40"}, std::pair{"20", "40"}}) {
        Texts t = example();
        t.F1 = f1;
        t.L1 = l1;
        SpringState s;
        EXPECT_EQ(run(s, t).messages(), std::vector<std::string>{kMsgParameters}) << f1 << l1;
    }
}

TEST(SpringEngine, EndTypesAndDeadCoils) {
    const auto& names = endTypeNames();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "Rapprochées, meulées, à 90°");
    EXPECT_EQ(names[1], "Rapprochées, meulées, à 180°");
    EXPECT_EQ(names[2], "Rapprochées, non meulées");
    EXPECT_EQ(deadCoils(names[0]), 1.5f);
    EXPECT_EQ(deadCoils(names[1]), 2.0f);
    EXPECT_EQ(deadCoils(names[2]), 3.0f);
    EXPECT_FALSE(deadCoils(""));
    EXPECT_FALSE(deadCoils("Rapprochees, non meulees"));

    // The dead coils reach nt, Lb and the pitches, and are kept by the window.
    SpringState s;
    Texts t = example();
    t.end = names[2];
    ASSERT_FALSE(run(s, t).stopped());
    EXPECT_EQ(s.nd, 3.0f);
    EXPECT_FLOAT_EQ(s.results.nt, 4.75f);
    EXPECT_FLOAT_EQ(s.results.Lb, 9.5f);
    EXPECT_FLOAT_EQ(s.results.p2, (40.0f - 6.0f) / 1.75f);
}

// Inputs from zero through tiny and huge to inconsistent: each run ends in one
// message, or in nineteen finite, displayable results.
TEST(SpringEngine, SweepEndsInAMessageOrFiniteResults) {
    const float values[] = {0.0f,  1e-30f, 1e-3f, 0.5f,
                            2.0f,  20.0f,  45.0f, 1e6f,
                            1e20f, 3e38f,  -1.0f, std::numeric_limits<float>::infinity()};
    const float materials[] = {0.0f, 1e-20f, 7.86f, 7000.0f, 3e38f};
    int computed = 0, total = 0;
    for (float d : values)
        for (float Dm : values)
            for (float F1 : {0.0f, 10.0f, 1e30f})
                for (float L1 : {0.0f, 50.0f, 1e-3f})
                    for (float F2 : values)
                        for (float L2 : {0.0f, 40.0f, 60.0f, 1e-20f})
                            for (float G : materials)
                                for (float mV : {7.86f, 1e-30f}) {
                                    SpringState s;
                                    const SpringInputs in{d, Dm, G, mV, F1, L1, F2, L2};
                                    ++total;
                                    if (computeSpring(in, k180, s)) continue;
                                    ++computed;
                                    const SpringResults& r = s.results;
                                    for (float v : {r.Dd, r.De, r.Di, r.ni, r.nt, r.Lb, r.L0, r.p2,
                                                    r.p0, r.Demax, r.R, r.Fb, r.T2, r.Tb, r.z, r.W,
                                                    r.Ld, r.M, r.fe})
                                        ASSERT_TRUE(std::isfinite(v));
                                    ASSERT_GT(r.R, 0.0f);
                                    ASSERT_GT(r.M, 0.0f);
                                }
    EXPECT_GT(computed, 100) << total;

    // Through the texts, on a sample: every written text is a number.
    const char* texts[] = {"", "0", "1e-30", "0.5", "2", "25", "1e20", "1e39", "-3", "x"};
    for (const char* d : texts)
        for (const char* Dm : texts)
            for (const char* F2 : texts)
                for (const char* G : {"7000", "1e39", "1e-40"}) {
                    SpringState s;
                    const Outcome out =
                        calculateSpring(s, {d, Dm, G, "7.86", "5", "50", F2, "40", k180}, ',');
                    if (out.stopped()) {
                        ASSERT_EQ(out.steps().size(), 1u);
                        continue;
                    }
                    ASSERT_EQ(out.steps().size(), 19u);
                    for (const auto& step : out.steps())
                        ASSERT_EQ(step.text.find_first_not_of("-0123456789,"), std::string::npos)
                            << d << " " << Dm << " " << F2 << " " << step.text;
                }
}

TEST(SpringEngine, ResultsBeyondSinglePrecisionAreRefused) {
    Texts t = example();
    t.F2 = "1e38";  // T2 = 8·Dm·F2/(π·d³) leaves the single range
    SpringState s;
    EXPECT_EQ(run(s, t).messages(), std::vector<std::string>{kMsgOutOfRange});
    t = example();
    t.d = "1e39";  // cannot even be held
    t.Dm = "1e39";
    EXPECT_EQ(run(s, t).messages().size(), 1u);
    t = example();
    t.d = "0.01";  // with the lightest density the mass underflows to zero
    t.mV = "1e-45";
    EXPECT_EQ(run(s, t).messages(), std::vector<std::string>{kMsgOutOfRange});
    EXPECT_TRUE(sameResults(s.results, SpringResults{}));
}

// Independent references: the standard's buckling limit between parallel plates
// (seating 0.5) is the slenderness L0/Dm = 2.62/0.5 = 5.24; its domain is 2 active
// coils or more and D/d from 4 to 20, where Bergsträsser's k is within 1.5 % of Wahl's.
TEST(SpringEngine, ChecksAtTheirBoundaries) {
    struct Case {
        float L0, L2, Dd, ni;
        bool buckles, risk, outside;
    };
    const Case cases[] = {
        {5.23f * 20, 0, 10, 2, false, false, false},
        {5.25f * 20, 0.9f * 5.25f * 20, 4, 1.99f, true, false, true},
        {5.25f * 20, 0, 20, 7, true, true, false},
        {60, 50, 3.99f, 7, false, false, true},
        {60, 50, 20.01f, 7, false, false, true},
    };
    for (const auto& c : cases) {
        const SpringChecks k =
            checkSpring({.Dm = 20, .L2 = c.L2}, {.Dd = c.Dd, .ni = c.ni, .L0 = c.L0});
        EXPECT_EQ(k.sk.has_value(), c.buckles) << c.L0;
        EXPECT_EQ(k.bucklingRisk, c.risk) << c.L0;
        EXPECT_EQ(k.fewCoils || k.ratioOutside, c.outside) << c.Dd << " " << c.ni;
        const double wahl = (4 * c.Dd - 1) / (4 * c.Dd - 4) + 0.615 / c.Dd;
        EXPECT_TRUE(c.Dd < 4 || c.Dd > 20 || std::fabs(k.k / wahl - 1) < 0.015) << c.Dd;
    }
}

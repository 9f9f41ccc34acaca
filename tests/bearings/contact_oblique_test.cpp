#include "contact_oblique.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace torvel::bearings;
using torvel::Outcome;
using torvel::Step;

namespace {

ObliqueEntries bearings(std::string ka, std::string frA, std::string frB, std::string eA = "0.37",
                        std::string eB = "0.37") {
    ObliqueEntries in;
    in.faE = std::move(ka);
    in.frA = std::move(frA);
    in.frB = std::move(frB);
    in.eA = std::move(eA);
    in.eB = std::move(eB);
    in.yA = "1.6";
    in.yB = "1.6";
    return in;
}

std::vector<std::string> writes(const Outcome& out) {
    std::vector<std::string> v;
    for (const auto& s : out.steps()) {
        EXPECT_EQ(s.kind, Step::Kind::Write);
        v.push_back(s.target + "=" + s.text);
    }
    return v;
}

}  // namespace

TEST(ContactOblique, WorkedExamplesToTheDisplayedText) {
    struct Case {
        ObliqueEntries in;
        char sep;
        std::vector<std::string> expected;  // TextPA, TextPB, TextFaA, TextFaB
    };
    const Case cases[] = {
        // KA = KB = 312.5: the second branch; e_A·Fr_A = Fa_A exactly gives P_A = Fr_A.
        {bearings("0", "1000", "1000", "0.3125"),
         '.',
         {"TextPA=1000.00", "TextPB=1000.00", "TextFaA=312.50", "TextFaB=312.50"}},
        // Ka = 500: KB = 812.5 > KA; P_A = 1.6·812.5 + 0.4·1000.
        {bearings("500", "1000", "1000"),
         ',',
         {"TextPA=1700,00", "TextPB=1000,00", "TextFaA=812,50", "TextFaB=312,50"}},
        // Only Ka: Fa_A = Ka, Fa_B = 0, P_B = 0.
        {bearings("800", "0", "0"),
         '.',
         {"TextPA=1280.00", "TextPB=0.00", "TextFaA=800.00", "TextFaB=0.00"}},
        // KA > KB: A takes its own induced load, B the rest; Fr_B·e_B = Fa_B: P_B = Fr_B.
        {bearings("100", "4000", "1000", "0.37", "1.15"),
         '.',
         {"TextPA=4000.00", "TextPB=1000.00", "TextFaA=1250.00", "TextFaB=1150.00"}},
        // Fr_B·e_B < Fa_B: P_B = Y_B·Fa_B + 0.4·Fr_B = 1.6·1150 + 400.
        {bearings("100", "4000", "1000", "0.37", "1.149"),
         '.',
         {"TextPA=4000.00", "TextPB=2240.00", "TextFaA=1250.00", "TextFaB=1150.00"}},
        {bearings("100", "4000", "1000", "0.37", "0.5"),
         '.',
         {"TextPA=4000.00", "TextPB=2240.00", "TextFaA=1250.00", "TextFaB=1150.00"}},
    };
    for (const auto& c : cases) {
        ObliqueState state;
        EXPECT_EQ(writes(calculateOblique(state, c.in, c.sep)), c.expected) << c.in.faE;
    }
    ObliqueState state;
    calculateOblique(state, bearings("500", "1000", "1000"), '.');
    EXPECT_FLOAT_EQ(state.KA, 312.5f);
    EXPECT_FLOAT_EQ(state.KB, 812.5f);
    EXPECT_FLOAT_EQ(state.PA, 1700.0f);
}

TEST(ContactOblique, LiteralZeroChecks) {
    struct Case {
        ObliqueEntries in;
        const char* message;  // nullptr: computes
    };
    auto factors = [](std::string eA, std::string yA, std::string eB, std::string yB) {
        ObliqueEntries in = bearings("0", "1000", "1000", std::move(eA), std::move(eB));
        in.yA = std::move(yA);
        in.yB = std::move(yB);
        return in;
    };
    const Case cases[] = {
        {bearings("0", "0", "0"), kMsgObliqueLoad},
        {bearings("0.0", "0", "0"), nullptr},  // not the text "0": passes, all zero
        {bearings("", "0", "0"), nullptr},
        {factors("0", "1.6", "0.3", "1.6"), kMsgObliqueCoefficients},
        {factors("0.3", "1.6", "0.3", "0"), kMsgObliqueCoefficients},
        {factors("0.3", "0.0", "0.3", "1.6"), kMsgObliqueCoefficients},  // reads as 0
        {factors("0.3", "1.6", "0.3", ""), kMsgObliqueCoefficients},
        {factors("0.3", "1e-50", "0.3", "1.6"), kMsgObliqueCoefficients},  // 0 in single
        {factors("0.3", "1e-40", "0.3", "1.6"), kMsgObliqueImpossible},    // KA overflows
        {factors("0.3", "1.6", "1e39", "1.6"), kMsgObliqueImpossible},
        {bearings("0", "0", "0", "0"), kMsgObliqueLoad},  // the load check comes first
    };
    for (const auto& c : cases) {
        ObliqueState state;
        state.PA = 7;
        const Outcome out = calculateOblique(state, c.in, '.');
        if (c.message) {
            EXPECT_EQ(out.messages(), std::vector<std::string>{c.message}) << c.in.yA;
            EXPECT_TRUE(out.stopped());
            EXPECT_EQ(out.steps().size(), 1u);
            EXPECT_FLOAT_EQ(state.PA, 7.0f);  // results as they were
        } else {
            EXPECT_EQ(*out.written("TextPA"), "0.00");
        }
    }
}

TEST(ContactOblique, SweepEndsInAStopOrFiniteResults) {
    const std::vector<std::string> v = {"0",   "0.0",  "",     "x",    "1e-45", "0.001",
                                        "1.6", "1000", "-500", "3e38", "1e39"};
    int runs = 0;
    for (size_t a = 0; a < v.size(); ++a)
        for (size_t b = 0; b < v.size(); ++b)
            for (size_t c = 0; c < v.size(); ++c) {
                ObliqueEntries in;
                in.faE = v[a];
                in.frA = v[b];
                in.frB = v[c];
                in.eA = v[(a + b) % v.size()];
                in.yA = v[(b + c) % v.size()];
                in.eB = v[(a + c) % v.size()];
                in.yB = v[(a + b + c) % v.size()];
                ObliqueState state;
                const Outcome out = calculateOblique(state, in, ',');
                ++runs;
                if (out.stopped()) continue;
                ASSERT_EQ(out.steps().size(), 4u);
                for (const auto& s : out.steps()) {
                    EXPECT_FALSE(s.text.empty());
                    EXPECT_EQ(s.text.find_first_of("ni"), std::string::npos) << s.text;
                }
            }
    EXPECT_EQ(runs, 1331);
}

TEST(ContactOblique, MountingsAndDrawings) {
    EXPECT_EQ(mountingItems(), (std::vector<std::string_view>{kMontageX, kMontageO}));
    EXPECT_EQ(mountingDrawing("Montage en X"), "images/Montage-X.bmp");
    EXPECT_EQ(mountingDrawing("Montage en O"), "images/Montage-O.bmp");
    EXPECT_TRUE(mountingDrawing("Montage en Y").empty());
    EXPECT_NE(missingDrawingMessage("/opt/images/Montage-O.bmp").find("/opt/images/Montage-O.bmp"),
              std::string::npos);
}

TEST(ContactOblique, ReportLinesForBothMountings) {
    for (const char* mounting : {"Montage en X", "Montage en O"}) {
        ObliqueReportFields f{"B7",  mounting, "0,37",   "1,6",     "1000",   "500",    "0,37",
                              "1,6", "1000",   "812,50", "1700,00", "312,50", "1000,00"};
        const auto lines = obliqueReportLines(f, "01/02/2025");
        ASSERT_EQ(lines.size(), 9u + 25u);
        EXPECT_EQ(lines[0].text, kObliqueReportTitle);
        EXPECT_EQ(lines[4].text, "Référence : B7");
        std::vector<std::string> body;
        for (size_t i = 9; i < lines.size(); ++i)
            body.push_back((lines[i].bold ? "*" : "") + lines[i].text);
        const std::vector<std::string> expected = {
            "",
            std::string("- ") + mounting,
            "",
            "- Roulement A",
            "  e = 0,37",
            "  Y = 1,6",
            "  Charge Radiale Appliquée : Fr = 1000 N",
            "  Charge Axiale Appliquée : Fa = 500 N",
            "",
            "- Roulement B",
            "  e = 0,37",
            "  Y = 1,6",
            "  Charge Radiale Appliquée : Fr = 1000 N",
            "",
            "",
            "*> Résultats",
            "",
            "- Roulement A",
            "  Charge Axiale Induite : Fa' = 812,50 N",
            "  Charge Dynamique Equivalente : P = 1700,00 N",
            "",
            "- Roulement B",
            "  Charge Axiale Induite : Fa' = 312,50 N",
            "  Charge Dynamique Equivalente : P = 1000,00 N",
            "",
        };
        EXPECT_EQ(body, expected);
    }
}

#include "spring_strength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace torvel::springs;
using torvel::Outcome;

namespace {

constexpr const char* k180 = "Rapprochées, meulées, à 180°";
const std::string kTyped(kTypedMaterial);

// The worked example of the window: d = 2, Dm = 20, F1 = 10 at 50, F2 = 20 at 40.
SpringEntries example(const char* d = "2", const char* F1 = "10", const char* L1 = "50") {
    return {d, "20", "8150", "7.85", F1, L1, "20", "40", k180};
}

}  // namespace

// Rows that two public sources print alike, and the step rule between rows
// (a d between two rows takes the next row's Rm: DH 2.05 takes the 2.10 row).
TEST(SpringMaterials, MinimumRmByGradeAndDiameter) {
    struct Case {
        const char* grade;  // after "EN 10270-"
        float d;
        int Rm;  // MPa; 0: outside the grade's table
    };
    const Case cases[] = {
        {"1 DH", 1.00f, 2230},     {"1 DH", 2.00f, 1980},     {"1 DH", 2.05f, 1970},
        {"1 DH", 2.10f, 1970},     {"1 DH", 2.1001f, 1900},   {"1 DH", 3.00f, 1840},
        {"1 DH", 4.00f, 1740},     {"1 SH", 2.05f, 1970},     {"1 SM", 2.00f, 1760},
        {"1 DM", 5.00f, 1460},     {"1 DM", 4.5f, 1460},      {"2 FDSiCr", 7.00f, 1740},
        {"2 FDC", 0.50f, 1900},    {"2 FDC", 0.81f, 1860},    {"3 1.4310", 2.00f, 1700},
        {"3 1.4310", 1.00f, 1900}, {"3 1.4310", 0.20f, 2200}, {"3 1.4401", 2.00f, 1400},
        {"3 1.4401", 1.2f, 1450},  {"1 DH", 10.0f, 1410},     {"1 DH", 10.01f, 0},
        {"1 DH", 0.99f, 0},        {"1 SL", 0.5f, 0},         {"2 FDC", 0.49f, 0},
        {"2 VDC", 0.8f, 0},        {"3 1.4401", 5.01f, 0},    {"3 1.4310", 0.19f, 0},
        {"1 DH", 0.0f, 0},
    };
    for (const Case& c : cases) {
        const WireGrade* grade = findGrade("EN 10270-" + std::string(c.grade));
        ASSERT_NE(grade, nullptr) << c.grade;
        EXPECT_EQ(minimumRm(*grade, c.d).value_or(0), c.Rm) << c.grade << " d = " << c.d;
    }
    EXPECT_EQ(findGrade(kTypedMaterial), nullptr);
}

// τ ≤ τzul holds, τ just above does not; the same at block.
TEST(SpringStrength, PermissibleStressesAtTheirBoundaries) {
    struct Case {
        float Rm, T2, Tb;
        bool heldAtF2, heldAtBlock;
    };
    const Case cases[] = {{200, 100, 112, true, true},
                          {200, 100.001f, 112.001f, false, false},
                          {200, 99.99f, 300, true, false},
                          {1000, 0, 0, true, true}};
    for (const Case& c : cases) {
        const auto s = springStrength(c.Rm, {.d = 2, .Dm = 20, .F1 = 10, .F2 = 20},
                                      {.Dd = 10, .T2 = c.T2, .Tb = c.Tb}, 1.135f, false, false);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->heldAtF2, c.heldAtF2) << c.T2;
        EXPECT_EQ(s->heldAtBlock, c.heldAtBlock) << c.Tb;
        // No factor for a stress at rest, rather than an infinite one.
        EXPECT_EQ(s->S2.has_value(), c.T2 > 0);
    }
}

// The fatigue values against the formulas evaluated here in double precision,
// and the published Zimmerli–Goodman endurance of DH 3 mm wire (Rm 1840 MPa):
// Sse = 348.0 MPa, shot-peened 702.1 MPa.
TEST(SpringStrength, FatigueAgainstAnIndependentEvaluation) {
    struct Case {
        float d, Dm, F1, F2, Rm;
        bool peened;
    };
    const Case cases[] = {{2, 20, 10, 20, 198, false},   {2, 20, 10, 20, 198, true},
                          {3, 24, 0, 40, 184, false},    {3, 24, 30, 40, 184, true},
                          {1.5f, 12, 20, 5, 250, false}, {9.9f, 60, 100, 900, 141, false}};
    for (const Case& c : cases) {
        auto tau = [&](double F) { return 8 * c.Dm * F / (std::numbers::pi * c.d * c.d * c.d); };
        const double w = static_cast<double>(c.Dm) / c.d, k = (w + 0.5) / (w - 0.75);
        const double T1 = tau(c.F1), T2 = tau(c.F2);
        const double tka = k * std::fabs(T2 - T1) / 2, tkm = k * (T2 + T1) / 2;
        const double Ssa = c.peened ? 39.8 : 24.1, Ssm = c.peened ? 53.4 : 37.9;
        const double Ssu = 0.67 * c.Rm, Sse = Ssa / (1 - Ssm / Ssu);
        const double nf = 1 / (tka / Sse + tkm / Ssu);

        const SpringInputs in{.d = c.d, .Dm = c.Dm, .F1 = c.F1, .F2 = c.F2};
        const SpringResults r{.Dd = static_cast<float>(w), .T2 = static_cast<float>(T2)};
        const auto s = springStrength(c.Rm, in, r, static_cast<float>(k), true, c.peened);
        ASSERT_TRUE(s && s->fatigue && s->fatigue->nf) << c.d;
        const SpringFatigue& f = *s->fatigue;
        for (const auto& [got, want] :
             {std::pair{f.tka, tka}, {f.tkm, tkm}, {*f.Ssu, Ssu}, {*f.Sse, Sse}, {*f.nf, nf}})
            EXPECT_NEAR(got / want, 1, 2e-6) << c.d << " " << c.F1 << " " << got << " " << want;
    }
    const SpringInputs dh3{.d = 3, .Dm = 24, .F1 = 0, .F2 = 40};
    for (const auto& [peened, Sse] : {std::pair{false, 34.80}, {true, 70.21}}) {
        const auto s = springStrength(184, dh3, {.Dd = 8, .T2 = 30}, 1.18f, true, peened);
        EXPECT_NEAR(*s->fatigue->Sse, Sse, 0.005) << peened;
    }
}

// The verdicts, the warnings that let the geometry through without the
// strength they concern, and the stops that change nothing.
TEST(SpringStrength, VerdictsMessagesAndWhatTheyLeave) {
    struct Case {
        SpringEntries spring;
        std::string_view material, Rm, load, peened;
        std::string message, verdict;
        const char* nf;  // as written; nullptr: stopped
    };
    const char *DH = "EN 10270-1 DH", *SL = "EN 10270-1 SL";
    const std::string held = std::string(kTextHeldAtF2) + "\n" + kTextHeldAtBlock;
    const std::string notHeld = std::string(kTextNotHeldAtF2) + "\n" + kTextNotHeldAtBlock;
    const std::string blockNotHeld = std::string(kTextHeldAtF2) + "\n" + kTextNotHeldAtBlock;
    const std::string thick = diameterOutsideGradeMessage(*findGrade(DH), 12, '.');
    const std::string staticGrade = staticGradeMessage(*findGrade(SL));
    const SpringEntries ex = example(),
                        d12 = {"12", "120", "8150", "7.85", "100", "150", "200", "120", k180};
    SpringEntries d10 = d12;
    d10.d = "10", d10.Dm = "100";
    const Case cases[] = {
        {ex, kTyped, "700", "Statique", "Non", "", held, ""},
        {example("2", "18", "42"), kTyped, "700", "Dynamique", "Non", "",
         held + "\n" + kTextFatigueHeld, "1.759"},
        {ex, kTyped, "", "Dynamique", "Oui", "", "", ""},
        {d12, DH, "", "Statique", "Non", thick, "", ""},
        {ex, SL, "", "Dynamique", "Non", staticGrade, notHeld + "\n" + kTextFatigueNotHeld,
         "0.499"},
        {d10, DH, "", "Dynamique", "Non", kMsgFatigueDiameter, blockNotHeld, ""},
        {ex, kTyped, "56", "Dynamique", "Non", kMsgGoodmanUndefined, notHeld, ""},
        {ex, kTyped, "0", "Statique", "Non", kMsgRm, "", nullptr},
        {ex, kTyped, "abc", "Statique", "Non", kMsgRm, "", nullptr},
        {ex, kTyped, "1e39", "Statique", "Non", kMsgRm, "", nullptr},
        {ex, "Acier", "", "Statique", "Non", kMsgMaterial, "", nullptr},
        {ex, kTyped, "", "Choc", "Non", kMsgLoading, "", nullptr},
        {ex, kTyped, "", "Statique", "", kMsgLoading, "", nullptr},
        {example("0"), "Acier", "0", "", "", kMsgWire, "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.material) + " Rm " + std::string(c.Rm));
        SpringStudyState state;
        const Outcome out =
            calculateSpringStudy(state, c.spring, {c.material, c.Rm, c.load, c.peened}, '.');
        EXPECT_EQ(out.messages(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        EXPECT_EQ(out.stopped(), c.nf == nullptr);
        if (!c.nf) {
            EXPECT_EQ(out.steps().size(), 1u);
            EXPECT_FALSE(state.computed);
            continue;
        }
        const std::string *verdict = out.written("LabelResistance"), *nf = out.written("TextNf"),
                          *R = out.written("TextR");
        ASSERT_TRUE(verdict && nf && R);
        EXPECT_EQ(*verdict, c.verdict);
        EXPECT_EQ(*nf, c.nf);
        EXPECT_NE(*R, "");
    }
}

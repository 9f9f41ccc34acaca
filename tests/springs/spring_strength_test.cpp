#include "spring_strength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

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
// Rm 0: d outside the grade's table.
TEST(SpringMaterials, MinimumRmByGradeAndDiameter) {
    const std::tuple<const char*, float, int> cases[] = {
        {"1 DH", 1.00f, 2230},  {"1 DH", 2.00f, 1980},     {"1 DH", 2.05f, 1970},
        {"1 DH", 2.10f, 1970},  {"1 DH", 2.1001f, 1900},   {"1 DH", 10.0f, 1410},
        {"1 SM", 2.00f, 1760},  {"1 DM", 4.5f, 1460},      {"2 FDSiCr", 7.00f, 1740},
        {"2 FDC", 0.81f, 1860}, {"3 1.4310", 0.20f, 2200}, {"3 1.4401", 1.2f, 1450},
        {"1 DH", 10.01f, 0},    {"1 DH", 0.99f, 0},        {"1 SL", 0.5f, 0},
    };
    for (const auto& [grade, d, Rm] : cases) {
        const WireGrade* found = findGrade("EN 10270-" + std::string(grade));
        ASSERT_NE(found, nullptr) << grade;
        EXPECT_EQ(minimumRm(*found, d).value_or(0), Rm) << grade << " d = " << d;
    }
    EXPECT_EQ(findGrade(kTypedMaterial), nullptr);
}

// τ ≤ τzul holds, τ just above does not; the same at block. No factor for a
// stress at rest, rather than an infinite one.
TEST(SpringStrength, PermissibleStressesAtTheirBoundaries) {
    using Case = std::tuple<float, float, float, bool, bool>;
    const Case cases[] = {{200, 100, 112, true, true},      {200, 100.001f, 112.001f, false, false},
                          {200, 99.99f, 300, true, false},  {200, 100.001f, 112, false, true},
                          {1000, 500, 560.1f, true, false}, {1000, 0, 0, true, true}};
    for (const auto& [Rm, T2, Tb, atF2, atBlock] : cases) {
        const auto s = springStrength(Rm, {.d = 2, .Dm = 20, .F1 = 10, .F2 = 20},
                                      {.Dd = 10, .T2 = T2, .Tb = Tb}, 1.135f, false, false);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(std::tuple(s->heldAtF2, s->heldAtBlock, s->S2.has_value()),
                  std::tuple(atF2, atBlock, T2 > 0))
            << T2 << " " << Tb;
    }
}

// The fatigue values against the formulas evaluated here in double precision,
// and the published Zimmerli–Goodman endurance of DH 3 mm wire (Rm 1840 MPa):
// Sse = 348.0 MPa, shot-peened 702.1 MPa.
TEST(SpringStrength, FatigueAgainstAnIndependentEvaluation) {
    using Case = std::tuple<float, float, float, float, float, bool>;
    const Case cases[] = {{2, 20, 10, 20, 198, false},   {2, 20, 10, 20, 198, true},
                          {3, 24, 0, 40, 184, false},    {3, 24, 30, 40, 184, true},
                          {1.5f, 12, 20, 5, 250, false}, {9.9f, 60, 100, 900, 141, false}};
    for (const auto& [d, Dm, F1, F2, Rm, peened] : cases) {
        const double tau = 8 * Dm / (std::numbers::pi * d * d * d), T1 = tau * F1, T2 = tau * F2;
        const double w = static_cast<double>(Dm) / d, k = (w + 0.5) / (w - 0.75);
        const double tka = k * std::fabs(T2 - T1) / 2, tkm = k * (T2 + T1) / 2;
        const double Ssa = peened ? 39.8 : 24.1, Ssm = peened ? 53.4 : 37.9;
        const double Ssu = 0.67 * Rm, Sse = Ssa / (1 - Ssm / Ssu);
        const double nf = 1 / (tka / Sse + tkm / Ssu);

        const SpringResults r{.Dd = static_cast<float>(w), .T2 = static_cast<float>(T2)};
        const auto s = springStrength(Rm, {.d = d, .Dm = Dm, .F1 = F1, .F2 = F2}, r,
                                      static_cast<float>(k), true, peened);
        ASSERT_TRUE(s && s->fatigue && s->fatigue->nf) << d;
        const SpringFatigue& f = *s->fatigue;
        for (const auto& [got, want] :
             {std::pair{f.tka, tka}, {f.tkm, tkm}, {*f.Ssu, Ssu}, {*f.Sse, Sse}, {*f.nf, nf}})
            EXPECT_NEAR(got / want, 1, 2e-6) << d << " " << F1 << " " << got << " " << want;
    }
    const SpringInputs dh3{.d = 3, .Dm = 24, .F1 = 0, .F2 = 40};
    for (const auto& [peened, Sse] : {std::pair{false, 34.80}, {true, 70.21}}) {
        const auto s = springStrength(184, dh3, {.Dd = 8, .T2 = 30}, 1.18f, true, peened);
        EXPECT_NEAR(*s->fatigue->Sse, Sse, 0.005) << peened;
    }
}

// The verdicts, the warnings that let the geometry through without the
// strength they concern, and the stops that change nothing (nf nullptr).
TEST(SpringStrength, VerdictsMessagesAndWhatTheyLeave) {
    using Case = std::tuple<SpringEntries, std::string_view, std::string_view, std::string_view,
                            std::string_view, std::string, std::string, const char*>;
    const char *DH = "EN 10270-1 DH", *SL = "EN 10270-1 SL";
    const std::string held = std::string(kTextHeldAtF2) + "\n" + kTextHeldAtBlock;
    const std::string notHeld = std::string(kTextNotHeldAtF2) + "\n" + kTextNotHeldAtBlock;
    const std::string blockNotHeld = std::string(kTextHeldAtF2) + "\n" + kTextNotHeldAtBlock;
    const SpringEntries ex = example(),
                        d12 = {"12", "120", "8150", "7.85", "100", "150", "200", "120", k180};
    SpringEntries d10 = d12;
    d10.d = "10", d10.Dm = "100";
    const Case cases[] = {
        {ex, kTyped, "700", "Statique", "Non", "", held, ""},
        {example("2", "18", "42"), kTyped, "700", "Dynamique", "Non", "",
         held + "\n" + kTextFatigueHeld, "1.759"},
        {ex, kTyped, "", "Dynamique", "Oui", "", "", ""},
        {d12, DH, "", "Statique", "Non", diameterOutsideGradeMessage(*findGrade(DH), 12, '.'), "",
         ""},
        {ex, SL, "", "Dynamique", "Non", staticGradeMessage(*findGrade(SL)),
         notHeld + "\n" + kTextFatigueNotHeld, "0.499"},
        {d10, DH, "", "Dynamique", "Non", kMsgFatigueDiameter, blockNotHeld, ""},
        {ex, kTyped, "56", "Dynamique", "Non", kMsgGoodmanUndefined, notHeld, ""},
        {ex, kTyped, "0", "Statique", "Non", kMsgRm, "", nullptr},
        {ex, kTyped, "1e39", "Statique", "Non", kMsgRm, "", nullptr},
        {ex, "Acier", "", "Statique", "Non", kMsgMaterial, "", nullptr},
        {ex, kTyped, "", "Choc", "Non", kMsgLoading, "", nullptr},
        {example("0"), "Acier", "0", "", "", kMsgWire, "", nullptr},
    };
    for (const auto& [spring, material, Rm, load, peened, message, verdict, nf] : cases) {
        SpringStudyState state;
        const Outcome out = calculateSpringStudy(state, spring, {material, Rm, load, peened}, '.');
        auto shown = [&out](const char* name) {
            const std::string* s = out.written(name);
            return s ? *s : "-";
        };
        EXPECT_EQ(out.messages(),
                  message.empty() ? std::vector<std::string>{} : std::vector{message})
            << material << " Rm " << Rm;
        EXPECT_EQ(shown("LabelResistance") + "|" + shown("TextNf"), nf ? verdict + "|" + nf : "-|-")
            << material << " Rm " << Rm;
        // Stopped: the message alone, nothing written, nothing kept.
        EXPECT_EQ(std::tuple(out.stopped(), out.steps().size() == 1, state.computed),
                  std::tuple(!nf, !nf, nf != nullptr));
    }
}

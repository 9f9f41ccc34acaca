#include "spring_strength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace torvel::springs;
using torvel::Outcome;

namespace {

constexpr const char* k180 = "Rapprochées, meulées, à 180°";
const std::string kTyped(kTypedMaterial);
constexpr const char* kDH = "EN 10270-1 DH";

// The worked example of the window: d = 2, Dm = 20, F1 = 10 at 50, F2 = 20 at 40.
SpringEntries example(const char* d = "2", const char* F1 = "10", const char* L1 = "50") {
    return {d, "20", "8150", "7.85", F1, L1, "20", "40", k180};
}

// DH 3 mm, Dm 24, from 11.3 daN at 46.3 mm to 22.6 daN at 35 mm: holds
// statically, at block and between its two points (τk1 30.0, τk2 60.0).
const SpringEntries kHeld{"3", "24", "8150", "7.85", "11.3", "46.3", "22.6", "35", k180};

SpringEntries swapped(SpringEntries e) {
    std::swap(e.F1, e.F2);
    std::swap(e.L1, e.L2);
    return e;
}

std::string shown(const Outcome& out, const char* name) {
    const std::string* s = out.written(name);
    return s ? *s : "-";
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

// τ ≤ τzul holds, τ just above does not; the same at block. The static check
// takes the larger of the two stresses, whichever point it belongs to. No
// factor for a stress at rest, rather than an infinite one.
TEST(SpringStrength, PermissibleStressesAtTheirBoundaries) {
    // T1 = 8·20·F1/(π·8) = 6.366·F1: F1 = 15.708 gives 100.0.
    using Case = std::tuple<float, float, float, float, bool, bool>;
    const Case cases[] = {
        {200, 0, 100, 112, true, true},      {200, 0, 100.001f, 112.001f, false, false},
        {200, 0, 99.99f, 300, true, false},  {200, 0, 100.001f, 112, false, true},
        {1000, 0, 500, 560.1f, true, false}, {200, 15.8f, 50, 100, false, true},
        {200, 15.6f, 50, 100, true, true},   {1000, 0, 0, 0, true, true}};
    for (const auto& [Rm, F1, T2, Tb, atMax, atBlock] : cases) {
        const SpringInputs in{.d = 2, .Dm = 20, .F1 = F1, .F2 = 20};
        const SpringResults r{.Dd = 10, .T2 = T2, .Tb = Tb};
        const auto s = springStrength(Rm, in, r, checkSpring(in, r), false, false, nullptr);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(std::tuple(s->heldAtMax, s->heldAtBlock, s->S2.has_value()),
                  std::tuple(atMax, atBlock, T2 > 0 || F1 > 0))
            << F1 << " " << T2 << " " << Tb;
    }
}

// The EN 13906-1 reading against an independent evaluation of the digitised
// points (log-d interpolation, rising line then cap, τkH = τkO(τk1) − τk1):
// (grade, peened, d, τk1, τk2) → τkO, τkH, nf, and which diagram was read.
// Held is nf ≥ 1; no diagram, no verdict.
TEST(SpringFatigue, DiagramReadingAgainstAnIndependentEvaluation) {
    struct Case {
        const char* grade;
        bool peened;
        float d, tk1, tk2;
        const char* diagram;  // "DH+" peened, "DH" not; "" none
        double tkO, tkH, nf;
    };
    const Case cases[] = {
        {"1 DH", false, 3, 30, 60, "DH", 64.5982, 34.5982, 1.1533},
        {"1 DH", false, 4, 30, 60, "DH", 62.9082, 32.9082, 1.0969},  // between 3 and 5 mm
        {"1 DH", true, 9.9f, 20, 50, "DH+", 54.6264, 34.6264, 1.1542},
        {"1 DH", true, 2, 40, 70, "DH+", 83.6291, 43.6291, 1.4543},
        {"1 DH", false, 10, 0, 40, "DH", 32.5, 32.5, 0.8125},
        {"2 FDC", false, 8, 25, 44.99f, "FDC", 45.0, 20.0, 1.0005},
        {"2 FDC", false, 8, 25, 45.01f, "FDC", 45.0, 20.0, 0.9995},
        {"2 FDC", true, 3, 30, 55, "FDC+", 65.1667, 35.1667, 1.4067},
        {"2 TDC", true, 3, 30, 55, "FDC+", 65.1667, 35.1667, 1.4067},
        // Peened beyond the peened rows, or a family without a peened diagram:
        // the unpeened diagram.
        {"2 FDC", true, 6, 30, 55, "FDC", 51.0202, 21.0202, 0.8408},
        {"2 VDC", true, 3, 30, 50, "VDC", 66.8478, 36.8478, 1.8424},
        {"2 VDC", false, 5, 34.8f, 60, "VDC", 67.2, 32.4, 1.2857},
        // Past the lower stress of the cap, and above the cap itself.
        {"1 DH", false, 3, 70, 92.5f, "DH", 92.0, 22.0, 0.9778},
        {"1 DH", false, 3, 95, 99, "DH", 92.0, 0.0, 0.0},
        // No diagram: outside the rows, never extrapolated; grades without data.
        {"1 DH", false, 0.99f, 30, 60, "", 0, 0, 0},
        {"1 DH", true, 10.01f, 30, 60, "", 0, 0, 0},
        {"2 VDC", false, 5.01f, 30, 60, "", 0, 0, 0},
        {"2 FDC", false, 8.5f, 30, 60, "", 0, 0, 0},
        {"1 SH", false, 3, 30, 60, "", 0, 0, 0},
        {"1 DM", true, 3, 30, 60, "", 0, 0, 0},
        {"2 VDSiCr", false, 3, 30, 60, "", 0, 0, 0},
        {"3 1.4310", false, 3, 30, 60, "", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.grade) + (c.peened ? " peened d = " : " d = ") +
                     std::to_string(c.d));
        const auto f = fatigueCheck(findGrade("EN 10270-" + std::string(c.grade)), c.peened, c.d,
                                    c.tk1, c.tk2);
        ASSERT_TRUE(f.has_value());
        EXPECT_NEAR(f->tkh, c.tk2 - c.tk1, 1e-5);
        const std::string read =
            f->diagram ? std::string(f->diagram->family) + (f->diagram->peened ? "+" : "") : "";
        EXPECT_EQ(read, c.diagram);
        EXPECT_EQ(f->unpeenedDiagram, f->diagram && c.peened && !f->diagram->peened);
        if (!f->diagram) {
            EXPECT_FALSE(f->nf.has_value());
            EXPECT_FALSE(f->evaluated() || f->held());
            continue;
        }
        EXPECT_NEAR(f->tkO, c.tkO, 2e-4);
        EXPECT_NEAR(f->tkH, c.tkH, 2e-4);
        EXPECT_NEAR(*f->nf, c.nf, 1e-4);
        EXPECT_EQ(f->held(), c.nf >= 1);
        EXPECT_EQ(f->aboveCap, c.tk2 > f->line.tkOmax);
    }
    // The research's vector at a diameter between rows: DH not peened, 4 mm.
    const auto dh4 = readDiagram(*findDiagram("DH", false), 4);
    ASSERT_TRUE(dh4.has_value());
    EXPECT_NEAR(dh4->tkO0, 40.81, 0.01);
    EXPECT_NEAR(dh4->tkOmax, 87.16, 0.01);
    EXPECT_NEAR(dh4->tkUcap, 62.92, 0.01);
    EXPECT_NEAR(dh4->upper(30) - 30, 32.91, 0.01);
}

// Sa = n·(0.0015·D²/d + 0.1·d), × 1.5 under a dynamic load, and the lengths
// against Lb and Ln = Lb + Sa: beyond block, coils touching, enough gaps.
TEST(SpringChecks, GapsAndBlockAtTheirBoundaries) {
    struct Case {
        float L2, Lb;
        bool dynamic;
        float Sa;
        bool beyond, touch;
    };
    const Case cases[] = {
        {30, 20, false, 4, false, false}, {30, 20, true, 6, false, false},
        {24, 20, false, 4, false, false}, {23.99f, 20, false, 4, false, true},
        {20, 20, false, 4, false, true},  {19.99f, 20, false, 4, true, false},
        {25, 20, true, 6, false, true},
    };
    for (const Case& c : cases) {
        // D = 20, d = 2, n = 8: 8·(0.3 + 0.2) = 4 mm.
        const auto k = checkSpring({.d = 2, .Dm = 20, .F1 = 1, .L1 = 50, .F2 = 10, .L2 = c.L2},
                                   {.Dd = 10, .ni = 8, .Lb = c.Lb, .L0 = 60, .p0 = 5}, c.dynamic);
        SCOPED_TRACE(std::to_string(c.L2) + (c.dynamic ? " dynamic" : " static"));
        EXPECT_NEAR(k.Sa, c.Sa, 1e-5);
        EXPECT_NEAR(k.Ln, c.Lb + c.Sa, 1e-5);
        EXPECT_EQ(std::tuple(k.beyondBlock, k.coilsTouch), std::tuple(c.beyond, c.touch));
    }
}

// The verdicts, the warnings that let the geometry through without the
// strength they concern, and the stops that change nothing (nf nullptr).
TEST(SpringStrength, VerdictsMessagesAndWhatTheyLeave) {
    using Case = std::tuple<SpringEntries, std::string_view, std::string_view, std::string_view,
                            std::string_view, std::string, std::string, const char*>;
    const char* SL = "EN 10270-1 SL";
    const std::string heldAtF2 = "Sous la charge maximale F2 : τ ≤ τzul, le fil tient";
    const std::string notAtF2 =
        "Sous la charge maximale F2 : τ > τzul, le fil ne tient pas (risque de tassement)";
    const std::string held = heldAtF2 + "\n" + kTextHeldAtBlock;
    const std::string notHeld = notAtF2 + "\n" + kTextNotHeldAtBlock;
    const std::string dhLine =
        "Fatigue (10^7 cycles, diagramme EN 13906-1 DH non grenaillé "
        "(données de 1 à 10 mm)) : ";
    const SpringEntries ex = example(),
                        d12 = {"12", "120", "8150", "7.85", "100", "150", "200", "120", k180};
    const Case cases[] = {
        {ex, kTyped, "70", "Statique", "Non", "", notHeld, ""},
        {kHeld, kDH, "", "Statique", "Non", "", held, ""},
        {kHeld, kDH, "", "Dynamique", "Non", "",
         held + "\n" + dhLine + "τkh ≤ τkH et τk2 ≤ τkO, nf ≥ 1, tenue assurée", "1.154"},
        {kHeld, "EN 10270-2 VDC", "", "Dynamique", "Oui", "",
         held + "\nFatigue (10^7 cycles, diagramme EN 13906-1 VDC non grenaillé (données de 1 à 5 "
                "mm), faute de diagramme du fil grenaillé à ce diamètre) : τkh ≤ τkH et τk2 ≤ τkO, "
                "nf ≥ 1, tenue assurée",
         "1.229"},
        {kHeld, kTyped, "184", "Dynamique", "Oui", "",
         held + "\nFatigue (10^7 cycles) : pas de diagramme de fatigue EN 13906-1 pour un "
                "matériau saisi : la tenue en fatigue n'est pas évaluée",
         ""},
        {ex, kTyped, "", "Dynamique", "Oui", "", "", ""},
        {d12, kDH, "", "Statique", "Non", diameterOutsideGradeMessage(*findGrade(kDH), 12, '.'), "",
         ""},
        {ex, SL, "", "Dynamique", "Non", staticGradeMessage(*findGrade(SL)),
         notHeld + "\nFatigue (10^7 cycles) : pas de diagramme de fatigue EN 13906-1 pour la "
                   "nuance EN 10270-1 SL : la tenue en fatigue n'est pas évaluée",
         ""},
        // A static grade with an EN diagram is warned and checked on it.
        {kHeld, "EN 10270-2 FDC", "", "Dynamique", "Non",
         staticGradeMessage(*findGrade("EN 10270-2 FDC")),
         held + "\nFatigue (10^7 cycles, diagramme EN 13906-1 FDC non grenaillé (données de 1 à 8 "
                "mm)) : τkh > τkH et τk2 > τkO, nf < 1, tenue non assurée",
         "0.847"},
        {ex, kTyped, "1800", "Statique", "Non", rmRangeMessage(1800, '.'), held, ""},
        {ex, kTyped, "59.9", "Statique", "Non", rmRangeMessage(59.9f, '.'), notHeld, ""},
        {ex, kTyped, "0", "Statique", "Non", kMsgRm, "", nullptr},
        {ex, kTyped, "1e39", "Statique", "Non", kMsgRm, "", nullptr},
        {ex, "Acier", "", "Statique", "Non", kMsgMaterial, "", nullptr},
        {ex, kTyped, "", "Choc", "Non", kMsgLoading, "", nullptr},
        {example("0"), "Acier", "0", "", "", kMsgWire, "", nullptr},
    };
    for (const auto& [spring, material, Rm, load, peened, message, verdict, nf] : cases) {
        SpringStudyState state;
        const Outcome out = calculateSpringStudy(state, spring, {material, Rm, load, peened}, '.');
        SCOPED_TRACE(std::string(material) + " Rm " + std::string(Rm) + " " + std::string(load));
        EXPECT_EQ(out.messages(),
                  message.empty() ? std::vector<std::string>{} : std::vector{message});
        EXPECT_EQ(shown(out, "LabelResistance") + "|" + shown(out, "TextNf"),
                  nf ? verdict + "|" + nf : "-|-");
        // Stopped: the message alone, nothing written, nothing kept.
        EXPECT_EQ(std::tuple(out.stopped(), out.steps().size() == 1, state.computed),
                  std::tuple(!nf, !nf, nf != nullptr));
    }
    EXPECT_EQ(
        staticGradeMessage(*findGrade(SL)),
        "La nuance EN 10270-1 SL est destinée par l'EN 10270 aux charges statiques :\npour un "
        "ressort sollicité dynamiquement, préférez une nuance d'usage dynamique (DM, DH, TD "
        "ou VD). La tenue en fatigue n'est vérifiée que sur les diagrammes EN 13906-1 des "
        "nuances DH, FDC, TDC et VDC.");
    EXPECT_EQ(rmRangeMessage(36.5f, ','),
              "Rm = 36,5 daN/mm² sort de la plage du fil à ressort (60 à 360 daN/mm², soit 600 "
              "à 3600 MPa) :\nvérifiez l'unité, Rm se saisit en daN/mm². Le calcul se poursuit "
              "avec cette valeur.");
}

// The same spring typed with its two points the other way round: the same
// checks, verdicts and colours, the loaded point named as typed.
TEST(SpringStrength, SwappingTheWorkingPointsKeepsTheVerdicts) {
    const SpringEntries springs[] = {
        kHeld,
        example(),
        {"2", "16", "8150", "7.85", "5", "40", "15", "10", k180},        // beyond block
        {"2", "20", "8150", "7.85", "5", "100", "15", "60", k180},       // buckles
        {"2", "12", "8150", "7.85", "10", "30", "21.76", "20.2", k180},  // coils touch
    };
    for (const SpringEntries& e : springs) {
        for (const char* load : {"Statique", "Dynamique"}) {
            SpringStudyState a, b;
            const StrengthEntries wire{kDH, "", load, "Non"};
            const Outcome x = calculateSpringStudy(a, e, wire, '.');
            const Outcome y = calculateSpringStudy(b, swapped(e), wire, '.');
            SCOPED_TRACE(std::string(e.F2) + " at " + std::string(e.L2) + " " + load);
            ASSERT_FALSE(x.stopped() || y.stopped());
            EXPECT_EQ(std::tuple(a.resistance, a.buckling, a.block, a.domain),
                      std::tuple(b.resistance, b.buckling, b.block, b.domain));
            EXPECT_EQ(std::tuple(a.checks.loadedPoint, b.checks.loadedPoint), std::tuple(2, 1));
            for (const char* name : {"TextS2", "TextSb", "TextSa", "TextLn", "TextTka", "TextTkm",
                                     "TextTse", "TextNf"})
                EXPECT_EQ(shown(x, name), shown(y, name)) << name;
            for (const char* name : {"LabelResistance", "LabelFlambage", "LabelBloc"}) {
                std::string other = shown(y, name);
                for (auto [from, to] : {std::pair{"F1", "F2"}, {"L1", "L2"}})
                    for (size_t at = other.find(from); at != std::string::npos;
                         at = other.find(from, at + 2))
                        other.replace(at, 2, to);
                EXPECT_EQ(shown(x, name), other) << name;
            }
        }
    }
}

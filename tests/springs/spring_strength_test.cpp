#include "spring_strength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace torvel::springs;
using torvel::Outcome;

namespace {

constexpr const char* k180 = "Rapprochées, meulées, à 180°";
const std::string kTyped(kTypedMaterial);

// The worked example of the window: d = 2, Dm = 20, F1 = 10 at 50, F2 = 20 at 40.
SpringEntries example(const char* d = "2", const char* G = "7000") {
    return {d, "20", G, "7.86", "10", "50", "20", "40", k180};
}

std::string shown(const Outcome& out, const char* field) {
    const std::string* text = out.written(field);
    return text ? *text : "<not written>";
}

}  // namespace

// Rows that two public sources print alike, and the step rule between rows.
TEST(SpringMaterials, MinimumRmByGradeAndDiameter) {
    struct Case {
        const char* grade;
        float d;
        int Rm;  // MPa; 0: outside the grade's table
    };
    const Case cases[] = {
        {"EN 10270-1 DH", 1.00f, 2230},     {"EN 10270-1 DH", 2.00f, 1980},
        {"EN 10270-1 DH", 2.05f, 1970},     {"EN 10270-1 DH", 2.10f, 1970},
        {"EN 10270-1 DH", 2.1001f, 1900},   {"EN 10270-1 DH", 3.00f, 1840},
        {"EN 10270-1 DH", 4.00f, 1740},     {"EN 10270-1 SH", 2.05f, 1970},
        {"EN 10270-1 SM", 2.00f, 1760},     {"EN 10270-1 DM", 5.00f, 1460},
        {"EN 10270-1 DM", 4.5f, 1460},      {"EN 10270-2 FDSiCr", 7.00f, 1740},
        {"EN 10270-2 FDC", 0.50f, 1900},    {"EN 10270-2 FDC", 0.81f, 1860},
        {"EN 10270-3 1.4310", 2.00f, 1700}, {"EN 10270-3 1.4310", 1.00f, 1900},
        {"EN 10270-3 1.4310", 0.20f, 2200}, {"EN 10270-3 1.4401", 2.00f, 1400},
        {"EN 10270-3 1.4401", 1.2f, 1450},  {"EN 10270-1 DH", 10.0f, 1410},
        {"EN 10270-1 DH", 10.01f, 0},       {"EN 10270-1 DH", 0.99f, 0},
        {"EN 10270-1 SL", 0.5f, 0},         {"EN 10270-2 FDC", 0.49f, 0},
        {"EN 10270-2 VDC", 0.8f, 0},        {"EN 10270-3 1.4401", 5.01f, 0},
        {"EN 10270-3 1.4310", 0.19f, 0},    {"EN 10270-1 DH", 0.0f, 0},
    };
    for (const Case& c : cases) {
        const WireGrade* grade = findGrade(c.grade);
        ASSERT_NE(grade, nullptr) << c.grade;
        EXPECT_EQ(minimumRm(*grade, c.d).value_or(0), c.Rm) << c.grade << " d = " << c.d;
    }
    EXPECT_EQ(findGrade(kTypedMaterial), nullptr);
    EXPECT_EQ(findGrade("EN 10270-1 dh"), nullptr);
}

// The list's order and each family's G and density; every table steps up in d
// and never rises in Rm, so a mistyped row shows here.
TEST(SpringMaterials, GradesInListOrderWithTheirFamilyValues) {
    const std::vector<std::string> names = {
        "EN 10270-1 SL",     "EN 10270-1 SM",     "EN 10270-1 DM",     "EN 10270-1 SH",
        "EN 10270-1 DH",     "EN 10270-2 FDC",    "EN 10270-2 TDC",    "EN 10270-2 VDC",
        "EN 10270-2 FDCrV",  "EN 10270-2 TDCrV",  "EN 10270-2 VDCrV",  "EN 10270-2 FDSiCr",
        "EN 10270-2 TDSiCr", "EN 10270-2 VDSiCr", "EN 10270-3 1.4310", "EN 10270-3 1.4401"};
    ASSERT_EQ(wireGrades().size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        const WireGrade& g = wireGrades()[i];
        EXPECT_EQ(g.name, names[i]);
        const std::string family = names[i].substr(0, 11);
        const float G = family == "EN 10270-1 " ? 8150 : family == "EN 10270-2 " ? 7950 : 0;
        if (G > 0) {
            EXPECT_EQ(g.G, G) << g.name;
            EXPECT_EQ(g.mV, 7.85f) << g.name;
        }
        const bool staticGrade =
            names[i].find(" S") != std::string::npos || names[i].find(" FD") != std::string::npos;
        EXPECT_EQ(g.duty == WireDuty::Static, staticGrade) << g.name;
        ASSERT_FALSE(g.rows.empty());
        EXPECT_LE(g.dMin, g.rows.front().d) << g.name;
        for (size_t r = 1; r < g.rows.size(); ++r) {
            EXPECT_GT(g.rows[r].d, g.rows[r - 1].d) << g.name << " row " << r;
            EXPECT_LE(g.rows[r].RmMin, g.rows[r - 1].RmMin) << g.name << " row " << r;
        }
    }
    EXPECT_EQ(findGrade("EN 10270-3 1.4310")->G, 7000.0f);
    EXPECT_EQ(findGrade("EN 10270-3 1.4310")->mV, 7.9f);
    EXPECT_EQ(findGrade("EN 10270-3 1.4401")->G, 6800.0f);
    EXPECT_EQ(findGrade("EN 10270-3 1.4401")->mV, 8.0f);
}

// τ ≤ τzul holds, τ just above does not; the same at block.
TEST(SpringStrength, PermissibleStressesAtTheirBoundaries) {
    const SpringInputs in{.d = 2, .Dm = 20, .F1 = 10, .F2 = 20};
    struct Case {
        float Rm, T2, Tb;
        bool heldAtF2, heldAtBlock;
    };
    const Case cases[] = {
        {200, 100, 112, true, true},
        {200, 100.001f, 112.001f, false, false},
        {200, 99.99f, 300, true, false},
        {1000, 0, 0, true, true},
    };
    for (const Case& c : cases) {
        const auto s =
            springStrength(c.Rm, in, {.Dd = 10, .T2 = c.T2, .Tb = c.Tb}, 1.135f, false, false);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->heldAtF2, c.heldAtF2) << c.T2;
        EXPECT_EQ(s->heldAtBlock, c.heldAtBlock) << c.Tb;
        EXPECT_EQ(s->held(), c.heldAtF2 && c.heldAtBlock);
        // No factor for a stress at rest, rather than an infinite one.
        EXPECT_EQ(s->S2.has_value(), c.T2 > 0);
        EXPECT_FALSE(s->fatigue.has_value());
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
    const Case cases[] = {
        {2, 20, 10, 20, 198, false},   {2, 20, 10, 20, 198, true},
        {3, 24, 0, 40, 184, false},    {3, 24, 30, 40, 184, true},
        {1.5f, 12, 20, 5, 250, false}, {9.9f, 60, 100, 900, 141, false},
    };
    for (const Case& c : cases) {
        const double pi = std::numbers::pi;
        auto tau = [&](double F) { return 8 * c.Dm * F / (pi * c.d * c.d * c.d); };
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

// The whole run: with the typed item and no Rm, today's writes and nothing
// more; with Rm, the strength boxes and the verdict, in both separators.
TEST(SpringStrength, CalculationWritesInBothSeparators) {
    struct Case {
        const char* what;
        SpringEntries spring;
        StrengthEntries strength;
        std::vector<std::pair<const char*, const char*>> shown;  // with a point
        std::string verdict;
    };
    const std::string notHeld = std::string(kTextNotHeldAtF2) + "\n" + kTextNotHeldAtBlock;
    const Case cases[] = {
        {"typed, no Rm",
         example(),
         {kTyped, "", "Statique", "Non"},
         {{"TextT2", "127.324"}, {"TextTzul", ""}, {"TextS2", ""}, {"TextNf", ""}},
         ""},
        {"typed, blank Rm, dynamic",
         example(),
         {kTyped, "  ", "Dynamique", "Oui"},
         {{"TextTka", ""}, {"TextTse", ""}},
         ""},
        {"typed Rm 200",
         example(),
         {kTyped, "200", "Statique", "Non"},
         {{"TextTzul", "100.000"},
          {"TextTczul", "112.000"},
          {"TextS2", "0.785"},
          {"TextSb", "0.335"},
          {"TextTka", ""}},
         notHeld},
        {"typed Rm 700: held",
         example(),
         {kTyped, "700", "Statique", "Non"},
         {{"TextS2", "2.749"}, {"TextSb", "1.173"}},
         std::string(kTextHeldAtF2) + "\n" + kTextHeldAtBlock},
        {"DH, dynamic",
         example("2", "8150"),
         {"EN 10270-1 DH", "", "Dynamique", "Non"},
         {{"TextRm", "198.0"},
          {"TextTzul", "99.000"},
          {"TextTczul", "110.880"},
          {"TextS2", "0.778"},
          {"TextSb", "0.335"},
          {"TextTka", "36.132"},
          {"TextTkm", "108.397"},
          {"TextTse", "33.739"},
          {"TextNf", "0.530"}},
         notHeld + "\n" + kTextFatigueNotHeld},
        {"DH, dynamic, peened",
         example("2", "8150"),
         {"EN 10270-1 DH", "", "Dynamique", "Oui"},
         {{"TextTse", "66.615"}, {"TextNf", "0.736"}},
         notHeld + "\n" + kTextFatigueNotHeld},
    };
    for (char sep : {'.', ','}) {
        for (const Case& c : cases) {
            SpringStudyState state;
            const Outcome out = calculateSpringStudy(state, c.spring, c.strength, sep);
            EXPECT_TRUE(out.messages().empty()) << c.what;
            EXPECT_EQ(out.written("TextRm") != nullptr, c.strength.material != kTyped) << c.what;
            for (const auto& [field, text] : c.shown) {
                std::string expected = text;
                for (char& ch : expected)
                    if (ch == '.') ch = sep;
                EXPECT_EQ(shown(out, field), expected) << c.what << " " << field;
            }
            EXPECT_EQ(shown(out, "LabelResistance"), c.verdict) << c.what;
            EXPECT_EQ(state.strength.has_value(), !c.verdict.empty()) << c.what;
        }
    }
    // Without the strength, exactly the design and check writes of before.
    SpringState before;
    SpringStudyState after;
    const Outcome old = calculateSpringWithChecks(before, example(), '.');
    const Outcome now =
        calculateSpringStudy(after, example(), {kTyped, "", "Statique", "Non"}, '.');
    ASSERT_GE(now.steps().size(), old.steps().size());
    for (size_t i = 0; i < old.steps().size(); ++i) {
        EXPECT_EQ(now.steps()[i].target, old.steps()[i].target);
        EXPECT_EQ(now.steps()[i].text, old.steps()[i].text);
    }
    for (size_t i = old.steps().size(); i < now.steps().size(); ++i)
        EXPECT_EQ(now.steps()[i].text, "") << now.steps()[i].target;
}

// Warnings let the geometry through without the strength they concern; stops
// change nothing.
TEST(SpringStrength, MessagesAndWhatTheyLeave) {
    struct Case {
        const char* what;
        SpringEntries spring;
        StrengthEntries strength;
        std::vector<std::string> messages;
        bool stopped;
        const char* nf;  // as written
    };
    const WireGrade& dh = *findGrade("EN 10270-1 DH");
    const WireGrade& sl = *findGrade("EN 10270-1 SL");
    const Case cases[] = {
        {"DH wire thicker than its table",
         {"12", "120", "8150", "7.85", "100", "150", "200", "120", k180},
         {"EN 10270-1 DH", "", "Statique", "Non"},
         {diameterOutsideGradeMessage(dh, 12, '.')},
         false,
         ""},
        {"SL under a dynamic load",
         example(),
         {"EN 10270-1 SL", "", "Dynamique", "Non"},
         {staticGradeMessage(sl)},
         false,
         "0.499"},
        {"10 mm wire under a dynamic load",
         {"10", "100", "8150", "7.85", "100", "150", "200", "120", k180},
         {"EN 10270-1 DH", "", "Dynamique", "Non"},
         {kMsgFatigueDiameter},
         false,
         ""},
        {"Rm too low for the Goodman line",
         example(),
         {kTyped, "56", "Dynamique", "Non"},
         {kMsgGoodmanUndefined},
         false,
         ""},
        {"typed Rm zero", example(), {kTyped, "0", "Statique", "Non"}, {kMsgRm}, true, nullptr},
        {"typed Rm text", example(), {kTyped, "abc", "Statique", "Non"}, {kMsgRm}, true, nullptr},
        {"typed Rm negative",
         example(),
         {kTyped, "-5", "Statique", "Non"},
         {kMsgRm},
         true,
         nullptr},
        {"typed Rm beyond single",
         example(),
         {kTyped, "1e39", "Statique", "Non"},
         {kMsgRm},
         true,
         nullptr},
        {"unknown material",
         example(),
         {"Acier", "", "Statique", "Non"},
         {kMsgMaterial},
         true,
         nullptr},
        {"unknown load", example(), {kTyped, "", "Choc", "Non"}, {kMsgLoading}, true, nullptr},
        {"unknown wire state",
         example(),
         {kTyped, "", "Statique", ""},
         {kMsgLoading},
         true,
         nullptr},
        {"geometry first", example("0"), {"Acier", "0", "", ""}, {kMsgWire}, true, nullptr},
    };
    for (const Case& c : cases) {
        SpringStudyState state;
        const SpringStudyState first = state;
        const Outcome out = calculateSpringStudy(state, c.spring, c.strength, '.');
        EXPECT_EQ(out.messages(), c.messages) << c.what;
        EXPECT_EQ(out.stopped(), c.stopped) << c.what;
        if (c.stopped) {
            EXPECT_EQ(out.steps().size(), 1u) << c.what;
            EXPECT_FALSE(state.computed) << c.what;
            EXPECT_EQ(state.spring.nd, first.spring.nd) << c.what;
            continue;
        }
        EXPECT_EQ(shown(out, "TextNf"), c.nf) << c.what;
        EXPECT_NE(shown(out, "TextR"), "") << c.what;
    }
    EXPECT_EQ(diameterOutsideGradeMessage(dh, 12, ','),
              "Le diamètre de fil d = 12,0 mm sort du tableau de Rm de la nuance EN 10270-1 DH "
              "(1,0 à 10,0 mm) :\nla résistance du fil n'est pas vérifiée. Pour la vérifier, "
              "choisissez « Matériau saisi (G, mV, Rm) » et entrez Rm.");
}

TEST(SpringDiagrams, DescriptionsAndTicks) {
    SpringStudyState state;
    EXPECT_EQ(characteristicDescription(state, ','),
              "Caractéristique du ressort : pas encore calculée.");
    EXPECT_EQ(goodmanDescription(state, ','),
              "Diagramme de Goodman : tenue en fatigue non évaluée.");
    calculateSpringStudy(state, example("2", "8150"), {"EN 10270-1 DH", "", "Dynamique", "Non"},
                         ',');
    EXPECT_EQ(characteristicDescription(state, ','),
              "Caractéristique du ressort, effort en fonction de la longueur : droite de "
              "L0 = 60,000 mm sous un effort nul à Lb = 8,075 mm sous Fb = 51,925 daN ; "
              "F1 = 10,000 daN à L1 = 50,000 mm ; F2 = 20,000 daN à L2 = 40,000 mm.");
    EXPECT_EQ(goodmanDescription(state, '.'),
              "Diagramme de Goodman (données de Zimmerli, fil non grenaillé) : droite de "
              "Sse = 33.739 daN/mm² pour τkm nul à Ssu = 132.660 daN/mm² pour τka nul ; point de "
              "fonctionnement τkm = 108.397 daN/mm², τka = 36.132 daN/mm² ; nf = 0.530.");

    const std::pair<double, double> ticks[] = {{63, 20},   {1, 0.2}, {7, 2},  {0.05, 0.01},
                                               {500, 100}, {0, 1},   {-3, 1}, {INFINITY, 1}};
    for (const auto& [span, step] : ticks)
        EXPECT_NEAR(tickStep(span, 5), step, step * 1e-12) << span;
}

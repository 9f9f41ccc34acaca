#include "duty_cycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace torvel::bearings;
using torvel::Outcome;
using torvel::Step;

namespace {

DutyEntries twoCases(bool speeds) {
    DutyEntries in;
    in.grid[0] = {"100", speeds ? "1000" : "", "2000"};
    in.grid[1] = {"100", speeds ? "3000" : "", "1000"};
    in.c = "5000";
    return in;
}

std::vector<std::string> steps(const Outcome& out) {
    std::vector<std::string> v;
    for (const auto& s : out.steps()) {
        if (s.kind == Step::Kind::Write) v.push_back(s.target + "=" + s.text);
        if (s.kind == Step::Kind::Warning) v.push_back("W:" + s.text);
        if (s.kind == Step::Kind::Stop) v.push_back("S:" + s.text);
        if (s.kind == Step::Kind::SetInput) v.push_back("R:" + s.target);
    }
    return v;
}

std::string spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

struct GeneratedDuty {
    const char *element, *disposition, *reliability, *c;
    std::vector<std::vector<std::string>> cases;
    const char *d, *dExt, *cu, *nu40, *nu100, *t, *cleanliness;
    std::vector<std::string> shown;  // name=text, the empty ones left out
};

const GeneratedDuty kDutyModified[] = {
#include "duty_modified_cases.inc"
};

}  // namespace

TEST(DutyCycle, WorkedExamplesToTheDisplayedText) {
    struct Case {
        DutyEntries in;
        char sep;
        std::vector<std::string> expected;
    };
    DutyEntries roller = twoCases(false);
    roller.element = std::string(kDutyRoller);
    roller.reliability = "95%";
    roller.c = "3000";
    // A standstill phase between two running ones counts in T only.
    DutyEntries standstill;
    standstill.grid[0] = {"100", "1000", "1000"};
    standstill.grid[1] = {"50", "0", "0"};
    standstill.grid[2] = {"100", "1000", "3000"};
    standstill.c = "20000";
    const Case cases[] = {
        // T = 250, TN = 2e5, Nm = 800, P = (2.8e15 / 2e5)^(1/3) = 2410.14.
        {standstill,
         ',',
         {"TextN= 800,00", "TextT= 250,00", "TextP=2 410,14", "TextL10=571,428 528",
          "TextL10H=11904,76"}},
        // T = 200, Nm = 2000, P = (1.1e15 / 4e5)^(1/3) = 1401.02; L = (5000/P)^3.
        {twoCases(true),
         '.',
         {"TextN=2 000.00", "TextT= 200.00", "TextP=1 401.02", "TextL10=45.454 548",
          "TextL10H=378.79"}},
        {twoCases(true),
         ',',
         {"TextN=2 000,00", "TextT= 200,00", "TextP=1 401,02", "TextL10=45,454 548",
          "TextL10H=378,79"}},
        // No speeds: P = (4.5e9)^(1/3) = 1650.96; TextN and TextL10H show "0".
        {twoCases(false),
         ',',
         {"TextN=0", "TextT= 200,00", "TextP=1 650,96", "TextL10=27,777 779", "TextL10H=0"}},
        // Roller exponent 10/3, a1 = 0.62, and P > 0.5·C warned before the life.
        {roller,
         '.',
         {"TextN=0", "TextT= 200.00", "TextP=1 671.27", "W:" + std::string(kMsgDutyPLarge),
          "TextL10=4.358 237", "TextL10H=0"}},
    };
    for (const auto& c : cases) {
        DutyState state;
        EXPECT_EQ(steps(calculateDuty(state, c.in, c.sep)), c.expected);
    }
}

TEST(DutyCycle, RowsAndStops) {
    // Empty first row: T = 0, P = 0, TextN untouched; the C message comes first.
    DutyEntries in;
    DutyState state;
    EXPECT_EQ(steps(calculateDuty(state, in, '.')),
              (std::vector<std::string>{"TextT= 0.00", "TextP= 0.00",
                                        "S:" + std::string(kMsgDutyRating)}));
    in.c = "1000";
    EXPECT_EQ(steps(calculateDuty(state, in, '.')),
              (std::vector<std::string>{"TextT= 0.00", "TextP= 0.00",
                                        "S:" + std::string(kMsgDutyZeroLoad)}));

    // Rows after the first zero duration are ignored, "12a" reads as 12.
    in.grid[0] = {"12a", "", "100"};
    in.grid[1] = {"0", "", "100000"};
    in.grid[2] = {"50", "", "100000"};
    EXPECT_EQ(*calculateDuty(state, in, '.').written("TextT"), " 12.00");
    EXPECT_FLOAT_EQ(state.P, 100.0f);

    // With speeds, rows without one are standstills: their time counts, their
    // load does not (the third row, 50 s without speed, is still a case).
    in.grid[0] = {"10", "100", "100"};
    in.grid[1] = {"10", "0", "100000"};
    calculateDuty(state, in, '.');
    EXPECT_FLOAT_EQ(state.T, 70.0f);
    EXPECT_FLOAT_EQ(state.Nm, 1000.0f / 70);
    EXPECT_FLOAT_EQ(state.P, 100.0f);

    // A value that is zero in single precision is zero: it ends the cases, and
    // a first speed of that kind means no speeds were given.
    in.grid[0] = {"10", "1e-60", "100"};
    in.grid[1] = {"1e-60", "", "100000"};
    in.grid[2] = {"50", "", "100000"};
    const Outcome tiny = calculateDuty(state, in, '.');
    ASSERT_FALSE(tiny.stopped());
    EXPECT_EQ(*tiny.written("TextN"), "0");
    EXPECT_EQ(*tiny.written("TextT"), " 10.00");
    EXPECT_FLOAT_EQ(state.P, 100.0f);
    DutyReportFields fields;
    fields.grid = in.grid;
    size_t caseLines = 0;
    for (const auto& line : dutyReportLines(fields, state, "01/01/2024", '.'))
        if (line.text.size() == 60) ++caseLines;
    EXPECT_EQ(caseLines, 1u);

    // All 20 rows count.
    for (auto& row : in.grid) row = {"1", "10", "100"};
    const Outcome out = calculateDuty(state, in, '.');
    EXPECT_EQ(*out.written("TextT"), " 20.00");
    EXPECT_EQ(*out.written("TextN"), " 10.00");
    EXPECT_EQ(*out.written("TextP"), " 100.00");
    EXPECT_EQ(*out.written("TextL10H"), "1666666.63");  // 1000 Mtr at 10 Tr/min, in single
}

TEST(DutyCycle, FaultsStopBeforeAnyNonFiniteWrite) {
    struct Case {
        std::array<std::string, 3> row1, row2;
        const char* element;
        const char* c;
        const char* message;
    };
    const Case cases[] = {
        {{"10", "", "-100"},
         {"", "", ""},
         "Roulement ou Butée à Rouleaux",
         "5000",
         kMsgDutyCasesInvalid},  // negative load to the power 10/3
        {{"10", "", "-100"},
         {"", "", ""},
         "Roulement ou Butée à Billes",
         "5000",
         kMsgDutyCasesInvalid},  // negative sum, cube root
        {{"10", "5", "100"},
         {"-10", "5", "100"},
         "Roulement ou Butée à Billes",
         "5000",
         kMsgDutyCasesInvalid},  // total duration 0
        {{"-100", "", "100"},
         {"", "", ""},
         "Roulement ou Butée à Billes",
         "5000",
         kMsgDutyCasesInvalid},  // negative duration alone
        {{"100", "-1500", "100"},
         {"", "", ""},
         "Roulement ou Butée à Billes",
         "5000",
         kMsgDutyCasesInvalid},  // negative speed
        {{"100", "1500", "100"},
         {"50", "-1500", "100"},
         "Roulement ou Butée à Rouleaux",
         "5000",
         kMsgDutyCasesInvalid},  // negative speed in a later case
        {{"1e39", "", "100"},
         {"", "", ""},
         "Roulement ou Butée à Billes",
         "5000",
         kMsgDutyCasesInvalid},
        {{"1e30", "1e30", "1e30"},
         {"", "", ""},
         "Roulement ou Butée à Billes",
         "5000",
         kMsgDutyCasesInvalid},  // sums beyond single precision
        {{"10", "", "1e-10"},
         {"", "", ""},
         "Roulement ou Butée à Billes",
         "1e30",
         kMsgDutyImpossible},  // life beyond single precision
        {{"10", "", "100"}, {"", "", ""}, "Roulement", "5000", kMsgDutyImpossible},  // no p yet
    };
    for (const auto& c : cases) {
        DutyEntries in;
        in.grid[0] = c.row1;
        in.grid[1] = c.row2;
        in.element = c.element;
        in.c = c.c;
        DutyState state;
        state.L = 42;
        const Outcome out = calculateDuty(state, in, '.');
        EXPECT_EQ(out.messages(), std::vector<std::string>{c.message}) << c.row1[0];
        EXPECT_EQ(out.written("TextL10"), nullptr);
        EXPECT_FLOAT_EQ(state.L, 42.0f);
        if (c.message == kMsgDutyCasesInvalid) {
            EXPECT_EQ(out.steps().size(), 1u);
        }
    }
}

TEST(DutyCycle, SweepEndsInAStopOrFiniteResults) {
    const std::vector<std::string> v = {"",   "0",    "12a",  "0.001", "1",
                                        "-3", "1000", "1e20", "3e38",  "1e39"};
    int runs = 0;
    for (auto element : {kDutyBall, kDutyRoller})
        for (size_t a = 0; a < v.size(); ++a)
            for (size_t b = 0; b < v.size(); ++b)
                for (size_t c = 0; c < v.size(); ++c) {
                    DutyEntries in;
                    in.element = std::string(element);
                    in.grid[0] = {v[a], v[b], v[c]};
                    in.grid[1] = {v[(a + 3) % v.size()], v[b], v[(c + 7) % v.size()]};
                    in.c = v[(a + b + c) % v.size()];
                    DutyState state;
                    const Outcome out = calculateDuty(state, in, ',');
                    ++runs;
                    for (const auto& s : out.steps())
                        if (s.kind == Step::Kind::Write) {
                            EXPECT_FALSE(s.text.empty()) << s.target;
                            EXPECT_EQ(s.text.find_first_of("ni"), std::string::npos) << s.text;
                        }
                    EXPECT_TRUE(out.stopped() || out.written("TextL10H"));
                }
    EXPECT_EQ(runs, 2000);
}

TEST(DutyCycle, CaseLinesToTheExactColumn) {
    struct Case {
        int i;
        double t, n, p;
        bool speeds;
        std::string expected;
    };
    const Case cases[] = {
        {1, 100, 1000, 2000, true,
         "  1" + spaces(12) + "100.00" + spaces(11) + "1000.00" + spaces(12) + "2 000.00 "},
        {9, 5, 0, 12.5, true,
         "  9" + spaces(14) + "5.00" + spaces(14) + "0.00" + spaces(14) + " 12.50 "},
        {10, 100, 3000, 1000, true,
         " 10" + spaces(11) + "100.00" + spaces(11) + "3000.00" + spaces(12) + "1 000.00  "},
        {20, 1.5, 0, 2000, false, " 20" + spaces(13) + "1.50" + spaces(30) + "2 000.00  "},
        {3, 100, 0, 2000, false, "  3" + spaces(12) + "100.00" + spaces(30) + "2 000.00 "},
    };
    for (const auto& c : cases) {
        const std::string line = dutyCaseLine(c.i, c.t, c.n, c.p, c.speeds, '.');
        EXPECT_EQ(line, c.expected) << c.i;
        EXPECT_EQ(line.size(), 60u);
    }
    EXPECT_EQ(dutyCaseLine(1, 100, 1000, 2000, true, ','),
              "  1" + spaces(12) + "100,00" + spaces(11) + "1000,00" + spaces(12) + "2 000,00 ");
    // A field wider than its place keeps one blank before it.
    const std::string wide = dutyCaseLine(2, 1e15, 1, 1, true, '.');
    EXPECT_NE(wide.find("  2 999999986991104.00"), std::string::npos) << wide;
}

TEST(DutyCycle, ReportWithAndWithoutSpeeds) {
    for (bool speeds : {true, false}) {
        DutyEntries in = twoCases(speeds);
        in.grid[3] = {"50", "50", "50"};  // after the empty third row: not printed
        DutyState state;
        calculateDuty(state, in, ',');
        DutyReportFields f;
        f.reference = "CV-1";
        f.element = std::string(kDutyBall);
        f.reliability = "90%";
        f.grid = in.grid;
        f.t = " 200,00";
        f.n = speeds ? "2 000,00" : "0";
        f.p = "1 401,02";
        f.l10 = "45,454 548";
        f.l10h = speeds ? "378,79" : "0";
        const auto lines = dutyReportLines(f, state, "05/06/2024", ',');
        EXPECT_EQ(lines[0].text, kDutyReportTitle);
        EXPECT_EQ(lines[8].text, "> Données");
        std::vector<std::string> body;
        for (size_t i = 9; i < lines.size(); ++i)
            body.push_back((lines[i].bold ? "*" : "") + lines[i].text);
        std::vector<std::string> expected = {
            "",
            "- Roulement ou Butée à Billes",
            "  Fiabilité ( Facteur de correction de la durée ) : 90%",
            "",
            "*Cas           Durée           Vitesse             Charge",
            "",
            dutyCaseLine(1, 100, 1000, 2000, speeds, ','),
            dutyCaseLine(2, 100, 3000, 1000, speeds, ','),
            "",
            "*> Résultats",
            "",
            "  Durée Totale        : T =  200,00 secondes",
        };
        if (speeds) expected.push_back("  Vitesse Moyenne    : N = 2 000,00 Tr/min");
        expected.push_back("  Charge Dynamique Equivalente : P = 1 401,02 N");
        expected.insert(expected.end(),
                        {"", "- Durée de Vie", "", "  L = 45,454 548 millions de Tours"});
        if (speeds) expected.push_back("  Lh = 378,79 Heures");
        expected.push_back("");
        EXPECT_EQ(body, expected) << speeds;
        EXPECT_EQ(body[7].substr(30), speeds ? "  3000,00" + spaces(12) + "1 000,00 "
                                             : spaces(9) + spaces(12) + "1 000,00 ");
    }
    // Twenty filled rows print twenty case lines.
    DutyReportFields f;
    for (auto& row : f.grid) row = {"1", "1", "1"};
    DutyState state;
    const auto lines = dutyReportLines(f, state, "d", '.');
    int caseLines = 0;
    for (const auto& l : lines) caseLines += l.text.size() == 60 ? 1 : 0;
    EXPECT_EQ(caseLines, 20);
}

// Ball and roller, radial and thrust, several cleanliness levels, standstills,
// a case without load, κ out of range at both ends, the aISO cap: case by case
// against the independent evaluation of make_duty_modified_cases.py.
TEST(DutyModifiedLife, EveryCaseMatchesThePhaseByPhaseEvaluation) {
    const std::vector<std::string> targets = dutyModifiedTargets();
    for (const auto& g : kDutyModified) {
        const ModifiedLifeEntries m{g.d, g.dExt, g.cu, g.nu40, g.nu100, g.t, g.cleanliness};
        DutyEntries in{{}, g.element, g.c, g.reliability, m, g.disposition};
        for (size_t i = 0; i < g.cases.size(); ++i)
            in.grid[i] = {g.cases[i][0], g.cases[i][1], g.cases[i][2]};
        DutyState state;
        const Outcome out = calculateDuty(state, in, '.');
        std::vector<std::string> shown = out.messages();  // none expected
        for (const auto& s : out.steps())
            if (s.kind == Step::Kind::Write && !s.text.empty() &&
                std::ranges::count(targets, s.target))
                shown.push_back(s.target + "=" + s.text);
        EXPECT_EQ(shown, g.shown) << g.element << " " << g.cleanliness << " " << g.cases.size();
    }
    EXPECT_EQ(std::size(kDutyModified), 14u);
}

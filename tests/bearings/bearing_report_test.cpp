#include "bearing_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace torvel::bearings;

namespace {

BearingReportFields sample(const std::string& mode, const std::string& speed) {
    BearingReportFields f;
    f.reference = "R-12";
    f.element = "Roulement";
    f.type = "à billes";
    f.rows = "une rangée ou T";
    f.angle = "0° (Contact Radial)";
    f.operating = "Conditions normales, mouvements doux et précis ( x 1 )";
    f.reliability = "90%";
    f.mode = mode;
    f.fr = "1000";
    f.fa = "0";
    f.co = "10000";
    f.c = "20000";
    f.n = speed;
    f.faFr = "0,00";
    f.e = "0,19";
    f.xo = "0,60";
    f.yo = "0,50";
    f.x = "1,00";
    f.y = "0,00";
    f.poSo = "1000,00";
    f.p = "1000,00";
    f.l10 = "8000,000 000";
    f.l10h = "88888,89";
    return f;
}

std::vector<std::string> texts(const torvel::ReportLines& lines, size_t from) {
    std::vector<std::string> v;
    for (size_t i = from; i < lines.size(); ++i)
        v.push_back((lines[i].bold ? "*" : "") + lines[i].text);
    return v;
}

const std::vector<std::string> kData = {
    "",
    "- Type d'élément roulant : Roulement à billes à une rangée ou T",
    "- Angle de contact : 0° (Contact Radial)",
    "- Mode de fonctionnement ( Valeur du coefficient statique So ) : ",
    "  Conditions normales, mouvements doux et précis ( x 1 )",
    "- Fiabilité ( Facteur de correction de la durée ) : 90%",
    "",
    "- Charges Appliquées",
    "  Charge Radiale : 1000 N",
    "  Charge Axiale : 0 N",
    "",
    "- Charges de Base",
    "  Charge Statique de Base : 10000 N",
    "  Charge Dynamique de Base : 20000 N",
    "",
};
const std::vector<std::string> kFactors = {
    "- Coefficients", "  Fa / Fr = 0,00", "  e = 0,19", "  Xo = 0,60",
    "  Yo = 0,50",    "  X = 1,00",       "  Y = 0,00",
};

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> v;
    for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
    return v;
}

}  // namespace

TEST(BearingReport, BothModesAndBothSpeedCases) {
    const std::vector<std::string> speedLines = {"- Vitesse (constante) : 1500 Tr/min", ""};
    const std::vector<std::string> loads = {
        "- Charges Equivalentes",
        "  Charge Statique Equivalente (Po x So) : Po' = 1000,00 N",
        "  Charge Dynamique Equivalente : P = 1000,00 N",
        "",
        "- Durée de Vie",
        "  L = 8000,000 000 millions de Tours"};
    const std::vector<std::string> lh = {"  Lh = 88888,89 Heures"};
    const std::vector<std::string> automaticOrder =
        join({{"", "*> Résultats", ""}, kFactors, {""}});
    const std::vector<std::string> manualOrder = join({kFactors, {"", "", "*> Résultats", ""}});

    struct Case {
        std::string mode, speed;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Automatique", "1500", join({kData, speedLines, automaticOrder, loads, lh, {""}})},
        {"Automatique", "0", join({kData, automaticOrder, loads, {""}})},
        {"Manuel", "1500", join({kData, speedLines, manualOrder, loads, lh, {""}})},
        {"Manuel", " 0,0 ", join({kData, manualOrder, loads, {""}})},
        {"Manuell", "0", join({kData, automaticOrder, loads, {""}})},
    };
    for (const auto& c : cases) {
        const auto lines = bearingReportLines(sample(c.mode, c.speed), "12/03/2024", ',');
        ASSERT_TRUE(lines.has_value()) << c.speed;
        EXPECT_EQ((*lines)[0].text, kBearingReportTitle);
        EXPECT_TRUE((*lines)[0].bold);
        EXPECT_EQ((*lines)[4].text, "Référence : R-12");
        EXPECT_EQ((*lines)[5].text, "Date : 12/03/2024");
        EXPECT_EQ((*lines)[8].text, "> Données");
        EXPECT_EQ(texts(*lines, 9), c.expected) << c.mode << " / " << c.speed;
    }
}

TEST(BearingReport, ThrustTypeLine) {
    BearingReportFields f = sample("Automatique", "0");
    f.element = "Butée";
    f.type = "à rouleaux";
    f.rows = "double effet";
    const auto lines = bearingReportLines(f, "d", '.');
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[10].text, "- Type d'élément roulant : Butée à rouleaux à double effet");
}

TEST(BearingReport, UnreadableSpeedCannotBeBuilt) {
    for (const char* speed : {"", "abc", "12a", "1.2.3", "1 500", "1,5,", "inf", "nan", "1e", "-"})
        EXPECT_FALSE(bearingReportLines(sample("Manuel", speed), "d", ',').has_value()) << speed;
}

TEST(StrictNumber, WholeTextOnly) {
    struct Case {
        const char* text;
        char sep;
        double value;
    };
    const Case cases[] = {
        {"1500", ',', 1500}, {"0", ',', 0},   {" 12,5 ", ',', 12.5}, {"12.5", ',', 12.5},
        {"12,5", '.', 0},    {"-3", '.', -3}, {"+2e3", '.', 2000},   {".5", '.', 0.5},
        {"5.", '.', 5},      {"0,0", ',', 0},
    };
    for (const auto& c : cases) {
        const auto v = strictNumber(c.text, c.sep);
        if (std::string(c.text) == "12,5" && c.sep == '.') {
            EXPECT_FALSE(v.has_value());
            continue;
        }
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
    EXPECT_FALSE(strictNumber("1e999", '.').has_value());
}

// After the life lines, only when the group shows a life; the note when there is one.
TEST(BearingReport, ModifiedLifeSectionOnlyWhenComputed) {
    struct Case {
        const char *lnm, *note;
        bool section;
        const char* last;  // the line before the closing blank one
    };
    const Case cases[] = {
        {"", "", false, "  Lh = 88888,89 Heures"},
        {"1,500 000", "", true, "  Lnmh = 25,00 Heures"},
        {"1,500 000", "aISO limité à 50", true, "  Note : aISO limité à 50"},
    };
    for (const auto& c : cases) {
        BearingReportFields f = sample("Automatique", "1500");
        f.nu40 = "68";
        f.lnm = c.lnm;
        f.lnmh = "25,00";
        f.note = c.note;
        const auto lines = bearingReportLines(f, "d", ',');
        ASSERT_TRUE(lines);
        const std::vector<std::string> all = texts(*lines, 0);
        const auto lh = std::find(all.begin(), all.end(), "  Lh = 88888,89 Heures");
        const auto title =
            std::find(all.begin(), all.end(), "*> Durée de Vie Corrigée (ISO 281:2007)");
        EXPECT_EQ(title != all.end(), c.section) << c.note;
        EXPECT_EQ(title - lh, c.section ? 2 : all.end() - lh) << c.note;
        EXPECT_EQ(c.section,
                  std::count(all.begin(), all.end(), "  Viscosité à 40 °C : ν40 = 68 mm²/s") == 1);
        EXPECT_EQ(all[all.size() - 2], c.last) << c.note;
        EXPECT_EQ(all.back(), "");
    }
}

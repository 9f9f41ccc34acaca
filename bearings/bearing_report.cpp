#include "bearing_report.h"

#include <cmath>

#include "bearing_life.h"
#include "numbers.h"

namespace torvel::bearings {

std::optional<double> strictNumber(std::string_view text, char decimalSeparator) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    const std::string_view s = text.substr(b, e - b);

    std::string normal;  // with "." as the point, for strtod
    size_t i = 0;
    auto digits = [&] {
        size_t n = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            normal.push_back(s[i++]);
            ++n;
        }
        return n;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) normal.push_back(s[i++]);
    size_t mantissa = digits();
    if (i < s.size() && (s[i] == decimalSeparator || s[i] == '.')) {
        normal.push_back('.');
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        normal.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) normal.push_back(s[i++]);
        if (digits() == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    const double value = plainNumber(normal);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

void modifiedLifeReportHead(const ModifiedLifeEntries& e, ReportLines& lines) {
    auto add = [&lines](std::string text, bool bold = false) {
        lines.push_back({std::move(text), bold});
    };
    add("> Durée de Vie Corrigée (ISO 281:2007)", true);
    add("");
    add("- Lubrification et propreté");
    add("  Diamètre d'alésage : d = " + e.d + " mm");
    add("  Diamètre extérieur : D = " + e.dExt + " mm");
    add("  Charge limite de fatigue : Cu = " + e.cu + " N");
    add("  Viscosité à 40 °C : ν40 = " + e.nu40 + " mm²/s");
    add("  Viscosité à 100 °C : ν100 = " + e.nu100 + " mm²/s");
    add("  Température de fonctionnement : T = " + e.t + " °C");
    add("  Propreté : " + e.cleanliness);
}

void modifiedLifeReportTail(const std::string& lnm, const std::string& lnmh,
                            const std::string& note, ReportLines& lines) {
    if (!lnm.empty()) {
        lines.push_back({"  Lnm = " + lnm + " millions de Tours", false});
        lines.push_back({"  Lnmh = " + lnmh + " Heures", false});
    }
    if (!note.empty()) lines.push_back({"  Note : " + note, false});
    lines.push_back({"", false});
}

namespace {

void modifiedLifeLines(const BearingReportFields& f, ReportLines& lines) {
    auto add = [&lines](std::string text, bool bold = false) {
        lines.push_back({std::move(text), bold});
    };
    modifiedLifeReportHead({f.d, f.dExt, f.cu, f.nu40, f.nu100, f.t, f.cleanliness}, lines);
    add("");
    add("- Résultats");
    add("  Diamètre moyen : dm = " + f.dm + " mm");
    add("  Viscosité à la température de fonctionnement : ν = " + f.nu + " mm²/s");
    add("  Viscosité de référence : ν1 = " + f.nu1 + " mm²/s");
    add("  Rapport de viscosité : κ = " + f.kappa);
    add("  Coefficient de contamination : eC = " + f.eC);
    add("  Coefficient de fiabilité : a1 = " + f.a1Iso);
    add("  Coefficient de modification de la durée : aISO = " + f.aIso);
    modifiedLifeReportTail(f.lnm, f.lnmh, f.note, lines);
}

}  // namespace

std::optional<ReportLines> bearingReportLines(const BearingReportFields& f, const std::string& date,
                                              char decimalSeparator) {
    const std::optional<double> speed = strictNumber(f.n, decimalSeparator);
    if (!speed) return std::nullopt;
    const bool withSpeed = *speed != 0;

    ReportLines lines = textReportHeader(kBearingReportTitle, f.reference, date, "> Données");
    auto add = [&lines](std::string text, bool bold = false) {
        lines.push_back({std::move(text), bold});
    };
    add("");
    add("- Type d'élément roulant : " + f.element + " " + f.type + " à " + f.rows);
    add("- Angle de contact : " + f.angle);
    add("- Mode de fonctionnement ( Valeur du coefficient statique So ) : ");
    add("  " + f.operating);
    add("- Fiabilité ( Facteur de correction de la durée ) : " + f.reliability);
    add("");
    add("- Charges Appliquées");
    add("  Charge Radiale : " + f.fr + " N");
    add("  Charge Axiale : " + f.fa + " N");
    add("");
    add("- Charges de Base");
    add("  Charge Statique de Base : " + f.co + " N");
    add("  Charge Dynamique de Base : " + f.c + " N");
    add("");
    if (withSpeed) {
        add("- Vitesse (constante) : " + f.n + " Tr/min");
        add("");
    }
    auto factors = [&] {
        add("- Coefficients");
        add("  Fa / Fr = " + f.faFr);
        add("  e = " + f.e);
        add("  Xo = " + f.xo);
        add("  Yo = " + f.yo);
        add("  X = " + f.x);
        add("  Y = " + f.y);
    };
    if (f.mode == kManuel) {
        // Typed factors are data: they come before the results.
        factors();
        add("");
        add("");
        add("> Résultats", true);
        add("");
    } else {
        add("");
        add("> Résultats", true);
        add("");
        factors();
        add("");
    }
    add("- Charges Equivalentes");
    add("  Charge Statique Equivalente (Po x So) : Po' = " + f.poSo + " N");
    add("  Charge Dynamique Equivalente : P = " + f.p + " N");
    add("");
    add("- Durée de Vie");
    add("  L = " + f.l10 + " millions de Tours");
    if (withSpeed) add("  Lh = " + f.l10h + " Heures");
    add("");
    if (!f.lnm.empty()) modifiedLifeLines(f, lines);
    return lines;
}

BearingReportFields bearingReportFields(const Fields& f) {
    // clang-format off
    return {.reference = f["TextRef"], .element = f["ComboElement"], .type = f["ComboType"],
            .rows = f["ComboRangées"], .angle = f["ComboAngle"], .operating = f["ComboFonctionnement"],
            .reliability = f["ComboFiabilité"], .mode = f["ComboCalcul"], .fr = f["TextFr"],
            .fa = f["TextFa"], .co = f["TextCo"], .c = f["TextC"], .n = f["TextN"],
            .faFr = f["TextFaFr"], .e = f["Texte"], .xo = f["TextXo"], .yo = f["TextYo"],
            .x = f["TextX"], .y = f["TextY"], .poSo = f["TextPo"], .p = f["TextP"], .l10 = f["TextL10"],
            .l10h = f["TextL10H"], .d = f["Textd"], .dExt = f["TextDext"], .cu = f["TextCu"],
            .nu40 = f["TextNu40"], .nu100 = f["TextNu100"], .t = f["TextT"], .cleanliness = f["ComboPollution"],
            .dm = f["Textdm"], .nu = f["TextNu"], .nu1 = f["TextNu1"], .kappa = f["TextKappa"], .eC = f["TexteC"],
            .a1Iso = f["Texta1ISO"], .aIso = f["TextaISO"], .lnm = f["TextLnm"], .lnmh = f["TextLnmh"],
            .note = f["LabelDureeCorrigee"]};
    // clang-format on
}

}  // namespace torvel::bearings

#include "contact_oblique.h"

#include "numbers.h"
#include "single.h"

namespace torvel::bearings {

std::vector<std::string_view> mountingItems() { return {kMontageX, kMontageO}; }

std::string_view mountingDrawing(std::string_view mounting) {
    if (mounting == kMontageX) return "images/Montage-X.bmp";
    if (mounting == kMontageO) return "images/Montage-O.bmp";
    return {};
}

std::string missingDrawingMessage(std::string_view path) {
    return "Le dessin du montage est introuvable :\n" + std::string(path);
}

Outcome calculateOblique(ObliqueState& s, const ObliqueEntries& in, char decimalSeparator) {
    Outcome out;
    if (!readSingle(in.eA, s.eA) || !readSingle(in.yA, s.yA) || !readSingle(in.eB, s.eB) ||
        !readSingle(in.yB, s.yB) || !readSingle(in.faE, s.ka) || !readSingle(in.frA, s.frA) ||
        !readSingle(in.frB, s.frB)) {
        out.stop(kMsgObliqueImpossible);
        return out;
    }
    if (in.faE == "0" && in.frA == "0" && in.frB == "0") {
        out.stop(kMsgObliqueLoad);
        return out;
    }
    if (s.eA == 0 || s.eB == 0 || s.yA == 0 || s.yB == 0) {
        out.stop(kMsgObliqueCoefficients);
        return out;
    }

    // Everything is computed before anything is kept, so a fault changes nothing.
    float KA = 0, KB = 0, FaA = 0, FaB = 0, PA = 0, PB = 0, product = 0;
    const double inducedA = 0.5 * s.frA / s.yA;
    const double inducedB = 0.5 * s.frB / s.yB;
    bool ok = keep(KA, inducedA) && keep(KB, inducedB + s.ka);
    if (ok && KA > KB) {
        ok = keep(FaA, inducedA) && keep(FaB, inducedA - s.ka) &&
             keep(product, static_cast<double>(s.frB) * s.eB);
        PA = s.frA;
        if (ok && product >= FaB)
            PB = s.frB;
        else
            ok = ok && keep(PB, static_cast<double>(s.yB) * FaB + 0.4 * s.frB);
    } else if (ok) {
        FaA = KB;
        ok = keep(FaB, inducedB) && keep(product, static_cast<double>(s.frA) * s.eA);
        PB = s.frB;
        if (ok && product >= FaA)
            PA = s.frA;
        else
            ok = ok && keep(PA, static_cast<double>(s.yA) * FaA + 0.4 * s.frA);
    }
    if (!ok) {
        out.stop(kMsgObliqueImpossible);
        return out;
    }
    s.KA = KA;
    s.KB = KB;
    s.FaA = FaA;
    s.FaB = FaB;
    s.PA = PA;
    s.PB = PB;
    out.write("TextPA", formatNumber(PA, "0.00", decimalSeparator));
    out.write("TextPB", formatNumber(PB, "0.00", decimalSeparator));
    out.write("TextFaA", formatNumber(FaA, "0.00", decimalSeparator));
    out.write("TextFaB", formatNumber(FaB, "0.00", decimalSeparator));
    return out;
}

ReportLines obliqueReportLines(const ObliqueReportFields& f, const std::string& date) {
    ReportLines lines = textReportHeader(kObliqueReportTitle, f.reference, date, "> Données");
    auto add = [&lines](std::string text, bool bold = false) {
        lines.push_back({std::move(text), bold});
    };
    add("");
    add("- " + f.mounting);
    add("");
    add("- Roulement A");
    add("  e = " + f.eA);
    add("  Y = " + f.yA);
    add("  Charge Radiale Appliquée : Fr = " + f.frA + " N");
    add("  Charge Axiale Appliquée : Fa = " + f.faE + " N");
    add("");
    add("- Roulement B");
    add("  e = " + f.eB);
    add("  Y = " + f.yB);
    add("  Charge Radiale Appliquée : Fr = " + f.frB + " N");
    add("");
    add("");
    add("> Résultats", true);
    add("");
    add("- Roulement A");
    add("  Charge Axiale Induite : Fa' = " + f.faA + " N");
    add("  Charge Dynamique Equivalente : P = " + f.pA + " N");
    add("");
    add("- Roulement B");
    add("  Charge Axiale Induite : Fa' = " + f.faB + " N");
    add("  Charge Dynamique Equivalente : P = " + f.pB + " N");
    add("");
    return lines;
}

ObliqueEntries obliqueEntries(const Fields& f) {
    // clang-format off
    return {.faE = f["TextFaE"], .frA = f["TextFrA"], .frB = f["TextFrB"], .eA = f["TexteA"],
            .eB = f["TexteB"], .yA = f["TextYA"], .yB = f["TextYB"]};
    // clang-format on
}

ObliqueReportFields obliqueReportFields(const Fields& f) {
    // clang-format off
    return {.reference = f["TextRef"], .mounting = f["Combo1"], .eA = f["TexteA"], .yA = f["TextYA"],
            .frA = f["TextFrA"], .faE = f["TextFaE"], .eB = f["TexteB"], .yB = f["TextYB"],
            .frB = f["TextFrB"], .faA = f["TextFaA"], .pA = f["TextPA"], .faB = f["TextFaB"],
            .pB = f["TextPB"]};
    // clang-format on
}

}  // namespace torvel::bearings

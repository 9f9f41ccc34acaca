#include "duty_cycle.h"

#include <cmath>

#include "bearing_life.h"
#include "bearing_report.h"
#include "numbers.h"
#include "single.h"

namespace torvel::bearings {

namespace {

// A cell value is zero when its single-precision value is: a value too small
// for a float ends the cases like an empty cell. A value beyond the float range
// is not zero; the summation refuses it.
bool singleZero(double v) { return fitsInFloat(v) && static_cast<float>(v) == 0.0f; }

RollingKind dutyKind(std::string_view element, std::string_view disposition) {
    const bool thrust = disposition == kDispositionThrust;
    if (!thrust && disposition != kDispositionRadial) return {};
    if (element == kDutyBall) return {true, true, thrust};
    if (element == kDutyRoller) return {true, false, thrust};
    return {};
}

// " (cas 1, 3)"
std::string namedCases(const std::vector<int>& cases) {
    std::string s = " (cas ";
    for (size_t i = 0; i < cases.size(); ++i) s += (i ? ", " : "") + std::to_string(cases[i]);
    return s + ")";
}

// The modified life of ISO 281:2007 over the first `cases` cases, once the basic
// life is shown: one life per case that turns, combined by its share of the
// revolutions, Lnm = Σ tj·nj / Σ (tj·nj / Lnm,j). A standstill turns no
// revolution: it changes Lnmh through the mean speed, not Lnm.
void appendDutyModifiedLife(const DutyEntries& in, DutyState& s, int cases, bool speeds, char sep,
                            Outcome& out) {
    const std::vector<std::string> targets = dutyModifiedTargets();
    auto writeAll = [&](const std::vector<std::string>& texts) {
        for (size_t i = 0; i < targets.size(); ++i) out.write(targets[i], texts[i]);
    };
    std::vector<std::string> texts(targets.size());
    if (!modifiedLifeInUse(in.modified)) {
        if (s.modifiedShown) writeAll(texts);
        s.modifiedShown = false;
        return;
    }
    s.modifiedShown = true;

    Lubrication lub;
    const char* refused = readLubrication(in.modified, lub);
    if (!refused)
        refused = readFactors(dutyKind(in.element, in.disposition), in.reliability,
                              in.modified.cleanliness, lub);
    if (!refused && !(s.C > 0 && s.p > 0)) refused = kMsgModifiedLoads;
    bool inRange = showable(lub.dm) && showable(lub.nu);
    std::string& note = texts.back();
    std::vector<std::string> notes;
    if (lub.walther) notes.push_back(kNoteWalther);
    if (!speeds) notes = {kNoteDutyNoSpeed};

    auto fmt = [sep](double v, std::string_view pattern) { return formatNumber(v, pattern, sep); };
    std::vector<int> low, kappaCapped, aIsoCapped;
    double turns = 0, damage = 0;
    for (int j = 0; !refused && speeds && j < cases; ++j) {
        if (s.n[j] == 0) continue;
        const double tn = static_cast<double>(s.t[j]) * s.n[j];
        turns += tn;
        const ModifiedLifeAt at = modifiedLifeAt(lub, s.C, s.load[j], s.p, s.n[j]);
        inRange = inRange && showable(at.nu1) && showable(at.kappa);
        std::string* box = &texts[static_cast<size_t>(3 * j)];
        box[0] = fmt(at.kappa, "0.000");
        if (at.kappaLow) {
            low.push_back(j + 1);
            continue;
        }
        if (at.kappaCapped) kappaCapped.push_back(j + 1);
        // Turning without load wears nothing: no aISO, no life, no share of the damage.
        if (s.load[j] == 0) continue;
        if (at.aIsoCapped) aIsoCapped.push_back(j + 1);
        inRange = inRange && showable(at.lnm) && at.lnm > 0;
        box[1] = fmt(at.aIso, "0.000");
        box[2] = fmt(at.lnm, "0.000 000");
        damage += tn / at.lnm;
    }
    if (!refused && speeds && low.empty()) {
        const double lnm = turns / damage;
        const double lnmh = lnm * 1e6 / (60.0 * static_cast<double>(s.Nm));
        inRange = inRange && damage > 0 && showable(lnm) && showable(lnmh);
        texts[targets.size() - 3] = fmt(lnm, "0.000 000");
        texts[targets.size() - 2] = fmt(lnmh, "0.00");
    }
    if (!refused && !inRange) refused = kMsgModifiedRange;
    if (refused) {
        writeAll(std::vector<std::string>(targets.size()));
        out.warn(refused);
        return;
    }
    if (!low.empty()) notes.push_back("κ < 0,1" + namedCases(low) + " : " + kNoteDutyKappaLow);
    if (!kappaCapped.empty()) notes.push_back(kNoteKappaCapped + namedCases(kappaCapped));
    if (!aIsoCapped.empty()) notes.push_back(kNoteAIsoCapped + namedCases(aIsoCapped));
    for (const auto& n : notes) note += (note.empty() ? "" : " ; ") + n;
    writeAll(texts);
}

}  // namespace

std::vector<std::string_view> dutyElementItems() { return {kDutyBall, kDutyRoller}; }

std::vector<std::string_view> dispositionItems() {
    return {kDispositionRadial, kDispositionThrust};
}

std::string dutyPhaseTarget(std::string_view box, int phase) {
    return std::string(box) + std::to_string(phase);
}

std::vector<std::string> dutyModifiedTargets() {
    std::vector<std::string> targets;
    for (int j = 1; j <= kDutyCases; ++j)
        for (const char* box : kDutyPhaseBoxes) targets.push_back(dutyPhaseTarget(box, j));
    targets.insert(targets.end(), {"TextLnm", "TextLnmh", "LabelDureeCorrigee"});
    return targets;
}

Outcome calculateDuty(DutyState& s, const DutyEntries& in, char decimalSeparator) {
    Outcome out;
    // Cells beyond single precision are refused only when a summation reaches them.
    std::array<double, kDutyCases> t{}, n{}, load{};
    for (int i = 0; i < kDutyCases; ++i) {
        t[i] = leadingNumber(in.grid[i][0]);
        n[i] = leadingNumber(in.grid[i][1]);
        load[i] = leadingNumber(in.grid[i][2]);
        s.t[i] = fitsInFloat(t[i]) ? static_cast<float>(t[i]) : 0.0f;
        s.n[i] = fitsInFloat(n[i]) ? static_cast<float>(n[i]) : 0.0f;
        s.load[i] = fitsInFloat(load[i]) ? static_cast<float>(load[i]) : 0.0f;
    }
    if (in.element == kDutyBall) s.p = 3.0f;
    if (in.element == kDutyRoller) s.p = static_cast<float>(10.0 / 3.0);

    // Steps computed into locals and checked before the first write.
    float T = 0, TN = 0, S = 0, Nm = 0, P = 0;
    bool ok = true;
    // The cases are the rows up to the first empty duration. Speeds are given when
    // any case has one; a case without speed is then a standstill, which counts
    // in the total time and in nothing else.
    int cases = 0;
    while (cases < kDutyCases && !singleZero(t[cases])) ++cases;
    bool withSpeeds = false;
    for (int i = 0; i < cases; ++i) withSpeeds = withSpeeds || !singleZero(n[i]);
    enum class Case { Speeds, NoSpeeds, Empty } kind = Case::Empty;
    if (cases > 0) kind = withSpeeds ? Case::Speeds : Case::NoSpeeds;

    // A case takes part only with a positive duration, a load that is not
    // negative and, when speeds are given, a speed that is not negative.
    auto fits = [&](int i) {
        return fitsInFloat(t[i]) && fitsInFloat(load[i]) && t[i] > 0 && load[i] >= 0 &&
               (!withSpeeds || (fitsInFloat(n[i]) && n[i] >= 0));
    };

    if (kind != Case::Empty && s.p == 0) {
        out.stop(kMsgDutyImpossible);
        return out;
    }
    const double p = s.p;
    if (kind == Case::Speeds) {
        for (int i = 0; ok && i < cases; ++i) {
            ok = fits(i) && keep(T, static_cast<double>(T) + s.t[i]);
            if (ok && s.n[i] != 0)
                ok = keep(TN, static_cast<double>(TN) + static_cast<double>(s.t[i]) * s.n[i]) &&
                     keep(S, S + std::pow(static_cast<double>(s.load[i]), p) * s.t[i] * s.n[i]);
        }
        ok = ok && keep(Nm, static_cast<double>(TN) / T) &&
             keep(P, std::pow(static_cast<double>(S) / TN, 1.0 / p));
    } else if (kind == Case::NoSpeeds) {
        for (int i = 0; ok && i < cases; ++i) {
            ok = fits(i) && keep(T, static_cast<double>(T) + s.t[i]) &&
                 keep(S, S + std::pow(static_cast<double>(s.load[i]), p) * s.t[i]);
        }
        ok = ok && keep(P, std::pow(static_cast<double>(S) / T, 1.0 / p));
    }
    if (!ok) {
        out.stop(kMsgDutyCasesInvalid);
        return out;
    }
    s.T = T;
    s.TN = TN;
    s.S = S;
    s.Nm = Nm;
    s.P = P;
    if (kind == Case::Speeds) out.write("TextN", formatNumber(Nm, "### ##0.00", decimalSeparator));
    if (kind == Case::NoSpeeds) out.write("TextN", formatNumber(0, "0", decimalSeparator));
    out.write("TextT", formatNumber(T, "### ##0.00", decimalSeparator));
    out.write("TextP", formatNumber(P, "### ##0.00", decimalSeparator));

    if (!readSingle(in.c, s.C)) {
        out.stop(kMsgDutyImpossible);
        return out;
    }
    if (s.C == 0) {
        out.stop(kMsgDutyRating);
        return out;
    }
    if (s.P == 0) {
        out.stop(kMsgDutyZeroLoad);
        return out;
    }
    if (s.P > 0.5 * s.C) out.warn(kMsgDutyPLarge);
    reliabilityFactor(in.reliability, s.a1);
    float L = 0, Lh = 0;
    ok = keep(L, std::pow(static_cast<double>(s.C) / s.P, p) * s.a1) &&
         (s.Nm == 0 || keep(Lh, 1e6 * L / (static_cast<double>(s.Nm) * 60.0)));
    if (!ok) {
        out.stop(kMsgDutyImpossible);
        return out;
    }
    s.L = L;
    s.Lh = Lh;
    out.write("TextL10", formatNumber(L, "0.000 000", decimalSeparator));
    out.write("TextL10H", s.Nm != 0 ? formatNumber(Lh, "0.00", decimalSeparator)
                                    : formatNumber(0, "0", decimalSeparator));
    appendDutyModifiedLife(in, s, cases, kind == Case::Speeds, decimalSeparator, out);
    return out;
}

std::string dutyCaseLine(int caseNumber, double t, double n, double load, bool speeds, char sep) {
    auto field = [sep](double v, std::string_view pattern) {
        return fitsInFloat(v) ? formatNumber(static_cast<float>(v), pattern, sep) : std::string();
    };
    const int shift = caseNumber >= 10 ? 1 : 0;
    const std::string fields[4] = {
        formatNumber(caseNumber, "#", sep),
        field(t, "0.00"),
        speeds ? field(n, "0.00") : std::string(),
        field(load, "# ##0.00"),
    };
    const int ends[4] = {3, 21 - shift, 39 - shift, 59 - shift};
    std::string line;
    for (int k = 0; k < 4; ++k) {
        const size_t end = static_cast<size_t>(ends[k]);
        const size_t width = fields[k].size();
        // Right-aligned to its last column; at least one blank after a neighbour.
        if (line.size() + width < end)
            line.append(end - width - line.size(), ' ');
        else if (!line.empty())
            line.push_back(' ');
        line += fields[k];
    }
    if (line.size() < 60) line.append(60 - line.size(), ' ');
    return line;
}

ReportLines dutyReportLines(const DutyReportFields& f, const DutyState& state,
                            const std::string& date, char sep) {
    const bool speeds = state.Nm != 0;
    ReportLines lines = textReportHeader(kDutyReportTitle, f.reference, date, "> Données");
    auto add = [&lines](std::string text, bool bold = false) {
        lines.push_back({std::move(text), bold});
    };
    add("");
    add("- " + f.element);
    add("  Fiabilité ( Facteur de correction de la durée ) : " + f.reliability);
    add("");
    add("Cas           Durée           Vitesse             Charge", true);
    add("");
    int cases = 0;
    for (; cases < kDutyCases; ++cases) {
        const auto& row = f.grid[static_cast<size_t>(cases)];
        const double t = leadingNumber(row[0]);
        if (singleZero(t)) break;
        add(dutyCaseLine(cases + 1, t, leadingNumber(row[1]), leadingNumber(row[2]), speeds, sep));
    }
    add("");
    add("> Résultats", true);
    add("");
    add("  Durée Totale        : T = " + f.t + " secondes");
    if (speeds) add("  Vitesse Moyenne    : N = " + f.n + " Tr/min");
    add("  Charge Dynamique Equivalente : P = " + f.p + " N");
    add("");
    add("- Durée de Vie");
    add("");
    add("  L = " + f.l10 + " millions de Tours");
    if (speeds) add("  Lh = " + f.l10h + " Heures");
    add("");
    bool modified = !f.lnm.empty() || !f.note.empty();
    for (const auto& phase : f.phases) modified = modified || !phase[0].empty();
    if (!modified) return lines;

    modifiedLifeReportHead(f.modified, lines);
    add("  Disposition : " + f.disposition);
    add("");
    add("- Résultats");
    for (int i = 0; i < kDutyCases; ++i) {
        const auto& [kappa, aIso, lnm] = f.phases[static_cast<size_t>(i)];
        const bool inTable = i < cases;
        std::string line = "  Cas " + std::to_string(i + 1) + " : ";
        if (!kappa.empty()) {
            line += "κ = " + kappa;
            if (!aIso.empty()) line += " ; aISO = " + aIso;
            if (!lnm.empty()) line += " ; Lnm = " + lnm + " millions de Tours";
        } else if (inTable && speeds && singleZero(leadingNumber(f.grid[i][1]))) {
            line += "à l'arrêt";
        } else {
            continue;
        }
        add(line);
    }
    modifiedLifeReportTail(f.lnm, f.lnmh, f.note, lines);
    return lines;
}

DutyEntries dutyEntries(const Fields& f, const DutyGrid& grid) {
    // clang-format off
    return {.grid = grid, .element = f["Combo1"], .c = f["TextC"], .reliability = f["ComboFiabilité"],
            .modified = modifiedLifeEntries(f, "TextTemperature"), .disposition = f["ComboDisposition"]};
    // clang-format on
}

DutyReportFields dutyReportFields(const Fields& f, const DutyGrid& grid) {
    // clang-format off
    DutyReportFields fields{.reference = f["TextRef"], .element = f["Combo1"],
            .reliability = f["ComboFiabilité"], .grid = grid, .t = f["TextT"], .n = f["TextN"],
            .p = f["TextP"], .l10 = f["TextL10"], .l10h = f["TextL10H"],
            .modified = modifiedLifeEntries(f, "TextTemperature"),
            .disposition = f["ComboDisposition"], .phases = {}, .lnm = f["TextLnm"],
            .lnmh = f["TextLnmh"], .note = f["LabelDureeCorrigee"]};
    // clang-format on
    for (int j = 0; j < kDutyCases; ++j)
        for (size_t k = 0; k < 3; ++k)
            fields.phases[static_cast<size_t>(j)][k] =
                f[dutyPhaseTarget(kDutyPhaseBoxes[k], j + 1)];
    return fields;
}

}  // namespace torvel::bearings

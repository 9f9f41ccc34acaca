#include "modified_life.h"

#include <algorithm>
#include <cmath>

#include "bearing_life.h"
#include "numbers.h"

namespace torvel::bearings {

namespace {

// ISO 281:2007 Table 13, lower end of each range (the conservative guide value)
// for dm < 100 mm and dm >= 100 mm.
struct Cleanliness {
    std::string_view text;
    double small, large;
};
constexpr Cleanliness kCleanliness[] = {
    {"Propreté extrême", 1.0, 1.0},          {"Haute propreté", 0.6, 0.8},
    {"Propreté normale", 0.5, 0.6},          {"Contamination légère", 0.3, 0.4},
    {"Contamination typique", 0.1, 0.2},     {"Contamination sévère", 0.0, 0.0},
    {"Contamination très sévère", 0.0, 0.0},
};

// ISO 281:2007 reliability factors; the basic life keeps those of 1990.
struct Reliability {
    std::string_view text;
    double a1;
};
constexpr Reliability kReliability[] = {
    {"90%", 1.0}, {"95%", 0.64}, {"96%", 0.55}, {"97%", 0.47}, {"98%", 0.37}, {"99%", 0.25},
};

// aISO = 0.1·[1 − (c − b/κ^g)^e · x^k]^w, with b and g by κ range:
// [0.1, 0.4), [0.4, 1), [1, 4]. The ball term is raised to a power, so a
// negative one counts as 0.
struct Curve {
    double c, e, k, w;
    double b[3];
    bool termAtLeastZero;
};
constexpr Curve kBallCurve = {2.5671, 0.83, 1.0 / 3.0, -9.3, {2.2649, 1.9987, 1.9987}, true};
constexpr Curve kRollerCurve = {1.5859, 1.0, 0.4, -9.185, {1.3993, 1.2348, 1.2348}, false};
constexpr double kG[3] = {0.054381, 0.19087, 0.071739};

constexpr double kAIsoMax = 50.0;
constexpr double kKappaMax = 4.0;
constexpr double kKappaMin = 0.1;

// Kinematic viscosity at `t` °C by the Walther relation of ASTM D341 through the
// two points at 40 and 100 °C: log10 log10(ν + 0.7) = A − B·log10(T + 273.15).
double viscosityAt(double nu40, double nu100, double t) {
    const double z40 = std::log10(std::log10(nu40 + 0.7));
    const double z100 = std::log10(std::log10(nu100 + 0.7));
    const double l40 = std::log10(40.0 + 273.15);
    const double l100 = std::log10(100.0 + 273.15);
    const double b = (z40 - z100) / (l100 - l40);
    const double a = z40 + b * l40;
    return std::pow(10.0, std::pow(10.0, a - b * std::log10(t + 273.15))) - 0.7;
}

// Rated viscosity ν1 of ISO 281:2007 for the speed n (r/min) and dm (mm).
double ratedViscosity(double n, double dm) {
    if (n < 1000.0) return 45000.0 * std::pow(n, -0.83) * std::pow(dm, -0.5);
    return 4500.0 * std::pow(n, -0.5) * std::pow(dm, -0.5);
}

// aISO, capped at 50 (`capped` says so); κ within [0.1, 4].
double lifeModification(const Curve& curve, double kappa, double x, bool& capped) {
    const int range = kappa < 0.4 ? 0 : kappa < 1.0 ? 1 : 2;
    double term = curve.c - curve.b[range] / std::pow(kappa, kG[range]);
    if (curve.termAtLeastZero) term = std::max(term, 0.0);
    // 0·x^k stays 0 even for an infinite x.
    const double product =
        term == 0.0 || x == 0.0 ? 0.0 : std::pow(term, curve.e) * std::pow(x, curve.k);
    const double bracket = 1.0 - product;
    capped = true;
    if (!(bracket > 0.0)) return kAIsoMax;
    const double a = 0.1 * std::pow(bracket, curve.w);
    if (!(a <= kAIsoMax)) return kAIsoMax;
    capped = false;
    return a;
}

// Empties the targets [from, to).
void clear(Outcome& out, size_t from, size_t to = std::size(kModifiedLifeTargets)) {
    for (size_t i = from; i < to; ++i) out.write(kModifiedLifeTargets[i], "");
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool typed(std::string_view text) {
    if (std::all_of(text.begin(), text.end(), isBlank)) return false;
    return !holdsNumber(text) || leadingNumber(text) != 0;
}

bool readEntry(const std::string& text, double& value) {
    if (!holdsNumber(text)) return false;
    value = leadingNumber(text);
    return true;
}

}  // namespace

std::vector<std::string_view> cleanlinessItems() {
    std::vector<std::string_view> items;
    for (const auto& c : kCleanliness) items.push_back(c.text);
    return items;
}

ModifiedLifeEntries modifiedLifeEntries(const Fields& f, std::string_view temperature) {
    return {.d = f["Textd"],
            .dExt = f["TextDext"],
            .cu = f["TextCu"],
            .nu40 = f["TextNu40"],
            .nu100 = f["TextNu100"],
            .t = f[temperature],
            .cleanliness = f["ComboPollution"]};
}

bool modifiedLifeInUse(const ModifiedLifeEntries& in) {
    return typed(in.d) || typed(in.dExt) || typed(in.cu) || typed(in.nu40) || typed(in.nu100);
}

RollingKind rollingKind(std::string_view element, std::string_view type) {
    if (element == kRoulement) {
        if (type == kABilles || type == kARotuleBilles) return {true, true, false};
        if (type == kARouleaux || type == kARotuleRouleaux) return {true, false, false};
    } else if (element == kButee) {
        if (type == kABilles) return {true, true, true};
        if (type == kARouleaux) return {true, false, true};
    }
    return {};
}

bool showable(double value) { return fitsInFloat(value); }

const char* readLubrication(const ModifiedLifeEntries& in, Lubrication& lub) {
    double d = 0, dExt = 0, cu = 0, nu40 = 0, nu100 = 0, t = 0;
    if (!readEntry(in.d, d) || !(std::isfinite(d) && d > 0)) return kMsgModifiedBore;
    if (!readEntry(in.dExt, dExt) || !(std::isfinite(dExt) && dExt > d)) return kMsgModifiedOuter;
    if (!readEntry(in.cu, cu) || !(std::isfinite(cu) && cu > 0)) return kMsgModifiedCu;
    if (!readEntry(in.nu100, nu100) || !(std::isfinite(nu100) && nu100 >= 2))
        return kMsgModifiedNu100;
    if (!readEntry(in.nu40, nu40) || !(std::isfinite(nu40) && nu40 > nu100))
        return kMsgModifiedNu40;
    if (!readEntry(in.t, t) || !(t >= 0 && t <= 150)) return kMsgModifiedTemperature;
    lub.dm = (d + dExt) / 2.0;
    lub.cu = cu;
    lub.nu = viscosityAt(nu40, nu100, t);
    lub.walther = lub.nu < 2.0;
    return nullptr;
}

const char* readFactors(RollingKind kind, std::string_view reliability,
                        std::string_view cleanliness, Lubrication& lub) {
    if (!kind.known) return kMsgModifiedType;
    const Reliability* r = nullptr;
    for (const auto& item : kReliability)
        if (item.text == reliability) r = &item;
    if (!r) return kMsgModifiedReliability;
    const Cleanliness* c = nullptr;
    for (const auto& item : kCleanliness)
        if (item.text == cleanliness) c = &item;
    if (!c) return kMsgModifiedCleanliness;
    lub.kind = kind;
    lub.a1 = r->a1;
    lub.eC = lub.dm < 100.0 ? c->small : c->large;
    return nullptr;
}

ModifiedLifeAt modifiedLifeAt(const Lubrication& lub, double c, double P, double p, double n) {
    ModifiedLifeAt at;
    at.nu1 = ratedViscosity(n, lub.dm);
    at.kappa = lub.nu / at.nu1;
    if (at.kappa < kKappaMin) {
        at.kappaLow = true;
        return at;
    }
    at.kappaCapped = at.kappa > kKappaMax;
    double x = lub.eC * lub.cu / P;
    if (lub.kind.thrust) x /= lub.kind.ball ? 3.0 : 2.5;
    at.aIso = lifeModification(lub.kind.ball ? kBallCurve : kRollerCurve,
                               std::min(at.kappa, kKappaMax), x, at.aIsoCapped);
    at.lnm = lub.a1 * at.aIso * std::pow(c / P, p);
    return at;
}

void appendModifiedLife(const ModifiedLifeEntries& in, const BasicLife& basic, bool& shown,
                        char sep, Outcome& out) {
    if (!modifiedLifeInUse(in)) {
        // The group is optional: nothing to say, only what an earlier run left to clear.
        if (shown) clear(out, 0);
        shown = false;
        return;
    }
    shown = true;

    Lubrication lub;
    const char* refused = readLubrication(in, lub);
    if (!refused && !(basic.n > 0)) refused = kMsgModifiedSpeed;
    if (!refused)
        refused = readFactors(rollingKind(basic.element, basic.type), basic.reliability,
                              in.cleanliness, lub);
    if (!refused && !(basic.c > 0 && basic.P > 0 && basic.p > 0))
        refused = kMsgModifiedLoads;  // only negative pasted values get here
    if (refused) {
        clear(out, 0);
        out.warn(refused);
        return;
    }

    const ModifiedLifeAt at = modifiedLifeAt(lub, basic.c, basic.P, basic.p, basic.n);
    if (!showable(lub.dm) || !showable(lub.nu) || !showable(at.nu1) || !showable(at.kappa)) {
        clear(out, 0);
        out.warn(kMsgModifiedRange);
        return;
    }
    auto fmt = [sep](double v, std::string_view pattern) { return formatNumber(v, pattern, sep); };
    std::vector<std::string> notes;
    if (lub.walther) notes.push_back(kNoteWalther);
    auto joined = [&notes] {
        std::string s;
        for (const auto& n : notes) s += (s.empty() ? "" : " ; ") + n;
        return s;
    };
    out.write("Textdm", fmt(lub.dm, "0.00"));
    out.write("TextNu", fmt(lub.nu, "0.00"));
    out.write("TextNu1", fmt(at.nu1, "0.00"));
    out.write("TextKappa", fmt(at.kappa, "0.000"));
    if (at.kappaLow) {
        clear(out, 4, std::size(kModifiedLifeTargets) - 1);
        out.write("LabelDureeCorrigee", joined());
        out.warn(kMsgKappaLow);
        return;
    }
    const double lnmh = at.lnm * 1e6 / (60.0 * basic.n);
    if (!showable(at.lnm) || !showable(lnmh)) {
        clear(out, 0);
        out.warn(kMsgModifiedRange);
        return;
    }
    if (at.kappaCapped) notes.push_back(kNoteKappaCapped);
    if (at.aIsoCapped) notes.push_back(kNoteAIsoCapped);
    out.write("TexteC", fmt(lub.eC, "0.00"));
    out.write("Texta1ISO", fmt(lub.a1, "0.00"));
    out.write("TextaISO", fmt(at.aIso, "0.000"));
    out.write("TextLnm", fmt(at.lnm, "0.000 000"));
    out.write("TextLnmh", fmt(lnmh, "0.00"));
    out.write("LabelDureeCorrigee", joined());
}

}  // namespace torvel::bearings

#include "modified_life.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

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

struct Kind {
    bool known = false, ball = false, thrust = false;
};

Kind kindOf(std::string_view element, std::string_view type) {
    if (element == kRoulement) {
        if (type == kABilles || type == kARotuleBilles) return {true, true, false};
        if (type == kARouleaux || type == kARotuleRouleaux) return {true, false, false};
    } else if (element == kButee) {
        if (type == kABilles) return {true, true, true};
        if (type == kARouleaux) return {true, false, true};
    }
    return {};
}

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

void clear(Outcome& out, size_t from) {
    for (size_t i = from; i < std::size(kModifiedLifeTargets); ++i)
        out.write(kModifiedLifeTargets[i], "");
}

bool shownAsFloat(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), fitsInFloat);
}

}  // namespace

std::vector<std::string_view> cleanlinessItems() {
    std::vector<std::string_view> items;
    for (const auto& c : kCleanliness) items.push_back(c.text);
    return items;
}

ModifiedLifeEntries modifiedLifeEntries(const Fields& f) {
    return {.d = f["Textd"],
            .dExt = f["TextDext"],
            .cu = f["TextCu"],
            .nu40 = f["TextNu40"],
            .nu100 = f["TextNu100"],
            .t = f["TextT"],
            .cleanliness = f["ComboPollution"]};
}

void appendModifiedLife(const ModifiedLifeEntries& in, const BasicLife& basic, bool& shown,
                        char sep, Outcome& out) {
    const double d = leadingNumber(in.d), dExt = leadingNumber(in.dExt), cu = leadingNumber(in.cu);
    const double nu40 = leadingNumber(in.nu40), nu100 = leadingNumber(in.nu100);
    const double t = leadingNumber(in.t);
    if (d == 0 && dExt == 0 && cu == 0 && nu40 == 0 && nu100 == 0) {
        // The group is optional: nothing to say, only what an earlier run left to clear.
        if (shown) clear(out, 0);
        shown = false;
        return;
    }
    shown = true;

    const Kind kind = kindOf(basic.element, basic.type);
    const Reliability* reliability = nullptr;
    for (const auto& r : kReliability)
        if (r.text == basic.reliability) reliability = &r;
    const Cleanliness* cleanliness = nullptr;
    for (const auto& c : kCleanliness)
        if (c.text == in.cleanliness) cleanliness = &c;

    const char* refused = nullptr;
    if (!(std::isfinite(d) && d > 0))
        refused = kMsgModifiedBore;
    else if (!(std::isfinite(dExt) && dExt > d))
        refused = kMsgModifiedOuter;
    else if (!(std::isfinite(cu) && cu > 0))
        refused = kMsgModifiedCu;
    else if (!(std::isfinite(nu100) && nu100 >= 2))
        refused = kMsgModifiedNu100;
    else if (!(std::isfinite(nu40) && nu40 > nu100))
        refused = kMsgModifiedNu40;
    else if (!(t >= 0 && t <= 150))
        refused = kMsgModifiedTemperature;
    else if (!(basic.n > 0))
        refused = kMsgModifiedSpeed;
    else if (!kind.known)
        refused = kMsgModifiedType;
    else if (!reliability)
        refused = kMsgModifiedReliability;
    else if (!cleanliness)
        refused = kMsgModifiedCleanliness;
    else if (!(basic.c > 0 && basic.P > 0 && basic.p > 0))
        refused = kMsgModifiedLoads;  // only negative pasted values get here
    if (refused) {
        clear(out, 0);
        out.warn(refused);
        return;
    }

    const double dm = (d + dExt) / 2.0;
    const double nu = viscosityAt(nu40, nu100, t);
    const double nu1 = ratedViscosity(basic.n, dm);
    const double kappa = nu / nu1;
    if (!shownAsFloat({dm, nu, nu1, kappa})) {
        clear(out, 0);
        out.warn(kMsgModifiedRange);
        return;
    }
    auto fmt = [sep](double v, std::string_view pattern) { return formatNumber(v, pattern, sep); };
    const std::string shownDm = fmt(dm, "0.00"), shownNu = fmt(nu, "0.00"),
                      shownNu1 = fmt(nu1, "0.00"), shownKappa = fmt(kappa, "0.000");
    if (kappa < kKappaMin) {
        out.write("Textdm", shownDm);
        out.write("TextNu", shownNu);
        out.write("TextNu1", shownNu1);
        out.write("TextKappa", shownKappa);
        clear(out, 4);
        out.warn(kMsgKappaLow);
        return;
    }

    const bool kappaCapped = kappa > kKappaMax;
    const double eC = dm < 100.0 ? cleanliness->small : cleanliness->large;
    double x = eC * cu / basic.P;
    if (kind.thrust) x /= kind.ball ? 3.0 : 2.5;
    bool aIsoCapped = false;
    const double aIso = lifeModification(kind.ball ? kBallCurve : kRollerCurve,
                                         std::min(kappa, kKappaMax), x, aIsoCapped);
    const double lnm =
        reliability->a1 * aIso *
        std::pow(static_cast<double>(basic.c) / basic.P, static_cast<double>(basic.p));
    const double lnmh = lnm * 1e6 / (60.0 * basic.n);
    if (!shownAsFloat({lnm, lnmh})) {
        clear(out, 0);
        out.warn(kMsgModifiedRange);
        return;
    }

    std::string note = kappaCapped ? kNoteKappaCapped : "";
    if (aIsoCapped) note += (note.empty() ? "" : " ; ") + std::string(kNoteAIsoCapped);
    out.write("Textdm", shownDm);
    out.write("TextNu", shownNu);
    out.write("TextNu1", shownNu1);
    out.write("TextKappa", shownKappa);
    out.write("TexteC", fmt(eC, "0.00"));
    out.write("Texta1ISO", fmt(reliability->a1, "0.00"));
    out.write("TextaISO", fmt(aIso, "0.000"));
    out.write("TextLnm", fmt(lnm, "0.000 000"));
    out.write("TextLnmh", fmt(lnmh, "0.00"));
    out.write("LabelDureeCorrigee", note);
}

}  // namespace torvel::bearings

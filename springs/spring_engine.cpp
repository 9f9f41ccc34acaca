#include "spring_engine.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <utility>

#include "numbers.h"
#include "single.h"

namespace torvel::springs {

namespace {

constexpr double kPi = std::numbers::pi;

constexpr std::array<std::pair<std::string_view, float>, 3> kEndTypes{{
    {"Rapprochées, meulées, à 90°", 1.5f},
    {"Rapprochées, meulées, à 180°", 2.0f},
    {"Rapprochées, non meulées", 3.0f},
}};

// Buckling of a spring between parallel plates: seating coefficient and G/E of spring steel.
constexpr double kSeating = 0.5;
constexpr double kGOverE = 0.385;

// Minimum sum of gaps between active coils of a cold-coiled spring, per coil:
// 0.0015·D²/d + 0.1·d, half as much again under a dynamic load.
constexpr double kDynamicGaps = 1.5;

std::string mm(double v, char sep) { return formatNumber(v, "0.000", sep) + " mm"; }

}  // namespace

SpringInputs readSpringInputs(const SpringEntries& e) {
    return {readInput(e.d),  readInput(e.Dm), readInput(e.G),  readInput(e.mV),
            readInput(e.F1), readInput(e.L1), readInput(e.F2), readInput(e.L2)};
}

std::string pointForce(int point) { return point == 1 ? "F1" : "F2"; }
std::string pointLength(int point) { return point == 1 ? "L1" : "L2"; }

const std::array<std::string_view, 3>& endTypeNames() {
    static const std::array<std::string_view, 3> names{kEndTypes[0].first, kEndTypes[1].first,
                                                       kEndTypes[2].first};
    return names;
}

std::optional<float> deadCoils(std::string_view endType) {
    for (const auto& [name, nd] : kEndTypes)
        if (name == endType) return nd;
    return std::nullopt;
}

float readInput(std::string_view text) {
    const double v = leadingNumber(text);
    if (fitsInFloat(v)) return static_cast<float>(v);
    return v < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
}

const char* computeSpring(const SpringInputs& in, std::string_view endType, SpringState& state) {
    if (in.d == 0) return kMsgWire;
    if (in.Dm == 0) return kMsgMeanDiameter;
    if (in.F1 == 0 && in.L1 == 0 && in.F2 == 0 && in.L2 == 0) return kMsgConfiguration;
    if ((in.L1 == 0 && in.L2 == 0) || (in.F1 == 0 && in.F2 == 0)) return kMsgConfiguration;
    if (in.F2 == in.F1 || in.L2 == in.L1) return kMsgParameters;
    if (in.mV == 0) return kMsgDensity;
    if (in.G == 0) return kMsgShearModulus;

    // An unknown end type would compute with the dead coils of an earlier run.
    const auto nd = deadCoils(endType);
    if (!nd) return kMsgEndType;
    for (float v : {in.d, in.Dm, in.G, in.mV, in.F1, in.L1, in.F2, in.L2})
        if (v < 0) return kMsgNegative;
    // Dm = d divides the Wahl factor by zero; below it the coils would overlap.
    if (in.Dm <= in.d) return kMsgWireTooThick;

    const double d = in.d, Dm = in.Dm, G = in.G, mV = in.mV, F1 = in.F1, L1 = in.L1, F2 = in.F2,
                 L2 = in.L2, n = *nd;
    Keep keep;
    SpringResults r;
    r.Dd = keep(Dm / d);
    r.De = keep(Dm + d);
    r.Di = keep(Dm - d);
    r.R = keep((F2 - F1) / (L1 - L2));
    if (!keep.ok()) return kMsgOutOfRange;
    // A rate that is not positive gives negative coils and a meaningless spring.
    if (!(r.R > 0)) return kMsgRate;
    const double R = r.R;
    r.ni = keep(std::pow(d, 4) * G / (std::pow(Dm, 3) * 8 * R));
    const double ni = r.ni;
    r.nt = keep(ni + n);
    r.Lb = keep((ni + n) * d);
    r.L0 = keep(F2 / R + L2);
    r.p2 = keep((L2 - d * n) / ni);
    r.p0 = keep((static_cast<double>(r.L0) - d * n) / ni);
    const double p0 = r.p0;
    r.Demax = keep(0.5 * std::sqrt(4 * Dm * Dm + p0 * p0 - d * d) + d);
    r.Fb = keep((static_cast<double>(r.L0) - r.Lb) * R);
    r.T2 = keep(8 * Dm * F2 / (kPi * d * d * d));
    r.Tb = keep(8 * Dm * static_cast<double>(r.Fb) / (kPi * d * d * d));
    const float alpha = keep(std::atan(static_cast<double>(r.p2) / (kPi * Dm)));
    r.z = keep(static_cast<double>(alpha) * 180 / kPi);
    const double C = r.Dd;
    r.W = keep((4 * C - 1) / (4 * C - 4) + 0.615 / C);
    r.Ld = keep((ni / std::cos(static_cast<double>(alpha)) + 2) * kPi * Dm);
    r.M = keep(d * d * kPi * mV * static_cast<double>(r.Ld) * 1e-3 / 4);
    // A mass that underflows to zero would give an infinite frequency.
    if (!keep.ok() || !(r.M > 0)) return kMsgOutOfRange;
    // Natural frequency of a spring held at both ends between parallel plates:
    // fe = 1/2 sqrt(R'/m), the rate in N/m and the mass of the active coils in kg.
    const double activeMass = kPi * d * d / 4 * (kPi * Dm * ni) * mV * 1e-6;
    if (!(activeMass > 0)) return kMsgOutOfRange;
    r.fe = keep(0.5 * std::sqrt(R * 1e4 / activeMass));
    if (!keep.ok()) return kMsgOutOfRange;

    state.nd = *nd;
    state.results = r;
    return nullptr;
}

SpringChecks checkSpring(const SpringInputs& in, const SpringResults& r, bool dynamic) {
    SpringChecks c;
    const double w = r.Dd;
    c.k = static_cast<float>((w + 0.5) / (w - 0.75));  // w > 1: Dm > d was checked
    float tk2 = 0;
    if (keep(tk2, static_cast<double>(c.k) * r.T2)) c.Tk2 = tk2;

    c.loadedPoint = in.F1 > in.F2 ? 1 : 2;
    c.Fmax = c.loadedPoint == 1 ? in.F1 : in.F2;
    c.Lmin = c.loadedPoint == 1 ? in.L1 : in.L2;

    const double L0 = r.L0;
    const double slenderness = kPi * in.Dm / (kSeating * L0);
    const double underRoot = 1 - (1 - kGOverE) / (0.5 + kGOverE) * slenderness * slenderness;
    // A negative term: the spring is too stocky to buckle at any deflection.
    if (L0 > 0 && underRoot >= 0) {
        c.sk = static_cast<float>(L0 * 0.5 / (1 - kGOverE) * (1 - std::sqrt(underRoot)));
        c.bucklingRisk = L0 - c.Lmin >= *c.sk;
    }

    const double d = in.d, Dm = in.Dm;
    const double gaps = r.ni * (0.0015 * Dm * Dm / d + 0.1 * d) * (dynamic ? kDynamicGaps : 1);
    // Beyond single precision the gaps say nothing; the spring was refused before.
    keep(c.Sa, gaps);
    keep(c.Ln, static_cast<double>(r.Lb) + c.Sa);
    c.beyondBlock = c.Lmin < r.Lb;
    c.coilsTouch = !c.beyondBlock && c.Lmin < c.Ln;

    c.fewCoils = r.ni < 2;
    c.ratioOutside = r.Dd < 4 || r.Dd > 20;
    c.pitchAboveFreeLength = r.p0 > r.L0;
    c.freeBelowBlock = r.L0 < r.Lb;
    return c;
}

std::string beyondBlockText(const SpringChecks& c, float Lb, char sep) {
    return "Sous la charge maximale, le ressort est à bloc avant d'atteindre " +
           pointForce(c.loadedPoint) + " : " + pointLength(c.loadedPoint) + " = " +
           mm(c.Lmin, sep) + " < Lb = " + mm(Lb, sep);
}

Outcome calculateSpring(SpringState& state, const SpringEntries& entries, char decimalSeparator) {
    return calculateSpring(state, readSpringInputs(entries), entries.endType, decimalSeparator);
}

Outcome calculateSpring(SpringState& state, const SpringInputs& in, std::string_view endType,
                        char decimalSeparator) {
    Outcome out;
    if (const char* message = computeSpring(in, endType, state)) {
        out.stop(message);
        return out;
    }
    const SpringResults& r = state.results;
    const std::pair<const char*, float> fields[] = {
        {"TextDd", r.Dd}, {"TextDe", r.De},       {"TextDi", r.Di}, {"Textni", r.ni},
        {"Textnt", r.nt}, {"TextLb", r.Lb},       {"TextL0", r.L0}, {"Textp2", r.p2},
        {"Textp0", r.p0}, {"TextDemax", r.Demax}, {"TextR", r.R},   {"TextFb", r.Fb},
        {"TextT2", r.T2}, {"TextTb", r.Tb},       {"Textz", r.z},   {"TextW", r.W},
        {"TextLd", r.Ld}, {"TextM", r.M},         {"Textfe", r.fe},
    };
    for (const auto& [field, value] : fields)
        out.write(field, formatNumber(value, "0.000", decimalSeparator));
    return out;
}

void writeChecks(Outcome& out, const SpringResults& r, const SpringChecks& c, char sep) {
    auto shown = [sep](float v) { return formatNumber(v, "0.000", sep); };
    out.write("Textk", shown(c.k));
    out.write("TextTk2", c.Tk2 ? shown(*c.Tk2) : std::string());
    out.write("Textsk", c.sk ? shown(*c.sk) : std::string(kTextCannotBuckle));
    out.write("TextSa", shown(c.Sa));
    out.write("TextLn", shown(c.Ln));
    const std::string loaded = "sous la charge maximale " + pointForce(c.loadedPoint);
    out.write("LabelFlambage", c.bucklingRisk
                                   ? "Risque de flambage " + loaded + " : prévoir un guidage"
                                   : "Pas de risque de flambage " + loaded);
    const std::string length = pointLength(c.loadedPoint) + " = " + mm(c.Lmin, sep);
    if (c.beyondBlock)
        out.write("LabelBloc", beyondBlockText(c, r.Lb, sep));
    else if (c.coilsTouch)
        out.write("LabelBloc", "Les spires se touchent avant " + pointLength(c.loadedPoint) +
                                   " : " + length + " < Ln = Lb + Sa = " + mm(c.Ln, sep));
    else
        out.write("LabelBloc",
                  length + " ≥ Ln = Lb + Sa = " + mm(c.Ln, sep) + " : jeu entre spires suffisant");
    std::string domain;
    for (const auto& [outside, text] : {std::pair{c.fewCoils, kTextFewCoils},
                                        {c.ratioOutside, kTextRatioOutside},
                                        {c.pitchAboveFreeLength, kTextPitchAboveFreeLength},
                                        {c.freeBelowBlock, kTextFreeBelowBlock}})
        if (outside) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely on a short
            // literal inserted before a string.
            if (!domain.empty()) domain += '\n';
            domain += text;
        }
    out.write("LabelDomaine", domain);
}

SpringEntries springEntries(const Fields& f) {
    return {f["Textd"],  f["Textdm"], f["TextG"],  f["TextmV"],     f["TextF1"],
            f["TextL1"], f["TextF2"], f["TextL2"], f["ComboSpires"]};
}

}  // namespace torvel::springs

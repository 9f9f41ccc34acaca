#include "press_fit.h"

#include <array>
#include <cctype>
#include <cmath>
#include <functional>

#include "numbers.h"

namespace torvel::fits {

namespace {

// E, ν and α (heating) of steel and grey iron: WHZ Zwickau, "Berechnungsgleichungen
// für Pressverbindungen II" (material table); E of steel as customary.
// Yield strengths: EN 10025-2 (t <= 16 mm) for S235 and E295, EN 10250-2
// (16 < d <= 100 mm) for C45+N. Grey iron has no yield point: Re = Rm/2 (WHZ),
// E and ν from the DIN EN 1561 table of sn-castiron.nl. Ductile iron: EN 1563
// tables (iron-foundry.com, sn-castiron.nl). EN AW-6082 T6: EN 755-2 values of
// the alloy data sheets, ν from matmatch. Bronzes: kemper-olpe.de data sheet
// (CuSn11P-C) and makeitfrom (ν, α, CuSn12Ni2-C).
constexpr PressFitMaterial kMaterials[] = {
    {"Acier S235", 210000, 0.30, 235, 11},
    {"Acier E295", 210000, 0.30, 295, 11},
    {"Acier C45+N", 210000, 0.30, 305, 11},
    {"Fonte EN-GJL-250 (Re = Rm/2)", 110000, 0.26, 125, 10},
    {"Fonte EN-GJS-400-15", 169000, 0.28, 250, 12.5},
    {"Aluminium EN AW-6082 T6", 70000, 0.33, 250, 23.4},
    {"Bronze CuSn11P-C", 100000, 0.34, 130, 18},
    {"Bronze CuSn12Ni2-C", 110000, 0.34, 200, 18},
};

constexpr double kPi = 3.14159265358979323846;
constexpr double kHeatingLimit = 300.0;    // °C, the hub's usual furnace limit
constexpr double kAbsoluteZero = -273.15;  // °C

// Compliance of each part per unit of its modulus (Lame, plane stress).
double hubCompliance(double qa, double nu) { return (1 + qa * qa) / (1 - qa * qa) + nu; }
double shaftCompliance(double qi, double nu) { return (1 + qi * qi) / (1 - qi * qi) - nu; }

struct Check {
    const char* entry;
    double value;
    std::function<bool(double)> accepted;
    const char* rule;
};

std::string refusalOf(const PressFitInput& in) {
    const double df = in.diameter;
    // The fit's side of the data: the window gives it from a class it shows.
    if (!(df > 0) || !std::isfinite(df) || !std::isfinite(in.measured.min) ||
        !std::isfinite(in.measured.max) || in.measured.min > in.measured.max)
        return "Ajustement : ni diamètre ni écarts utilisables";
    auto positive = [](double v) { return v > 0; };
    auto notNegative = [](double v) { return v >= 0; };
    auto poisson = [](double v) { return v >= 0 && v < 0.5; };
    const Check checks[] = {
        {"DaA", in.hubOuter, [df](double v) { return v > df; },
         "le diamètre extérieur du moyeu doit être supérieur au diamètre de l'ajustement"},
        {"DiI", in.shaftBore, [df](double v) { return v >= 0 && v < df; },
         "l'alésage de l'arbre doit être inférieur au diamètre de l'ajustement (0 pour un arbre "
         "plein)"},
        {"L", in.length, positive, "la longueur de l'assemblage doit être supérieure à 0"},
        {"EA", in.hub.e, positive, "le module d'élasticité du moyeu doit être supérieur à 0"},
        {"νA", in.hub.nu, poisson,
         "le coefficient de Poisson du moyeu doit être positif ou nul et inférieur à un demi"},
        {"ReA", in.hub.re, positive, "la limite d'élasticité du moyeu doit être supérieure à 0"},
        {"EI", in.shaft.e, positive, "le module d'élasticité de l'arbre doit être supérieur à 0"},
        {"νI", in.shaft.nu, poisson,
         "le coefficient de Poisson de l'arbre doit être positif ou nul et inférieur à un demi"},
        {"ReI", in.shaft.re, positive,
         "la limite d'élasticité de l'arbre doit être supérieure à 0"},
        {"αA", in.hubExpansion, positive,
         "le coefficient de dilatation du moyeu doit être supérieur à 0"},
        {"RzA", in.rzHub, notNegative, "la rugosité de l'alésage du moyeu ne peut être négative"},
        {"RzI", in.rzShaft, notNegative, "la rugosité de l'arbre ne peut être négative"},
        {"μ", in.friction, [](double v) { return v > 0 && v <= 1; },
         "le coefficient de frottement doit être supérieur à 0 et au plus égal à 1"},
        {"Mt", in.torque.value_or(0), notNegative, "le couple à transmettre ne peut être négatif"},
        {"Tamb", in.roomTemperature, [](double v) { return v >= kAbsoluteZero; },
         "la température ne peut être inférieure au zéro absolu"},
    };
    for (const Check& c : checks) {
        if (!std::isfinite(c.value))
            return std::string(c.entry) + " : la valeur sort des limites du calcul";
        if (!c.accepted(c.value)) return std::string(c.entry) + " : " + c.rule;
    }
    return {};
}

bool allFinite(const PressFitResult& r) {
    const std::optional<double> values[] = {r.pressureMin, r.torqueMax,          r.axialForce,
                                            r.slipSafety,  r.pressureMax,        r.pressInForce,
                                            r.hubStress,   r.hubSafety,          r.shaftStress,
                                            r.shaftSafety, r.assemblyTemperature};
    for (const auto& v : values)
        if (v && !std::isfinite(*v)) return false;
    return std::isfinite(r.effectiveMin) && std::isfinite(r.effectiveMax);
}

}  // namespace

std::span<const PressFitMaterial> pressFitMaterials() { return kMaterials; }

Interference measuredInterference(const Deviations& hole, const Deviations& shaft) {
    auto halfMicrons = [](double mm) { return std::round(mm * 2000.0); };
    return {(halfMicrons(shaft.lower) - halfMicrons(hole.upper)) / 2.0,
            (halfMicrons(shaft.upper) - halfMicrons(hole.lower)) / 2.0};
}

PressFitResult pressFit(const PressFitInput& in) {
    PressFitResult r;
    r.refusal = refusalOf(in);
    if (!r.refusal.empty()) return r;

    const double df = in.diameter;
    const double qa = df / in.hubOuter;
    const double qi = in.shaftBore / df;
    r.smoothing = kSmoothingFactor * (in.rzHub + in.rzShaft);
    r.effectiveMin = in.measured.min - r.smoothing;
    r.effectiveMax = in.measured.max - r.smoothing;
    r.clearance = in.measured.max <= 0;
    r.uncertain = !r.clearance && in.measured.min <= 0;
    r.lostToRoughness = !r.clearance && !r.uncertain && r.effectiveMin <= 0;
    r.torqueGiven = in.torque && *in.torque > 0;
    if (r.clearance) return r;

    // p = (Z / DF) / (CA / EA + CI / EI), Z in mm.
    const double compliance =
        hubCompliance(qa, in.hub.nu) / in.hub.e + shaftCompliance(qi, in.shaft.nu) / in.shaft.e;
    auto pressure = [&](double z) { return z / 1000.0 / df / compliance; };
    // One unit of pressure over the joint: its area times μ.
    const double grip = kPi * df * in.length * in.friction;

    if (r.effectiveMin > 0) {
        const double p = pressure(r.effectiveMin);
        r.pressureMin = p;
        r.axialForce = p * grip;
        r.torqueMax = p * grip * df / 2.0 / 1000.0;
        if (r.torqueGiven) r.slipSafety = *r.torqueMax / *in.torque;
    }
    if (r.effectiveMax > 0) {
        const double p = pressure(r.effectiveMax);
        r.pressureMax = p;
        r.pressInForce = p * grip;
        // DIN 7190-1's equivalent stress: √3 times the largest shear stress, the
        // axial stress being 0; the hub yields at pFA = (1 - QA²) / √3 · ReA.
        r.hubStress = std::sqrt(3.0) * p / (1 - qa * qa);
        r.hubSafety = in.hub.re / *r.hubStress;
        r.shaftStress = qi > 0 ? std::sqrt(3.0) * p / (1 - qi * qi) : std::sqrt(3.0) / 2.0 * p;
        r.shaftSafety = in.shaft.re / *r.shaftStress;
    }
    // Shrink fitting overcomes the measured interference, roughness peaks included.
    if (in.measured.max > 0)
        r.assemblyTemperature =
            in.roomTemperature +
            (in.measured.max / 1000.0 + kJoiningClearance * df) / (in.hubExpansion * 1e-6 * df);

    if (!allFinite(r)) {
        PressFitResult refused;
        refused.refusal = "Les données conduisent à des valeurs hors des limites du calcul";
        return refused;
    }
    return r;
}

PressFitVerdict pressFitVerdict(const PressFitResult& r, char decimalSeparator) {
    if (!r.refusal.empty()) return {r.refusal, Tone::NotHeld};
    // The fits window's own words for the kind of fit.
    if (r.clearance) return {"Ajustement avec jeu : pas de frettage", Tone::NotHeld};
    std::vector<std::string> says;
    if (r.uncertain)
        says.emplace_back(
            "ajustement incertain : le serrage minimal est nul ou négatif, rien n'est transmis à "
            "coup sûr");
    else if (r.lostToRoughness)
        says.emplace_back(
            "le serrage minimal est absorbé par l'écrasement des rugosités : pas de frettage");
    if (r.hubSafety && *r.hubSafety < 1) says.emplace_back("le moyeu plastifie");
    if (r.shaftSafety && *r.shaftSafety < 1) says.emplace_back("l'arbre plastifie");
    if (r.slipSafety && *r.slipSafety < 1)
        says.push_back("le couple n'est pas transmis (sécurité " +
                       formatNumber(*r.slipSafety, "0.00", decimalSeparator) + ")");
    // Beyond 300 °C a heated hub risks its temper (DIN 7190-1's heating table
    // stops there): the shaft is cooled as well, or the joint pressed in.
    if (r.assemblyTemperature && *r.assemblyTemperature > kHeatingLimit)
        says.emplace_back(
            "montage à plus de 300 °C : refroidir aussi l'arbre, ou emmancher à la presse");
    const bool failed = !says.empty();
    // Green needs every check made: without a torque, slipping was not looked at.
    if (!r.torqueGiven && !r.uncertain && !r.lostToRoughness)
        says.emplace_back(
            "pas de couple à transmettre : la tenue au glissement n'est pas vérifiée");
    const Tone tone = failed ? Tone::NotHeld : r.torqueGiven ? Tone::Held : Tone::Neutral;
    if (says.empty()) says.emplace_back("assemblage admissible");
    std::string text;
    for (const std::string& s : says) text += (text.empty() ? "" : " ; ") + s;
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return {text, tone};
}

std::vector<std::pair<std::string, std::string>> pressFitTexts(const PressFitResult& r,
                                                               char decimalSeparator) {
    const bool computed = r.refusal.empty() && !r.clearance;
    auto text = [&](std::optional<double> v, const char* pattern) {
        if (!computed || !v) return std::string();
        // The pattern's spaces group the thousands: the unused ones go.
        std::string s = formatNumber(*v, pattern, decimalSeparator);
        const bool negative = !s.empty() && s[0] == '-';
        s.erase(0, s.find_first_not_of(" -"));
        return negative ? "-" + s : s;
    };
    constexpr const char* kMicrons = "### ##0.0";
    constexpr const char* kStress = "### ##0.0";
    constexpr const char* kForce = "### ### ### ##0";
    constexpr const char* kTorque = "### ### ##0.0";
    constexpr const char* kSafety = "### ##0.00";
    return {
        // An uncertain fit has no minimum side at all.
        {"TextUeMin", r.uncertain ? std::string() : text(r.effectiveMin, kMicrons)},
        {"TextUeMax", text(r.effectiveMax, kMicrons)},
        {"TextPMin", text(r.pressureMin, kStress)},
        {"TextPMax", text(r.pressureMax, kStress)},
        {"TextCoupleMax", text(r.torqueMax, kTorque)},
        {"TextEffortAxial", text(r.axialForce, kForce)},
        {"TextSecuriteGlissement", text(r.slipSafety, kSafety)},
        {"TextEffortEmmanchement", text(r.pressInForce, kForce)},
        {"TextTempMontage", text(r.assemblyTemperature, "### ##0")},
        {"TextContrainteMoyeu", text(r.hubStress, kStress)},
        {"TextSecuriteMoyeu", text(r.hubSafety, kSafety)},
        {"TextContrainteArbre", text(r.shaftStress, kStress)},
        {"TextSecuriteArbre", text(r.shaftSafety, kSafety)},
    };
}

}  // namespace torvel::fits

namespace torvel::fits {

namespace {

constexpr PressFitEntry kEntries[] = {
    {"TextDaMoyeu", "DaA"},   {"TextDiArbre", "DiI", true}, {"TextLongueur", "L"},
    {"TextEMoyeu", "EA"},     {"TextNuMoyeu", "νA"},        {"TextReMoyeu", "ReA"},
    {"TextEArbre", "EI"},     {"TextNuArbre", "νI"},        {"TextReArbre", "ReI"},
    {"TextAlphaMoyeu", "αA"}, {"TextRzMoyeu", "RzA"},       {"TextRzArbre", "RzI"},
    {"TextFrottement", "μ"},  {"TextCouple", "Mt", true},   {"TextTamb", "Tamb"},
};

constexpr const char* kVerdictLabel = "LabelPressFit";

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Every result box and the verdict, written as `r` and `verdict` say.
PressFitRun shown(const PressFitResult& r, const std::string& verdict, Tone tone,
                  char decimalSeparator) {
    PressFitRun run;
    for (auto& [name, text] : pressFitTexts(r, decimalSeparator))
        run.outcome.write(std::move(name), std::move(text));
    run.outcome.write(kVerdictLabel, verdict);
    run.tone = tone;
    return run;
}

}  // namespace

std::span<const PressFitEntry> pressFitEntries() { return kEntries; }

bool pressFitUsed(const Fields& entries) {
    return !blank(entries["TextDaMoyeu"]) || !blank(entries["TextLongueur"]);
}

PressFitRun runPressFit(const Fields& entries, const std::optional<ShownFit>& fit,
                        char decimalSeparator) {
    PressFitResult none;
    none.clearance = true;  // nothing computed: every box empty
    if (!pressFitUsed(entries)) return shown(none, "", Tone::Neutral, decimalSeparator);
    if (!fit)
        return shown(none,
                     "Aucun ajustement affiché : choisissez-en un (tuiles ou ajustements usuels) "
                     "pour calculer l'assemblage.",
                     Tone::Neutral, decimalSeparator);
    // An entry left empty or holding no number is refused, not read as 0.
    for (const PressFitEntry& e : kEntries) {
        const std::string& text = entries[e.name];
        if (holdsNumber(text) || (e.mayBeEmpty && blank(text))) continue;
        PressFitRun refused;
        refused.outcome.stop(std::string(e.symbol) + " : une valeur numérique est attendue");
        refused.tone = Tone::NotHeld;
        return refused;
    }
    auto number = [&](std::string_view name) { return leadingNumber(entries[name]); };
    PressFitInput in;
    in.diameter = fit->diameter;
    in.measured = fit->measured;
    in.hubOuter = number("TextDaMoyeu");
    in.shaftBore = number("TextDiArbre");
    in.length = number("TextLongueur");
    in.hub = {number("TextEMoyeu"), number("TextNuMoyeu"), number("TextReMoyeu")};
    in.shaft = {number("TextEArbre"), number("TextNuArbre"), number("TextReArbre")};
    in.hubExpansion = number("TextAlphaMoyeu");
    in.rzHub = number("TextRzMoyeu");
    in.rzShaft = number("TextRzArbre");
    in.friction = number("TextFrottement");
    if (!blank(entries["TextCouple"])) in.torque = number("TextCouple");
    in.roomTemperature = number("TextTamb");

    const PressFitResult r = pressFit(in);
    const PressFitVerdict verdict = pressFitVerdict(r, decimalSeparator);
    if (!r.refusal.empty()) {
        PressFitRun refused;
        refused.outcome.stop(verdict.text);
        refused.tone = Tone::NotHeld;
        return refused;
    }
    return shown(r, verdict.text, verdict.tone, decimalSeparator);
}

}  // namespace torvel::fits

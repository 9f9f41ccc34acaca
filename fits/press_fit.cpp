#include "press_fit.h"

#include <array>
#include <cctype>
#include <cmath>
#include <functional>

#include "numbers.h"
#include "press_fit_design.h"

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
// Densities: steel 7850 kg/m3 as EN 1993-1-1 (3.2.6) takes it; the cast irons,
// the aluminium alloy and the bronzes at the customary values of their data
// sheets (GJL 7200, GJS 7100, EN AW-6082 2700, tin bronzes 8800), which the
// design notes took from memory: to be checked against a published table.
constexpr PressFitMaterial kMaterials[] = {
    {"Acier S235", 210000, 0.30, 235, 11, 7850},
    {"Acier E295", 210000, 0.30, 295, 11, 7850},
    {"Acier C45+N", 210000, 0.30, 305, 11, 7850},
    {"Fonte EN-GJL-250 (Re = Rm/2)", 110000, 0.26, 125, 10, 7200},
    {"Fonte EN-GJS-400-15", 169000, 0.28, 250, 12.5, 7100},
    {"Aluminium EN AW-6082 T6", 70000, 0.33, 250, 23.4, 2700},
    {"Bronze CuSn11P-C", 100000, 0.34, 130, 18, 8800},
    {"Bronze CuSn12Ni2-C", 110000, 0.34, 200, 18, 8800},
};

constexpr double kPi = 3.14159265358979323846;
constexpr double kHeatingLimit = 300.0;    // °C, the hub's usual furnace limit
constexpr double kAbsoluteZero = -273.15;  // °C
// What the entries may reach: beyond, the data are a slip of the keyboard, not a
// joint (the densest metals are near 22 600 kg/m3; no joint of this calculation
// turns at 200 000 tr/min or runs at 1 000 °C with its properties at 20 °C).
constexpr double kMaxFactor = 10;         // KA, SR, SP
constexpr double kMaxTemperature = 1000;  // °C, Tamb, ϑA, ϑI
constexpr double kMaxSpeed = 200000;      // tr/min
constexpr double kMaxDensity = 30000;     // kg/m3

double angularSpeed(double rpm) { return 2 * kPi * rpm / 60.0; }

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
    auto atLeastOne = [](double v) { return v >= 1; };
    auto aboveAbsoluteZero = [](double v) { return v >= kAbsoluteZero; };
    auto atMost = [](double limit) { return [limit](double v) { return v <= limit; }; };
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
        {"Tamb", in.roomTemperature, aboveAbsoluteZero,
         "la température ne peut être inférieure au zéro absolu"},
        {"Tamb", in.roomTemperature, atMost(kMaxTemperature),
         "la température ne peut dépasser 1 000 °C"},
        {"KA", in.applicationFactor, atLeastOne,
         "le facteur d'application doit être au moins égal à 1"},
        {"KA", in.applicationFactor, atMost(kMaxFactor),
         "le facteur d'application ne peut dépasser 10"},
        {"Fax", in.axialForce.value_or(0), notNegative, "l'effort axial ne peut être négatif"},
        {"SR", in.slipRequired, atLeastOne,
         "la sécurité au glissement requise doit être au moins égale à 1"},
        {"SR", in.slipRequired, atMost(kMaxFactor),
         "la sécurité au glissement requise ne peut dépasser 10"},
        {"SP", in.yieldRequired, atLeastOne,
         "la sécurité à la plastification requise doit être au moins égale à 1"},
        {"SP", in.yieldRequired, atMost(kMaxFactor),
         "la sécurité à la plastification requise ne peut dépasser 10"},
        {"ϑA", in.hubTemperature.value_or(in.roomTemperature), aboveAbsoluteZero,
         "la température ne peut être inférieure au zéro absolu"},
        {"ϑA", in.hubTemperature.value_or(in.roomTemperature), atMost(kMaxTemperature),
         "la température ne peut dépasser 1 000 °C"},
        {"ϑI", in.shaftTemperature.value_or(in.roomTemperature), aboveAbsoluteZero,
         "la température ne peut être inférieure au zéro absolu"},
        {"ϑI", in.shaftTemperature.value_or(in.roomTemperature), atMost(kMaxTemperature),
         "la température ne peut dépasser 1 000 °C"},
        {"αI", in.shaftExpansion, positive,
         "le coefficient de dilatation de l'arbre doit être supérieur à 0"},
        {"n max", in.speed.value_or(0), notNegative, "la vitesse ne peut être négative"},
        {"n max", in.speed.value_or(0), atMost(kMaxSpeed),
         "la vitesse ne peut dépasser 200 000 tr/min"},
        {"ρA", in.hubDensity, positive, "la masse volumique du moyeu doit être supérieure à 0"},
        {"ρI", in.shaftDensity, positive, "la masse volumique de l'arbre doit être supérieure à 0"},
        {"ρA", in.hubDensity, atMost(kMaxDensity),
         "la masse volumique du moyeu ne peut dépasser 30 000 kg/m3"},
        {"ρI", in.shaftDensity, atMost(kMaxDensity),
         "la masse volumique de l'arbre ne peut dépasser 30 000 kg/m3"},
    };
    for (const Check& c : checks) {
        if (!std::isfinite(c.value))
            return std::string(c.entry) + " : la valeur sort des limites du calcul";
        if (!c.accepted(c.value)) return std::string(c.entry) + " : " + c.rule;
    }
    return {};
}

bool allFinite(const PressFitResult& r) {
    const std::optional<double> values[] = {
        r.pressureMin,     r.torqueMax,    r.axialForce,          r.slipSafety,
        r.pressureMax,     r.pressInForce, r.hubStress,           r.hubSafety,
        r.shaftStress,     r.shaftSafety,  r.assemblyTemperature, r.requiredLoad,
        r.pressureService, r.openingSpeed, r.hubStressSpeed,      r.hubSafetySpeed};
    for (const auto& v : values)
        if (v && !std::isfinite(*v)) return false;
    return std::isfinite(r.effectiveMin) && std::isfinite(r.effectiveMax) &&
           std::isfinite(r.thermalChange) && std::isfinite(r.speedLoss);
}

}  // namespace

std::span<const PressFitMaterial> pressFitMaterials() { return kMaterials; }

Interference measuredInterference(const Deviations& hole, const Deviations& shaft) {
    auto halfMicrons = [](double mm) { return std::round(mm * 2000.0); };
    return {(halfMicrons(shaft.lower) - halfMicrons(hole.upper)) / 2.0,
            (halfMicrons(shaft.upper) - halfMicrons(hole.lower)) / 2.0};
}

// The diametral loss of interference per (rad/s)², µm: the free radial growths
// of two rotating discs at the joint (plane stress), ρ in t/mm³; the hub's bore
// outgrows the shaft.
static double lossPerOmegaSquared(const PressFitInput& in) {
    const double df = in.diameter, di = in.shaftBore, da = in.hubOuter;
    const double hub =
        in.hubDensity * 1e-12 / in.hub.e * ((3 + in.hub.nu) * da * da + (1 - in.hub.nu) * df * df);
    const double shaft = in.shaftDensity * 1e-12 / in.shaft.e *
                         ((3 + in.shaft.nu) * di * di + (1 - in.shaft.nu) * df * df);
    return df / 16 * (hub - shaft) * 1000.0;
}

double pressFitCompliance(const PressFitInput& in) {
    const double qa = in.diameter / in.hubOuter;
    const double qi = in.shaftBore / in.diameter;
    return hubCompliance(qa, in.hub.nu) / in.hub.e + shaftCompliance(qi, in.shaft.nu) / in.shaft.e;
}

ServiceChange serviceChange(const PressFitInput& in) {
    const double df = in.diameter;
    const double hubT = in.hubTemperature.value_or(in.roomTemperature);
    const double shaftT = in.shaftTemperature.value_or(in.roomTemperature);
    ServiceChange c;
    // First order: each diameter grows with its own α from the 20 °C of the limits.
    c.thermal = df * (in.shaftExpansion * (shaftT - 20) - in.hubExpansion * (hubT - 20)) * 1e-3;
    const double omega = angularSpeed(in.speed.value_or(0));
    c.speed = omega * omega * lossPerOmegaSquared(in);
    return c;
}

double yieldPressure(const PressFitInput& in) {
    const double qa = in.diameter / in.hubOuter;
    const double qi = in.shaftBore / in.diameter;
    // DIN 7190-1's limits: the hub at (1 - QA²) / √3 · ReA, the shaft at 2 / √3 · ReI
    // when solid, (1 - QI²) / √3 · ReI at its bore when hollow.
    const double hub = (1 - qa * qa) / std::sqrt(3.0) * in.hub.re;
    const double shaft =
        qi > 0 ? (1 - qi * qi) / std::sqrt(3.0) * in.shaft.re : 2 / std::sqrt(3.0) * in.shaft.re;
    return std::min(hub, shaft);
}

double requiredLoad(const PressFitInput& in) {
    const double torque = in.torque.value_or(0) * 1000.0;  // N·mm
    return in.applicationFactor * std::hypot(in.axialForce.value_or(0), 2 * torque / in.diameter);
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
    r.axialGiven = in.axialForce && *in.axialForce > 0;
    r.slipRequired = in.slipRequired;
    r.yieldRequired = in.yieldRequired;
    r.hubTemperature = in.hubTemperature.value_or(in.roomTemperature);
    r.shaftTemperature = in.shaftTemperature.value_or(in.roomTemperature);
    if (in.speed && *in.speed > 0) r.speed = in.speed;

    // The service and the load are weighed even for a clearance fit: the
    // design reads them, and data it cannot compute are refused here.
    const ServiceChange service = serviceChange(in);
    r.thermalChange = service.thermal;
    r.speedLoss = service.speed;
    const double load = requiredLoad(in);
    if (load > 0) r.requiredLoad = load;
    if (r.clearance) {
        if (allFinite(r) && std::isfinite(pressFitCompliance(in))) return r;
        PressFitResult refused;
        refused.refusal = kOutOfRange;
        return refused;
    }

    // p = (Z / DF) / (CA / EA + CI / EI), Z in mm.
    const double compliance = pressFitCompliance(in);
    auto pressure = [&](double z) { return z / 1000.0 / df / compliance; };
    // One unit of pressure over the joint: its area times μ.
    const double grip = kPi * df * in.length * in.friction;

    if (r.effectiveMin > 0) {
        const double p = pressure(r.effectiveMin);
        r.pressureMin = p;
        r.axialForce = p * grip;
        r.torqueMax = p * grip * df / 2.0 / 1000.0;
        // The worst state for the grip: the thermal loss and the speed's, each
        // counted when it is one.
        const double worst =
            r.effectiveMin + std::min(0.0, service.thermal) - std::max(0.0, service.speed);
        r.lostInService = worst <= 0;
        if (!r.lostInService) {
            r.pressureService = pressure(worst);
            if (r.requiredLoad) r.slipSafety = *r.pressureService * grip / *r.requiredLoad;
        }
        // The joint opens where the speed's loss takes the whole interference
        // left at the service temperature.
        const double perOmegaSquared = lossPerOmegaSquared(in);
        const double still = r.effectiveMin + std::min(0.0, service.thermal);
        if (perOmegaSquared > 0)
            r.openingSpeed = still > 0 ? std::sqrt(still / perOmegaSquared) * 30.0 / kPi : 0.0;
    }
    if (r.effectiveMax > 0) {
        const double p = pressure(r.effectiveMax);
        r.pressureMax = p;
        r.pressInForce = p * grip;
        // The stresses at the largest interference at standstill: a thermal
        // gain in service adds to it.
        const double largest =
            r.effectiveMax + std::max(0.0, service.thermal) + std::max(0.0, -service.speed);
        const double pl = pressure(largest);
        // DIN 7190-1's equivalent stress: √3 times the largest shear stress, the
        // axial stress being 0; the hub yields at pFA = (1 - QA²) / √3 · ReA.
        r.hubStress = std::sqrt(3.0) * pl / (1 - qa * qa);
        r.hubSafety = in.hub.re / *r.hubStress;
        r.shaftStress = qi > 0 ? std::sqrt(3.0) * pl / (1 - qi * qi) : std::sqrt(3.0) / 2.0 * pl;
        r.shaftSafety = in.shaft.re / *r.shaftStress;
        if (r.speed) {
            // At n max the pressure falls, the hub's own hoop stress rises.
            const double omega = angularSpeed(*r.speed);
            const double pn = std::max(
                0.0, pressure(r.effectiveMax + std::max(0.0, service.thermal) - service.speed));
            const double b = df / 2, c = in.hubOuter / 2, nu = in.hub.nu;
            const double hoop = pn * (1 + qa * qa) / (1 - qa * qa) +
                                (3 + nu) / 4 * in.hubDensity * 1e-12 * omega * omega *
                                    (c * c + (1 - nu) * b * b / (3 + nu));
            r.hubStressSpeed = std::sqrt(3.0) / 2.0 * (hoop + pn);
            r.hubSafetySpeed = in.hub.re / *r.hubStressSpeed;
        }
    }
    // Shrink fitting overcomes the measured interference, roughness peaks included.
    if (in.measured.max > 0)
        r.assemblyTemperature =
            in.roomTemperature +
            (in.measured.max / 1000.0 + kJoiningClearance * df) / (in.hubExpansion * 1e-6 * df);

    if (!allFinite(r)) {
        PressFitResult refused;
        refused.refusal = kOutOfRange;
        return refused;
    }
    return r;
}

namespace {

std::string degrees(double t, char separator) { return formatNumber(t, "0.#", separator) + " °C"; }

// The state in service that takes interference away, as the verdict names it:
// "à 90 °C", "moyeu à 90 °C et arbre à 60 °C", "à 3000 tr/min", or both.
std::string lossState(const PressFitResult& r, char separator) {
    std::vector<std::string> parts;
    if (r.thermalChange < 0)
        parts.push_back(r.hubTemperature == r.shaftTemperature
                            ? "à " + degrees(r.hubTemperature, separator)
                            : "moyeu à " + degrees(r.hubTemperature, separator) + " et arbre à " +
                                  degrees(r.shaftTemperature, separator));
    if (r.speedLoss > 0 && r.speed)
        parts.push_back("à " + formatNumber(*r.speed, "0", separator) + " tr/min");
    std::string text;
    for (const std::string& p : parts) text += (text.empty() ? "" : " et ") + p;
    return text;
}

// The state that adds interference at standstill (a thermal gain).
std::string gainState(const PressFitResult& r, char separator) {
    if (r.thermalChange <= 0) return {};
    return r.hubTemperature == r.shaftTemperature
               ? "à " + degrees(r.hubTemperature, separator)
               : "moyeu à " + degrees(r.hubTemperature, separator) + " et arbre à " +
                     degrees(r.shaftTemperature, separator);
}

std::string within(const std::string& state) { return state.empty() ? "" : state + ", "; }

// "le moyeu plastifie", or its safety under the one asked.
std::optional<std::string> yieldSays(std::optional<double> safety, double required,
                                     const char* part, const char* yields, char separator) {
    if (!safety || *safety >= required) return std::nullopt;
    if (*safety < 1) return std::string(yields);
    return "la sécurité " + std::string(part) + " (" + formatNumber(*safety, "0.00", separator) +
           ") est inférieure à SP requise (" + formatNumber(required, "0.00", separator) + ")";
}

}  // namespace

PressFitVerdict pressFitVerdict(const PressFitResult& r, char decimalSeparator) {
    const char sep = decimalSeparator;
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
    const std::string lost = lossState(r, sep);
    if (r.lostInService) says.push_back(lost + " le serrage minimal est perdu");
    const std::string gained = within(gainState(r, sep));
    if (auto s = yieldSays(r.hubSafety, r.yieldRequired, "du moyeu", "le moyeu plastifie", sep))
        says.push_back(gained + *s);
    else if (r.speed && r.hubSafetySpeed && r.hubSafety && *r.hubSafetySpeed < *r.hubSafety)
        if (auto v =
                yieldSays(r.hubSafetySpeed, r.yieldRequired, "du moyeu", "le moyeu plastifie", sep))
            says.push_back("à " + formatNumber(*r.speed, "0", sep) + " tr/min, " + *v);
    if (auto s = yieldSays(r.shaftSafety, r.yieldRequired, "de l'arbre", "l'arbre plastifie", sep))
        says.push_back(gained + *s);
    if (r.slipSafety && *r.slipSafety < 1)
        says.push_back(
            within(lost) +
            (r.axialGiven ? "la charge n'est pas transmise" : "le couple n'est pas transmis") +
            " (sécurité " + formatNumber(*r.slipSafety, "0.00", sep) + ")");
    else if (r.slipSafety && *r.slipSafety < r.slipRequired)
        says.push_back(within(lost) + "la sécurité au glissement (" +
                       formatNumber(*r.slipSafety, "0.00", sep) +
                       ") est inférieure à SR requise (" +
                       formatNumber(r.slipRequired, "0.00", sep) + ")");
    // Beyond 300 °C a heated hub risks its temper (DIN 7190-1's heating table
    // stops there): the shaft is cooled as well, or the joint pressed in.
    if (r.assemblyTemperature && *r.assemblyTemperature > kHeatingLimit)
        says.emplace_back(
            "montage à plus de 300 °C : refroidir aussi l'arbre, ou emmancher à la presse");
    const bool failed = !says.empty();
    // Green needs every check made: without a load, slipping was not looked at.
    const bool holds = r.pressureMin && !r.lostInService;
    if (!r.requiredLoad && holds)
        says.emplace_back(
            "pas de charge à transmettre (Mt, Fax) : la tenue au glissement n'est pas vérifiée");
    const Tone tone = failed                           ? Tone::NotHeld
                      : r.requiredLoad && r.slipSafety ? Tone::Held
                                                       : Tone::Neutral;
    if (says.empty()) says.emplace_back("assemblage admissible");
    std::string text;
    for (const std::string& s : says) text += (text.empty() ? "" : " ; ") + s;
    if (text.rfind("à", 0) == 0)
        text.replace(0, std::string("à").size(), "À");
    else
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
        {"TextFreq", text(r.requiredLoad, kForce)},
        {"TextDeltaUTemp", text(r.thermalChange, kMicrons)},
        {"TextDeltaUVitesse", text(r.speedLoss, kMicrons)},
        {"TextPMinService", text(r.pressureService, kStress)},
        {"TextNOuverture", text(r.openingSpeed, kForce)},
        {"TextContrainteMoyeuVitesse", text(r.hubStressSpeed, kStress)},
        {"TextSecuriteMoyeuVitesse", text(r.hubSafetySpeed, kSafety)},
    };
}

}  // namespace torvel::fits

namespace torvel::fits {

namespace {

constexpr PressFitEntry kEntries[] = {
    {"TextDaMoyeu", "DaA"},
    {"TextDiArbre", "DiI", true},
    {"TextLongueur", "L"},
    {"TextEMoyeu", "EA"},
    {"TextNuMoyeu", "νA"},
    {"TextReMoyeu", "ReA"},
    {"TextEArbre", "EI"},
    {"TextNuArbre", "νI"},
    {"TextReArbre", "ReI"},
    {"TextAlphaMoyeu", "αA"},
    {"TextRhoMoyeu", "ρA"},
    {"TextRzMoyeu", "RzA"},
    {"TextAlphaArbre", "αI"},
    {"TextRhoArbre", "ρI"},
    {"TextRzArbre", "RzI"},
    {"TextFrottement", "μ"},
    {"TextTamb", "Tamb"},
    {"TextCouple", "Mt", true},
    {"TextFax", "Fax", true},
    {"TextKA", "KA"},
    {"TextTempMoyeu", "ϑA", true},
    {"TextTempArbre", "ϑI", true},
    {"TextVitesse", "n max", true},
    {"TextSR", "SR"},
    {"TextSP", "SP"},
};

constexpr const char* kVerdictLabel = "LabelPressFit";

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Every result box, the design's and the verdict, written as `r`, `search`
// (none: empty) and `verdict` say.
PressFitRun shown(const PressFitResult& r, const FitSearch* search, const std::string& verdict,
                  Tone tone, char decimalSeparator, const std::string& noSearch = {}) {
    PressFitRun run;
    for (auto& [name, text] : pressFitTexts(r, decimalSeparator))
        run.outcome.write(std::move(name), std::move(text));
    run.outcome.write(kVerdictLabel, verdict);
    run.tone = tone;
    auto microns = [&](double v) { return formatNumber(v, "0.0", decimalSeparator); };
    run.outcome.write("TextUminRequis", search ? microns(search->window.minRequired) : "");
    run.outcome.write("TextUmaxAdmis", search ? microns(search->window.maxAllowed) : "");
    run.outcome.write("LabelAjustementsPossibles",
                      search ? searchSummary(*search, decimalSeparator) : noSearch);
    if (search) {
        run.candidates = listedCandidates(*search);
        run.candidateLines = candidateLines(*search, decimalSeparator);
    }
    return run;
}

}  // namespace

std::span<const PressFitEntry> pressFitEntries() { return kEntries; }

bool pressFitUsed(const Fields& entries) {
    return !blank(entries["TextDaMoyeu"]) || !blank(entries["TextLongueur"]);
}

PressFitRun runPressFit(const Fields& entries, std::optional<double> diameter,
                        const std::optional<ShownFit>& fit, char decimalSeparator) {
    PressFitResult none;
    none.clearance = true;  // nothing computed: every box empty
    if (!pressFitUsed(entries)) return shown(none, {}, "", Tone::Neutral, decimalSeparator);
    // An entry left empty or holding no number is refused, not read as 0.
    for (const PressFitEntry& e : kEntries) {
        const std::string& text = entries[e.name];
        if (holdsNumber(text) || (e.mayBeEmpty && blank(text))) continue;
        PressFitRun refused;
        refused.outcome.stop(std::string(e.symbol) + " : une valeur numérique est attendue");
        refused.tone = Tone::NotHeld;
        return refused;
    }
    if (fit) diameter = fit->diameter;
    if (!diameter)
        return shown(none, {},
                     "Aucun ajustement affiché : choisissez-en un (tuiles ou ajustements usuels) "
                     "pour calculer l'assemblage.",
                     Tone::Neutral, decimalSeparator);
    auto number = [&](std::string_view name) { return leadingNumber(entries[name]); };
    auto optional = [&](std::string_view name) -> std::optional<double> {
        if (blank(entries[name])) return std::nullopt;
        return number(name);
    };
    PressFitInput in;
    in.diameter = *diameter;
    if (fit) in.measured = fit->measured;
    in.hubOuter = number("TextDaMoyeu");
    in.shaftBore = number("TextDiArbre");
    in.length = number("TextLongueur");
    in.hub = {number("TextEMoyeu"), number("TextNuMoyeu"), number("TextReMoyeu")};
    in.shaft = {number("TextEArbre"), number("TextNuArbre"), number("TextReArbre")};
    in.hubExpansion = number("TextAlphaMoyeu");
    in.rzHub = number("TextRzMoyeu");
    in.rzShaft = number("TextRzArbre");
    in.friction = number("TextFrottement");
    in.torque = optional("TextCouple");
    in.roomTemperature = number("TextTamb");
    in.applicationFactor = number("TextKA");
    in.axialForce = optional("TextFax");
    in.slipRequired = number("TextSR");
    in.yieldRequired = number("TextSP");
    in.hubTemperature = optional("TextTempMoyeu");
    in.shaftTemperature = optional("TextTempArbre");
    in.shaftExpansion = number("TextAlphaArbre");
    in.speed = optional("TextVitesse");
    in.hubDensity = number("TextRhoMoyeu");
    in.shaftDensity = number("TextRhoArbre");

    const PressFitResult r = pressFit(in);
    if (!r.refusal.empty()) {
        PressFitRun refused;
        refused.outcome.stop(r.refusal);
        refused.tone = Tone::NotHeld;
        return refused;
    }
    // The design starts from a load: without one there is no window to fill.
    const bool loaded = requiredLoad(in) > 0;
    const FitSearch search = loaded ? searchFits(in) : FitSearch{};
    if (!search.refusal.empty()) {
        PressFitRun refused;
        refused.outcome.stop(search.refusal);
        refused.tone = Tone::NotHeld;
        return refused;
    }
    const FitSearch* design = loaded ? &search : nullptr;
    const std::string noLoad =
        "Couple ou effort axial à transmettre non saisi : pas de choix d'ajustement";
    if (!fit)
        return shown(none, design,
                     "Aucun ajustement affiché : choisissez-en un (tuiles, ajustements usuels ou "
                     "possibles) pour calculer l'assemblage.",
                     Tone::Neutral, decimalSeparator, noLoad);
    const PressFitVerdict verdict = pressFitVerdict(r, decimalSeparator);
    return shown(r, design, verdict.text, verdict.tone, decimalSeparator, noLoad);
}

}  // namespace torvel::fits

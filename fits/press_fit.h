#pragma once

// What an interference fit holds, after DIN 7190-1 in the elastic range: a
// shaft (solid or hollow) pressed or shrunk into a hub of finite outer diameter,
// both of equal length, as two thick cylinders (Lame, plane stress). The
// measured interferences come from the fit's limit deviations; the roughness
// smoothing is taken off them. In service the hub and the shaft may run at
// their own temperatures (first-order thermal strain, properties at 20 °C) and
// turn (rotating discs in plane stress), which changes the interference; the
// load to carry is the torque and the axial force times KA. No Qt here.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fields.h"
#include "iso_fits.h"
#include "outcome.h"

namespace torvel::fits {

// Loss of interference by the smoothing of the roughness, per micrometre of
// RzA + RzI: DIN 7190-1:2017 (its 2001 edition took 0.8).
inline constexpr double kSmoothingFactor = 0.4;
// Joining clearance for shrink fitting, per millimetre of diameter.
inline constexpr double kJoiningClearance = 0.001;

// A usual material: elastic constants, the yield strength the hub or shaft is
// checked against and the expansion coefficient for heating.
struct PressFitMaterial {
    std::string_view name;  // as the lists show it
    double e;               // Young's modulus, MPa
    double nu;              // Poisson's ratio
    double re;              // yield strength (Re or Rp0.2), MPa
    double alpha;           // linear expansion on heating, 1e-6/K
    double rho;             // density, kg/m3
};
std::span<const PressFitMaterial> pressFitMaterials();
// The last item of the lists: the values are the user's own.
inline constexpr std::string_view kTypedMaterial = "Matériau saisi";

// Measured interferences in micrometres (positive: interference): at maximum
// material es - EI, at minimum material ei - ES. Taken to whole half
// micrometres, which every ISO 286 deviation is.
struct Interference {
    double min = 0.0;
    double max = 0.0;
};
Interference measuredInterference(const Deviations& hole, const Deviations& shaft);

struct PressFitMaterialData {
    double e = 0.0;   // MPa
    double nu = 0.0;  //
    double re = 0.0;  // MPa
};

struct PressFitInput {
    double diameter = 0.0;   // DF, mm
    Interference measured;   // µm
    double hubOuter = 0.0;   // DaA, mm
    double shaftBore = 0.0;  // DiI, mm; 0 for a solid shaft
    double length = 0.0;     // L, mm
    PressFitMaterialData hub;
    PressFitMaterialData shaft;
    double hubExpansion = 0.0;      // αA, 1e-6/K
    double rzHub = 0.0;             // RzA, µm
    double rzShaft = 0.0;           // RzI, µm
    double friction = 0.0;          // μ
    std::optional<double> torque;   // N·m; none given
    double roomTemperature = 20.0;  // °C
    // The need: what the joint must carry, and the safeties asked of it. The
    // plain defaults check against 1, as without a stated need.
    double applicationFactor = 1.0;    // KA
    std::optional<double> axialForce;  // Fax, N; none given
    double slipRequired = 1.0;         // SR
    double yieldRequired = 1.0;        // SP
    // The service: none given is the room temperature, and standstill.
    std::optional<double> hubTemperature;    // ϑA, °C
    std::optional<double> shaftTemperature;  // ϑI, °C
    double shaftExpansion = 11.0;            // αI, 1e-6/K
    std::optional<double> speed;             // n max, tr/min
    double hubDensity = 7850.0;              // ρA, kg/m3
    double shaftDensity = 7850.0;            // ρI, kg/m3
};

// Compliance of the joint K′ = CA/EA + CI/EI (mm²/N): p = (Z / DF) / K′.
double pressFitCompliance(const PressFitInput& in);
// Changes of interference in service against 20 °C at standstill, µm: the
// thermal change (a gain when positive) and the loss at n max.
struct ServiceChange {
    double thermal = 0.0;
    double speed = 0.0;
};
ServiceChange serviceChange(const PressFitInput& in);
// The pressure at which the weaker part starts to yield: min(pFA, pFI), MPa.
double yieldPressure(const PressFitInput& in);
// Freq = KA·√(Fax² + (2·Mt/DF)²), N.
double requiredLoad(const PressFitInput& in);

struct PressFitResult {
    // Why the entries are refused, naming the entry; empty when computed.
    std::string refusal;
    double smoothing = 0.0;     // µm
    double effectiveMin = 0.0;  // Zmin = Umin - smoothing, µm
    double effectiveMax = 0.0;  // Zmax = Umax - smoothing, µm
    // At the minimum pressure: what the fit surely holds (none when Zmin <= 0).
    std::optional<double> pressureMin;  // MPa
    std::optional<double> torqueMax;    // N·m
    std::optional<double> axialForce;   // N
    std::optional<double> slipSafety;   // torqueMax / torque
    // At the maximum pressure (none when Zmax <= 0).
    std::optional<double> pressureMax;   // MPa
    std::optional<double> pressInForce;  // N
    std::optional<double> hubStress;     // equivalent stress at the hub bore, MPa
    std::optional<double> hubSafety;
    std::optional<double> shaftStress;  // at the shaft's bore when hollow, MPa
    std::optional<double> shaftSafety;
    // In service. The slip safety above is taken in the worst state for the
    // minimum (hottest, fastest); the stresses at the largest interference at
    // standstill, and the hub's again at n max.
    double thermalChange = 0.0;             // ΔUϑ, µm, a gain when positive
    double speedLoss = 0.0;                 // ΔUω at n max, µm
    std::optional<double> requiredLoad;     // Freq, N; none without a load
    std::optional<double> pressureService;  // p at the minimum, worst state, MPa
    std::optional<double> openingSpeed;     // n ouverture, tr/min
    std::optional<double> hubStressSpeed;   // MPa, at n max
    std::optional<double> hubSafetySpeed;
    bool lostInService = false;  // Zmin > 0 at 20 °C, but not in the worst state
    bool axialGiven = false;     // an axial force was typed (over 0)
    // What the verdict compares with, and the states it names.
    double slipRequired = 1.0;
    double yieldRequired = 1.0;
    double hubTemperature = 20.0;
    double shaftTemperature = 20.0;
    std::optional<double> speed;
    // Hub temperature for shrink fitting (none without a measured interference).
    std::optional<double> assemblyTemperature;  // °C
    // The kind of fit, by its measured interferences.
    bool clearance = false;        // Umax <= 0: nothing at all
    bool uncertain = false;        // Umin <= 0 < Umax: nothing surely held
    bool lostToRoughness = false;  // Umin > 0 but Zmin <= 0
    bool torqueGiven = false;      // a torque to transmit was typed (over 0)
};

PressFitResult pressFit(const PressFitInput& in);
// The refusal of data whose results the calculation cannot hold.
inline constexpr const char* kOutOfRange =
    "Les données conduisent à des valeurs hors des limites du calcul";

// What LabelPressFit says: the refusal, or the verdict in words. Green only
// when every check was made and holds; neutral when one could not be made
// (no torque typed) and nothing failed; red otherwise.
enum class Tone { Neutral, Held, NotHeld };
struct PressFitVerdict {
    std::string text;
    Tone tone = Tone::NotHeld;
    bool admissible() const { return tone == Tone::Held; }
};
PressFitVerdict pressFitVerdict(const PressFitResult& r, char decimalSeparator);

// The texts of the result boxes, by control name, in the window's order
// (empty for a value not computed).
std::vector<std::pair<std::string, std::string>> pressFitTexts(const PressFitResult& r,
                                                               char decimalSeparator);

// ---- The window's group: its entries read once, and what it shows ----------

// An entry of the group: its control, the symbol a refusal names it by, and
// whether it may stay empty (then it means "none" or its stated default).
struct PressFitEntry {
    std::string_view name;
    std::string_view symbol;
    bool mayBeEmpty = false;
};
std::span<const PressFitEntry> pressFitEntries();
// Whether the group holds data at all: a hub diameter or a length typed.
bool pressFitUsed(const Fields& entries);

// The fit the window shows, when it shows one (both classes with their
// table entries, at the diameter shown).
struct ShownFit {
    double diameter = 0.0;  // mm
    Interference measured;  // µm
};

}  // namespace torvel::fits

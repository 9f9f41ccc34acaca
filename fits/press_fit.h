#pragma once

// What an interference fit holds, after DIN 7190-1 in the elastic range: a
// shaft (solid or hollow) pressed or shrunk into a hub of finite outer diameter,
// both of equal length, as two thick cylinders (Lame, plane stress), at
// standstill and a uniform temperature. The measured interferences come from the
// fit's limit deviations; the roughness smoothing is taken off them. No Qt here.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "iso_fits.h"

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
};

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
    // Hub temperature for shrink fitting (none without a measured interference).
    std::optional<double> assemblyTemperature;  // °C
    bool clearance = false;                     // the fit may have clearance: Umin <= 0
    bool lostToRoughness = false;               // Umin > 0 but Zmin <= 0
};

PressFitResult pressFit(const PressFitInput& in);

// What LabelPressFit says: the refusal, or the verdict in words.
struct PressFitVerdict {
    std::string text;
    bool admissible = false;  // green, else red
};
PressFitVerdict pressFitVerdict(const PressFitResult& r, char decimalSeparator);

// The texts of the result boxes, by control name, in the window's order
// (empty for a value not computed).
std::vector<std::pair<std::string, std::string>> pressFitTexts(const PressFitResult& r,
                                                               char decimalSeparator);

}  // namespace torvel::fits

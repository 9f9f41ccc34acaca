#pragma once

// Spring wire grades of EN 10270-1/-2/-3: shear modulus, density, the duty a
// grade is meant for, and the minimum tensile strength by wire diameter as a
// step table. No Qt here.

#include <optional>
#include <span>
#include <string_view>

namespace torvel::springs {

// The first item of the material list: G, mV and Rm typed by the user.
inline constexpr std::string_view kTypedMaterial = "Matériau saisi (G, mV, Rm)";

// What EN 10270 meant a grade for; stainless grades are not split that way.
enum class WireDuty { Static, Dynamic, Any };

// One row: the minimum tensile strength of every wire thicker than the row
// before and up to `d` (mm), in MPa.
struct RmRow {
    float d;
    int RmMin;
};

struct WireGrade {
    std::string_view name;  // as the list shows it
    float G;                // daN/mm²
    float mV;               // kg/dm³ (10^-6 kg/mm³)
    WireDuty duty;
    float dMin;  // smallest diameter the table covers, mm
    std::span<const RmRow> rows;
};

// The grades in the order the window lists them, after kTypedMaterial.
std::span<const WireGrade> wireGrades();

// The grade named exactly `name`; nullptr for kTypedMaterial or another text.
const WireGrade* findGrade(std::string_view name);

// The minimum Rm (MPa) of the grade for the wire diameter `d` (mm): the row of
// the listed diameter equal to d or the next larger one. nullopt outside
// [dMin, largest listed diameter].
std::optional<int> minimumRm(const WireGrade& grade, float d);

}  // namespace torvel::springs

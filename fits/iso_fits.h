#pragma once

// ISO system of limits and fits (ISO 286) for nominal diameters over 1 mm up to
// 500 mm: the tolerance-class catalogue behind the tiles of the fits window and
// the hole and shaft limit deviations. Plain C++, no Qt.
//
// Deviations are generated from the ISO 286-1 data in iso286_tables.cpp in whole
// half micrometres, so the JS/js halves stay exact; the millimetre doubles are
// the nearest doubles of those values (0.018, -0.0125).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvel::fits {

enum class Side { Hole, Shaft };

// --- Diameter range -------------------------------------------------------------

inline constexpr const char* kDiameterMessage =
    "Le diamètre doit être supérieur à 1 et inférieur ou égal à 500";

// Accepted: 1 < D <= 500. A refused diameter comes back with the text the
// diameter box takes instead: "2" when it is not over 1 (NaN included), "500"
// when it is over 500.
struct DiameterCheck {
    bool accepted = true;
    std::string correctedText;  // empty when accepted
};
DiameterCheck checkDiameter(double diameter);

// --- Tiles ------------------------------------------------------------------------

// Position letters in tile order: "A" ... "ZC" (holes), "a" ... "zc" (shafts).
const std::vector<std::string>& letters(Side side);
// Tile index of a letter, or -1 (exact, case-sensitive).
int letterTileIndex(Side side, std::string_view letter);

// Grade strip: holes 6..18 (13 tiles), shafts 5..18 (14 tiles).
int firstGrade(Side side);
int lastGrade(Side side);
int gradeTileCount(Side side);
// Grade of a tile, or -1 when the index is off the strip.
int gradeOfTile(Side side, int tileIndex);
// Tile of a grade, or -1 when the grade is not on the strip.
int gradeTileIndex(Side side, int grade);

// --- Catalogue --------------------------------------------------------------------

// Grades a letter offers at a diameter.
struct GradeOffer {
    std::vector<int> grades;          // ascending; empty for T / t up to 24 mm
    std::optional<int> defaultGrade;  // the lowest offered grade; none when nothing is offered
    std::vector<bool> tileEnabled;    // one flag per grade tile (Active_Qualites_Al / _Ar)
};
// nullopt when the letter is unknown, or when it has size bands and the
// diameter lies in none of them (the window then changes nothing).
std::optional<GradeOffer> offeredGrades(Side side, std::string_view letter, double diameter);

// Whether grade `grade` of `letter` is offered at `diameter`.
bool isOffered(Side side, std::string_view letter, int grade, double diameter);

// A letter tile is disabled only where its band offers no grade at all
// (T / t over 1 up to 24 mm).
bool letterTileEnabled(Side side, std::string_view letter, double diameter);

// Class key: letter followed by the grade digits, with "*" for the six classes
// "E11*", "E12*", "c12*", "e10*", "e11*" and "e12*".
std::string classKey(Side side, std::string_view letter, int grade);

// One availability band of a letter, as listed in the catalogue.
struct AvailabilityBand {
    bool anyDiameter = false;  // the letter has no bands: this row applies everywhere
    int over = 0;              // band: over < D <= upTo (mm), when !anyDiameter
    int upTo = 0;
    std::vector<int> grades;  // ascending
};
std::vector<AvailabilityBand> availabilityBands(Side side, std::string_view letter);

// --- Deviation tables -------------------------------------------------------------

// Upper and lower limit deviations in millimetres (ES/EI for holes, es/ei for shafts).
struct Deviations {
    double upper = 0.0;
    double lower = 0.0;
    bool operator==(const Deviations&) const = default;
};

// The same in half micrometres (exact integers: 2 x the micrometre value).
struct HalfMicrons {
    int upper = 0;
    int lower = 0;
    bool operator==(const HalfMicrons&) const = default;
};

// Lookup by exact, case-sensitive key ("E11*", not "E11"). nullopt when the key
// is not a class of that side or the diameter lies outside the class coverage.
std::optional<Deviations> deviations(Side side, std::string_view key, double diameter);
std::optional<HalfMicrons> deviationsHalfMicrons(Side side, std::string_view key, double diameter);
inline std::optional<Deviations> holeDeviations(std::string_view key, double diameter) {
    return deviations(Side::Hole, key, diameter);
}
inline std::optional<Deviations> shaftDeviations(std::string_view key, double diameter) {
    return deviations(Side::Shaft, key, diameter);
}

// Ecarts_Al / Ecarts_Ar: writes `current` when the lookup finds an entry and
// leaves it untouched otherwise. Returns whether an entry was found.
bool updateDeviations(Side side, std::string_view key, double diameter, Deviations& current);

// Every class key the table holds (119 holes, 124 shafts), in letter then grade order.
const std::vector<std::string>& classKeys(Side side);

// --- Clearance --------------------------------------------------------------------

enum class FitKind { Clearance, Transition, Interference };

// Maximum clearance (largest hole minus smallest shaft) and minimum clearance
// (smallest hole minus largest shaft), in millimetres; negative is interference.
struct Fit {
    double maxClearance = 0.0;
    double minClearance = 0.0;
    FitKind kind = FitKind::Transition;
};
// The nominal diameter cancels out, so it is left out: equal limits give
// exactly 0 and the kind does not hang on rounding of the limits.
Fit fitOf(const Deviations& hole, const Deviations& shaft);

// Size bands a class covers (over < D <= upTo, mm); empty for an unknown key.
struct Band {
    int over = 0;
    int upTo = 0;
    bool contains(double d) const { return d > over && d <= upTo; }
};
std::vector<Band> classCoverage(Side side, std::string_view key);

// ISO 286-1 size ranges the tables step on (over < D <= upTo): the 25 ranges
// with the intermediate subdivisions, from 1-3 to 450-500.
const std::vector<Band>& sizeRanges();

// Standard tolerance ITgrade in micrometres for grades 5 to 18; nullopt outside
// 1 < D <= 500 or for another grade.
std::optional<int> standardTolerance(int grade, double diameter);

}  // namespace torvel::fits

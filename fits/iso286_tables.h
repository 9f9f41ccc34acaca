#pragma once

// Data the fits engine is built from, kept apart from the logic so that it can be
// read against the standard: ISO 286-1 standard tolerances and fundamental
// deviations (iso286_tables.cpp), and the catalogue of classes with their
// coverage and the grades offered per letter (fits_catalogue.cpp).
// All deviations in micrometres.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace torvel::fits::data {

// --- Size ranges ---------------------------------------------------------------

// The 13 main ranges over 1 mm up to 500 mm, by their upper limits (the first
// starts over 1).
inline constexpr int kMainRangeCount = 13;
extern const std::array<int, kMainRangeCount> kMainRangeUpTo;

// The 25 ranges with the intermediate subdivisions of the standard.
inline constexpr int kFineRangeCount = 25;
extern const std::array<int, kFineRangeCount> kFineRangeUpTo;

using MainRow = std::array<int, kMainRangeCount>;
using FineRow = std::array<int, kFineRangeCount>;

// Row builders that refuse a row of the wrong length (a short std::array
// initialiser would silently fill with zeros).
template <class... V>
consteval MainRow mainRow(V... v) {
    static_assert(sizeof...(V) == kMainRangeCount, "one value per main size range");
    return MainRow{v...};
}
template <class... V>
consteval FineRow fineRow(V... v) {
    static_assert(sizeof...(V) == kFineRangeCount, "one value per intermediate size range");
    return FineRow{v...};
}

// A fundamental deviation the standard leaves blank (t and T up to 24 mm).
inline constexpr int kBlank = -999999;

// --- Standard tolerances ----------------------------------------------------------

inline constexpr int kFirstItGrade = 5;
inline constexpr int kLastItGrade = 18;
// IT5 ... IT18, one row per grade.
extern const std::array<MainRow, kLastItGrade - kFirstItGrade + 1> kStandardTolerance;

// --- Shaft fundamental deviations -------------------------------------------------
// Letters a to g: the upper deviation es (negative). Letters j, k, m to zc: the
// lower deviation ei. Hole deviations mirror these (see iso_fits.cpp).

struct MainDeviationRow {
    std::string_view letter;
    MainRow value;
};
struct FineDeviationRow {
    std::string_view letter;
    FineRow value;
};

// d, e, f, g, m, n, p: steps on the main ranges.
extern const std::span<const MainDeviationRow> kShaftMainDeviation;
// a, b, c, r, s, t, u, x, z, za, zb, zc: steps on the intermediate ranges.
extern const std::span<const FineDeviationRow> kShaftFineDeviation;

// j: ei for grades 5 and 6, and for grade 7.
extern const MainRow kShaftJ5J6;
extern const MainRow kShaftJ7;
// k: ei for grades 4 to 7 (0 for the other grades).
extern const MainRow kShaftK4To7;

// --- Hole-only data ---------------------------------------------------------------

// J: upper deviation ES for grades 6, 7 and 8.
extern const std::array<MainRow, 3> kHoleJ6To8;

// A value of ISO 286-2 that departs from the ISO 286-1 rule: for `key` over
// `over` up to `upTo` mm the upper deviation is `upper` (the lower one follows
// from the tolerance).
struct SpecialCase {
    std::string_view key;
    int over;
    int upTo;
    int upper;
};
extern const std::span<const SpecialCase> kHoleSpecialCases;

// --- Catalogue --------------------------------------------------------------------

// A set of grades as a bit mask (bit g set for grade g).
using GradeSet = std::uint32_t;
constexpr GradeSet grades(int from, int to) {
    GradeSet s = 0;
    for (int g = from; g <= to; ++g) s |= GradeSet{1} << g;
    return s;
}
constexpr GradeSet grades(int only) { return grades(only, only); }
inline constexpr GradeSet kNoGrade = 0;

// The classes a letter holds in the deviation tables.
struct LetterClasses {
    std::string_view letter;
    GradeSet classes;
};
extern const std::span<const LetterClasses> kHoleClasses;
extern const std::span<const LetterClasses> kShaftClasses;

// A class that covers only part of 1 < D <= 500: up to two bands.
struct PartialCoverage {
    std::string_view key;
    int bandCount;
    std::array<std::array<int, 2>, 2> bands;  // {over, upTo}
};
extern const std::span<const PartialCoverage> kHolePartialCoverage;
extern const std::span<const PartialCoverage> kShaftPartialCoverage;

// Grades offered per letter and diameter band; kAnyDiameter marks a letter
// without bands.
inline constexpr int kAnyDiameter = -1;
struct AvailabilityRow {
    std::string_view letter;
    int over;
    int upTo;
    GradeSet offered;
};
extern const std::span<const AvailabilityRow> kHoleAvailability;
extern const std::span<const AvailabilityRow> kShaftAvailability;

}  // namespace torvel::fits::data

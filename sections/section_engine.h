#pragma once

// Geometric properties of a cross-section: centroid, area, second moments,
// section moduli and radii of gyration of the twelve catalogue shapes. No Qt here.

#include <optional>
#include <string_view>

#include "fields.h"
#include "outcome.h"
#include "section_catalogue.h"

namespace torvel::sections {

inline constexpr const char* kMsgMissingData = "Veuillez entrer toutes les données !";
inline constexpr const char* kMsgImpossible = "Calcul impossible !";
inline constexpr const char* kMsgUnknownShape =
    "Veuillez choisir une section dans la liste des sections proposées !";

// The results the window keeps between calculations (single precision). zG is
// written only by "Profilé L" and otherwise keeps its last value.
struct SectionResults {
    float yG = 0, zG = 0, S = 0, IGy = 0, IGz = 0, IG = 0, IGyv = 0, IGzv = 0, ry = 0, rz = 0;
};

// The texts of the window: selector text (UTF-8) and the four entry boxes.
struct SectionEntries {
    std::string_view shape, a, b, c, d;
};

// The entries as the window's fields hold them (views into `fields`).
SectionEntries sectionEntries(const Fields& fields);

// Every control the calculation writes.
inline constexpr const char* kSectionTargets[] = {
    "TextyG",   "TextzG", "TextS",  "TextIGy", "TextIGz", "TextIG",  "TextIGyv",
    "TextIGzv", "Textry", "Textrz", "TextIu",  "TextIv",  "Textrmin"};

// An entry text read by the leading-number rule and held in single precision; a
// value beyond the float range is held as +/-infinity so that only the shapes
// that use it fail ("Calcul impossible !").
float readDimension(std::string_view text);

// The calculation on numbers: nullptr, or the stop message (kMsgMissingData when
// a required dimension is zero, kMsgImpossible when the dimensions do not fit
// the shape or a result leaves single precision). `results` changes only on success.
const char* computeSection(Shape shape, float a, float b, float c, float d,
                           SectionResults& results);

// The principal second moments about G (Iu >= Iv) and the least radius of
// gyration, sqrt(Iv / S), held in double.
struct PrincipalAxes {
    double Iu = 0, Iv = 0, rmin = 0;
};

// From `results` of a successful computeSection on the same dimensions. For the
// shapes symmetric about y or z these are IGy and IGz about G; the L adds its
// product of inertia. None for "Trapèze", whose IGy is not computed.
std::optional<PrincipalAxes> principalAxes(Shape shape, float a, float b, float c,
                                           const SectionResults& results);

// "Calculer": reads the texts, computes, and lists what the window shows: either
// one stop message (results untouched), or the ten writes TextyG, TextzG, TextS,
// TextIGy, TextIGz, TextIG, TextIGyv, TextIGzv, Textry, Textrz formatted "0.000"
// with `decimalSeparator`, after `results` has been updated.
Outcome calculateSection(SectionResults& results, const SectionEntries& entries,
                         char decimalSeparator);

// calculateSection followed, when it computed, by TextIu, TextIv and Textrmin
// ("0.000"; all three empty when the shape has no principal axes here).
Outcome calculateSectionWithAxes(SectionResults& results, const SectionEntries& entries,
                                 char decimalSeparator);

}  // namespace torvel::sections

#pragma once

// Whether the wire of a computed spring holds: the EN 13906-1 permissible
// stresses at the working length and at block length from the minimum tensile
// strength Rm, and under a dynamic load the fatigue safety on the Goodman line
// through Zimmerli's endurance data. Stresses in daN/mm². No Qt here.

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"
#include "outcome.h"
#include "spring_engine.h"
#include "spring_materials.h"

namespace torvel::springs {

inline constexpr std::string_view kLoadStatic = "Statique";
inline constexpr std::string_view kLoadDynamic = "Dynamique";
inline constexpr std::string_view kNotPeened = "Non";
inline constexpr std::string_view kPeened = "Oui";

inline constexpr const char* kMsgMaterial = "Veuillez choisir le matériau dans la liste proposée !";
inline constexpr const char* kMsgLoading =
    "Veuillez choisir la sollicitation et l'état du fil dans les listes proposées !";
inline constexpr const char* kMsgRm =
    "Veuillez entrer une résistance à la traction Rm positive,\n"
    "ou laisser Rm vide pour ne pas vérifier la résistance du fil !";
inline constexpr const char* kMsgFatigueDiameter =
    "Les données d'endurance de Zimmerli valent pour un fil de diamètre inférieur à 10 mm :\n"
    "la tenue en fatigue n'est pas évaluée.";
inline constexpr const char* kMsgGoodmanUndefined =
    "Rm trop faible pour la droite de Goodman (Ssu = 0,67·Rm ne dépasse pas Ssm) :\n"
    "la tenue en fatigue n'est pas évaluée.";

// The lines of LabelResistance.
inline constexpr const char* kTextHeldAtF2 = "Sous F2 : τ2 ≤ τzul, le fil tient";
inline constexpr const char* kTextNotHeldAtF2 =
    "Sous F2 : τ2 > τzul, le fil ne tient pas (risque de tassement)";
inline constexpr const char* kTextHeldAtBlock =
    "À bloc : τb ≤ τczul, le ressort peut être comprimé à bloc";
inline constexpr const char* kTextNotHeldAtBlock =
    "À bloc : τb > τczul, le ressort ne doit pas être comprimé à bloc";
inline constexpr const char* kTextFatigueHeld =
    "Fatigue (10^7 cycles) : nf ≥ 1, durée de vie illimitée";
inline constexpr const char* kTextFatigueNotHeld =
    "Fatigue (10^7 cycles) : nf < 1, durée de vie illimitée non assurée";

// Permissible uncorrected stresses as fractions of Rm: at the working length
// (the rule this program applies) and at block length (cold-coiled springs).
inline constexpr double kStaticShare = 0.5;
inline constexpr double kBlockShare = 0.56;
// Ultimate shear strength as a fraction of Rm, for the Goodman line.
inline constexpr double kUltimateShearShare = 0.67;
// Zimmerli's infinite-life endurance of spring wire under 10 mm (amplitude and
// mean, daN/mm²): 241 and 379 MPa, shot-peened 398 and 534 MPa.
struct Endurance {
    double Ssa, Ssm;
};
inline constexpr Endurance kZimmerli{24.1, 37.9};
inline constexpr Endurance kZimmerliPeened{39.8, 53.4};
inline constexpr float kZimmerliMaxWire = 10;  // mm, excluded

// The texts of the material and strength controls (UTF-8).
struct StrengthEntries {
    std::string_view material, Rm, loading, peened;
};
StrengthEntries strengthEntries(const Fields& fields);

struct SpringFatigue {
    float T1 = 0;              // uncorrected stress under F1
    float tka = 0, tkm = 0;    // corrected amplitude and mean, k·|τ2 − τ1|/2, k·(τ2 + τ1)/2
    std::optional<float> Ssu;  // 0.67·Rm; none for d >= 10 mm
    std::optional<float> Sse;  // endurance at zero mean on the Goodman line
    std::optional<float> nf;   // none without Sse, or for a point at rest
    bool peened = false;
};

struct SpringStrength {
    float Rm = 0, tzul = 0, tczul = 0;
    std::optional<float> S2, Sb;  // none when the stress is not positive
    bool heldAtF2 = true, heldAtBlock = true;
    std::optional<SpringFatigue> fatigue;  // under a dynamic load
    // All checks made hold (fatigue only when nf was found).
    bool held() const {
        return heldAtF2 && heldAtBlock && (!fatigue || !fatigue->nf || *fatigue->nf >= 1);
    }
};

// The strength of a spring computed from `in` (results `r`, Bergsträsser's `k`)
// whose wire has the minimum tensile strength `Rm` (daN/mm², > 0). nullopt when
// a value leaves single precision.
std::optional<SpringStrength> springStrength(float Rm, const SpringInputs& in,
                                             const SpringResults& r, float k, bool dynamic,
                                             bool peened);

// What the window keeps: the spring, and from its last computed run the inputs,
// the buckling verdict and the strength (none without Rm).
struct SpringStudyState {
    SpringState spring;
    SpringInputs inputs;
    bool computed = false;
    bool bucklingRisk = false;
    std::optional<SpringStrength> strength;
};

// Every control the strength part of the calculation writes.
inline constexpr const char* kStrengthTargets[] = {
    "TextRm",  "TextTzul", "TextTczul", "TextS2", "TextSb",
    "TextTka", "TextTkm",  "TextTse",   "TextNf", "LabelResistance"};

// "Calculer": calculateSpringWithChecks, then with a grade its Rm for d
// (TextRm, "0.0"), the strength boxes ("0.000", empty when not found) and
// LabelResistance. Stops, leaving `state` as it was: the geometry's messages,
// an unknown material, load or wire state, a typed Rm that is not empty and
// not a positive number. Warnings: d outside the grade's table (no strength),
// a static grade under a dynamic load, d >= 10 mm or a low Rm (no nf).
Outcome calculateSpringStudy(SpringStudyState& state, const SpringEntries& entries,
                             const StrengthEntries& strength, char decimalSeparator);

// The warning for a wire outside the grade's table, and for a static grade
// under a dynamic load (decimal separator as shown).
std::string diameterOutsideGradeMessage(const WireGrade& grade, float d, char decimalSeparator);
std::string staticGradeMessage(const WireGrade& grade);

// Descriptions of the two diagrams, for accessibility: what they show, in words.
std::string characteristicDescription(const SpringStudyState& state, char decimalSeparator);
std::string goodmanDescription(const SpringStudyState& state, char decimalSeparator);

// A round step (1, 2 or 5 times a power of ten) giving at most `maxTicks`
// intervals over [0, span]; 1 for a span that is not positive and finite.
double tickStep(double span, int maxTicks);

}  // namespace torvel::springs

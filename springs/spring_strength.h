#pragma once

// Whether the wire of a computed spring holds: the EN 13906-1 permissible
// stresses at the working length and at block length from the minimum tensile
// strength Rm, and under a dynamic load the fatigue check on the EN 13906-1
// diagram of the wire's family. Stresses in daN/mm². No Qt here.

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"
#include "outcome.h"
#include "spring_engine.h"
#include "spring_goodman.h"
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
// The range of spring wire's Rm, daN/mm²: a typed Rm outside it is most
// likely in another unit.
inline constexpr float kRmPlausibleMin = 60, kRmPlausibleMax = 360;

// The lines of LabelResistance.
inline constexpr const char* kTextHeldAtBlock =
    "À bloc : τb ≤ τczul, le ressort peut être comprimé à bloc";
inline constexpr const char* kTextNotHeldAtBlock =
    "À bloc : τb > τczul, le ressort ne doit pas être comprimé à bloc";
inline constexpr const char* kTextFatigue = "Fatigue (10^7 cycles";

// Permissible uncorrected stresses as fractions of Rm: at the working length
// (the rule this program applies) and at block length (cold-coiled springs).
inline constexpr double kStaticShare = 0.5;
inline constexpr double kBlockShare = 0.56;

// The texts of the material and strength controls (UTF-8).
struct StrengthEntries {
    std::string_view material, Rm, loading, peened;
};
StrengthEntries strengthEntries(const Fields& fields);

// Why a fatigue check has no verdict.
enum class NoDiagram { None, Grade, Diameter, Typed };

// The EN 13906-1 fatigue check between the two working points: corrected
// stresses τk1 (the lower, τkU) and τk2 (the upper, τkO), the stroke τkh, and
// from the grade family's diagram at d the permissible stroke τkH at τkU = τk1.
struct SpringFatigue {
    float tk1 = 0, tk2 = 0, tkh = 0;
    bool peened = false;
    const GoodmanDiagram* diagram = nullptr;  // the diagram read; none: no verdict
    const GoodmanDiagram* outside = nullptr;  // the family's diagram that does not reach d
    bool unpeenedDiagram = false;             // a peened wire judged on the unpeened one
    GoodmanLine line;                         // the diagram at d
    float tkO = 0, tkH = 0;                   // permissible upper stress at τk1, and stroke
    std::optional<float> nf;  // τkH / τkh; none without a diagram or a stroke, or beyond block
    NoDiagram why = NoDiagram::None;
    bool aboveCap = false;  // τk2 above the diagram's cap τkO,max
    bool evaluated() const { return diagram && nf; }
    bool held() const { return evaluated() && *nf >= 1; }
};

struct SpringStrength {
    float Rm = 0, tzul = 0, tczul = 0;
    float Tmax = 0;  // uncorrected stress under the larger force
    // τzul/Tmax and τczul/τb; none when the stress is not positive, S2 none beyond block
    std::optional<float> S2, Sb;
    bool heldAtMax = true, heldAtBlock = true;
    std::optional<SpringFatigue> fatigue;  // under a dynamic load
};

// The strength of a spring computed from `in` (results `r`, checks `c`) whose
// wire has the minimum tensile strength `Rm` (daN/mm², > 0); `grade` names the
// wire for its fatigue diagram (nullptr: a typed material). nullopt when a
// value leaves single precision.
std::optional<SpringStrength> springStrength(float Rm, const SpringInputs& in,
                                             const SpringResults& r, const SpringChecks& c,
                                             bool dynamic, bool peened, const WireGrade* grade);

// The fatigue check of a wire of `grade` (nullptr: typed) and diameter `d`
// between the corrected stresses tk1 <= tk2. nullopt beyond single precision.
std::optional<SpringFatigue> fatigueCheck(const WireGrade* grade, bool peened, float d, float tk1,
                                          float tk2);

// How a label judges: green when every check it stands for was made and holds,
// red when one fails, neither when a check could not be made; None: empty.
enum class Judgement { None, Held, NotHeld, Unjudged };

// What the window keeps: the spring, and from its last computed run the inputs,
// the checks, the strength (none without Rm) and how each label judges.
struct SpringStudyState {
    SpringState spring;
    SpringInputs inputs;
    bool computed = false;
    bool dynamic = false;
    std::string material;  // as chosen, for the diagrams' captions
    SpringChecks checks;
    std::optional<SpringStrength> strength;
    Judgement buckling = Judgement::None, block = Judgement::None, domain = Judgement::None,
              resistance = Judgement::None;
};

// Every control the strength part of the calculation writes.
inline constexpr const char* kStrengthTargets[] = {"TextRm",          "TextTzul",
                                                   "TextTczul",       "TextS2",
                                                   "TextSb",          "TextTka",
                                                   "TextTkm",         "TextTkh",
                                                   "TextTse",         "TextTkO",
                                                   "TextNf",          "TextDiagramme",
                                                   "LabelResistance", "PictureCaracteristique",
                                                   "PictureGoodman"};

// "Calculer": reads the entries once, computes the spring and its checks, then
// with a grade its Rm for d (TextRm, "0.0"), the strength boxes ("0.000",
// empty when not found) and LabelResistance. Stops, leaving `state` as it was:
// the geometry's messages, an unknown material, load or wire state, a typed Rm
// that is not empty and not a positive number. Warnings: d outside the grade's
// table (no strength), a static grade under a dynamic load, a typed Rm outside
// 60 to 360 daN/mm².
Outcome calculateSpringStudy(SpringStudyState& state, const SpringEntries& entries,
                             const StrengthEntries& strength, char decimalSeparator);

// The warning for a wire outside the grade's table, and for a static grade
// under a dynamic load (decimal separator as shown).
std::string diameterOutsideGradeMessage(const WireGrade& grade, float d, char decimalSeparator);
std::string staticGradeMessage(const WireGrade& grade);
// The warning for a typed Rm outside the range of spring wire.
std::string rmRangeMessage(float Rm, char decimalSeparator);

// Descriptions of the two diagrams, for accessibility: what they show, in words.
std::string characteristicDescription(const SpringStudyState& state, char decimalSeparator);
std::string goodmanDescription(const SpringStudyState& state, char decimalSeparator);
// The diagram as its caption names it: "EN 13906-1 DH grenaillé, d = 3 mm".
std::string goodmanCaption(const SpringStudyState& state, char decimalSeparator);

// A round step (1, 2 or 5 times a power of ten) giving at most `maxTicks`
// intervals over [0, span]; 1 for a span that is not positive and finite.
double tickStep(double span, int maxTicks);

}  // namespace torvel::springs

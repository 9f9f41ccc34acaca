#pragma once

// Design of a helical compression spring from its wire, material, end type and
// two working points (F1 at L1, F2 at L2). No Qt here.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "fields.h"
#include "outcome.h"

namespace torvel::springs {

inline constexpr const char* kMsgWire = "Veuillez entrer un diamètre de fil !";
inline constexpr const char* kMsgMeanDiameter = "Veuillez entrer un diamètre moyen !";
inline constexpr const char* kMsgConfiguration =
    "Veuillez entrer une configuration : F2 et L2 ou F1 et L1 !";
inline constexpr const char* kMsgParameters = "Veuillez entrer paramètres corrects !";
inline constexpr const char* kMsgDensity =
    "Veuillez entrer une masse volumique pour la matière du ressort !";
inline constexpr const char* kMsgShearModulus =
    "Veuillez entrer un module de Coulomb (cisaillement) !";
// Refusals of inputs the checks above let through but that give no spring.
inline constexpr const char* kMsgEndType =
    "Veuillez choisir la forme des extrémités dans la liste proposée !";
inline constexpr const char* kMsgNegative =
    "Calcul impossible : les valeurs négatives ne sont pas admises !";
inline constexpr const char* kMsgWireTooThick =
    "Calcul impossible : le diamètre moyen doit être supérieur au diamètre du fil !";
inline constexpr const char* kMsgRate =
    "Calcul impossible : la raideur (F2 - F1) / (L1 - L2) doit être positive.\n"
    "Vérifiez les efforts F1, F2 et les longueurs L1, L2 !";
inline constexpr const char* kMsgOutOfRange =
    "Calcul impossible : un résultat sort des limites du calcul.\nVérifiez les données !";

// Checks of EN 13906-1 shown beside the results.
inline constexpr const char* kTextCannotBuckle = "Non flambable";
inline constexpr const char* kTextFewCoils =
    "Moins de 2 spires actives : hors du domaine de la norme";
inline constexpr const char* kTextRatioOutside =
    "Rapport D/d hors de 4 à 20 : hors du domaine de la norme";
inline constexpr const char* kTextPitchAboveFreeLength =
    "Pas p0 supérieur à la longueur à vide L0 : ce ressort ne peut pas être enroulé";
inline constexpr const char* kTextFreeBelowBlock =
    "Longueur à vide L0 inférieure à la longueur à bloc Lb : ce ressort ne peut pas être enroulé";

// The end types in the order the window lists them, and their dead coils.
const std::array<std::string_view, 3>& endTypeNames();
// Exact, case-sensitive match (UTF-8): 1.5, 2 or 3 dead coils; nullopt otherwise.
std::optional<float> deadCoils(std::string_view endType);

// The nineteen results, in the order the window writes them.
struct SpringResults {
    float Dd = 0, De = 0, Di = 0, ni = 0, nt = 0, Lb = 0, L0 = 0, p2 = 0, p0 = 0, Demax = 0, R = 0,
          Fb = 0, T2 = 0, Tb = 0, z = 0, W = 0, Ld = 0, M = 0, fe = 0;
};

// What the window keeps between calculations: the dead coils of the last end
// type matched and the results. A refused calculation changes neither.
struct SpringState {
    float nd = 0;
    SpringResults results;
};

// The inputs as numbers (single precision, as read from the boxes).
struct SpringInputs {
    float d = 0, Dm = 0, G = 0, mV = 0, F1 = 0, L1 = 0, F2 = 0, L2 = 0;
};

// The texts of the window (UTF-8): the eight entry boxes and the end-type list.
struct SpringEntries {
    std::string_view d, Dm, G, mV, F1, L1, F2, L2, endType;
};

// The entries as the window's fields hold them (views into `fields`).
SpringEntries springEntries(const Fields& fields);

// Every control the calculation writes.
inline constexpr const char* kSpringTargets[] = {
    "TextDd", "TextDe", "TextDi",    "Textni",        "Textnt",       "TextLb",   "TextL0",
    "Textp2", "Textp0", "TextDemax", "TextR",         "TextFb",       "TextT2",   "TextTb",
    "Textz",  "TextW",  "TextLd",    "TextM",         "Textfe",       "Textk",    "TextTk2",
    "Textsk", "TextSa", "TextLn",    "LabelFlambage", "LabelDomaine", "LabelBloc"};

// The EN 13906-1 checks of a computed spring. They are results, never refusals.
// The more loaded working point is the one of the larger force, which with a
// positive rate is also the shorter length: the checks take it whichever of
// the two the user typed second.
struct SpringChecks {
    float k = 0;                // Bergsträsser stress correction factor, from D/d
    std::optional<float> Tk2;   // k·T2; none when beyond single precision
    std::optional<float> sk;    // buckling deflection between parallel plates; none: cannot buckle
    int loadedPoint = 2;        // 1 or 2: the point of the larger force
    float Fmax = 0, Lmin = 0;   // its force and length
    bool bucklingRisk = false;  // the deflection under the larger force, L0 − Lmin, reaches sk
    float Sa = 0, Ln = 0;       // minimum sum of gaps and minimum permissible length Lb + Sa
    bool beyondBlock = false;   // Lmin < Lb: the larger force is never reached
    bool coilsTouch = false;    // Lb <= Lmin < Ln
    bool fewCoils = false;      // fewer than 2 active coils
    bool ratioOutside = false;  // D/d outside 4 to 20
    bool pitchAboveFreeLength = false;  // p0 > L0
    bool freeBelowBlock = false;        // L0 < Lb
    // Whether the spring can be wound and lies in the standard's domain.
    bool windable() const {
        return !fewCoils && !ratioOutside && !pitchAboveFreeLength && !freeBelowBlock;
    }
};

// The point's name as the texts say it ("F1" or "F2").
std::string pointForce(int point);
std::string pointLength(int point);
// "Sous la charge maximale, le ressort est à bloc avant d'atteindre F2 : L2 = … mm < Lb = … mm".
std::string beyondBlockText(const SpringChecks& checks, float Lb, char decimalSeparator);

// `results` are those of a successful computeSpring on `in`.
// `results` are those of a successful computeSpring on `in`; a dynamic load
// takes the larger sum of gaps.
SpringChecks checkSpring(const SpringInputs& in, const SpringResults& results,
                         bool dynamic = false);

// An entry text read by the leading-number rule, held in single precision; a
// value beyond the float range is held as +/-infinity and refused later.
float readInput(std::string_view text);
// The eight entry boxes read once; what the geometry, the checks and the
// strength then share.
SpringInputs readSpringInputs(const SpringEntries& entries);

// The calculation on numbers: nullptr and `state` updated, or the stop message
// and `state` untouched. Checks in order: the six input messages (d, Dm, the
// configuration twice, F1 = F2 or L1 = L2, mV, G), then the end type, negative
// inputs, Dm <= d, a rate that is not positive, and any result that is not a
// finite single.
const char* computeSpring(const SpringInputs& in, std::string_view endType, SpringState& state);

// "Calculer": reads the texts, computes, and lists what the window shows: one
// stop message, or the nineteen writes TextDd, TextDe, TextDi, Textni, Textnt,
// TextLb, TextL0, Textp2, Textp0, TextDemax, TextR, TextFb, TextT2, TextTb,
// Textz, TextW, TextLd, TextM, Textfe formatted "0.000" with `decimalSeparator`.
Outcome calculateSpring(SpringState& state, const SpringEntries& entries, char decimalSeparator);
Outcome calculateSpring(SpringState& state, const SpringInputs& inputs, std::string_view endType,
                        char decimalSeparator);

// The writes of the checks of a computed spring: Textk, TextTk2 ("0.000"),
// Textsk ("0.000" or "Non flambable"), TextSa, TextLn, LabelFlambage, LabelBloc
// and LabelDomaine (empty, or its lines joined by "\n").
void writeChecks(Outcome& out, const SpringResults& results, const SpringChecks& checks,
                 char decimalSeparator);

}  // namespace torvel::springs

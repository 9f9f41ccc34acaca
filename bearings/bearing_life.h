#pragma once

// Load factors, equivalent loads and rating life of one rolling bearing or
// thrust bearing: the calculation behind "Calculer" of the Roulement window.
// No Qt here; texts are UTF-8 and selections are compared exactly.

#include <string>
#include <string_view>
#include <vector>

#include "bearing_messages.h"
#include "fields.h"
#include "modified_life.h"
#include "outcome.h"

namespace torvel::bearings {

// List entries (exact texts).
inline constexpr std::string_view kRoulement = "Roulement";
inline constexpr std::string_view kButee = "Butée";
inline constexpr std::string_view kABilles = "à billes";
inline constexpr std::string_view kARouleaux = "à rouleaux";
inline constexpr std::string_view kARotuleBilles = "à rotule (billes)";
inline constexpr std::string_view kARotuleRouleaux = "à rotule (rouleaux)";
inline constexpr std::string_view kAngleRadial = "0° (Contact Radial)";
inline constexpr std::string_view kAngleAxial = "90° (Contact Axial)";
inline constexpr std::string_view kUneRangee = "une rangée ou T";
inline constexpr std::string_view kDeuxRangees = "deux rangées, X ou O";
inline constexpr std::string_view kSimpleEffet = "simple effet";
inline constexpr std::string_view kDoubleEffet = "double effet";
inline constexpr std::string_view kAutomatique = "Automatique";
inline constexpr std::string_view kManuel = "Manuel";

// The items of each list, in order. The three dependent lists follow the element
// ("Roulement" or "Butée"; any other text gives empty lists: nothing to rebuild).
std::vector<std::string_view> elementItems();
std::vector<std::string_view> typeItems(std::string_view element);
std::vector<std::string_view> angleItems(std::string_view element);
std::vector<std::string_view> rowItems(std::string_view element);
std::vector<std::string_view> operatingItems();    // ComboFonctionnement
std::vector<std::string_view> reliabilityItems();  // ComboFiabilité, shared with CasVariables
std::vector<std::string_view> modeItems();         // ComboCalcul

// Reliability factor a1 of "90%" ... "99%"; false for any other text.
bool reliabilityFactor(std::string_view reliability, float& a1);

// Messages.
inline constexpr const char* kMsgRadialLoad = "Veuillez entrer une Charge Radiale !";
inline constexpr const char* kMsgAxialLoad = "Veuillez entrer une Charge Axiale !";
inline constexpr const char* kMsgStaticRating = "Veuillez entrer une Charge Statique de Base !";
inline constexpr const char* kMsgELimit = "Valeur limite de e atteinte.";
inline constexpr const char* kMsgRadialRoller =
    "Le Roulement à Rouleaux à Contact Radial\n"
    "n'est pas adapté s'il est soumis à une Charge Axiale !";
inline constexpr const char* kMsgSelfAligning =
    "Le Calcul n'est pas adapté pour\nun Roulement à Rotule.";
inline constexpr const char* kMsgThrust45 =
    "Il convient de noter que l'angle de contact\n"
    "des butées est supérieur à 45°.\n"
    "Ce calcul n'est destiné qu'à une estimation.";
inline constexpr const char* kMsgAxialBall =
    "La Butée à Billes à Contact Axial\n"
    "n'est pas adaptée si elle est soumise à une Charge Radiale !";
inline constexpr const char* kMsgAxialRoller =
    "La Butée à Rouleaux à Contact Axial\n"
    "n'est pas adaptée si elle est soumise à une Charge Radiale !";
// Thrust ball, simple effet: this line, "\n", then "Le rapport Fa/Fr doit être
// supérieur à " and the limit or e of the angle.
inline constexpr const char* kMsgSimpleEffet = "Le cas ne convient pas aux butées à simple effet.";
inline constexpr const char* kMsgRatioAbove = "Le rapport Fa/Fr doit être supérieur à ";
inline constexpr const char* kMsgRollerTooLow =
    "Le cas ne convient pas aux butées à simple effet.\nLe rapport Fa/Fr est trop faible";
inline constexpr const char* kMsgRollerAboveE =
    "Le cas ne convient pas aux butées à  simple effet.\n"
    "Le rapport Fa/Fr doit être supérieur à e";
inline constexpr const char* kMsgPoSo = "Le produit : Po x So est trop important !";

// Besides results and messages, an outcome may correct an input (TextFa, TextFr,
// ComboAngle), move the focus to TextFr, and ask for a rerun once played back.

// The texts of the window's boxes and lists, as they stand.
// The defaults are the window's texts at opening.
struct BearingEntries {
    std::string fr = "0", fa = "0", co = "0", c = "0",
                n = "0";  // TextFr, TextFa, TextCo, TextC, TextN
    std::string element{kRoulement}, type{kABilles}, angle{kAngleRadial}, rows{kUneRangee};
    std::string operating = "Conditions normales, mouvements doux et précis ( x 1 )";
    std::string reliability = "90%";
    std::string mode{kAutomatique};
    std::string e = "0", x = "0", y = "0", xo = "0",
                yo = "0";  // Texte, TextX, TextY, TextXo, TextYo
    // The group of the modified life (ISO 281:2007).
    ModifiedLifeEntries modified;
};

// The entries as the window's fields hold them.
BearingEntries bearingEntries(const Fields& fields);

// Every control the calculation writes or corrects.
// clang-format off
inline constexpr const char* kBearingTargets[] = {
    "Texte", "TextX",  "TextY",    "TextXo", "TextYo", "TextFaFr",  "TextL10",
    "TextP", "TextPo", "TextL10H", "TextFa", "TextFr", "ComboAngle",
    "Textdm", "TextNu", "TextNu1", "TextKappa", "TexteC", "Texta1ISO", "TextaISO", "TextLnm",
    "TextLnmh", "LabelDureeCorrigee"};
// clang-format on

// The window's working values, kept from one calculation to the next (a
// selection text that matches no entry leaves the factors of the previous run).
// Single precision, as stored by each step; a run that stops keeps what it set.
struct BearingState {
    float alpha = 0, alphaRad = 0;  // contact angle, degrees and radians
    float p = 0;                    // life exponent
    float e = 0, X = 0, Y = 0, Xo = 0, Yo = 0;
    float x = 0;  // relative axial load i·Fa/Co
    float a1 = 0, So = 0;
    float P = 0, PoSo = 0, L = 0, Lh = 0, FaFr = 0;
    bool modifiedShown = false;  // the modified-life boxes hold an earlier run's texts
};

// "Calculer". The outcome lists, in order: warnings, the factor writes (Texte,
// TextX, TextY, TextXo, TextYo, "0.00", in "Automatique" mode), then either one
// stop or the result writes TextFaFr "0.00", TextL10 "0.000 000", TextP, TextPo,
// TextL10H "0.00", and after them the modified life's steps (appendModifiedLife);
// `decimalSeparator` replaces the formats' ".".
// Corrections end an outcome; play every step in order, also after a stop:
//  - radial roller at 0° with Fa != 0: warning, TextFa := "0", rerun;
//  - self-aligning at 0°: warning, ComboAngle := "5°", rerun;
//  - thrust at 90° with Fr != 0: stop, TextFr := "0" (thrust ball: then the
//    writes TextL10H and TextP of the text "0.00", whatever the separator); no rerun;
//  - L < 0 (negative pasted values): stop kMsgImpossible, focus to TextFr.
// A rerun converges after one round: the field it sets removes its cause.
Outcome calculateBearing(BearingState& state, const BearingEntries& entries, char decimalSeparator);

}  // namespace torvel::bearings

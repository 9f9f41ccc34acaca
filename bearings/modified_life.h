#pragma once

// Modified rating life of ISO 281:2007, Lnm = a1 · aISO · L10: the lubricant's
// viscosity at the operating temperature and the cleanliness correct a basic
// rating life. One engine for the Roulement window (one speed, one load) and
// the duty cycle of CasVariables (one life per case, combined). No Qt here.

#include <string>
#include <string_view>
#include <vector>

#include "fields.h"
#include "outcome.h"

namespace torvel::bearings {

// ComboPollution, in order; the default is the third.
std::vector<std::string_view> cleanlinessItems();
inline constexpr std::string_view kCleanlinessDefault = "Propreté normale";

// The group's entries, as their boxes hold them; the defaults are the texts at opening.
struct ModifiedLifeEntries {
    std::string d = "0", dExt = "0", cu = "0";  // Textd, TextDext, TextCu
    std::string nu40 = "0", nu100 = "0";        // TextNu40, TextNu100
    std::string t = "70";                       // the temperature box
    std::string cleanliness{kCleanlinessDefault};
};

// The group as the window's fields hold it; `temperature` names the box of T.
ModifiedLifeEntries modifiedLifeEntries(const Fields& fields,
                                        std::string_view temperature = "TextT");

// The group is optional: in use once d, D, Cu, ν40 or ν100 holds something
// other than blanks or a zero. A text that is no number counts: it is refused.
bool modifiedLifeInUse(const ModifiedLifeEntries& entries);

// What the basic rating life hands over, as its run keeps it (single precision).
struct BasicLife {
    std::string_view element, type, reliability;  // the lists' texts
    float c = 0, P = 0, p = 0, n = 0;             // C, P, life exponent, speed
};

// The group's result boxes and its note label, in the order they are written.
inline constexpr const char* kModifiedLifeTargets[] = {
    "Textdm",    "TextNu",   "TextNu1", "TextKappa", "TexteC",
    "Texta1ISO", "TextaISO", "TextLnm", "TextLnmh",  "LabelDureeCorrigee"};

inline constexpr const char* kMsgKappaLow =
    "Durée corrigée : κ < 0,1 : la méthode de l'ISO 281 ne s'applique pas "
    "(lubrification insuffisante).";
inline constexpr const char* kMsgModifiedBore =
    "Durée corrigée : le diamètre d'alésage d doit être supérieur à 0 mm.";
inline constexpr const char* kMsgModifiedOuter =
    "Durée corrigée : le diamètre extérieur D doit être supérieur au diamètre d'alésage d.";
inline constexpr const char* kMsgModifiedCu =
    "Durée corrigée : la charge limite de fatigue Cu doit être supérieure à 0 N.";
inline constexpr const char* kMsgModifiedNu100 =
    "Durée corrigée : la viscosité ν100 doit être d'au moins 2 mm²/s.";
inline constexpr const char* kMsgModifiedNu40 =
    "Durée corrigée : la viscosité ν40 doit être supérieure à la viscosité ν100.";
inline constexpr const char* kMsgModifiedTemperature =
    "Durée corrigée : la température T doit être comprise entre 0 et 150 °C.";
inline constexpr const char* kMsgModifiedSpeed =
    "Durée corrigée : la vitesse V doit être supérieure à 0 Tr/min.";
inline constexpr const char* kMsgModifiedType =
    "Durée corrigée : le type d'élément roulant n'est pas l'un de ceux de la liste.";
inline constexpr const char* kMsgModifiedReliability =
    "Durée corrigée : la fiabilité doit être l'une des valeurs de la liste (90% à 99%).";
inline constexpr const char* kMsgModifiedCleanliness =
    "Durée corrigée : le niveau de propreté n'est pas l'un de ceux de la liste.";
inline constexpr const char* kMsgModifiedLoads =
    "Durée corrigée : les charges C et P doivent être positives.";
inline constexpr const char* kMsgModifiedRange =
    "Durée corrigée : calcul impossible, un résultat sort des limites du calcul.";

// Notes of LabelDureeCorrigee, joined by " ; " in this order when several apply.
inline constexpr const char* kNoteWalther =
    "ν < 2 mm²/s à T : hors du domaine de la relation de Walther, valeur extrapolée";
inline constexpr const char* kNoteKappaCapped = "κ limité à 4";
inline constexpr const char* kNoteAIsoCapped = "aISO limité à 50";

// ---- the engine both windows share ----

// The bearing as the modified life sees it.
struct RollingKind {
    bool known = false, ball = false, thrust = false;
};
// Roulement's lists: ComboElement and ComboType.
RollingKind rollingKind(std::string_view element, std::string_view type);

// The group's entries once checked, and the factors of the bearing.
struct Lubrication {
    double dm = 0;         // mean diameter (d + D) / 2, mm
    double nu = 0;         // viscosity at T, mm²/s
    double cu = 0;         // fatigue load limit, N
    double eC = 0;         // contamination factor at dm
    double a1 = 0;         // reliability factor of ISO 281:2007
    bool walther = false;  // ν below 2 mm²/s: outside the Walther relation's range
    RollingKind kind;
};

// Checks d, D, Cu, ν100, ν40 and T in this order (an empty text or one with
// no number is refused as a wrong value) and computes dm and ν: nullptr, or
// the message of the first wrong entry.
const char* readLubrication(const ModifiedLifeEntries& entries, Lubrication& lubrication);
// Then the kind, the reliability and the cleanliness: nullptr, or the message.
const char* readFactors(RollingKind kind, std::string_view reliability,
                        std::string_view cleanliness, Lubrication& lubrication);

// The life at one speed n (Tr/min > 0) and one load P (N > 0).
struct ModifiedLifeAt {
    double nu1 = 0, kappa = 0;  // rated viscosity, viscosity ratio
    bool kappaLow = false;      // κ < 0.1: no aISO, no life
    bool kappaCapped = false, aIsoCapped = false;
    double aIso = 0, lnm = 0;  // millions of revolutions
};
ModifiedLifeAt modifiedLifeAt(const Lubrication& lubrication, double c, double P, double p,
                              double n);

// A value shown in a box: finite and within single precision.
bool showable(double value);

// ---- Roulement ----

// Appends the group's steps to `out`, after the basic life's results. Unused
// (modifiedLifeInUse), the group is left alone (its boxes are emptied only if
// `shown` says an earlier run filled them). Otherwise every target is written,
// in kModifiedLifeTargets order: the results ("0.00", "0.000" for κ and aISO,
// "0.000 000" for Lnm) or "" where none, then at most one warning. `shown`
// tells the next run whether the boxes hold anything.
void appendModifiedLife(const ModifiedLifeEntries& entries, const BasicLife& basic, bool& shown,
                        char decimalSeparator, Outcome& out);

}  // namespace torvel::bearings

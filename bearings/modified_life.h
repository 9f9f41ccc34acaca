#pragma once

// Modified rating life of ISO 281:2007, Lnm = a1 · aISO · L10: the lubricant's
// viscosity at the operating temperature and the cleanliness correct the basic
// rating life that the Roulement calculation has just computed. No Qt here.

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
    std::string t = "70";                       // TextT
    std::string cleanliness{kCleanlinessDefault};
};

ModifiedLifeEntries modifiedLifeEntries(const Fields& fields);

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

// Notes of LabelDureeCorrigee, joined by " ; " when both apply.
inline constexpr const char* kNoteKappaCapped = "κ > 4 : calcul avec κ = 4";
inline constexpr const char* kNoteAIsoCapped = "aISO limité à 50";

// Appends the group's steps to `out`, after the basic life's results. With d,
// D, Cu, ν40 and ν100 all reading 0 the group is left alone (its boxes are
// emptied only if `shown` says an earlier run filled them). Otherwise every
// target is written, in kModifiedLifeTargets order: the results ("0.00",
// "0.000" for κ and aISO, "0.000 000" for Lnm) or "" where none, then at most
// one warning. `shown` tells the next run whether the boxes hold anything.
void appendModifiedLife(const ModifiedLifeEntries& entries, const BasicLife& basic, bool& shown,
                        char decimalSeparator, Outcome& out);

}  // namespace torvel::bearings

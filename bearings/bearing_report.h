#pragma once

// The text report of the Roulement window, as line data: the window's texts as
// they stand, nothing recalculated. No Qt here.

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"
#include "modified_life.h"
#include "report_lines.h"

namespace torvel::bearings {

inline constexpr const char* kBearingReportTitle =
    "Eléments Roulants : Estimation de la durée de vie";

// Shown by the window when the report cannot be built: nothing is printed.
inline constexpr const char* kMsgReportSpeed =
    "Impression impossible : la Vitesse (Tr/min) n'est pas un nombre valide !\n"
    "Veuillez corriger la Vitesse avant d'imprimer.";

// Shown by the bearing windows when the printer cannot take the report.
inline constexpr const char* kMsgPrintFailed =
    "Impression impossible : l'imprimante n'a pas pu être ouverte !";

// Strict conversion of a whole text to a number: blanks around it, an optional
// sign, digits with at most one decimal separator (`decimalSeparator` or "."),
// an optional exponent. Anything else (empty, letters, a second separator,
// blanks inside) gives nullopt.
std::optional<double> strictNumber(std::string_view text, char decimalSeparator);

// The current texts of the window's boxes and lists.
struct BearingReportFields {
    std::string reference;                                           // TextRef
    std::string element, type, rows, angle, operating, reliability;  // the lists
    std::string mode;                                                // ComboCalcul
    std::string fr, fa, co, c, n;                                    // TextFr ... TextN
    std::string faFr, e, xo, yo, x, y;                               // TextFaFr, Texte, ...
    std::string poSo, p, l10, l10h;  // TextPo, TextP, TextL10, TextL10H
    // The modified life: Textd, TextDext, TextCu, TextNu40, TextNu100, TextT, ComboPollution,
    std::string d, dExt, cu, nu40, nu100, t, cleanliness;
    // Textdm, TextNu, TextNu1, TextKappa, TexteC, Texta1ISO, TextaISO, TextLnm, TextLnmh
    std::string dm, nu, nu1, kappa, eC, a1Iso, aIso, lnm, lnmh;
    std::string note;  // LabelDureeCorrigee
};

// The report's fields as the window holds them.
BearingReportFields bearingReportFields(const Fields& fields);

// The modified life's section, shared by the Roulement and CasVariables
// reports: its title and entries, then (after the study's own results) Lnm
// and Lnmh when there is a life, and the note when there is one.
void modifiedLifeReportHead(const ModifiedLifeEntries& entries, ReportLines& lines);
void modifiedLifeReportTail(const std::string& lnm, const std::string& lnmh,
                            const std::string& note, ReportLines& lines);

// Header and lines of the report, with the modified life's section when the
// group shows a life (TextLnm not empty); nullopt when the speed text cannot be read
// by strictNumber (the window then prints nothing and shows kMsgReportSpeed).
// `date` is the short date of the day in the user's locale.
std::optional<ReportLines> bearingReportLines(const BearingReportFields& fields,
                                              const std::string& date, char decimalSeparator);

}  // namespace torvel::bearings

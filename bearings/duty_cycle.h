#pragma once

// Life of a bearing under a duty cycle of up to 20 cases of constant duration,
// speed and load: the calculation and the text report of the CasVariables
// window. No Qt here; texts are UTF-8.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bearing_messages.h"
#include "fields.h"
#include "modified_life.h"
#include "outcome.h"
#include "report_lines.h"

namespace torvel::bearings {

inline constexpr int kDutyCases = 20;

inline constexpr std::string_view kDutyBall = "Roulement ou Butée à Billes";
inline constexpr std::string_view kDutyRoller = "Roulement ou Butée à Rouleaux";
std::vector<std::string_view> dutyElementItems();  // Combo1, in order

inline constexpr const char* kMsgDutyRating = kMsgDynamicRating;
inline constexpr const char* kMsgDutyZeroLoad =
    "Calcul impossible : La Charge Dynamique Equivalente est nulle !";
inline constexpr const char* kMsgDutyPLarge = kMsgPLarge;
// The cases give no finite equivalent load (a negative load or duration, a
// total duration of zero, a value beyond single precision).
inline constexpr const char* kMsgDutyCasesInvalid =
    "Calcul impossible : Veuillez vérifier les valeurs des cas\n"
    "(Temps, Vitesse et Charge positifs et pas trop grands) !";
// The life overflows, or no element type was ever recognised.
inline constexpr const char* kMsgDutyImpossible = kMsgImpossible;

// Cell texts of MSFlexGrid1, rows 1 to 20: [row][0] duration (s), [row][1]
// speed (Tr/min), [row][2] load (N).
using DutyGrid = std::array<std::array<std::string, 3>, kDutyCases>;

// ComboDisposition: aISO differs for a thrust bearing.
inline constexpr std::string_view kDispositionRadial = "Radial";
inline constexpr std::string_view kDispositionThrust = "Axial (butée)";
std::vector<std::string_view> dispositionItems();

struct DutyEntries {
    DutyGrid grid;                    // empty cells at opening
    std::string element{kDutyBall};   // Combo1
    std::string c = "0";              // TextC
    std::string reliability = "90%";  // ComboFiabilité
    // The modified life (ISO 281:2007), optional; its temperature is TextTemperature.
    ModifiedLifeEntries modified;
    std::string disposition{kDispositionRadial};  // ComboDisposition
};

// Working values kept by the window, single precision.
struct DutyState {
    std::array<float, kDutyCases> t{}, n{}, load{};
    float p = 0;  // life exponent; 0 until an element type is recognised
    float T = 0, TN = 0, S = 0;
    float Nm = 0;  // mean speed; 0 when no speeds were given
    float P = 0, C = 0, a1 = 0, L = 0, Lh = 0;
    bool modifiedShown = false;  // the modified-life boxes hold an earlier run's texts
};

// The modified life's boxes: for case j (1 to 20) TextKappaj, TextaISOj and
// TextLnmj; the name of one of them.
std::string dutyPhaseTarget(std::string_view box, int phase);
inline constexpr const char* kDutyPhaseBoxes[] = {"TextKappa", "TextaISO", "TextLnm"};

// Every control the modified life writes: the phases' boxes case by case, then
// TextLnm, TextLnmh and LabelDureeCorrigee.
std::vector<std::string> dutyModifiedTargets();

// Notes of LabelDureeCorrigee beside kNoteWalther, kNoteKappaCapped and
// kNoteAIsoCapped, which name their cases: "κ limité à 4 (cas 1, 3)".
inline constexpr const char* kNoteDutyNoSpeed =
    "Aucun cas ne tourne : la durée corrigée demande une vitesse";
inline constexpr const char* kNoteDutyKappaLow =
    "la méthode de l'ISO 281 ne s'applique pas (lubrification insuffisante), pas de durée "
    "corrigée";

// "Calculer". The outcome lists, in order: the writes TextN (only when the first
// case has a duration), TextT and TextP; then one stop, or the warning on P and
// the writes TextL10 "0.000 000" and TextL10H ("0.00", or "0" without speeds).
// A case table that gives no finite load stops before any write.
// After the basic life, the modified life as in Roulement (appendModifiedLife):
// left alone while its group is unused; otherwise every dutyModifiedTargets()
// written, per case with a speed κ "0.000", aISO "0.000" and Lnm "0.000 000"
// (a standstill writes nothing, a case without load κ only), TextLnm
// "0.000 000" and TextLnmh "0.00" when every turning case has a life, then at
// most one warning (a refused entry: every box emptied).
Outcome calculateDuty(DutyState& state, const DutyEntries& entries, char decimalSeparator);

inline constexpr const char* kDutyReportTitle =
    "Durée de Vie d'un élement roulant soumis à des Charges et Vitesses Variables";

// One case line of the report: 60 columns, the case number ending at column 3,
// duration, speed and load ending at 21, 39 and 59 (one further left from case
// 10). `speeds` false prints the speed as blanks. A value that is not a finite
// single prints blank; a field too wide for its place pushes the line longer
// rather than run into its neighbour.
std::string dutyCaseLine(int caseNumber, double t, double n, double load, bool speeds,
                         char decimalSeparator);

// The current texts of the window.
// Every control the calculation writes.
inline constexpr const char* kDutyTargets[] = {"TextN", "TextT", "TextP", "TextL10", "TextL10H"};

struct DutyReportFields {
    std::string reference;           // TextRef
    std::string element;             // Combo1
    std::string reliability;         // ComboFiabilité
    DutyGrid grid;                   // read again, as by the calculation
    std::string t, n, p, l10, l10h;  // TextT, TextN, TextP, TextL10, TextL10H
    // The modified life: its entries, ComboDisposition, each case's κ, aISO and
    // Lnm, TextLnm, TextLnmh and LabelDureeCorrigee.
    ModifiedLifeEntries modified;
    std::string disposition;
    std::array<std::array<std::string, 3>, kDutyCases> phases;
    std::string lnm, lnmh, note;
};

// The entries and the report's fields as the window holds them.
DutyEntries dutyEntries(const Fields& fields, const DutyGrid& grid);
DutyReportFields dutyReportFields(const Fields& fields, const DutyGrid& grid);

// The mean speed of the last calculation (state.Nm) decides the speed lines.
// The modified life's section follows when its boxes or its note show anything.
ReportLines dutyReportLines(const DutyReportFields& fields, const DutyState& state,
                            const std::string& date, char decimalSeparator);

}  // namespace torvel::bearings

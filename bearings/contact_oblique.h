#pragma once

// Induced axial loads of a pair of angular-contact bearings A and B mounted in
// X or in O: the calculation and the text report of the ContactOblique window.
// No Qt here; texts are UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "bearing_messages.h"
#include "fields.h"
#include "outcome.h"
#include "report_lines.h"

namespace torvel::bearings {

inline constexpr std::string_view kMontageX = "Montage en X";
inline constexpr std::string_view kMontageO = "Montage en O";
std::vector<std::string_view> mountingItems();  // Combo1, in order

// The drawing file of a mounting, relative to the application folder
// ("images/Montage-X.bmp", "images/Montage-O.bmp"); empty for any other text,
// which keeps the drawing shown.
std::string_view mountingDrawing(std::string_view mounting);

inline constexpr const char* kMsgObliqueLoad = "Veuillez entrer une Charge !";
// Also given when a factor box reads as 0 without being exactly "0" ("0.0", "",
// "abc"): the induced loads would divide by zero.
inline constexpr const char* kMsgObliqueCoefficients = kMsgCoefficients;
inline constexpr const char* kMsgObliqueImpossible = kMsgImpossible;

// Message box text for a drawing file that cannot be loaded.
std::string missingDrawingMessage(std::string_view path);

// The texts of the seven entry boxes (defaults: the texts at opening).
struct ObliqueEntries {
    std::string faE = "0";             // TextFaE: Ka, external axial load on the assembly
    std::string frA = "0", frB = "0";  // TextFrA, TextFrB
    std::string eA = "0", eB = "0";    // TexteA, TexteB
    std::string yA = "0", yB = "0";    // TextYA, TextYB
};

// Working values kept by the window, single precision.
struct ObliqueState {
    float eA = 0, yA = 0, eB = 0, yB = 0, ka = 0, frA = 0, frB = 0;  // the inputs
    float KA = 0, KB = 0;                                            // induced loads
    float FaA = 0, FaB = 0, PA = 0, PB = 0;
};

// "Calculer": one stop, or the writes TextPA, TextPB, TextFaA, TextFaB in "0.00"
// with `decimalSeparator`. No warnings, no requests.
Outcome calculateOblique(ObliqueState& state, const ObliqueEntries& entries, char decimalSeparator);

inline constexpr const char* kObliqueReportTitle =
    "Roulements à Contacts Obliques : Charges Induites";

// The current texts of the window's boxes.
struct ObliqueReportFields {
    std::string reference;  // TextRef
    std::string mounting;   // Combo1
    std::string eA, yA, frA, faE, eB, yB, frB;
    std::string faA, pA, faB, pB;  // TextFaA, TextPA, TextFaB, TextPB
};

ReportLines obliqueReportLines(const ObliqueReportFields& fields, const std::string& date);

// The entries and the report's fields as the window holds them.
ObliqueEntries obliqueEntries(const Fields& fields);
ObliqueReportFields obliqueReportFields(const Fields& fields);

// Every control the calculation writes.
inline constexpr const char* kObliqueTargets[] = {"TextPA", "TextPB", "TextFaA", "TextFaB"};

}  // namespace torvel::bearings

#pragma once

// The press fit designed from its need: the window of measured interferences
// that carries the load with the required slip safety in the worst service
// state and keeps hub and shaft under Re / SP at the largest interference, and
// the ISO 286 fits of the catalogue whose whole range lies inside it, ranked.
// No Qt here.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "press_fit.h"

namespace torvel::fits {

// Measured interferences, µm: a fit is fit for the need when Umin >= minRequired
// and Umax <= maxAllowed.
struct InterferenceWindow {
    double minRequired = 0.0;
    double maxAllowed = 0.0;
};
// `in` as pressFit accepts it; its measured interferences are not read.
InterferenceWindow interferenceWindow(const PressFitInput& in);

// A hole-basis pairing the search tries: the hole grade, and the shaft one finer.
struct PreferredFit {
    std::string_view hole;   // "H7"
    std::string_view shaft;  // "s6"
};
// ISO 286-1's preferred interference fits (hole basis).
std::span<const PreferredFit> preferredInterferenceFits();

struct FitCandidate {
    std::string holeLetter;  // "H"
    int holeGrade = 0;
    std::string shaftLetter;  // "t"
    int shaftGrade = 0;
    Interference measured;               // µm
    bool preferred = false;              // among ISO 286-1's preferred fits
    std::optional<double> slipReached;   // SR in the worst service state; none without a load
    std::optional<double> yieldReached;  // the least of the hub's and the shaft's safeties
    double shortBy = 0.0;                // µm Umin lacks, 0 inside
    double overBy = 0.0;                 // µm Umax exceeds, 0 inside
    std::string name() const;            // "H7/t6"
};

struct FitSearch {
    // kOutOfRange when the window or a fit's figures cannot be computed: then
    // nothing else is filled.
    std::string refusal;
    InterferenceWindow window;
    std::vector<FitCandidate> inside;   // best first
    std::vector<FitCandidate> nearest;  // when none is inside: the nearest misses first
};
// Over H6, H7 and H8 with the shaft letters p to zc one grade finer, the
// classes the catalogue offers at in.diameter.
FitSearch searchFits(const PressFitInput& in);

// What the list shows: at most kListedFits lines, the fits inside the window
// or else the nearest misses with the bound each misses.
inline constexpr std::size_t kListedFits = 10;
std::vector<std::string> candidateLines(const FitSearch& search, char decimalSeparator);
// The candidates the lines stand for, in the same order.
std::vector<FitCandidate> listedCandidates(const FitSearch& search);
// What LabelAjustementsPossibles says of the search.
std::string searchSummary(const FitSearch& search, char decimalSeparator);

// ---- The window's group -------------------------------------------------------

// One computation of the group from its entry texts. A refusal is a stop
// naming the entry, and writes nothing: the results shown stay as they were,
// out of date. Otherwise every result box and LabelPressFit are written
// (empty for a value not computed); `tone` colours the verdict.
struct PressFitRun {
    Outcome outcome;
    Tone tone = Tone::Neutral;
    // ListAjustementsPossibles: its lines and the fits they stand for.
    std::vector<std::string> candidateLines;
    std::vector<FitCandidate> candidates;
};
// `diameter` is the one typed when it is in range; the fit's wins when one is
// shown. The design (window and candidate fits) needs only the diameter.
PressFitRun runPressFit(const Fields& entries, std::optional<double> diameter,
                        const std::optional<ShownFit>& fit, char decimalSeparator);

}  // namespace torvel::fits

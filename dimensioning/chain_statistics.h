#pragma once

// Statistical tolerancing of a dimension chain: each dimension in use may take
// its deviations from a tolerance class (ISO 286 through the fits engine, or a
// general tolerance of ISO 2768-1), a law (normal with its Cp, uniform,
// triangular) centred in its tolerance, and the chain the clearance the function
// needs. Results: the worst case against that need, the mean and σ of the
// clearance, Cp and Cpk, the share of each dimension in its variance and in the
// tolerance, and the part out of the need in ppm, exact when every law is normal
// and by Monte Carlo otherwise. Plain C++, no Qt.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chain_sampling.h"
#include "dimension_chain.h"
#include "outcome.h"

namespace torvel {

// The laws as the grid names them, in list order; the first is the default.
inline constexpr std::array<const char*, 3> kLawNames = {"Normale", "Uniforme", "Triangulaire"};
std::optional<sampling::Law> lawNamed(std::string_view name);

inline constexpr const char* kDefaultCount = "1000000";
inline constexpr const char* kDefaultSeed = "1";

// What the statistical group of one chain holds, as typed.
struct StatRow {
    std::string tolClass;  // "" for none
    std::string law = kLawNames[0];
    std::string cp = "1";
};
struct StatEntries {
    std::array<StatRow, 12> rows;  // outer A to F, then inner M to R
    std::string minRequired, maxRequired;
    std::string count = kDefaultCount;
    std::string seed = kDefaultSeed;
};

// Row 0 to 11 of a chain: its dimension, its caption ("A", "M'").
ToleranceDimension& chainRow(Chain& chain, int row);
const ToleranceDimension& chainRow(const Chain& chain, int row);
std::string rowLetter(int chain, int row);
// A dimension is in use when its nominal is not 0.
bool rowInUse(const Chain& chain, int row);

// The deviations a class gives at a nominal: an ISO 286 class ("h7", "H8",
// "js9", "E11") for 1 < nominal <= 500, or "f", "m", "c", "v" of ISO 2768-1.
// nullopt when the class does not exist at that nominal.
std::optional<ToleranceDimension> classDeviations(std::string_view tolClass, double nominal);
// A deviation as its box takes it ("0", "-0,021").
std::string deviationText(double deviation, char decimalSeparator);

// Whether the group holds data: a limit, a class, a law or a Cp other than the
// defaults on a dimension in use. Unused, it computes nothing.
bool statisticsInUse(const StatEntries& entries, const Chain& chain);

struct LinkStatistics {
    bool used = false;
    sampling::Law law = sampling::Law::Normal;
    double tolerance = 0;  // IT, the width of the tolerance
    double sigma = 0;
    double varianceShare = 0, toleranceShare = 0;  // fractions
};

struct ChainStatistics {
    bool computed = false;  // the group in use on a chain that is not idle
    std::array<LinkStatistics, 12> links;
    double mean = 0, sigma = 0;
    std::optional<double> lower, upper;  // the clearance required
    double worstMin = 0, worstMax = 0;
    enum class Verdict { NoLimit, Holds, Fails } worstCase = Verdict::NoLimit;
    bool allNormal = true;
    std::optional<double> exactPpm;  // every law normal and a limit given
    // The run that draws the histogram (and the ppm when a law is not normal);
    // none when the clearance does not vary.
    std::optional<sampling::Simulation> simulation;
};

// The controls of chain 1 or 2 ("TextPpm" gives "TextPpm1").
std::string statName(std::string_view base, int chain);

struct ChainStudy {
    Outcome outcome;
    std::array<ChainStatistics, 2> statistics;
};

// "Calculer": the deviation boxes of the rows with a class set to the class's
// values, both chains' worst-case and quadratic results as before, then the
// statistical results of each chain whose group is in use ("" in them
// otherwise); the ppm of a simulation still to run reads "calcul en cours…".
// Any refused entry gives one stop naming it, and nothing written.
ChainStudy calculateChainStudy(const std::array<Chain, 2>& chains,
                               const std::array<StatEntries, 2>& entries, char decimalSeparator);

// What a finished simulation writes into the chain's results: the part out of
// the need (or "< 3/N" in ppm when no sample falls out) and its 95 % interval.
Outcome simulationOutcome(int chain, const ChainStatistics& statistics,
                          const sampling::SimulationResult& result, char decimalSeparator);

// A part per million, with five significant digits (four for `sampled`,
// without trailing zeros).
std::string ppmText(double ppm, bool sampled, char decimalSeparator);

// The shares as the grid shows them ("66,2 %").
std::string shareText(double share, char decimalSeparator);

inline constexpr const char* kRunning = "calcul en cours…";

}  // namespace torvel

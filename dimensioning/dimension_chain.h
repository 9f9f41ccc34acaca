#pragma once

// Functional dimensioning: the clearance of an assembly from a chain of
// toleranced dimensions, six outer ones opening it and six inner ones closing it.
// Entries and sums are held in double precision: a chain of a few metres keeps
// the thousandths that its clearances are read to.

#include <array>
#include <optional>
#include <string>

namespace torvel {

struct ToleranceDimension {
    double nominal = 0;
    double upper = 0;  // signed deviation of the largest size
    double lower = 0;  // signed deviation of the smallest size
};

struct Chain {
    std::array<ToleranceDimension, 6> outer;  // rows A to F
    std::array<ToleranceDimension, 6> inner;  // rows M to R
};

struct ChainResult {
    double nominal = 0;         // J
    double upper = 0;           // Jmax
    double lower = 0;           // Jmin
    double maxClearance = 0;    // Jmax + J
    double minClearance = 0;    // Jmin + J
    // Statistical clearances: independent dimensions, each normally spread over
    // its tolerance and centred, add their half-ranges quadratically.
    double rssMax = 0;  // mean clearance + √Σ((upper − lower)/2)²
    double rssMin = 0;  // mean clearance − the same half-range
    // J, Jmax and Jmin all exactly zero: the window shows its idle captions.
    bool idle() const { return nominal == 0 && upper == 0 && lower == 0; }
};

struct ChainsOutcome {
    // Set when an entry or a sum goes beyond 1E+9 in absolute value (NaN
    // included); then no result is given and the window keeps what it shows.
    std::optional<std::string> error;
    std::array<ChainResult, 2> results{};
};

extern const char* const kChainOutOfRange;

ChainResult computeChain(const Chain& chain, bool* inRange);
ChainsOutcome computeChains(const Chain& first, const Chain& second);

}  // namespace torvel

#pragma once

// Functional dimensioning: the clearance of an assembly from a chain of
// toleranced dimensions, six outer ones opening it and six inner ones closing it.
// Numbers are held in single precision, each sum rounded once per step.

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
    float nominal = 0;         // J
    float upper = 0;           // Jmax
    float lower = 0;           // Jmin
    float maxClearance = 0;    // Jmax + J
    float minClearance = 0;    // Jmin + J
    // J, Jmax and Jmin all exactly zero: the window shows its idle captions.
    bool idle() const { return nominal == 0 && upper == 0 && lower == 0; }
};

struct ChainsOutcome {
    // Set when an entry or a sum leaves the single-precision range; then no
    // result is given and the window keeps what it shows.
    std::optional<std::string> error;
    std::array<ChainResult, 2> results{};
};

extern const char* const kChainOutOfRange;

ChainResult computeChain(const Chain& chain, bool* inRange);
ChainsOutcome computeChains(const Chain& first, const Chain& second);

}  // namespace torvel

#pragma once

// Functional dimensioning: the clearance of an assembly from a chain of
// toleranced dimensions, six outer ones opening it and six inner ones closing it.
// Entries and sums are held in double precision: a chain of a few metres keeps
// the thousandths that its clearances are read to.

#include <array>
#include <string>
#include <string_view>

#include "fields.h"
#include "outcome.h"

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
    double nominal = 0;       // J
    double upper = 0;         // Jmax
    double lower = 0;         // Jmin
    double maxClearance = 0;  // Jmax + J
    double minClearance = 0;  // Jmin + J
    // Statistical clearances: independent dimensions, each normally spread over
    // its tolerance and centred, add their half-ranges quadratically.
    double rssMax = 0;  // mean clearance + √Σ((upper − lower)/2)²
    double rssMin = 0;  // mean clearance − the same half-range
    // J, Jmax and Jmin all exactly zero: the window shows its idle captions.
    bool idle() const { return nominal == 0 && upper == 0 && lower == 0; }
};

extern const char* const kChainOutOfRange;

// The sums of one chain; `inRange` turns false when an entry or a sum goes
// beyond 1E+9 in absolute value (NaN included), and the result is then zero.
ChainResult computeChain(const Chain& chain, bool* inRange);

// "Calculer": both chains' results written into their labels (the idle captions
// for a chain whose sums are all zero), or, when either chain is out of range,
// one stop and nothing written.
Outcome calculateChains(const Chain& first, const Chain& second, char decimalSeparator);

// Chain 1 or 2 as the window's boxes hold it (TextJe1A, TextJe1MaxA, ...).
Chain chainFromFields(const Fields& fields, int chain);
std::string chainBoxName(bool outer, int chain, std::string_view part, int row);

// The labels a chain's results go to, in display order, and their idle captions.
std::string chainResultName(int chain, int index);  // index 0 to 6, the last two statistical
extern const char* const kChainIdle[5];

}  // namespace torvel

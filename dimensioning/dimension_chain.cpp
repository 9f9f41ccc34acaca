#include "dimension_chain.h"

#include <cmath>

namespace torvel {

const char* const kChainOutOfRange =
    "Calcul impossible : une cote ou un résultat dépasse la capacité de calcul "
    "(1E+9 en valeur absolue).\nVeuillez vérifier les cotes saisies.";

namespace {

// Beyond a thousand kilometres a double no longer carries the fourth decimal
// that the clearances show through a sum of twelve dimensions.
constexpr double kChainLimit = 1e9;

bool inLimit(double v) { return std::fabs(v) <= kChainLimit; }

}  // namespace

ChainResult computeChain(const Chain& chain, bool* inRange) {
    ChainResult r;
    bool ok = true;
    double squares = 0;
    for (size_t i = 0; i < 6 && ok; ++i) {
        const auto& o = chain.outer[i];
        const auto& n = chain.inner[i];
        ok = inLimit(o.nominal) && inLimit(o.upper) && inLimit(o.lower) && inLimit(n.nominal) &&
             inLimit(n.upper) && inLimit(n.lower);
        r.nominal += o.nominal - n.nominal;
        r.upper += o.upper - n.lower;
        r.lower += o.lower - n.upper;
        for (const auto* dim : {&o, &n}) {
            const double half = (dim->upper - dim->lower) / 2;
            squares += half * half;
        }
    }
    r.maxClearance = r.upper + r.nominal;
    r.minClearance = r.lower + r.nominal;
    const double mean = r.nominal + (r.upper + r.lower) / 2;
    const double halfRange = std::sqrt(squares);
    r.rssMax = mean + halfRange;
    r.rssMin = mean - halfRange;
    ok = ok && inLimit(r.nominal) && inLimit(r.upper) && inLimit(r.lower) &&
         inLimit(r.maxClearance) && inLimit(r.minClearance);
    if (inRange) *inRange = ok;
    return ok ? r : ChainResult{};
}

ChainsOutcome computeChains(const Chain& first, const Chain& second) {
    ChainsOutcome out;
    bool ok1 = false, ok2 = false;
    out.results[0] = computeChain(first, &ok1);
    out.results[1] = computeChain(second, &ok2);
    if (!ok1 || !ok2) {
        out.error = kChainOutOfRange;
        out.results = {};
    }
    return out;
}

}  // namespace torvel

#include "dimension_chain.h"

#include "numbers.h"

namespace torvel {

const char* const kChainOutOfRange =
    "Calcul impossible : une cote ou un résultat dépasse la capacité de calcul "
    "(3,4E+38 en valeur absolue).\nVeuillez vérifier les cotes saisies.";

namespace {

// Rounds to single precision; false when the value leaves its range.
bool store(double value, float& out) {
    if (!fitsInFloat(value)) return false;
    out = static_cast<float>(value);
    return true;
}

}  // namespace

ChainResult computeChain(const Chain& chain, bool* inRange) {
    ChainResult r;
    bool ok = true;
    for (size_t i = 0; i < 6 && ok; ++i) {
        float on, ou, ol, in, iu, il;
        const auto& o = chain.outer[i];
        const auto& n = chain.inner[i];
        ok = store(o.nominal, on) && store(o.upper, ou) && store(o.lower, ol) &&
             store(n.nominal, in) && store(n.upper, iu) && store(n.lower, il);
        ok = ok && store(double(r.nominal) + on - in, r.nominal) &&
             store(double(r.upper) + ou - il, r.upper) && store(double(r.lower) + ol - iu, r.lower);
    }
    ok = ok && store(double(r.upper) + r.nominal, r.maxClearance) &&
         store(double(r.lower) + r.nominal, r.minClearance);
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

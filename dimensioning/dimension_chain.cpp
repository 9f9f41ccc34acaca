#include "dimension_chain.h"

#include "single.h"

namespace torvel {

const char* const kChainOutOfRange =
    "Calcul impossible : une cote ou un résultat dépasse la capacité de calcul "
    "(3,4E+38 en valeur absolue).\nVeuillez vérifier les cotes saisies.";

ChainResult computeChain(const Chain& chain, bool* inRange) {
    ChainResult r;
    bool ok = true;
    for (size_t i = 0; i < 6 && ok; ++i) {
        float on, ou, ol, in, iu, il;
        const auto& o = chain.outer[i];
        const auto& n = chain.inner[i];
        ok = keep(on, o.nominal) && keep(ou, o.upper) && keep(ol, o.lower) &&
             keep(in, n.nominal) && keep(iu, n.upper) && keep(il, n.lower);
        ok = ok && keep(r.nominal, double(r.nominal) + on - in) &&
             keep(r.upper, double(r.upper) + ou - il) && keep(r.lower, double(r.lower) + ol - iu);
    }
    ok = ok && keep(r.maxClearance, double(r.upper) + r.nominal) &&
         keep(r.minClearance, double(r.lower) + r.nominal);
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

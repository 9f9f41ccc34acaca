// Dimension chains: any entries give either the out-of-range message or finite results.
#include <cmath>

#include "dimension_chain.h"
#include "fuzz_common.h"
#include "numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    torvel::Chain chains[2];
    for (auto& chain : chains)
        for (auto* side : {&chain.outer, &chain.inner})
            for (auto& dim : *side) {
                dim.nominal = torvel::leadingNumber(fuzz::entryText(in));
                dim.upper = torvel::leadingNumber(fuzz::entryText(in));
                dim.lower = torvel::leadingNumber(fuzz::entryText(in));
            }
    const auto out = torvel::computeChains(chains[0], chains[1]);
    if (out.error) return 0;
    for (const auto& r : out.results)
        for (float v : {r.nominal, r.upper, r.lower, r.maxClearance, r.minClearance})
            if (!std::isfinite(v)) fuzz::fail("non-finite chain result", std::to_string(v));
    return 0;
}

// Dimension chains: any entries give either the out-of-range message or shown
// numbers (idle captions for a chain whose sums are zero).
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
    const torvel::Outcome out = torvel::calculateChains(chains[0], chains[1], ',');
    if (out.stopped()) return 0;
    for (const auto& step : out.steps()) {
        bool idle = step.text.empty();
        for (const char* caption : torvel::kChainIdle) idle = idle || step.text == caption;
        if (!idle) fuzz::checkShownNumber(step.text);
    }
    return 0;
}

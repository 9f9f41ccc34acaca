// Dimension chains: any entries give either the out-of-range message or shown
// numbers (idle captions for a chain whose sums are zero); with their
// statistical tolerancing (classes, laws, Cp, the clearance required, the run's
// size and seed), either one stop or texts free of NaN and infinity, and a
// simulation that ends.
#include <algorithm>
#include <cmath>

#include "chain_statistics.h"
#include "dimension_chain.h"
#include "fuzz_common.h"
#include "numbers.h"

namespace {

void checkShownText(const std::string& text) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf"})
        if (text.find(bad) != std::string::npos) fuzz::fail("non-finite value shown", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::array<torvel::Chain, 2> chains;
    for (auto& chain : chains)
        for (auto* side : {&chain.outer, &chain.inner})
            for (auto& dim : *side) {
                dim.nominal = torvel::leadingNumber(fuzz::entryText(in));
                dim.upper = torvel::leadingNumber(fuzz::entryText(in));
                dim.lower = torvel::leadingNumber(fuzz::entryText(in));
            }
    const torvel::Outcome out = torvel::calculateChains(chains[0], chains[1], ',');
    if (!out.stopped())
        for (const auto& step : out.steps()) {
            bool idle = step.text.empty();
            for (const char* caption : torvel::kChainIdle) idle = idle || step.text == caption;
            if (!idle) fuzz::checkShownNumber(step.text);
        }

    std::array<torvel::StatEntries, 2> entries;
    for (auto& e : entries) {
        for (auto& row : e.rows) {
            if (in.ConsumeBool())
                row.tolClass =
                    fuzz::choice(in, {"h7", "H8", "js9", "E11", "zc11", "f", "m", "c", "v", "h77"});
            if (in.ConsumeBool())
                row.law = fuzz::choice(in, {"Normale", "Uniforme", "Triangulaire"});
            if (in.ConsumeBool()) row.cp = fuzz::entryText(in);
        }
        if (in.ConsumeBool()) e.minRequired = fuzz::entryText(in);
        if (in.ConsumeBool()) e.maxRequired = fuzz::entryText(in);
        if (in.ConsumeBool()) e.count = fuzz::choice(in, {"1000", "1 000", "10000000", "999"});
        if (in.ConsumeBool()) e.seed = fuzz::entryText(in);
    }
    const torvel::ChainStudy study = torvel::calculateChainStudy(chains, entries, ',');
    if (study.outcome.stopped()) {
        if (study.outcome.steps().size() != 1) fuzz::fail("a stop after writes", "");
        return 0;
    }
    for (const auto& step : study.outcome.steps()) checkShownText(step.text);
    for (int c = 0; c < 2; ++c) {
        const auto& s = study.statistics[static_cast<size_t>(c)];
        if (!s.simulation) continue;
        torvel::sampling::Simulation small = *s.simulation;
        small.count = std::min<std::uint64_t>(small.count, 1500);
        const auto result = torvel::sampling::simulate(small, 1);
        if (result.cancelled || result.count != small.count) fuzz::fail("simulation cut short", "");
        if (!std::isfinite(result.mean) || !std::isfinite(result.sigma))
            fuzz::fail("non-finite sample moments", "");
        const torvel::Outcome sampled = torvel::simulationOutcome(c + 1, s, result, ',');
        for (const auto& step : sampled.steps()) checkShownText(step.text);
    }
    return 0;
}

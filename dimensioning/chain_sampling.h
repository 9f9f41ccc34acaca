#pragma once

// Monte Carlo sampling of a chain's clearance, reproducible on every machine and
// for any number of threads: only std::mt19937_64's raw output is used (its
// sequence is fixed by the C++ standard), converted here, one draw per link per
// sample; the samples come in fixed blocks, each from its own engine seeded from
// the study's seed and the block's index, and the blocks are summed in their
// order. Plain C++, no Qt.

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace torvel::sampling {

enum class Law { Normal, Uniform, Triangular };

// Raw 64-bit output to [0, 1) from its 53 upper bits, and to (0, 1) from its
// 52 upper bits, symmetric about 1/2.
double uniform53(std::uint64_t x);
double openUniform(std::uint64_t x);
// The standard normal quantile of p in (0, 1) (Wichura's AS 241, about 1e-16).
double inverseNormal(double p);
// Φ(−z), the upper tail of the standard normal, through erfc so that far tails
// keep their digits.
double upperTail(double z);
// The seed of block `block`'s engine.
std::uint64_t blockSeed(std::uint64_t seed, std::uint64_t block);

// Small enough that a cancel waits only a few milliseconds for a block to end.
inline constexpr std::uint64_t kBlockSize = 1 << 14;

// One link around its mean: a normal of σ `sigma`, or a uniform or symmetric
// triangular law over ±`halfWidth`.
struct Link {
    Law law = Law::Normal;
    double sigma = 0;
    double halfWidth = 0;
};
// The deviation a link draws from the raw output x.
double draw(const Link& link, std::uint64_t x);

struct Simulation {
    double mean = 0;  // of the clearance
    std::vector<Link> links;
    std::uint64_t count = 1'000'000;
    std::uint64_t seed = 1;
    std::optional<double> lower, upper;  // the clearance required, when given
    double histogramLow = 0, histogramHigh = 1;
    int bins = 60;
};

struct SimulationResult {
    bool cancelled = false;
    std::uint64_t count = 0;
    std::uint64_t below = 0, above = 0;  // samples under the lower, over the upper limit
    double mean = 0, sigma = 0;          // of the samples
    std::vector<std::uint64_t> histogram;
    std::uint64_t rejects() const { return below + above; }
};

// Runs on `threads` threads (the caller's among them); stops early, marked
// cancelled, once `cancel` turns true.
SimulationResult simulate(const Simulation& simulation, unsigned threads,
                          const std::atomic<bool>* cancel = nullptr);

// The 95 % Wilson interval of a proportion of k in n, as fractions.
struct Interval {
    double low = 0, high = 0;
};
Interval wilson95(std::uint64_t k, std::uint64_t n);

}  // namespace torvel::sampling

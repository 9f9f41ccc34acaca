#include "chain_sampling.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <random>
#include <thread>

namespace torvel::sampling {

double uniform53(std::uint64_t x) { return static_cast<double>(x >> 11) * 0x1.0p-53; }

// The middles of 2^52 equal steps: (x + 0.5)·2^-53 on 53 bits would round its
// top value to 1 itself, whose normal quantile is infinite.
double openUniform(std::uint64_t x) { return static_cast<double>((x >> 12) * 2 + 1) * 0x1.0p-53; }

// Rational approximations of Wichura, "Algorithm AS 241", Applied Statistics 37
// (1988) 477-484: the central one for |p − 0.5| <= 0.425, then two in r = √(−ln p).
double inverseNormal(double p) {
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425) {
        const double r = 0.180625 - q * q;
        const double num = (((((((2.5090809287301226727e+3 * r + 3.3430575583588128105e+4) * r +
                                 6.7265770927008700853e+4) *
                                    r +
                                4.5921953931549871457e+4) *
                                   r +
                               1.3731693765509461125e+4) *
                                  r +
                              1.9715909503065514427e+3) *
                                 r +
                             1.3314166789178437745e+2) *
                                r +
                            3.3871328727963666080e+0) *
                           q;
        const double den = (((((((5.2264952788528545610e+3 * r + 2.8729085735721942674e+4) * r +
                                 3.9307895800092710610e+4) *
                                    r +
                                2.1213794301586595867e+4) *
                                   r +
                               5.3941960214247511077e+3) *
                                  r +
                              6.8718700749205790830e+2) *
                                 r +
                             4.2313330701600911252e+1) *
                                r +
                            1.0);
        return num / den;
    }
    double r = std::sqrt(-std::log(q < 0 ? p : 1.0 - p));
    double num, den;
    if (r <= 5.0) {
        r -= 1.6;
        num = (((((((7.74545014278341407640e-4 * r + 2.27238449892691845833e-2) * r +
                    2.41780725177450611770e-1) *
                       r +
                   1.27045825245236838258e+0) *
                      r +
                  3.64784832476320460504e+0) *
                     r +
                 5.76949722146069140550e+0) *
                    r +
                4.63033784615654529590e+0) *
                   r +
               1.42343711074968357734e+0);
        den = (((((((1.05075007164441684324e-9 * r + 5.47593808499534494600e-4) * r +
                    1.51986665636164571966e-2) *
                       r +
                   1.48103976427480074590e-1) *
                      r +
                  6.89767334985100004550e-1) *
                     r +
                 1.67638483018380384940e+0) *
                    r +
                2.05319162663775882187e+0) *
                   r +
               1.0);
    } else {
        r -= 5.0;
        num = (((((((2.01033439929228813265e-7 * r + 2.71155556874348757815e-5) * r +
                    1.24266094738807843860e-3) *
                       r +
                   2.65321895265761230930e-2) *
                      r +
                  2.96560571828504891230e-1) *
                     r +
                 1.78482653991729133580e+0) *
                    r +
                5.46378491116411436990e+0) *
                   r +
               6.65790464350110377720e+0);
        den = (((((((2.04426310338993978564e-15 * r + 1.42151175831644588870e-7) * r +
                    1.84631831751005468180e-5) *
                       r +
                   7.86869131145613259100e-4) *
                      r +
                  1.48753612908506148525e-2) *
                     r +
                 1.36929880922735805310e-1) *
                    r +
                5.99832206555887937690e-1) *
                   r +
               1.0);
    }
    const double x = num / den;
    return q < 0 ? -x : x;
}

double upperTail(double z) { return 0.5 * std::erfc(z / std::sqrt(2.0)); }

// SplitMix64's finaliser over the seed and the block's index: neighbouring
// blocks get unrelated engines.
std::uint64_t blockSeed(std::uint64_t seed, std::uint64_t block) {
    std::uint64_t z = seed + (block + 1) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double draw(const Link& link, std::uint64_t x) {
    switch (link.law) {
        case Law::Normal:
            return link.sigma * inverseNormal(openUniform(x));
        case Law::Uniform:
            return link.halfWidth * (2 * openUniform(x) - 1);
        case Law::Triangular: {
            const double u = openUniform(x);
            return u < 0.5 ? link.halfWidth * (std::sqrt(2 * u) - 1)
                           : link.halfWidth * (1 - std::sqrt(2 * (1 - u)));
        }
    }
    return 0;
}

namespace {

struct BlockSums {
    double sum = 0, squares = 0;
    std::uint64_t below = 0, above = 0;
    bool done = false;
};

void runBlock(const Simulation& s, std::uint64_t block, BlockSums& sums,
              std::vector<std::uint64_t>& histogram) {
    std::mt19937_64 engine(blockSeed(s.seed, block));
    const std::uint64_t first = block * kBlockSize;
    const std::uint64_t n = std::min(kBlockSize, s.count - first);
    const double low = s.histogramLow;
    const double scale = s.bins / (s.histogramHigh - s.histogramLow);
    const bool hasLower = s.lower.has_value(), hasUpper = s.upper.has_value();
    const double lower = s.lower.value_or(0), upper = s.upper.value_or(0);
    for (std::uint64_t i = 0; i < n; ++i) {
        double deviation = 0;
        for (const Link& link : s.links) deviation += draw(link, engine());
        const double y = s.mean + deviation;
        sums.sum += deviation;
        sums.squares += deviation * deviation;
        if (hasLower && y < lower) ++sums.below;
        if (hasUpper && y > upper) ++sums.above;
        const double bin = std::floor((y - low) * scale);
        if (bin >= 0 && bin < s.bins) ++histogram[static_cast<size_t>(bin)];
    }
    sums.done = true;
}

}  // namespace

SimulationResult simulate(const Simulation& s, unsigned threads, const std::atomic<bool>* cancel) {
    SimulationResult result;
    result.histogram.assign(static_cast<size_t>(std::max(s.bins, 1)), 0);
    if (s.count == 0 || s.bins < 1 || !(s.histogramHigh > s.histogramLow)) return result;
    const std::uint64_t blocks = (s.count + kBlockSize - 1) / kBlockSize;
    std::vector<BlockSums> sums(blocks);
    std::atomic<std::uint64_t> next{0};
    std::mutex merge;
    auto worker = [&] {
        std::vector<std::uint64_t> histogram(result.histogram.size(), 0);
        for (;;) {
            if (cancel && cancel->load(std::memory_order_relaxed)) break;
            const std::uint64_t block = next.fetch_add(1);
            if (block >= blocks) break;
            runBlock(s, block, sums[block], histogram);
        }
        const std::lock_guard lock(merge);
        for (size_t i = 0; i < histogram.size(); ++i) result.histogram[i] += histogram[i];
    };
    const unsigned helpers = std::clamp(threads, 1u, 64u) - 1;
    std::vector<std::thread> pool;
    pool.reserve(helpers);
    for (unsigned i = 0; i < helpers; ++i) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();

    // Summed in block order, whichever thread ran each block.
    double sum = 0, squares = 0;
    for (const BlockSums& b : sums) {
        if (!b.done) {
            result.cancelled = true;
            return result;
        }
        sum += b.sum;
        squares += b.squares;
        result.below += b.below;
        result.above += b.above;
    }
    result.count = s.count;
    const double n = static_cast<double>(s.count);
    const double meanDeviation = sum / n;
    result.mean = s.mean + meanDeviation;
    result.sigma = std::sqrt(std::max(0.0, squares / n - meanDeviation * meanDeviation));
    return result;
}

Interval wilson95(std::uint64_t k, std::uint64_t n) {
    if (n == 0) return {0, 1};
    if (k == 0) return {0, 1 - std::pow(0.025, 1.0 / static_cast<double>(n))};
    constexpr double z = 1.959963984540054;
    const double nn = static_cast<double>(n);
    const double p = static_cast<double>(k) / nn;
    const double denominator = 1 + z * z / nn;
    const double centre = (p + z * z / (2 * nn)) / denominator;
    const double half = z * std::sqrt(p * (1 - p) / nn + z * z / (4 * nn * nn)) / denominator;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

}  // namespace torvel::sampling

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "dimension_chain.h"
#include "numbers.h"

using torvel::calculateChains;
using torvel::Chain;
using torvel::computeChain;

namespace {

Chain workedExample() {
    Chain c;
    c.outer[0] = {50, 0.1, 0};
    c.inner[0] = {49.8, 0, -0.05};
    return c;
}

}  // namespace

TEST(DimensionChain, WorkedExampleAndALongChainShowTheirExactThousandths) {
    struct Case {
        const char* what;
        Chain chain;
        const char* shown[5];  // J, Jmax, Jmin, maximum and minimum clearance
    };
    // Entries of a few metres lose the third decimal in single precision.
    Chain longChain;
    longChain.outer[0] = {379.25, 0.05, 0};
    longChain.outer[1] = {2367.41, 0.05, 0};
    longChain.inner[0] = {1719.61, 0, -0.05};
    longChain.inner[1] = {1026.66, 0, -0.05};
    const Case cases[] = {
        {"worked example", workedExample(), {" 0,200", " 0,150", " 0,000", "  0,350", "  0,200"}},
        {"long chain", longChain, {" 0,390", " 0,200", " 0,000", "  0,590", "  0,390"}},
    };
    for (const auto& c : cases) {
        bool ok = false;
        const auto r = computeChain(c.chain, &ok);
        ASSERT_TRUE(ok) << c.what;
        EXPECT_FALSE(r.idle());
        const double values[] = {r.nominal, r.upper, r.lower, r.maxClearance, r.minClearance};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(
                torvel::formatNumber(values[i], i < 3 ? "### ##0.000#" : " ### ##0.000#", ','),
                c.shown[i])
                << c.what << " " << i;
    }
}

TEST(DimensionChain, SumsRowByRowWithSignedDeviations) {
    struct Case {
        const char* what;
        Chain chain;
        float j, jmax, jmin;
    };
    Chain cancel;
    cancel.outer[0] = {10, 0, 0};
    cancel.inner[0] = {10, 0, 0};
    Chain deviationsOnly;
    deviationsOnly.outer[2] = {0, 0.02, -0.01};
    deviationsOnly.inner[5] = {0, 0.03, 0.01};
    Chain interference;
    interference.outer[0] = {20, 0, 0};
    interference.inner[0] = {25, 0.1, 0};
    Chain allRows;
    for (size_t i = 0; i < 6; ++i) {
        allRows.outer[i] = {10, 0.1, -0.1};
        allRows.inner[i] = {5, 0.05, -0.05};
    }
    const Case cases[] = {
        {"all zero", Chain{}, 0, 0, 0},
        {"cancel", cancel, 0, 0, 0},
        {"deviations only", deviationsOnly, 0, 0.02f - 0.01f, -0.01f - 0.03f},
        {"interference", interference, -5, 0, -0.1f},
        {"six rows", allRows, 30, 0.9f, -0.9f},
    };
    for (const auto& c : cases) {
        bool ok = false;
        const auto r = computeChain(c.chain, &ok);
        EXPECT_TRUE(ok) << c.what;
        EXPECT_FLOAT_EQ(r.nominal, c.j) << c.what;
        EXPECT_NEAR(r.lower, c.jmin, 1e-5) << c.what;
        EXPECT_NEAR(r.upper, c.jmax, 1e-5) << c.what;
    }
    EXPECT_TRUE(computeChain(cancel, nullptr).idle());
    EXPECT_FALSE(computeChain(deviationsOnly, nullptr).idle());
}

TEST(DimensionChain, BeyondTheChainLimitIsRefusedWithoutResults) {
    struct Case {
        const char* what;
        Chain first, second;
    };
    Chain huge;
    huge.outer[0] = {1.000001e9, 0, 0};
    Chain overflowSum;
    overflowSum.outer[0] = {6e8, 0, 0};
    overflowSum.outer[1] = {6e8, 0, 0};
    Chain overflowClearance;
    overflowClearance.outer[0] = {6e8, 6e8, 0};
    Chain infinite;
    infinite.inner[3] = {0, 0, -HUGE_VAL};
    Chain notANumber;
    notANumber.outer[5] = {0, NAN, 0};
    const Case cases[] = {
        {"entry beyond the limit", huge, Chain{}},
        {"sum beyond the limit", Chain{}, overflowSum},
        {"clearance beyond the limit", overflowClearance, Chain{}},
        {"infinite entry", Chain{}, infinite},
        {"NaN entry", notANumber, Chain{}},
    };
    for (const auto& c : cases) {
        const auto out = calculateChains(c.first, c.second, ',');
        EXPECT_EQ(out.messages(), std::vector<std::string>{torvel::kChainOutOfRange}) << c.what;
        EXPECT_EQ(out.steps().size(), 1u) << c.what;  // nothing written
    }
    Chain largest;
    largest.outer[0] = {1e9, 0, -1e9};
    EXPECT_FALSE(calculateChains(largest, Chain{}, ',').stopped());
}

// Against the worst case: one toleranced dimension gives it exactly; four equal
// off-centre tolerances keep its mean and spread over half its range (√4, not 4).
TEST(DimensionChain, StatisticalClearanceAddsTheHalfRangesQuadratically) {
    Chain one, four;
    one.outer[1] = {10, 0.3, -0.1};
    for (size_t i : {0u, 5u}) {
        four.outer[i] = {10, 0.03, -0.01};
        four.inner[i] = {10, 0.01, -0.03};
    }
    const auto r1 = computeChain(one, nullptr), r4 = computeChain(four, nullptr);
    EXPECT_NEAR(r1.rssMax, r1.maxClearance, 1e-12);
    EXPECT_NEAR(r1.rssMin, r1.minClearance, 1e-12);
    EXPECT_NEAR(r4.rssMax + r4.rssMin, r4.maxClearance + r4.minClearance, 1e-12);
    EXPECT_NEAR(r4.rssMax - r4.rssMin, (r4.maxClearance - r4.minClearance) / 2, 1e-12);
}

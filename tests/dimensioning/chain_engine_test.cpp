#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "dimension_chain.h"
#include "numbers.h"

using torvel::Chain;
using torvel::computeChain;
using torvel::computeChains;

namespace {

Chain workedExample() {
    Chain c;
    c.outer[0] = {50, 0.1, 0};
    c.inner[0] = {49.8, 0, -0.05};
    return c;
}

}  // namespace

TEST(DimensionChain, WorkedExampleInSinglePrecision) {
    bool ok = false;
    const auto r = computeChain(workedExample(), &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(r.nominal, static_cast<float>(50.0f - 49.8f));
    EXPECT_EQ(r.upper, static_cast<float>(double(0.1f) + double(0.05f)));
    EXPECT_EQ(r.lower, 0.0f);
    EXPECT_EQ(r.maxClearance, static_cast<float>(double(r.upper) + r.nominal));
    EXPECT_FALSE(r.idle());
    EXPECT_EQ(torvel::formatNumber(r.nominal, "### ##0.000#", ','), " 0,200");
    EXPECT_EQ(torvel::formatNumber(r.upper, "### ##0.000#", ','), " 0,150");
    EXPECT_EQ(torvel::formatNumber(r.maxClearance, " ### ##0.000#", ','), "  0,350");
    EXPECT_EQ(torvel::formatNumber(r.minClearance, " ### ##0.000#", '.'), "  0.200");
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

TEST(DimensionChain, OutOfSinglePrecisionRangeIsRefusedWithoutResults) {
    struct Case {
        const char* what;
        Chain first, second;
    };
    Chain huge;
    huge.outer[0] = {1e39, 0, 0};
    Chain overflowSum;
    overflowSum.outer[0] = {3e38, 0, 0};
    overflowSum.outer[1] = {3e38, 0, 0};
    Chain overflowClearance;
    overflowClearance.outer[0] = {3e38, 3e38, 0};
    Chain infinite;
    infinite.inner[3] = {0, 0, -HUGE_VAL};
    const Case cases[] = {
        {"entry beyond float", huge, Chain{}},
        {"sum overflows", Chain{}, overflowSum},
        {"clearance overflows", overflowClearance, Chain{}},
        {"infinite entry", Chain{}, infinite},
    };
    for (const auto& c : cases) {
        const auto out = computeChains(c.first, c.second);
        ASSERT_TRUE(out.error.has_value()) << c.what;
        EXPECT_EQ(*out.error, torvel::kChainOutOfRange);
    }
    Chain largest;
    largest.outer[0] = {FLT_MAX, 0, 0};
    EXPECT_FALSE(computeChains(largest, Chain{}).error.has_value());
}

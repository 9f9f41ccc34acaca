#include "chain_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>

#include "chain_sampling.h"
#include "general_tolerances.h"

using namespace torvel;
using sampling::Law;

namespace {

// The worked chain of the notes: A = 50 +0.1/0 outer, M = 49.8 0/-0.05 inner.
Chain exampleChain() {
    Chain c;
    c.outer[0] = {50, 0.1, 0};
    c.inner[0] = {49.8, 0, -0.05};
    return c;
}

// The seven-link chain of a published demonstration (three outer, four inner).
Chain sevenLinkChain() {
    Chain c;
    c.outer[0] = {208, 0.036, -0.036};
    c.outer[1] = {20, 0.026, -0.026};
    c.outer[2] = {20, 0.026, -0.026};
    c.inner[0] = {1.75, 0, -0.06};
    c.inner[1] = {23, 0, -0.12};
    c.inner[2] = {200, 0.145, -0.145};
    c.inner[3] = {23, 0, -0.12};
    return c;
}

StatEntries limits(const char* low, const char* high) {
    StatEntries e;
    e.minRequired = low;
    e.maxRequired = high;
    return e;
}

Chain decimalChain(ToleranceDimension outer, ToleranceDimension inner) {
    Chain c;
    c.outer[0] = outer;
    c.inner[0] = inner;
    return c;
}

StatEntries withLaw(StatEntries e, const char* law) {
    e.rows[0].law = law;
    return e;
}

std::string shown(const Outcome& out, const std::string& field) {
    const std::string* text = out.written(field);
    return text ? *text : "<not written>";
}

double phi(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }

// P(U − N outside [lo, hi]) for U uniform on [a, b] and N normal (m, s), by the
// primitive of Φ: ∫Φ = xΦ(x) + φ(x).
double uniformMinusNormalPpm(double a, double b, double m, double s, double lo, double hi) {
    auto primitive = [](double x) {
        return x * phi(x) + std::exp(-0.5 * x * x) / std::sqrt(2 * std::numbers::pi);
    };
    // P(U − N < t) = 1/(b−a) ∫ Φ((u − m − t)/s)... written with N's own tail.
    auto below = [&](double t) {
        return s / (b - a) * (primitive((t - a + m) / s) - primitive((t - b + m) / s));
    };
    // P(U − N < t) = P(N > U − t) = E[1 − Φ((U − t − m)/s)] = E[Φ((t + m − U)/s)].
    return 1e6 * (below(lo) + 1 - below(hi));
}

}  // namespace

TEST(ChainSampling, RawOutputAndItsConversionsAreFixed) {
    std::mt19937_64 standard;
    standard.discard(9999);
    EXPECT_EQ(standard(), 9981545732273789042ull);  // fixed by the C++ standard

    EXPECT_EQ(sampling::blockSeed(1, 0), 10451216379200822465ull);
    EXPECT_EQ(sampling::blockSeed(20261210, 5), 10455904646077985555ull);
    struct Draw {
        std::uint64_t raw;
        double uniform, normal;
    };
    const Draw first[] = {
        {9822250072823399003ull, 0.53246524338255163, 0.081468326101150582},
        {16467381930425171000ull, 0.89269856320577545, 1.2410077833705415},
        {16426749733908472274ull, 0.89049588741896235, 1.2291695975895875},
    };
    std::mt19937_64 block(sampling::blockSeed(1, 0));
    for (const Draw& d : first) {
        const std::uint64_t x = block();
        EXPECT_EQ(x, d.raw);
        EXPECT_EQ(sampling::uniform53(x), d.uniform);
        EXPECT_EQ(sampling::inverseNormal(sampling::openUniform(x)), d.normal);
    }
    EXPECT_EQ(sampling::uniform53(0), 0.0);
    EXPECT_LT(sampling::uniform53(~0ull), 1.0);
    EXPECT_GT(sampling::openUniform(0), 0.0);
    EXPECT_LT(sampling::openUniform(~0ull), 1.0);
}

TEST(ChainSampling, InverseNormalMatchesAnIndependentQuantile) {
    // Python's statistics.NormalDist().inv_cdf, to the last bit.
    const std::pair<double, double> cases[] = {
        {1e-300, -37.0470962993612}, {1e-10, -6.361340902404056},
        {0.001, -3.090232306167813}, {0.025, -1.9599639845400538},
        {0.3, -0.5244005127080407},  {0.5, 0.0},
        {0.975, 1.9599639845400536}, {0.9999999999, 6.361340889697421},
    };
    for (const auto& [p, z] : cases) EXPECT_EQ(sampling::inverseNormal(p), z) << p;
    EXPECT_NEAR(sampling::upperTail(3) * 2e6, 2699.796, 1e-3);
    EXPECT_GT(sampling::upperTail(30), 0.0);  // far tails keep their digits
}

TEST(ChainSampling, SameResultForAnyThreadCountAndCancelStops) {
    sampling::Simulation s;
    s.mean = 0.275;
    s.links = {{Law::Uniform, 0.1 / std::sqrt(12.0), 0.05}, {Law::Normal, 0.05 / 6, 0.025}};
    s.count = 300'000;
    s.lower = 0.22;
    s.upper = 0.34;
    s.histogramLow = 0.15;
    s.histogramHigh = 0.4;
    const auto one = sampling::simulate(s, 1);
    for (unsigned threads : {2u, 3u, 7u}) {
        const auto r = sampling::simulate(s, threads);
        EXPECT_EQ(r.below, one.below);
        EXPECT_EQ(r.above, one.above);
        EXPECT_EQ(r.mean, one.mean);  // summed in block order: bit for bit
        EXPECT_EQ(r.sigma, one.sigma);
        EXPECT_EQ(r.histogram, one.histogram);
    }
    std::uint64_t inBins = 0;
    for (auto n : one.histogram) inBins += n;
    EXPECT_EQ(inBins, s.count);  // uniform ⊕ normal well inside the range
    std::atomic<bool> cancel{true};
    EXPECT_TRUE(sampling::simulate(s, 2, &cancel).cancelled);
}

TEST(ChainSampling, DrawsStayInsideTheirLaw) {
    const sampling::Link laws[] = {{Law::Uniform, 0, 0.5}, {Law::Triangular, 0, 0.5}};
    for (const auto& link : laws)
        for (std::uint64_t x : {0ull, ~0ull, 1ull << 63, 12345ull}) {
            const double d = sampling::draw(link, x);
            EXPECT_GT(d, -0.5);
            EXPECT_LT(d, 0.5);
        }
    EXPECT_NEAR(sampling::draw({Law::Triangular, 0, 1}, 1ull << 63), 0, 1e-15);
}

TEST(ChainSampling, WilsonIntervalAndRuleOfThree) {
    const auto w = sampling::wilson95(15000, 1'000'000);
    EXPECT_NEAR(w.low * 1e6, 14763.6, 0.1);
    EXPECT_NEAR(w.high * 1e6, 15240.1, 0.1);
    EXPECT_EQ(sampling::wilson95(0, 1000).low, 0.0);
}

TEST(ChainClasses, ClassesFillTheirDeviations) {
    struct Case {
        const char* tolClass;
        double nominal;
        std::optional<std::pair<double, double>> expected;
    };
    const Case cases[] = {
        {"h7", 25, {{0, -0.021}}},  {"H7", 25, {{0.021, 0}}},    {"js9", 25, {{0.026, -0.026}}},
        {"H8", 10, {{0.022, 0}}},   {"m", 25, {{0.2, -0.2}}},    {"m", 30, {{0.2, -0.2}}},
        {"m", 30.5, {{0.3, -0.3}}}, {"f", 0.5, {{0.05, -0.05}}}, {"c", 4000, {{4, -4}}},
        {"f", 2500, std::nullopt},  {"v", 3, std::nullopt},      {"v", 3.1, {{0.5, -0.5}}},
        {"m", 0.4, std::nullopt},   {"h7", 600, std::nullopt},   {"h7", 1, std::nullopt},
        {"h77", 25, std::nullopt},  {"x", 25, std::nullopt},     {"7h", 25, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto d = classDeviations(c.tolClass, c.nominal);
        ASSERT_EQ(d.has_value(), c.expected.has_value()) << c.tolClass << " " << c.nominal;
        if (!d) continue;
        EXPECT_DOUBLE_EQ(d->upper, c.expected->first) << c.tolClass;
        EXPECT_DOUBLE_EQ(d->lower, c.expected->second) << c.tolClass;
    }
    EXPECT_EQ(deviationText(0, ','), "0");
    EXPECT_EQ(deviationText(-0.021, ','), "-0,021");
    EXPECT_EQ(deviationText(0.0125, '.'), "0.0125");
}

TEST(ChainStatistics, WorkedExamplesGiveTheirFigures) {
    struct Case {
        const char* what;
        Chain chain;
        StatEntries entries;
        char sep;
        std::map<std::string, std::string> expected;
    };
    const Case cases[] = {
        {"two links, normal",
         exampleChain(),
         limits("0.22", "0.34"),
         ',',
         {{"TextPpm1", "1 823,7"},
          {"TextCp1", "1,073"},
          {"TextCpk1", "0,984"},
          {"TextMoyenne1", "0,275"},
          {"TextSigma1", "0,018 634"},
          {"LabelStat1", "Au pire : jeu de 0,200 à 0,350, hors du jeu requis (de 0,220 à 0,340)"},
          {"TextMethode1",
           "loi normale, calcul exact (histogramme : 1 000 000 tirages, graine 1)"}}},
        {"two links, decimal point",
         exampleChain(),
         limits("0.22", "0.34"),
         '.',
         {{"TextPpm1", "1 823.7"}, {"TextCp1", "1.073"}, {"TextSigma1", "0.018 634"}}},
        {"seven links, far tail",
         sevenLinkChain(),
         limits("0.05", "0.80"),
         ',',
         {{"TextPpm1", "0,0019322"},
          {"TextCp1", "2,104"},
          {"TextCpk1", "1,964"},
          {"TextMoyenne1", "0,400"},
          {"LabelStat1", "Au pire : jeu de 0,017 à 0,783, hors du jeu requis (de 0,050 à 0,800)"}}},
        {"seven links, tight need",
         sevenLinkChain(),
         limits("0,25", "0,55"),
         ',',
         {{"TextPpm1", "11 585"}}},
        {"one-sided need",
         exampleChain(),
         limits("0.22", ""),
         ',',
         {{"TextCp1", "sans objet"},
          {"TextCpk1", "0,984"},
          {"LabelStat1", "Au pire : jeu de 0,200 à 0,350, hors du jeu requis (jeu mini 0,220)"}}},
        // 10.1 − 10 is 0.0999999999999996 in binary: on the limit, not past it.
        {"on the limit",
         decimalChain({10.1, 0.1, 0}, {10, 0, -0.1}),
         limits("0.1", "0.5"),
         ',',
         {{"LabelStat1", "Au pire : jeu de 0,100 à 0,300, dans le jeu requis (de 0,100 à 0,500)"}}},
        // A clearance that does not vary is in or out, whatever its laws.
        {"no spread, on the limit",
         decimalChain({10.1, 0, 0}, {10, 0, 0}),
         withLaw(limits("0.1", "0.5"), "Uniforme"),
         ',',
         {{"TextPpm1", "0"}, {"TextMethode1", "sans dispersion"}}},
        {"no spread, outside",
         decimalChain({25, 0, 0}, {24.9, 0, 0}),
         withLaw(limits("0.05", "0.09"), "Triangulaire"),
         ',',
         {{"TextPpm1", "1 000 000"}, {"TextCp1", "sans objet"}}},
        {"unused group writes nothing new",
         exampleChain(),
         {},
         ',',
         {{"TextPpm1", ""}, {"LabelStat1", ""}, {"TextJeu1", " 0,200"}}},
    };
    for (const Case& c : cases) {
        const ChainStudy study = calculateChainStudy({c.chain, Chain{}}, {c.entries, {}}, c.sep);
        ASSERT_FALSE(study.outcome.stopped()) << c.what;
        for (const auto& [field, text] : c.expected)
            EXPECT_EQ(shown(study.outcome, field), text) << c.what << " " << field;
    }
}

TEST(ChainStatistics, SharesOfVarianceAndTolerance) {
    const ChainStudy study =
        calculateChainStudy({sevenLinkChain(), Chain{}}, {limits("0.05", "0.8"), {}}, ',');
    const auto& s = study.statistics[0];
    double variance = 0, tolerance = 0;
    for (const auto& link : s.links) {
        variance += link.varianceShare;
        tolerance += link.toleranceShare;
    }
    EXPECT_NEAR(variance, 1, 1e-12);
    EXPECT_NEAR(tolerance, 1, 1e-12);
    EXPECT_EQ(shareText(s.links[8].varianceShare, ','), "66,2 %");  // the case, inner O
    EXPECT_EQ(shareText(s.links[8].toleranceShare, ','), "37,9 %");
}

TEST(ChainStatistics, UniformDominatedCaseFallsInItsInterval) {
    StatEntries e = limits("0.22", "0.34");
    e.rows[0].law = "Uniforme";
    const ChainStudy study = calculateChainStudy({exampleChain(), Chain{}}, {e, {}}, ',');
    const auto& s = study.statistics[0];
    ASSERT_TRUE(s.simulation);
    EXPECT_FALSE(s.exactPpm);
    EXPECT_EQ(shown(study.outcome, "TextPpm1"), kRunning);
    const auto result = sampling::simulate(*s.simulation, 2);
    const double exact = uniformMinusNormalPpm(50, 50.1, 49.775, 0.05 / 6, 0.22, 0.34);
    EXPECT_NEAR(exact, 15246, 1);
    const auto interval = sampling::wilson95(result.rejects(), result.count);
    EXPECT_LT(interval.low * 1e6, exact);
    EXPECT_GT(interval.high * 1e6, exact);
    const Outcome sampled = simulationOutcome(1, s, result, ',');
    EXPECT_EQ(shown(sampled, "TextPpm1"), "15 422");
    EXPECT_EQ(shown(sampled, "TextIntervalle1"), "15 182 à 15 665");
    EXPECT_EQ(shown(study.outcome, "TextMethode1"), "Monte Carlo, 1 000 000 tirages, graine 1");
    // No sample out of the need: the rule of three.
    sampling::SimulationResult none = result;
    none.below = none.above = 0;
    EXPECT_EQ(shown(simulationOutcome(1, s, none, ','), "TextPpm1"), "< 3");
    EXPECT_EQ(shown(simulationOutcome(1, s, none, ','), "TextIntervalle1"), "");
}

TEST(ChainStatistics, RefusedEntriesStopByName) {
    struct Case {
        const char* what;
        std::function<void(StatEntries&)> change;
        const char* message;
    };
    const Case cases[] = {
        {"class", [](StatEntries& e) { e.rows[0].tolClass = "h77"; },
         "Cote A : la classe « h77 » n'existe pas pour une cote de 50."},
        {"law", [](StatEntries& e) { e.rows[6].law = "Gauss"; },
         "Cote M : la loi « Gauss » est inconnue (Normale, Uniforme ou Triangulaire)."},
        {"cp", [](StatEntries& e) { e.rows[0].cp = "0"; },
         "Cote A : le Cp doit être un nombre de 0,1 à 100."},
        {"cp text", [](StatEntries& e) { e.rows[0].cp = "abc"; },
         "Cote A : le Cp doit être un nombre de 0,1 à 100."},
        {"cp tiny", [](StatEntries& e) { e.rows[6].cp = "1e-300"; },
         "Cote M : le Cp doit être un nombre de 0,1 à 100."},
        {"cp on uniform",
         [](StatEntries& e) {
             e.rows[0].law = "Uniforme";
             e.rows[0].cp = "1.33";
         },
         "Cote A : le Cp ne s'applique qu'à la loi normale (laisser 1)."},
        {"limit", [](StatEntries& e) { e.minRequired = "x"; },
         "Jeu 1 : le jeu mini requis « x » n'est pas un nombre (le laisser vide s'il n'y en a "
         "pas)."},
        {"limits crossed", [](StatEntries& e) { e.minRequired = "0.4"; },
         "Jeu 1 : le jeu mini requis doit être inférieur au jeu maxi requis."},
        {"count", [](StatEntries& e) { e.count = "999"; },
         "Jeu 1 : le nombre de tirages doit être un entier de 1 000 à 10 000 000."},
        {"seed", [](StatEntries& e) { e.seed = "-1"; },
         "Jeu 1 : la graine doit être un entier de 0 à 18446744073709551615."},
    };
    for (const Case& c : cases) {
        StatEntries e = limits("0.22", "0.34");
        c.change(e);
        const ChainStudy study = calculateChainStudy({exampleChain(), Chain{}}, {e, {}}, ',');
        ASSERT_TRUE(study.outcome.stopped()) << c.what;
        EXPECT_EQ(study.outcome.steps().size(), 1u) << c.what;  // nothing written
        EXPECT_EQ(study.outcome.messages().front(), c.message) << c.what;
    }
    // A class on a dimension not in use is not read.
    StatEntries e;
    e.rows[3].tolClass = "h77";
    EXPECT_FALSE(statisticsInUse(e, exampleChain()));
    EXPECT_FALSE(calculateChainStudy({exampleChain(), Chain{}}, {e, {}}, ',').outcome.stopped());
}

TEST(ChainStatistics, PpmTexts) {
    struct Case {
        double ppm;
        bool sampled;
        const char* text;
    };
    const Case cases[] = {
        {0, false, "0"},
        {1823.693, false, "1 823,7"},
        {0.0019322, false, "0,0019322"},
        {2e-30, false, "2,0000E-30"},
        {9.99999e-6, false, "1,0000E-5"},
        {15218, true, "15 218"},
        {3.4, true, "3,4"},
        {1e6, false, "1 000 000"},
    };
    for (const Case& c : cases) EXPECT_EQ(ppmText(c.ppm, c.sampled, ','), c.text) << c.ppm;
}

// Time of one calculation of every engine, of the number rules, of the full
// sweep of every fits class at every size range and of a press fit.
#include <benchmark/benchmark.h>

#include <thread>

#include "bearing_life.h"
#include "chain_statistics.h"
#include "contact_oblique.h"
#include "dimension_chain.h"
#include "duty_cycle.h"
#include "iso_fits.h"
#include "numbers.h"
#include "press_fit.h"
#include "press_fit_design.h"
#include "section_engine.h"
#include "spring_engine.h"
#include "spring_strength.h"

namespace {

void LeadingNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(torvel::leadingNumber("  1 234.5678E-2 "));
}
BENCHMARK(LeadingNumber);

void FormatNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(torvel::formatNumber(1234.56789, "### ##0.000#", ','));
}
BENCHMARK(FormatNumber);

void DimensionChains(benchmark::State& state) {
    torvel::Chain chain;
    chain.outer[0] = {50, 0.1, 0};
    chain.inner[0] = {49.8, 0, -0.05};
    for (auto _ : state) benchmark::DoNotOptimize(torvel::calculateChains(chain, chain, ','));
}
BENCHMARK(DimensionChains);

// A twelve-link chain (six outer, six inner, every law normal) with a need.
torvel::ChainStudy twelveLinkStudy() {
    torvel::Chain chain;
    for (size_t i = 0; i < 6; ++i) {
        chain.outer[i] = {20.0 + static_cast<double>(i), 0.02, -0.02};
        chain.inner[i] = {19.9 + static_cast<double>(i), 0.01, -0.03};
    }
    torvel::StatEntries e;
    e.minRequired = "0.5";
    e.maxRequired = "0.9";
    return torvel::calculateChainStudy({chain, torvel::Chain{}}, {e, {}}, ',');
}

// The floor: the same chain's exact normal figure, its results formatted.
void ChainStatisticsExact(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(twelveLinkStudy());
}
BENCHMARK(ChainStatisticsExact);

// 10^6 samples of that chain on every core, as "Calculer" runs them.
void ChainMonteCarloMillion(benchmark::State& state) {
    const auto simulation = *twelveLinkStudy().statistics[0].simulation;
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (auto _ : state) benchmark::DoNotOptimize(torvel::sampling::simulate(simulation, threads));
}
BENCHMARK(ChainMonteCarloMillion)->Unit(benchmark::kMillisecond)->UseRealTime();

void BearingLife(benchmark::State& state) {
    using namespace torvel::bearings;
    BearingEntries e;
    e.fr = "4000";
    e.fa = "3000";
    e.co = "20000";
    e.c = "30000";
    e.n = "1000";
    BearingState s;
    for (auto _ : state) benchmark::DoNotOptimize(calculateBearing(s, e, ','));
}
BENCHMARK(BearingLife);

void ContactOblique(benchmark::State& state) {
    using namespace torvel::bearings;
    ObliqueEntries e;
    e.faE = "500";
    e.frA = "3000";
    e.frB = "2000";
    e.eA = e.eB = "0.37";
    e.yA = e.yB = "1.6";
    ObliqueState s;
    for (auto _ : state) benchmark::DoNotOptimize(calculateOblique(s, e, ','));
}
BENCHMARK(ContactOblique);

void DutyCycle(benchmark::State& state) {
    using namespace torvel::bearings;
    DutyEntries e;
    for (int i = 0; i < kDutyCases; ++i)
        e.grid[static_cast<size_t>(i)] = {"10", "1500", std::to_string(1000 + 10 * i)};
    e.c = "30000";
    DutyState s;
    for (auto _ : state) benchmark::DoNotOptimize(calculateDuty(s, e, ','));
}
BENCHMARK(DutyCycle);

// The same cycle with the modified life's group filled: a life per case, combined.
void DutyCycleModifiedLife(benchmark::State& state) {
    using namespace torvel::bearings;
    DutyEntries e;
    for (int i = 0; i < kDutyCases; ++i)
        e.grid[static_cast<size_t>(i)] = {"10", std::to_string(200 + 100 * i),
                                          std::to_string(1000 + 10 * i)};
    e.c = "30000";
    e.modified = {"40", "80", "800", "68", "8.5", "70", std::string(kCleanlinessDefault)};
    DutyState s;
    for (auto _ : state) benchmark::DoNotOptimize(calculateDuty(s, e, ','));
}
BENCHMARK(DutyCycleModifiedLife);

void Section(benchmark::State& state) {
    torvel::sections::SectionResults r;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            torvel::sections::calculateSection(r, {"Profilé L", "100", "100", "10", "0"}, ','));
}
BENCHMARK(Section);

void Spring(benchmark::State& state) {
    torvel::springs::SpringState s;
    const std::string end(torvel::springs::endTypeNames()[0]);
    for (auto _ : state)
        benchmark::DoNotOptimize(torvel::springs::calculateSpring(
            s, {"2", "20", "7000", "7.86", "5", "50", "10", "40", end}, ','));
}
BENCHMARK(Spring);

// The whole "Calculer" of the spring: a grade's Rm, the strength and the fatigue.
void SpringWithMaterial(benchmark::State& state) {
    torvel::springs::SpringStudyState s;
    const std::string end(torvel::springs::endTypeNames()[0]);
    for (auto _ : state)
        benchmark::DoNotOptimize(torvel::springs::calculateSpringStudy(
            s, {"2", "20", "8150", "7.85", "5", "50", "10", "40", end},
            {"EN 10270-1 DH", "", "Dynamique", "Oui"}, ','));
}
BENCHMARK(SpringWithMaterial);

void FitsFullSweep(benchmark::State& state) {
    using namespace torvel::fits;
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (Side side : {Side::Hole, Side::Shaft})
            for (const std::string& key : classKeys(side))
                for (const Band& band : sizeRanges())
                    if (deviations(side, key, band.upTo)) ++found;
        benchmark::DoNotOptimize(found);
    }
    state.counters["lookups_found"] = found;
}
BENCHMARK(FitsFullSweep)->Unit(benchmark::kMillisecond);

// ø 50 H7/s6 with a hollow shaft and a torque: the group's whole recomputation.
void PressFit(benchmark::State& state) {
    using namespace torvel::fits;
    PressFitInput in;
    in.diameter = 50;
    in.measured = measuredInterference(*holeDeviations("H7", 50), *shaftDeviations("s6", 50));
    in.hubOuter = 100;
    in.shaftBore = 30;
    in.length = 40;
    in.hub = in.shaft = {210000, 0.3, 305};
    in.hubExpansion = 11;
    in.rzHub = in.rzShaft = 4;
    in.friction = 0.15;
    in.torque = 500;
    for (auto _ : state) {
        const PressFitResult r = pressFit(in);
        benchmark::DoNotOptimize(pressFitTexts(r, ','));
        benchmark::DoNotOptimize(pressFitVerdict(r, ','));
    }
}
BENCHMARK(PressFit);

// The press-fit group from its entry texts as the window runs it at each
// keystroke: the check of ø 50 H7/t6 in service and the search of the fits
// carrying the need over the catalogue. It must stay well inside one 60 Hz
// frame (16.7 ms).
void PressFitDesignSearch(benchmark::State& state) {
    using namespace torvel::fits;
    torvel::Fields entries;
    for (const auto& [name, text] : {std::pair{"TextDaMoyeu", "100"},
                                     {"TextDiArbre", "0"},
                                     {"TextLongueur", "50"},
                                     {"TextEMoyeu", "210000"},
                                     {"TextNuMoyeu", "0.3"},
                                     {"TextReMoyeu", "305"},
                                     {"TextEArbre", "210000"},
                                     {"TextNuArbre", "0.3"},
                                     {"TextReArbre", "305"},
                                     {"TextAlphaMoyeu", "11"},
                                     {"TextRhoMoyeu", "7850"},
                                     {"TextRzMoyeu", "4"},
                                     {"TextAlphaArbre", "11"},
                                     {"TextRhoArbre", "7850"},
                                     {"TextRzArbre", "4"},
                                     {"TextFrottement", "0.15"},
                                     {"TextTamb", "20"},
                                     {"TextCouple", "600"},
                                     {"TextFax", "5000"},
                                     {"TextKA", "1.25"},
                                     {"TextTempMoyeu", "90"},
                                     {"TextTempArbre", "60"},
                                     {"TextVitesse", "3000"},
                                     {"TextSR", "1.5"},
                                     {"TextSP", "1.2"}})
        entries.set(name, text);
    const ShownFit fit{50,
                       measuredInterference(*holeDeviations("H7", 50), *shaftDeviations("t6", 50))};
    std::size_t lines = 0;
    for (auto _ : state) {
        const PressFitRun run = runPressFit(entries, 50.0, fit, ',');
        lines = run.candidateLines.size();
        benchmark::DoNotOptimize(run);
    }
    state.counters["candidate_lines"] = static_cast<double>(lines);
}
BENCHMARK(PressFitDesignSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

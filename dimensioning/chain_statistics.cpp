#include "chain_statistics.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "general_tolerances.h"
#include "iso_fits.h"
#include "numbers.h"

namespace torvel {

namespace {

constexpr double kLimit = 1e9;  // as the chain itself
constexpr std::uint64_t kMinCount = 1'000, kMaxCount = 10'000'000;
constexpr double kMinCp = 0.1, kMaxCp = 100;
// How far a clearance may pass its limit and still be on it: far below any
// tolerance, far above the rounding of sums of decimal dimensions.
constexpr double kOnLimit = 1e-9;
constexpr int kBins = 60;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

std::string quoted(std::string_view text) { return "« " + std::string(text) + " »"; }

// A whole number typed with or without spaces between its digits.
std::optional<std::uint64_t> wholeNumber(std::string_view text) {
    std::uint64_t value = 0;
    bool any = false;
    for (char c : text) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
        any = true;
    }
    if (!any) return std::nullopt;
    return value;
}

// A number as a sentence or a result box shows it: no leading blank.
std::string number(double value, const char* pattern, char sep) {
    std::string text = formatNumber(value, pattern, sep);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

double sigmaOf(sampling::Law law, double tolerance, double cp) {
    switch (law) {
        case sampling::Law::Normal:
            return tolerance / (6 * cp);
        case sampling::Law::Uniform:
            return tolerance / std::sqrt(12.0);
        case sampling::Law::Triangular:
            return tolerance / std::sqrt(24.0);
    }
    return 0;
}

// The sentence of the worst case against the need, without its colour.
std::string worstCaseText(const ChainStatistics& s, char sep) {
    std::string text = "Au pire : jeu de " + number(s.worstMin, "### ##0.000#", sep) + " à " +
                       number(s.worstMax, "### ##0.000#", sep);
    if (s.worstCase == ChainStatistics::Verdict::NoLimit)
        return text + " ; aucun jeu requis, pas de verdict";
    std::string need;
    if (s.lower && s.upper)
        need = "de " + number(*s.lower, "### ##0.000#", sep) + " à " +
               number(*s.upper, "### ##0.000#", sep);
    else if (s.lower)
        need = "jeu mini " + number(*s.lower, "### ##0.000#", sep);
    else
        need = "jeu maxi " + number(*s.upper, "### ##0.000#", sep);
    return text +
           (s.worstCase == ChainStatistics::Verdict::Holds ? ", dans le jeu requis ("
                                                           : ", hors du jeu requis (") +
           need + ")";
}

std::string methodText(const ChainStatistics& s, const std::uint64_t count,
                       const std::uint64_t seed, char sep) {
    if (!s.simulation) return s.allNormal ? "loi normale, calcul exact" : "sans dispersion";
    const std::string run = number(static_cast<double>(count), "### ### ##0", sep) +
                            " tirages, graine " + std::to_string(seed);
    return s.allNormal ? "loi normale, calcul exact (histogramme : " + run + ")"
                       : "Monte Carlo, " + run;
}

// The exact part out of the need of a normal clearance.
double normalPpm(const ChainStatistics& s) {
    double p = 0;
    if (s.sigma > 0) {
        if (s.lower) p += sampling::upperTail((s.mean - *s.lower) / s.sigma);
        if (s.upper) p += sampling::upperTail((*s.upper - s.mean) / s.sigma);
    } else {
        p = (s.lower && s.mean < *s.lower - kOnLimit) || (s.upper && s.mean > *s.upper + kOnLimit)
                ? 1
                : 0;
    }
    return 1e6 * p;
}

struct Refusal {
    std::string text;
};

// Reads one chain's group; a refused entry comes back as its message.
std::optional<Refusal> readStatistics(int chainNumber, Chain& chain, const StatEntries& e,
                                      ChainStatistics& s, std::uint64_t& count, std::uint64_t& seed,
                                      Outcome& fills, char sep) {
    const std::string chainName = "Jeu " + std::to_string(chainNumber);
    for (int row = 0; row < 12; ++row) {
        if (!rowInUse(chain, row)) continue;
        const StatRow& entry = e.rows[static_cast<size_t>(row)];
        const std::string cote = "Cote " + rowLetter(chainNumber, row);
        ToleranceDimension& dim = chainRow(chain, row);
        const std::string tolClass = trimmed(entry.tolClass);
        if (!tolClass.empty()) {
            const auto filled = classDeviations(tolClass, dim.nominal);
            if (!filled)
                return Refusal{cote + " : la classe " + quoted(tolClass) +
                               " n'existe pas pour une cote de " +
                               number(dim.nominal, "### ##0.###", sep) + "."};
            dim.upper = filled->upper;
            dim.lower = filled->lower;
            const bool outer = row < 6;
            fills.setInput(chainBoxName(outer, chainNumber, "Max", row % 6),
                           deviationText(dim.upper, sep));
            fills.setInput(chainBoxName(outer, chainNumber, "min", row % 6),
                           deviationText(dim.lower, sep));
        }
        const auto law = lawNamed(trimmed(entry.law));
        if (!law)
            return Refusal{cote + " : la loi " + quoted(trimmed(entry.law)) +
                           " est inconnue (Normale, Uniforme ou Triangulaire)."};
        const std::string cpText = trimmed(entry.cp);
        const double cp = leadingNumber(cpText);
        if (!holdsNumber(cpText) || !(cp >= kMinCp) || cp > kMaxCp)
            return Refusal{cote + " : le Cp doit être un nombre de " + number(kMinCp, "0.0", sep) +
                           " à 100."};
        if (*law != sampling::Law::Normal && cp != 1)
            return Refusal{cote + " : le Cp ne s'applique qu'à la loi normale (laisser 1)."};
        LinkStatistics& link = s.links[static_cast<size_t>(row)];
        link.used = true;
        link.law = *law;
        link.tolerance = std::fabs(dim.upper - dim.lower);
        link.sigma = sigmaOf(*law, link.tolerance, cp);
    }
    for (auto [text, limit, caption] :
         {std::tuple{&e.minRequired, &s.lower, "le jeu mini requis"},
          std::tuple{&e.maxRequired, &s.upper, "le jeu maxi requis"}}) {
        const std::string typed = trimmed(*text);
        if (typed.empty()) continue;
        const double value = leadingNumber(typed);
        if (!holdsNumber(typed) || !(std::fabs(value) <= kLimit))
            return Refusal{chainName + " : " + caption + " " + quoted(typed) +
                           " n'est pas un nombre (le laisser vide s'il n'y en a pas)."};
        *limit = value;
    }
    if (s.lower && s.upper && !(*s.lower < *s.upper))
        return Refusal{chainName + " : le jeu mini requis doit être inférieur au jeu maxi requis."};
    const auto n = wholeNumber(trimmed(e.count));
    if (!n || *n < kMinCount || *n > kMaxCount)
        return Refusal{chainName +
                       " : le nombre de tirages doit être un entier de 1 000 à 10 000 000."};
    const auto g = wholeNumber(trimmed(e.seed));
    if (!g)
        return Refusal{chainName + " : la graine doit être un entier de 0 à " +
                       std::to_string(UINT64_MAX) + "."};
    count = *n;
    seed = *g;
    return std::nullopt;
}

void computeStatistics(const ChainResult& r, ChainStatistics& s, std::uint64_t count,
                       std::uint64_t seed) {
    s.computed = true;
    s.mean = r.nominal + (r.upper + r.lower) / 2;
    s.worstMin = r.minClearance;
    s.worstMax = r.maxClearance;
    double variance = 0, tolerance = 0;
    for (const LinkStatistics& link : s.links) {
        if (!link.used) continue;
        variance += link.sigma * link.sigma;
        tolerance += link.tolerance;
        s.allNormal = s.allNormal && link.law == sampling::Law::Normal;
    }
    s.sigma = std::sqrt(variance);
    for (LinkStatistics& link : s.links) {
        if (!link.used) continue;
        link.varianceShare = variance > 0 ? link.sigma * link.sigma / variance : 0;
        link.toleranceShare = tolerance > 0 ? link.tolerance / tolerance : 0;
    }
    if (s.lower || s.upper) {
        const bool holds = (!s.lower || s.worstMin >= *s.lower - kOnLimit) &&
                           (!s.upper || s.worstMax <= *s.upper + kOnLimit);
        s.worstCase = holds ? ChainStatistics::Verdict::Holds : ChainStatistics::Verdict::Fails;
        // A clearance that does not vary is in or out whatever its laws.
        if (s.allNormal || !(s.sigma > 0)) s.exactPpm = normalPpm(s);
    }
    if (!(s.sigma > 0)) return;
    sampling::Simulation sim;
    sim.mean = s.mean;
    for (const LinkStatistics& link : s.links)
        if (link.used && link.tolerance > 0)
            sim.links.push_back({link.law, link.sigma, link.tolerance / 2});
    sim.count = count;
    sim.seed = seed;
    sim.lower = s.lower;
    sim.upper = s.upper;
    // The spread, the worst case and the need, but never a need so far off that
    // the spread would shrink to a line.
    double low = std::min(s.worstMin, s.mean - 4.5 * s.sigma);
    double high = std::max(s.worstMax, s.mean + 4.5 * s.sigma);
    const double span = high - low;
    if (s.lower) low = std::min(low, std::max(*s.lower - 0.05 * span, low - span));
    if (s.upper) high = std::max(high, std::min(*s.upper + 0.05 * span, high + span));
    // A spread too small to tell from the mean in doubles still gets bins of some width.
    if (!(high > low)) high = std::nextafter(low, std::numeric_limits<double>::infinity());
    sim.histogramLow = low;
    sim.histogramHigh = high;
    sim.bins = kBins;
    s.simulation = sim;
}

}  // namespace

std::optional<sampling::Law> lawNamed(std::string_view name) {
    for (size_t i = 0; i < kLawNames.size(); ++i)
        if (name == kLawNames[i]) return static_cast<sampling::Law>(i);
    return std::nullopt;
}

ToleranceDimension& chainRow(Chain& chain, int row) {
    return row < 6 ? chain.outer[static_cast<size_t>(row)]
                   : chain.inner[static_cast<size_t>(row - 6)];
}
const ToleranceDimension& chainRow(const Chain& chain, int row) {
    return chainRow(const_cast<Chain&>(chain), row);
}

std::string rowLetter(int chain, int row) {
    return std::string(1, "ABCDEFMNOPQR"[row]) + (chain == 2 ? "'" : "");
}

bool rowInUse(const Chain& chain, int row) { return chainRow(chain, row).nominal != 0; }

std::optional<ToleranceDimension> classDeviations(std::string_view tolClass, double nominal) {
    if (tolClass.empty() || !std::isfinite(nominal)) return std::nullopt;
    if (const auto t = generalTolerance(tolClass, nominal))
        return ToleranceDimension{nominal, *t, -*t};
    if (!std::isalpha(static_cast<unsigned char>(tolClass.front()))) return std::nullopt;
    const auto side = std::isupper(static_cast<unsigned char>(tolClass.front()))
                          ? fits::Side::Hole
                          : fits::Side::Shaft;
    // A user types "E11"; the table keys its coarser variant "E11*".
    for (const std::string& key : {std::string(tolClass), std::string(tolClass) + "*"})
        if (const auto d = fits::deviations(side, key, nominal))
            return ToleranceDimension{nominal, d->upper, d->lower};
    return std::nullopt;
}

std::string deviationText(double deviation, char sep) {
    return formatNumber(deviation, "0.####", sep);
}

bool statisticsInUse(const StatEntries& e, const Chain& chain) {
    if (!trimmed(e.minRequired).empty() || !trimmed(e.maxRequired).empty()) return true;
    for (int row = 0; row < 12; ++row) {
        if (!rowInUse(chain, row)) continue;
        const StatRow& r = e.rows[static_cast<size_t>(row)];
        if (!trimmed(r.tolClass).empty() || trimmed(r.law) != kLawNames[0] || trimmed(r.cp) != "1")
            return true;
    }
    return false;
}

std::string statName(std::string_view base, int chain) {
    return std::string(base) + std::to_string(chain);
}

std::string ppmText(double ppm, bool sampled, char sep) {
    if (!std::isfinite(ppm)) return {};
    if (ppm == 0) return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(ppm)));
    // A sampled figure shows no trailing zero it does not know.
    const int digits = sampled ? 4 : 5;
    const int decimals = std::max(0, digits - 1 - magnitude);
    if (decimals <= 8) {
        std::string pattern = "### ### ##0";
        // Appended piece by piece: GCC 12 at -O3 takes "." + string for an overlapping copy.
        if (decimals > 0) {
            pattern += '.';
            pattern.append(static_cast<size_t>(decimals), sampled ? '#' : '0');
        }
        return number(ppm, pattern.c_str(), sep);
    }
    // Far tails: a mantissa and its power of ten.
    int exponent = magnitude;
    double mantissa = ppm / std::pow(10.0, exponent);
    std::string text = formatNumber(mantissa, "0.0000", sep);
    if (text.rfind("10", 0) == 0) {
        ++exponent;
        text = formatNumber(mantissa / 10, "0.0000", sep);
    }
    return text + "E" + std::to_string(exponent);
}

std::string shareText(double share, char sep) {
    return formatNumber(100 * share, "##0.0", sep) + " %";
}

ChainStudy calculateChainStudy(const std::array<Chain, 2>& given,
                               const std::array<StatEntries, 2>& entries, char sep) {
    ChainStudy study;
    std::array<Chain, 2> chains = given;
    Outcome fills;
    std::array<bool, 2> inUse{};
    std::array<std::uint64_t, 2> counts{}, seeds{};
    for (int c = 0; c < 2; ++c) {
        const auto i = static_cast<size_t>(c);
        inUse[i] = statisticsInUse(entries[i], chains[i]);
        if (!inUse[i]) continue;
        if (auto refused = readStatistics(c + 1, chains[i], entries[i], study.statistics[i],
                                          counts[i], seeds[i], fills, sep)) {
            study.outcome.stop(refused->text);
            study.statistics = {};
            return study;
        }
    }
    const Outcome chainsOut = calculateChains(chains[0], chains[1], sep);
    if (chainsOut.stopped()) {
        study.outcome = chainsOut;
        study.statistics = {};
        return study;
    }
    for (const Step& step : fills.steps()) study.outcome.setInput(step.target, step.text);
    for (const Step& step : chainsOut.steps()) study.outcome.write(step.target, step.text);
    for (int c = 0; c < 2; ++c) {
        const auto i = static_cast<size_t>(c);
        const int n = c + 1;
        ChainStatistics& s = study.statistics[i];
        const ChainResult r = computeChain(chains[i], nullptr);
        if (inUse[i] && !r.idle()) {
            computeStatistics(r, s, counts[i], seeds[i]);
        } else {
            s = ChainStatistics{};
        }
        const bool shown = s.computed;
        study.outcome.write(statName("LabelStat", n), shown ? worstCaseText(s, sep) : "");
        study.outcome.write(statName("TextMoyenne", n),
                            shown ? number(s.mean, "### ##0.000#", sep) : "");
        study.outcome.write(statName("TextSigma", n),
                            shown ? number(s.sigma, "0.000 000", sep) : "");
        const bool both = s.lower && s.upper;
        std::string cp, cpk;
        if (shown && s.sigma > 0 && (s.lower || s.upper)) {
            cp = both ? number((*s.upper - *s.lower) / (6 * s.sigma), "0.000", sep) : "sans objet";
            double k = INFINITY;
            if (s.lower) k = std::min(k, (s.mean - *s.lower) / (3 * s.sigma));
            if (s.upper) k = std::min(k, (*s.upper - s.mean) / (3 * s.sigma));
            cpk = number(k, "0.000", sep);
        } else if (shown && (s.lower || s.upper)) {
            cp = cpk = "sans objet";
        }
        study.outcome.write(statName("TextCp", n), cp);
        study.outcome.write(statName("TextCpk", n), cpk);
        std::string ppm;
        if (shown && (s.lower || s.upper))
            ppm = s.exactPpm ? ppmText(*s.exactPpm, false, sep) : kRunning;
        study.outcome.write(statName("TextPpm", n), ppm);
        study.outcome.write(statName("TextIntervalle", n), "");
        study.outcome.write(statName("TextMethode", n),
                            shown ? methodText(s, counts[i], seeds[i], sep) : "");
    }
    return study;
}

Outcome simulationOutcome(int chain, const ChainStatistics& s,
                          const sampling::SimulationResult& result, char sep) {
    Outcome out;
    if (!s.computed || s.exactPpm || !(s.lower || s.upper) || result.count == 0) return out;
    const double n = static_cast<double>(result.count);
    std::string text, interval;
    if (result.rejects() == 0) {
        text = "< " + ppmText(3e6 / n, true, sep);
    } else {
        const auto wilson = sampling::wilson95(result.rejects(), result.count);
        text = ppmText(1e6 * static_cast<double>(result.rejects()) / n, true, sep);
        interval =
            ppmText(1e6 * wilson.low, true, sep) + " à " + ppmText(1e6 * wilson.high, true, sep);
    }
    out.write(statName("TextPpm", chain), text);
    out.write(statName("TextIntervalle", chain), interval);
    return out;
}

}  // namespace torvel

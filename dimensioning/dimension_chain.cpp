#include "dimension_chain.h"

#include <cmath>

#include "numbers.h"

namespace torvel {

const char* const kChainOutOfRange =
    "Calcul impossible : une cote ou un résultat dépasse la capacité de calcul "
    "(1E+9 en valeur absolue).\nVeuillez vérifier les cotes saisies.";

namespace {

// Beyond a thousand kilometres a double no longer carries the fourth decimal
// that the clearances show through a sum of twelve dimensions.
constexpr double kChainLimit = 1e9;

bool inLimit(double v) { return std::fabs(v) <= kChainLimit; }

}  // namespace

ChainResult computeChain(const Chain& chain, bool* inRange) {
    ChainResult r;
    bool ok = true;
    double squares = 0;
    for (size_t i = 0; i < 6 && ok; ++i) {
        const auto& o = chain.outer[i];
        const auto& n = chain.inner[i];
        ok = inLimit(o.nominal) && inLimit(o.upper) && inLimit(o.lower) && inLimit(n.nominal) &&
             inLimit(n.upper) && inLimit(n.lower);
        r.nominal += o.nominal - n.nominal;
        r.upper += o.upper - n.lower;
        r.lower += o.lower - n.upper;
        for (const auto* dim : {&o, &n}) {
            const double half = (dim->upper - dim->lower) / 2;
            squares += half * half;
        }
    }
    r.maxClearance = r.upper + r.nominal;
    r.minClearance = r.lower + r.nominal;
    const double mean = r.nominal + (r.upper + r.lower) / 2;
    const double halfRange = std::sqrt(squares);
    r.rssMax = mean + halfRange;
    r.rssMin = mean - halfRange;
    ok = ok && inLimit(r.nominal) && inLimit(r.upper) && inLimit(r.lower) &&
         inLimit(r.maxClearance) && inLimit(r.minClearance);
    if (inRange) *inRange = ok;
    return ok ? r : ChainResult{};
}

const char* const kChainIdle[5] = {"Jeu Nominal", "Tol Maxi", "Tol mini", " Jeu Maxi", " Jeu mini"};

std::string chainResultName(int chain, int index) {
    static const char* const kNames[] = {"TextJeu%Max",  "TextJeu%min",    "TextCote%Max",
                                         "TextCote%min", "TextJeu%MaxRSS", "TextJeu%minRSS"};
    const std::string n = std::to_string(chain);
    if (index == 0) return "TextJeu" + n;
    std::string name = kNames[index - 1];
    name.replace(name.find('%'), 1, n);
    return name;
}

std::string chainBoxName(bool outer, int chain, std::string_view part, int row) {
    static const char kRows[] = "ABCDEF";
    return std::string(outer ? "TextJe" : "TextJi") + std::to_string(chain) + std::string(part) +
           kRows[row];
}

Chain chainFromFields(const Fields& fields, int chain) {
    Chain c;
    auto value = [&](bool outer, const char* part, int row) {
        return leadingNumber(fields[chainBoxName(outer, chain, part, row)]);
    };
    for (int row = 0; row < 6; ++row) {
        const auto r = static_cast<size_t>(row);
        c.outer[r] = {value(true, "", row), value(true, "Max", row), value(true, "min", row)};
        c.inner[r] = {value(false, "", row), value(false, "Max", row), value(false, "min", row)};
    }
    return c;
}

Outcome calculateChains(const Chain& first, const Chain& second, char decimalSeparator) {
    Outcome out;
    bool ok1 = false, ok2 = false;
    const ChainResult results[2] = {computeChain(first, &ok1), computeChain(second, &ok2)};
    if (!ok1 || !ok2) {
        out.stop(kChainOutOfRange);
        return out;
    }
    for (int chain = 1; chain <= 2; ++chain) {
        const ChainResult& r = results[chain - 1];
        const double values[] = {r.nominal,      r.upper,  r.lower, r.maxClearance,
                                 r.minClearance, r.rssMax, r.rssMin};
        for (int i = 0; i < 7; ++i) {
            std::string text;
            if (!r.idle())
                text = formatNumber(values[i], i < 3 ? "### ##0.000#" : " ### ##0.000#",
                                    decimalSeparator);
            else if (i < 5)
                text = kChainIdle[i];
            out.write(chainResultName(chain, i), std::move(text));
        }
    }
    return out;
}

}  // namespace torvel

#include "press_fit_design.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "numbers.h"

namespace torvel::fits {

namespace {

constexpr double kPi = 3.14159265358979323846;

// ISO 286-1:2010 preferred fits, hole basis, interference side (as listed with
// ANSI B4.2-1978 on amesweb.info's preferred-fits page, copied on softecks).
constexpr PreferredFit kPreferred[] = {
    {"H6", "p5"}, {"H7", "p6"}, {"H7", "r6"}, {"H7", "s6"}, {"H7", "t6"},
    {"H7", "u6"}, {"H7", "x6"}, {"H8", "s7"}, {"H8", "u7"},
};

// Holes H6 to H8, each with its shafts one grade finer; the press-fit letters.
constexpr int kHoleGrades[] = {6, 7, 8};
constexpr const char* kShaftLetters[] = {"p", "r", "s", "t", "u", "x", "z", "za", "zb", "zc"};

bool isPreferred(int holeGrade, std::string_view shaftLetter, int shaftGrade) {
    const std::string hole = "H" + std::to_string(holeGrade);
    const std::string shaft = std::string(shaftLetter) + std::to_string(shaftGrade);
    return std::any_of(std::begin(kPreferred), std::end(kPreferred),
                       [&](const PreferredFit& f) { return f.hole == hole && f.shaft == shaft; });
}

std::string microns(double v, char separator) { return formatNumber(v, "0.0", separator); }
std::string safety(double v, char separator) { return formatNumber(v, "0.00", separator); }

// The least of the safeties reached against their requirement: 1 is just enough.
double balancedMargin(const FitCandidate& c, const PressFitInput& in) {
    double m = c.yieldReached ? *c.yieldReached / in.yieldRequired : 0.0;
    if (c.slipReached) m = std::min(m, *c.slipReached / in.slipRequired);
    return m;
}

}  // namespace

std::span<const PreferredFit> preferredInterferenceFits() { return kPreferred; }

std::string FitCandidate::name() const {
    return holeLetter + std::to_string(holeGrade) + "/" + shaftLetter + std::to_string(shaftGrade);
}

InterferenceWindow interferenceWindow(const PressFitInput& in) {
    const double df = in.diameter;
    const double compliance = pressFitCompliance(in);  // mm²/N
    const double smoothing = kSmoothingFactor * (in.rzHub + in.rzShaft);
    const ServiceChange service = serviceChange(in);
    // The smallest interference carries the load with SR in the worst state...
    const double pressureNeeded =
        in.slipRequired * requiredLoad(in) / (kPi * df * in.length * in.friction);
    const double minRequired = pressureNeeded * df * compliance * 1000.0 + smoothing +
                               std::max(0.0, service.speed) - std::min(0.0, service.thermal);
    // ...and the largest keeps both parts under Re / SP where it is largest.
    const double pressureAllowed = yieldPressure(in) / in.yieldRequired;
    const double maxAllowed = pressureAllowed * df * compliance * 1000.0 + smoothing -
                              std::max(0.0, service.thermal) - std::max(0.0, -service.speed);
    return {minRequired, maxAllowed};
}

FitSearch searchFits(const PressFitInput& in) {
    FitSearch search;
    search.window = interferenceWindow(in);
    auto outOfRange = [] {
        FitSearch refused;
        refused.refusal = kOutOfRange;
        return refused;
    };
    if (!std::isfinite(search.window.minRequired) || !std::isfinite(search.window.maxAllowed))
        return outOfRange();
    const double d = in.diameter;
    std::vector<FitCandidate> all;
    for (int holeGrade : kHoleGrades) {
        const int shaftGrade = holeGrade - 1;
        if (!isOffered(Side::Hole, "H", holeGrade, d)) continue;
        const auto hole = holeDeviations(classKey(Side::Hole, "H", holeGrade), d);
        if (!hole) continue;
        for (const char* letter : kShaftLetters) {
            if (!isOffered(Side::Shaft, letter, shaftGrade, d)) continue;
            const auto shaft = shaftDeviations(classKey(Side::Shaft, letter, shaftGrade), d);
            if (!shaft) continue;
            FitCandidate c;
            c.holeLetter = "H";
            c.holeGrade = holeGrade;
            c.shaftLetter = letter;
            c.shaftGrade = shaftGrade;
            c.measured = measuredInterference(*hole, *shaft);
            c.preferred = isPreferred(holeGrade, letter, shaftGrade);
            PressFitInput fit = in;
            fit.measured = c.measured;
            const PressFitResult r = pressFit(fit);
            if (!r.refusal.empty()) return outOfRange();
            c.slipReached = r.slipSafety;
            for (const auto& s : {r.hubSafety, r.shaftSafety, r.hubSafetySpeed})
                if (s) c.yieldReached = std::min(c.yieldReached.value_or(*s), *s);
            c.shortBy = std::max(0.0, search.window.minRequired - c.measured.min);
            c.overBy = std::max(0.0, c.measured.max - search.window.maxAllowed);
            all.push_back(std::move(c));
        }
    }
    // Inside, the fit also holds at all in the worst state (what a window
    // without a load does not ask by itself).
    const ServiceChange service = serviceChange(in);
    const double losses = kSmoothingFactor * (in.rzHub + in.rzShaft) -
                          std::min(0.0, service.thermal) + std::max(0.0, service.speed);
    for (FitCandidate& c : all) {
        const bool holds = c.measured.min > losses;
        (c.shortBy == 0 && c.overBy == 0 && holds ? search.inside : search.nearest).push_back(c);
    }
    // Preferred first, then the widest total tolerance (the cheapest to make),
    // then the larger balanced margin.
    std::stable_sort(search.inside.begin(), search.inside.end(),
                     [&in](const FitCandidate& a, const FitCandidate& b) {
                         const double ta = a.measured.max - a.measured.min;
                         const double tb = b.measured.max - b.measured.min;
                         return std::tuple(!a.preferred, -ta, -balancedMargin(a, in)) <
                                std::tuple(!b.preferred, -tb, -balancedMargin(b, in));
                     });
    if (!search.inside.empty()) {
        search.nearest.clear();
    } else {
        std::stable_sort(search.nearest.begin(), search.nearest.end(),
                         [](const FitCandidate& a, const FitCandidate& b) {
                             // To the thousandth of a µm: fits of the same grades
                             // that miss both bounds miss by the same total.
                             return std::llround((a.shortBy + a.overBy) * 1000) <
                                    std::llround((b.shortBy + b.overBy) * 1000);
                         });
    }
    return search;
}

std::vector<FitCandidate> listedCandidates(const FitSearch& search) {
    const auto& from = search.inside.empty() ? search.nearest : search.inside;
    const std::size_t count =
        std::min(from.size(), search.inside.empty() ? kListedFits / 2 : kListedFits);
    return {from.begin(), from.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<std::string> candidateLines(const FitSearch& search, char sep) {
    std::vector<std::string> lines;
    for (const FitCandidate& c : listedCandidates(search)) {
        std::string line = c.name() + " : U " + microns(c.measured.min, sep) + " à " +
                           microns(c.measured.max, sep) + " µm";
        if (c.shortBy > 0) line += " ; Umin trop faible de " + microns(c.shortBy, sep) + " µm";
        if (c.overBy > 0) line += " ; Umax trop fort de " + microns(c.overBy, sep) + " µm";
        if (c.shortBy == 0 && c.overBy == 0) {
            if (c.slipReached) line += " ; SR " + safety(*c.slipReached, sep);
            if (c.yieldReached) line += " ; SP " + safety(*c.yieldReached, sep);
        }
        if (c.preferred) line += " (préféré ISO 286-1)";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string searchSummary(const FitSearch& search, char sep) {
    const InterferenceWindow& w = search.window;
    if (!search.inside.empty()) {
        const std::size_t n = search.inside.size();
        std::string text = n == 1 ? "Un ajustement tient dans la fenêtre"
                                  : std::to_string(n) + " ajustements tiennent dans la fenêtre";
        text += " [" + microns(w.minRequired, sep) + " ; " + microns(w.maxAllowed, sep) +
                "] µm ; le premier de la liste est conseillé : " + search.inside.front().name() +
                ".";
        if (n > kListedFits) text += " La liste montre les dix premiers.";
        return text;
    }
    if (w.minRequired >= w.maxAllowed)
        return "Aucun serrage ne convient : Umin requis (" + microns(w.minRequired, sep) +
               " µm) dépasse Umax admissible (" + microns(w.maxAllowed, sep) +
               " µm). Allonger l'assemblage, épaissir le moyeu ou prendre un matériau plus "
               "résistant.";
    return "Aucun ajustement ISO ne tient dans la fenêtre [" + microns(w.minRequired, sep) + " ; " +
           microns(w.maxAllowed, sep) +
           "] µm ; les plus proches sont listés. Allonger l'assemblage, épaissir le moyeu ou "
           "prendre une qualité plus fine.";
}

}  // namespace torvel::fits

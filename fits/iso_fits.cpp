#include "iso_fits.h"

#include <algorithm>
#include <unordered_map>

#include "iso286_tables.h"

namespace torvel::fits {

namespace {

using namespace data;

constexpr double kMinDiameter = 1.0;
constexpr double kMaxDiameter = 500.0;

std::span<const LetterClasses> classesOf(Side side) {
    return side == Side::Hole ? kHoleClasses : kShaftClasses;
}
std::span<const AvailabilityRow> availabilityOf(Side side) {
    return side == Side::Hole ? kHoleAvailability : kShaftAvailability;
}
std::span<const PartialCoverage> partialCoverageOf(Side side) {
    return side == Side::Hole ? kHolePartialCoverage : kShaftPartialCoverage;
}

std::vector<int> gradeList(GradeSet set) {
    std::vector<int> out;
    for (int g = 0; g < 32; ++g)
        if (set & (GradeSet{1} << g)) out.push_back(g);
    return out;
}

bool inBand(double d, int over, int upTo) { return d > over && d <= upTo; }

// Index of the range holding d among ranges 1-a0, a0-a1, ...; -1 outside 1 < d <= 500.
template <std::size_t N>
int rangeIndex(const std::array<int, N>& upTo, double d) {
    if (!(d > kMinDiameter) || !(d <= kMaxDiameter)) return -1;
    for (std::size_t i = 0; i < N; ++i)
        if (d <= upTo[i]) return static_cast<int>(i);
    return -1;
}

struct Ranges {
    int main;  // index into the 13 main ranges
    int fine;  // index into the 25 intermediate ranges
};

int it(int grade, int mainRange) { return kStandardTolerance[grade - kFirstItGrade][mainRange]; }

// Δ = ITn - IT(n-1), and nothing up to 3 mm.
int delta(int grade, int mainRange) {
    if (mainRange == 0) return 0;
    return it(grade, mainRange) - it(grade - 1, mainRange);
}

const int* shaftMainRow(std::string_view letter) {
    for (const auto& r : kShaftMainDeviation)
        if (r.letter == letter) return r.value.data();
    return nullptr;
}
const int* shaftFineRow(std::string_view letter) {
    for (const auto& r : kShaftFineDeviation)
        if (r.letter == letter) return r.value.data();
    return nullptr;
}

// The shaft fundamental deviation of a letter tabled as es (a to g) or ei
// (m to zc), at the given ranges; kBlank when the letter has none.
int shaftFundamental(std::string_view letter, Ranges r) {
    if (const int* row = shaftMainRow(letter)) return row[r.main];
    if (const int* row = shaftFineRow(letter)) return row[r.fine];
    return kBlank;
}

bool isUpperDeviationLetter(std::string_view shaftLetter) {
    return shaftLetter == "a" || shaftLetter == "b" || shaftLetter == "c" || shaftLetter == "d" ||
           shaftLetter == "e" || shaftLetter == "f" || shaftLetter == "g";
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Limit deviations in micrometres x 2 (half micrometres). nullopt when the
// standard has no value (t and T up to 24 mm).
std::optional<HalfMicrons> shaftLimits(std::string_view letter, int grade, Ranges r) {
    const int tol = it(grade, r.main);
    int es = 0;
    int ei = 0;
    if (letter == "h") {
        es = 0;
        ei = -tol;
    } else if (letter == "js") {
        return HalfMicrons{tol, -tol};  // ±IT/2, exact
    } else if (letter == "j") {
        ei = (grade == 7 ? kShaftJ7 : kShaftJ5J6)[r.main];
        es = ei + tol;
    } else if (letter == "k") {
        ei = (grade >= 4 && grade <= 7) ? kShaftK4To7[r.main] : 0;
        es = ei + tol;
    } else {
        const int fd = shaftFundamental(letter, r);
        if (fd == kBlank) return std::nullopt;
        if (isUpperDeviationLetter(letter)) {
            es = fd;
            ei = es - tol;
        } else {
            ei = fd;
            es = ei + tol;
        }
    }
    return HalfMicrons{2 * es, 2 * ei};
}

std::optional<HalfMicrons> holeLimits(std::string_view key, std::string_view letter, int grade,
                                      Ranges r) {
    const int tol = it(grade, r.main);
    const std::string shaft = lower(letter);
    int es = 0;
    int ei = 0;
    if (letter == "H") {
        ei = 0;
        es = tol;
    } else if (letter == "JS") {
        return HalfMicrons{tol, -tol};
    } else if (letter == "J") {
        es = kHoleJ6To8[grade - 6][r.main];
        ei = es - tol;
    } else if (isUpperDeviationLetter(shaft)) {
        // A to G mirror a to g: EI = -es.
        ei = -shaftFundamental(shaft, r);
        es = ei + tol;
    } else {
        // K to ZC: ES = -ei of the shaft letter, plus Δ for K, M, N up to
        // grade 8 and for P to ZC up to grade 7. K takes ei of k4..k7.
        const int fd = letter == "K" ? kShaftK4To7[r.main] : shaftFundamental(shaft, r);
        if (fd == kBlank) return std::nullopt;
        const bool kmn = letter == "K" || letter == "M" || letter == "N";
        if (kmn && grade > 8) {
            // Above grade 8 K and N sit at 0 and M at -m, except up to 3 mm
            // where the table keeps -4 for N.
            es = letter == "M" ? -fd : (letter == "N" && r.main == 0 ? -fd : 0);
        } else {
            const bool withDelta = kmn ? grade <= 8 : grade <= 7;
            es = -fd + (withDelta ? delta(grade, r.main) : 0);
        }
        ei = es - tol;
    }
    for (const auto& sc : kHoleSpecialCases) {
        if (sc.key == key && r.fine >= 0 &&
            inBand(kFineRangeUpTo[static_cast<std::size_t>(r.fine)], sc.over, sc.upTo)) {
            es = sc.upper;
            ei = es - tol;
        }
    }
    return HalfMicrons{2 * es, 2 * ei};
}

struct ClassInfo {
    std::string letter;
    int grade;
    std::vector<Band> coverage;
};

using ClassIndex = std::unordered_map<std::string, ClassInfo>;

std::vector<Band> coverageFor(Side side, const std::string& key) {
    for (const auto& p : partialCoverageOf(side))
        if (p.key == key) {
            std::vector<Band> bands;
            for (int i = 0; i < p.bandCount; ++i)
                bands.push_back({p.bands[static_cast<std::size_t>(i)][0],
                                 p.bands[static_cast<std::size_t>(i)][1]});
            return bands;
        }
    return {{1, 500}};
}

struct SideIndex {
    std::vector<std::string> letters;
    std::vector<std::string> keys;
    ClassIndex classes;
};

SideIndex buildIndex(Side side) {
    SideIndex idx;
    for (const auto& lc : classesOf(side)) {
        idx.letters.emplace_back(lc.letter);
        for (int g : gradeList(lc.classes)) {
            std::string key = classKey(side, lc.letter, g);
            idx.keys.push_back(key);
            idx.classes.emplace(key, ClassInfo{std::string(lc.letter), g, coverageFor(side, key)});
        }
    }
    return idx;
}

const SideIndex& indexOf(Side side) {
    static const SideIndex hole = buildIndex(Side::Hole);
    static const SideIndex shaft = buildIndex(Side::Shaft);
    return side == Side::Hole ? hole : shaft;
}

}  // namespace

// --- Diameter range ---------------------------------------------------------------

DiameterCheck checkDiameter(double diameter) {
    if (!(diameter > kMinDiameter)) return {false, "2"};
    if (diameter > kMaxDiameter) return {false, "500"};
    return {};
}

// --- Tiles ------------------------------------------------------------------------

const std::vector<std::string>& letters(Side side) { return indexOf(side).letters; }

int letterTileIndex(Side side, std::string_view letter) {
    const auto& l = letters(side);
    const auto pos = std::find(l.begin(), l.end(), letter);
    return pos == l.end() ? -1 : static_cast<int>(pos - l.begin());
}

int firstGrade(Side side) { return side == Side::Hole ? 6 : 5; }
int lastGrade(Side) { return 18; }
int gradeTileCount(Side side) { return lastGrade(side) - firstGrade(side) + 1; }

int gradeOfTile(Side side, int tileIndex) {
    if (tileIndex < 0 || tileIndex >= gradeTileCount(side)) return -1;
    return firstGrade(side) + tileIndex;
}

int gradeTileIndex(Side side, int grade) {
    if (grade < firstGrade(side) || grade > lastGrade(side)) return -1;
    return grade - firstGrade(side);
}

// --- Catalogue --------------------------------------------------------------------

std::optional<GradeOffer> offeredGrades(Side side, std::string_view letter, double diameter) {
    for (const auto& row : availabilityOf(side)) {
        if (row.letter != letter) continue;
        if (row.over != kAnyDiameter && !inBand(diameter, row.over, row.upTo)) continue;
        GradeOffer offer;
        offer.grades = gradeList(row.offered);
        if (!offer.grades.empty()) offer.defaultGrade = offer.grades.front();
        offer.tileEnabled.assign(static_cast<std::size_t>(gradeTileCount(side)), false);
        for (int g : offer.grades) {
            const int tile = gradeTileIndex(side, g);
            if (tile >= 0) offer.tileEnabled[static_cast<std::size_t>(tile)] = true;
        }
        return offer;
    }
    return std::nullopt;
}

bool isOffered(Side side, std::string_view letter, int grade, double diameter) {
    const auto offer = offeredGrades(side, letter, diameter);
    return offer &&
           std::find(offer->grades.begin(), offer->grades.end(), grade) != offer->grades.end();
}

bool letterTileEnabled(Side side, std::string_view letter, double diameter) {
    const auto offer = offeredGrades(side, letter, diameter);
    return !offer || !offer->grades.empty();
}

std::string classKey(Side side, std::string_view letter, int grade) {
    std::string key(letter);
    key += std::to_string(grade);
    const bool starred = side == Side::Hole
                             ? (key == "E11" || key == "E12")
                             : (key == "c12" || key == "e10" || key == "e11" || key == "e12");
    if (starred) key += '*';
    return key;
}

std::vector<AvailabilityBand> availabilityBands(Side side, std::string_view letter) {
    std::vector<AvailabilityBand> out;
    for (const auto& row : availabilityOf(side)) {
        if (row.letter != letter) continue;
        AvailabilityBand b;
        b.anyDiameter = row.over == kAnyDiameter;
        if (!b.anyDiameter) {
            b.over = row.over;
            b.upTo = row.upTo;
        }
        b.grades = gradeList(row.offered);
        out.push_back(std::move(b));
    }
    return out;
}

// --- Deviation tables -------------------------------------------------------------

std::optional<HalfMicrons> deviationsHalfMicrons(Side side, std::string_view key, double diameter) {
    const auto& classes = indexOf(side).classes;
    const auto found = classes.find(std::string(key));
    if (found == classes.end()) return std::nullopt;
    const ClassInfo& info = found->second;
    const bool covered = std::any_of(info.coverage.begin(), info.coverage.end(),
                                     [&](const Band& b) { return b.contains(diameter); });
    if (!covered) return std::nullopt;
    const Ranges r{rangeIndex(kMainRangeUpTo, diameter), rangeIndex(kFineRangeUpTo, diameter)};
    if (r.main < 0 || r.fine < 0) return std::nullopt;
    return side == Side::Hole ? holeLimits(key, info.letter, info.grade, r)
                              : shaftLimits(info.letter, info.grade, r);
}

std::optional<Deviations> deviations(Side side, std::string_view key, double diameter) {
    const auto half = deviationsHalfMicrons(side, key, diameter);
    if (!half) return std::nullopt;
    // One correctly rounded division: the nearest double of the decimal value.
    return Deviations{half->upper / 2000.0, half->lower / 2000.0};
}

bool updateDeviations(Side side, std::string_view key, double diameter, Deviations& current) {
    const auto found = deviations(side, key, diameter);
    if (found) current = *found;
    return found.has_value();
}

Fit fitOf(const Deviations& hole, const Deviations& shaft) {
    Fit fit;
    fit.maxClearance = hole.upper - shaft.lower;
    fit.minClearance = hole.lower - shaft.upper;
    if (fit.maxClearance < 0 && fit.minClearance <= 0)
        fit.kind = FitKind::Interference;
    else if (fit.maxClearance > 0 && fit.minClearance >= 0)
        fit.kind = FitKind::Clearance;
    return fit;
}

const std::vector<std::string>& classKeys(Side side) { return indexOf(side).keys; }

std::vector<Band> classCoverage(Side side, std::string_view key) {
    const auto& classes = indexOf(side).classes;
    const auto found = classes.find(std::string(key));
    return found == classes.end() ? std::vector<Band>{} : found->second.coverage;
}

const std::vector<Band>& sizeRanges() {
    static const std::vector<Band> ranges = [] {
        std::vector<Band> out;
        int over = 1;
        for (int upTo : kFineRangeUpTo) {
            out.push_back({over, upTo});
            over = upTo;
        }
        return out;
    }();
    return ranges;
}

std::optional<int> standardTolerance(int grade, double diameter) {
    if (grade < kFirstItGrade || grade > kLastItGrade) return std::nullopt;
    const int r = rangeIndex(kMainRangeUpTo, diameter);
    if (r < 0) return std::nullopt;
    return it(grade, r);
}

}  // namespace torvel::fits

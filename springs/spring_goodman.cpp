#include "spring_goodman.h"

#include <array>
#include <cmath>
#include <utility>

namespace torvel::springs {

namespace {

// Points read off the EN 13906-1 figures (10^7 cycles) as published in the
// SpringONE project's material workbook (melchiorrecaruso/springone,
// database/database.xlsx, sheets DH, FDC and VDC, commit 1d69f304). Only the
// rows printed there are kept; no second digitisation is public, and the
// workbook's log-fits are not used (its VDC fit lies above every point).
constexpr const char* kSource = "SpringONE database.xlsx (1d69f304)";

// DH, not peened: every row of the sheet. The cap is 0.5·Rm,min of DH at each d.
constexpr GoodmanRow kDH[] = {{1, 500, 1120, 842}, {2, 455, 992, 730}, {3, 425, 920, 672},
                              {5, 395, 834, 596},  {8, 345, 750, 550}, {10, 325, 707, 515}};
// DH, peened: the sheet prints four diameters.
constexpr GoodmanRow kDHPeened[] = {
    {1, 595, 1120, 710}, {3, 510, 922, 560}, {5, 470, 835, 505}, {10, 402, 710, 430}};
// FDC, not peened. The sheet's last row, labelled 10 mm, repeats its 8 mm row:
// kept as 8 mm, nothing above.
constexpr GoodmanRow kFDC[] = {
    {1, 368, 892, 675}, {3, 325, 760, 570}, {5, 295, 700, 530}, {8, 260, 640, 500}};
// FDC, peened: to 5 mm.
constexpr GoodmanRow kFDCPeened[] = {{1, 500, 880, 512}, {3, 415, 770, 450}, {5, 385, 700, 412}};
// VDC, not peened: to 5 mm. The sheet's peened VDC row repeats FDC's unpeened
// numbers, lower than these: a copy slip, so no peened VDC diagram is kept.
constexpr GoodmanRow kVDC[] = {{1, 530, 839, 425}, {3, 450, 718, 368}, {5, 405, 672, 348}};

constexpr std::array<GoodmanDiagram, 5> kDiagrams{{
    {"DH", false, kDH, kSource},
    {"DH", true, kDHPeened, kSource},
    {"FDC", false, kFDC, kSource},
    {"FDC", true, kFDCPeened, kSource},
    {"VDC", false, kVDC, kSource},
}};

// Grades judged on a diagram. SH, SM, SL and DM have none: the DH figure is not
// backed for them (EN 10270-1 checks surface and decarburisation on D grades
// only, and DM is weaker). TDC takes the FDC diagram; no CrV, SiCr or stainless
// diagram is public.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kFamilies{{
    {"EN 10270-1 DH", "DH"},
    {"EN 10270-2 FDC", "FDC"},
    {"EN 10270-2 TDC", "FDC"},
    {"EN 10270-2 VDC", "VDC"},
}};

constexpr double kMpaToDaN = 0.1;

}  // namespace

double GoodmanLine::upper(double tkU) const {
    if (tkU >= tkUcap) return tkOmax;
    return tkO0 + (tkOmax - tkO0) * tkU / tkUcap;
}

std::span<const GoodmanDiagram> goodmanDiagrams() { return kDiagrams; }

std::string_view fatigueFamily(std::string_view gradeName) {
    for (const auto& [grade, family] : kFamilies)
        if (grade == gradeName) return family;
    return {};
}

const GoodmanDiagram* findDiagram(std::string_view family, bool peened) {
    for (const GoodmanDiagram& g : kDiagrams)
        if (g.family == family && g.peened == peened) return &g;
    return nullptr;
}

std::optional<GoodmanLine> readDiagram(const GoodmanDiagram& g, float d) {
    const auto& rows = g.rows;
    if (rows.empty() || !(d >= rows.front().d) || !(d <= rows.back().d)) return std::nullopt;
    auto line = [](const GoodmanRow& r) {
        return GoodmanLine{r.tkO0 * kMpaToDaN, r.tkOmax * kMpaToDaN, r.tkUcap * kMpaToDaN};
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        if (d == rows[i].d) return line(rows[i]);
        if (d > rows[i].d) continue;
        const GoodmanRow &a = rows[i - 1], &b = rows[i];
        const double t = (std::log10(d) - std::log10(a.d)) / (std::log10(b.d) - std::log10(a.d));
        auto at = [t](double x, double y) { return (x + (y - x) * t) * kMpaToDaN; };
        return GoodmanLine{at(a.tkO0, b.tkO0), at(a.tkOmax, b.tkOmax), at(a.tkUcap, b.tkUcap)};
    }
    return std::nullopt;
}

}  // namespace torvel::springs

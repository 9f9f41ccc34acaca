#include "general_tolerances.h"

#include <array>
#include <cmath>

namespace torvel {

namespace {

// ISO 2768-1:1989, table 1 (linear dimensions except broken edges), the
// permitted deviations in mm; 0 where the standard gives none ("—"). The first
// range starts at 0.5 mm inclusive, every other one is "over … up to …".
constexpr std::array<double, 9> kRangeBounds = {0.5, 3, 6, 30, 120, 400, 1000, 2000, 4000};

struct ClassRow {
    char key;
    std::array<double, 8> deviation;
};

constexpr std::array<ClassRow, 4> kClasses = {{
    {'f', {0.05, 0.05, 0.1, 0.15, 0.2, 0.3, 0.5, 0}},  // fin
    {'m', {0.1, 0.1, 0.2, 0.3, 0.5, 0.8, 1.2, 2}},     // moyen
    {'c', {0.2, 0.3, 0.5, 0.8, 1.2, 2, 3, 4}},         // grossier
    {'v', {0, 0.5, 1, 1.5, 2.5, 4, 6, 8}},             // très grossier
}};

const ClassRow* rowOf(std::string_view key) {
    if (key.size() != 1) return nullptr;
    for (const ClassRow& row : kClasses)
        if (row.key == key.front()) return &row;
    return nullptr;
}

}  // namespace

bool isGeneralToleranceClass(std::string_view key) { return rowOf(key) != nullptr; }

std::optional<double> generalTolerance(std::string_view key, double nominal) {
    const ClassRow* row = rowOf(key);
    if (!row || !std::isfinite(nominal) || nominal < kRangeBounds.front()) return std::nullopt;
    for (size_t i = 0; i + 1 < kRangeBounds.size(); ++i)
        if (nominal <= kRangeBounds[i + 1]) {
            if (row->deviation[i] == 0) return std::nullopt;
            return row->deviation[i];
        }
    return std::nullopt;
}

}  // namespace torvel

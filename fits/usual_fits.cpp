#include "usual_fits.h"

#include <array>

namespace torvel::fits {

namespace {

constexpr FitKind J = FitKind::Clearance;
constexpr FitKind I = FitKind::Transition;
constexpr FitKind S = FitKind::Interference;

constexpr std::array<UsualFit, 19> kUsualFits = {{
    {"H", 11, "c", 11, J}, {"H", 9, "d", 9, J}, {"H", 8, "f", 7, J},   {"H", 7, "g", 6, J},
    {"H", 7, "h", 6, J},   {"H", 7, "k", 6, I}, {"H", 7, "n", 6, I},   {"H", 7, "p", 6, S},
    {"H", 7, "s", 6, S},   {"H", 7, "u", 6, S}, {"C", 11, "h", 11, J}, {"D", 9, "h", 9, J},
    {"F", 8, "h", 7, J},   {"G", 7, "h", 6, J}, {"K", 7, "h", 6, I},   {"N", 7, "h", 6, I},
    {"P", 7, "h", 6, S},   {"S", 7, "h", 6, S}, {"U", 7, "h", 6, S},
}};

const char* kindWord(FitKind kind) {
    switch (kind) {
        case FitKind::Clearance:
            return "jeu";
        case FitKind::Interference:
            return "serré";
        case FitKind::Transition:
            break;
    }
    return "incertain";
}

}  // namespace

std::span<const UsualFit> usualFits() { return kUsualFits; }

std::string usualFitText(const UsualFit& fit) {
    return std::string(fit.holeLetter) + std::to_string(fit.holeGrade) + "/" + fit.shaftLetter +
           std::to_string(fit.shaftGrade) + " (" + kindWord(fit.kind) + ")";
}

}  // namespace torvel::fits

#pragma once

// The ISO 286-1 preferred fits offered in one choice by the fits window, hole
// basis then shaft basis. Plain C++, no Qt.

#include <span>
#include <string>

#include "iso_fits.h"

namespace torvel::fits {

struct UsualFit {
    const char* holeLetter;
    int holeGrade;
    const char* shaftLetter;
    int shaftGrade;
    // The kind the fit is known by; at some sizes its clearances say otherwise
    // (H7/p6 at 2 mm is a transition), and the window colours by those.
    FitKind kind;
};

std::span<const UsualFit> usualFits();

// "H7/g6 (jeu)", "H7/k6 (incertain)", "H7/p6 (serré)".
std::string usualFitText(const UsualFit& fit);

}  // namespace torvel::fits

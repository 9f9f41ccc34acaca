#pragma once

// The two tolerance zones of a fit against the zero line, as the fits window
// draws them and states them in words. Plain C++, no Qt.

#include <optional>
#include <string>
#include <string_view>

#include "iso_fits.h"

namespace torvel::fits {

// A side as the window shows it: the class name on screen and its deviations.
struct ShownClass {
    std::string name;  // "H7", "E11*"
    Deviations deviations;
};

// One zone in half micrometres, so that the JS/js halves stay exact.
struct Zone {
    std::string name;
    int upper = 0;
    int lower = 0;
};

struct FitZones {
    std::optional<Zone> hole;
    std::optional<Zone> shaft;
    // Only with both sides: the zones are filled bands then, coloured by the kind.
    std::optional<FitKind> kind;
    // The common scale, half micrometres: the zero line and every deviation shown.
    int top = 0;
    int bottom = 0;

    // Height of a value on the scale: 0 at the top, 1 at the bottom; the zero
    // line sits in the middle while nothing else is shown.
    double position(int halfMicrons) const {
        return top == bottom ? 0.5 : double(top - halfMicrons) / double(top - bottom);
    }
};

// A missing side has no class yet, no table entry, or its values are hidden.
FitZones fitZones(const std::optional<ShownClass>& hole, const std::optional<ShownClass>& shaft);

// Micrometres as the shortest decimal with its sign: "+21", "0", "-7", "+12.5".
std::string micronText(int halfMicrons, std::string_view decimalSeparator,
                       std::string_view minus = "-");

// "Alésage H7 : +21 / 0 µm ; arbre g6 : -7 / -20 µm ; ajustement avec jeu";
// one side alone without the kind; empty when no side is shown.
std::string fitZonesDescription(const FitZones& zones, std::string_view decimalSeparator);

}  // namespace torvel::fits

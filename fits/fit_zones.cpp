#include "fit_zones.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace torvel::fits {

namespace {

// The deviations are the nearest doubles of whole half micrometres.
int halfMicrons(double millimetres) { return static_cast<int>(std::lround(millimetres * 2000.0)); }

std::optional<Zone> zoneOf(const std::optional<ShownClass>& shown) {
    if (!shown) return std::nullopt;
    return Zone{shown->name, halfMicrons(shown->deviations.upper),
                halfMicrons(shown->deviations.lower)};
}

const char* kindWords(FitKind kind) {
    switch (kind) {
        case FitKind::Clearance:
            return "ajustement avec jeu";
        case FitKind::Interference:
            return "ajustement serré";
        case FitKind::Transition:
            break;
    }
    return "ajustement incertain";
}

std::string zoneWords(const char* side, const Zone& z, std::string_view separator) {
    return std::string(side) + " " + z.name + " : " + micronText(z.upper, separator) + " / " +
           micronText(z.lower, separator) + " \u00b5m";
}

}  // namespace

FitZones fitZones(const std::optional<ShownClass>& hole, const std::optional<ShownClass>& shaft) {
    FitZones zones;
    zones.hole = zoneOf(hole);
    zones.shaft = zoneOf(shaft);
    // The window's own rule, so that the zones and the clearances agree.
    if (hole && shaft) zones.kind = fitOf(hole->deviations, shaft->deviations).kind;
    for (const auto* z : {&zones.hole, &zones.shaft}) {
        if (!*z) continue;
        zones.top = std::max(zones.top, (*z)->upper);
        zones.bottom = std::min(zones.bottom, (*z)->lower);
    }
    return zones;
}

std::string micronText(int halfMicrons, std::string_view decimalSeparator, std::string_view minus) {
    if (halfMicrons == 0) return "0";
    std::string text(halfMicrons > 0 ? std::string_view("+") : minus);
    const int magnitude = std::abs(halfMicrons);
    text += std::to_string(magnitude / 2);
    if (magnitude % 2) {
        text += decimalSeparator;
        text += '5';
    }
    return text;
}

std::string fitZonesDescription(const FitZones& zones, std::string_view decimalSeparator) {
    if (zones.hole && zones.shaft)
        return zoneWords("Alésage", *zones.hole, decimalSeparator) + " ; " +
               zoneWords("arbre", *zones.shaft, decimalSeparator) + " ; " + kindWords(*zones.kind);
    if (zones.hole) return zoneWords("Alésage", *zones.hole, decimalSeparator);
    if (zones.shaft) return zoneWords("Arbre", *zones.shaft, decimalSeparator);
    return {};
}

}  // namespace torvel::fits

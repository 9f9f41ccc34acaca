#pragma once

// Single-precision storage shared by the bearing engines: each kept value is
// computed in double and rounded to float, and a value beyond the float range
// (or not finite) is refused instead of cast.

#include <string_view>

#include "numbers.h"

namespace torvel::bearings {

inline bool keep(float& out, double value) {
    if (!fitsInFloat(value)) return false;
    out = static_cast<float>(value);
    return true;
}

// An entry text read by the leading-number rule into single precision.
inline bool readSingle(std::string_view text, float& out) { return keep(out, leadingNumber(text)); }

}  // namespace torvel::bearings

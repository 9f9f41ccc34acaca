#pragma once

// Single-precision storage shared by the engines: each kept value is computed
// in double and rounded to float, and a value beyond the float range (or not
// finite) is refused instead of cast.

#include <string_view>

#include "numbers.h"

namespace torvel {

inline bool keep(float& out, double value) {
    if (!fitsInFloat(value)) return false;
    out = static_cast<float>(value);
    return true;
}

// An entry text read by the leading-number rule into single precision.
inline bool readSingle(std::string_view text, float& out) { return keep(out, leadingNumber(text)); }

// Rounds each kept value to single precision, remembering whether any of them
// left the float range or was not a number: for a run of steps checked once.
class Keep {
  public:
    float operator()(double value) {
        float out = 0.0f;
        if (!keep(out, value)) ok_ = false;
        return out;
    }
    bool ok() const { return ok_; }

  private:
    bool ok_ = true;
};

}  // namespace torvel

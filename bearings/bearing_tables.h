#pragma once

// Load-factor tables of radial and thrust bearings, kept apart from the logic
// that reads them. Angle texts are the exact list entries (UTF-8). No Qt here.

#include <span>
#include <string_view>

namespace torvel::bearings {

// c·x^k, the curve fits of the factor Y for small contact angles.
struct PowerLaw {
    double c = 0;
    double k = 0;
};

// Radial ball bearing, angles 0° to 15°: e depends on x = i·Fa/Co.
struct SmallAngleRow {
    std::string_view angle;
    double poly[6];    // a5..a0 of a degree-5 polynomial in x; unused when powerE.c != 0
    PowerLaw powerE;   // e = c·x^k when c != 0
    float eMin, eMax;  // bounds of e
    float xo1, yo1;    // one row
    float x1gt;        // one row, Fa/Fr > e: X
    PowerLaw y1gt;     //   Y
    float xo2, yo2;    // two rows
    float x2le;        // two rows, Fa/Fr <= e: X
    PowerLaw y2le;     //   Y (c = 0: Y = 0)
    float x2gt;        // two rows, Fa/Fr > e: X
    PowerLaw y2gt;
};

// Radial ball bearing, angles 20° to 45°: e constant.
struct LargeAngleRow {
    std::string_view angle;
    float e;
    float xo1, yo1, x1gt, y1gt;
    float xo2, yo2, x2le, y2le, x2gt, y2gt;
};

// Thrust ball bearing, angles 45° to 85°.
struct ThrustBallRow {
    std::string_view angle;
    float e;
    std::string_view eText;  // e as the stop message writes it
    float xle, yle, xgt, ygt;
    std::string_view limitText;  // tan α / 0.44, as the stop message writes it
};

std::span<const SmallAngleRow> smallAngleBallTable();
std::span<const LargeAngleRow> largeAngleBallTable();
std::span<const ThrustBallRow> thrustBallTable();

// Radial roller and self-aligning bearings, 5° to 45°: factors in units of cot α
// where named so; e = 1.5·tan α for all.
// The cot α coefficients stay in double: they multiply cot α before rounding.
struct CotFactors {
    float xo;
    double yoCot;
    float xle;
    double yleCot;
    float xgt;
    double ygtCot;
};
inline constexpr CotFactors kRollerOneRow{0.5f, 0.22, 1.0f, 0.0, 0.4f, 0.4};
inline constexpr CotFactors kRollerTwoRows{1.0f, 0.44, 1.0f, 0.45, 0.67f, 0.67};
inline constexpr CotFactors kSelfAligningOneRow{0.5f, 0.22, 1.0f, 0.0, 0.4f, 0.4};
inline constexpr CotFactors kSelfAligningTwoRows{1.0f, 0.44, 1.0f, 0.42, 0.65f, 0.65};

}  // namespace torvel::bearings

#include "bearing_tables.h"

namespace torvel::bearings {

namespace {

// clang-format off
constexpr SmallAngleRow kSmall[] = {
    // angle, e polynomial a5..a0, e power law, e bounds,
    // one row Xo Yo, one row > e X Y(c,k), two rows Xo Yo, two rows <= e X Y, two rows > e X Y
    {"0° (Contact Radial)", {44.604, -70.442, 41.949, -12.271, 2.1928, 0.1645}, {0, 0}, 0.19f, 0.44f,
     0.6f, 0.5f, 0.56f, {0.8647, -0.2323}, 0.6f, 0.5f, 1.0f, {0, 0}, 0.56f, {0.8647, -0.2323}},
    {"5°", {28.239, -51.647, 35.552, -11.972, 2.4212, 0.199}, {0, 0}, 0.23f, 0.52f,
     0.6f, 0.5f, 0.56f, {0.8647, -0.2323}, 1.2f, 1.0f, 1.0f, {1.0463, -0.2319}, 0.78f, {1.4079, -0.2319}},
    {"10°", {32.82, -57.938, 37.262, -11.375, 2.1255, 0.2649}, {0, 0}, 0.29f, 0.54f,
     0.6f, 0.5f, 0.46f, {0.8905, -0.1812}, 1.2f, 1.0f, 1.0f, {1.03, -0.1814}, 0.75f, {1.4487, -0.181}},
    {"15°", {0, 0, 0, 0, 0, 0}, {0.612, 0.1174}, 0.38f, 0.56f,
     0.5f, 0.46f, 0.44f, {0.9165, -0.1169}, 1.0f, 0.92f, 1.0f, {1.0267, -0.1176}, 0.72f, {1.4925, -0.1163}},
};

// One row at 40°: Yo = 0.26, half the two-row value as at every other angle.
constexpr LargeAngleRow kLarge[] = {
    // angle, e, one row: Xo Yo, > e X Y, two rows: Xo Yo, <= e X Y, > e X Y
    {"20°", 0.57f, 0.5f, 0.42f, 0.43f, 1.0f,  1.0f, 0.84f, 1.0f, 1.09f, 0.7f,  1.63f},
    {"25°", 0.68f, 0.5f, 0.38f, 0.41f, 0.87f, 1.0f, 0.76f, 1.0f, 0.92f, 0.67f, 1.41f},
    {"30°", 0.8f,  0.5f, 0.33f, 0.39f, 0.76f, 1.0f, 0.66f, 1.0f, 0.78f, 0.63f, 1.24f},
    {"35°", 0.95f, 0.5f, 0.29f, 0.37f, 0.66f, 1.0f, 0.58f, 1.0f, 0.66f, 0.6f,  1.07f},
    {"40°", 1.14f, 0.5f, 0.26f, 0.35f, 0.57f, 1.0f, 0.52f, 1.0f, 0.55f, 0.57f, 0.93f},
    {"45°", 1.33f, 0.5f, 0.22f, 0.33f, 0.5f,  1.0f, 0.44f, 1.0f, 0.47f, 0.51f, 0.81f},
};

constexpr ThrustBallRow kThrust[] = {
    // angle, e, e text, <= e X Y, > e X Y, simple effet limit
    {"45°", 1.25f,  "1.25",  1.18f,  0.59f, 0.66f, 1.0f, "2.27"},
    {"50°", 1.49f,  "1.49",  1.37f,  0.57f, 0.73f, 1.0f, "2.7"},
    {"55°", 1.79f,  "1.79",  1.6f,   0.56f, 0.81f, 1.0f, "3.25"},
    {"60°", 2.17f,  "2.17",  1.9f,   0.55f, 0.92f, 1.0f, "3.94"},
    {"65°", 2.68f,  "2.68",  2.3f,   0.54f, 1.06f, 1.0f, "4.88"},
    {"70°", 3.43f,  "3.43",  2.9f,   0.53f, 1.28f, 1.0f, "6.25"},
    {"75°", 4.67f,  "4.67",  3.89f,  0.52f, 1.66f, 1.0f, "8.48"},
    {"80°", 7.09f,  "7.09",  5.86f,  0.52f, 2.43f, 1.0f, "12.89"},
    {"85°", 14.29f, "14.29", 11.75f, 0.51f, 4.8f,  1.0f, "25.98"},
};
// clang-format on

}  // namespace

std::span<const SmallAngleRow> smallAngleBallTable() { return kSmall; }
std::span<const LargeAngleRow> largeAngleBallTable() { return kLarge; }
std::span<const ThrustBallRow> thrustBallTable() { return kThrust; }

}  // namespace torvel::bearings

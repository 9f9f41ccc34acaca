// The tolerance-class catalogue: which classes the deviation tables hold, the
// size bands of the classes that do not cover the whole range over 1 up to
// 500 mm, and the grades each letter offers per diameter band on the tiles.
// Bands read over a up to and including b.

#include "iso286_tables.h"

namespace torvel::fits::data {

namespace {

constexpr LetterClasses holeClasses[] = {
    {"A", grades(9) | grades(11, 13)},
    {"B", grades(8, 13)},
    {"C", grades(8, 11)},
    {"D", grades(6, 13)},
    {"E", grades(6, 12)},  // E11 and E12 are keyed "E11*" and "E12*"
    {"F", grades(6, 9)},
    {"G", grades(6, 7)},
    {"H", grades(6, 18)},
    {"J", grades(6, 8)},
    {"JS", grades(9, 18)},
    {"K", grades(6, 8)},
    {"M", grades(6, 8)},
    {"N", grades(6, 11)},
    {"P", grades(6, 9)},
    {"R", grades(6, 9)},
    {"S", grades(6, 10)},
    {"T", grades(6, 9)},
    {"U", grades(6, 11)},
    {"X", grades(7, 11)},
    {"Z", grades(7, 11)},
    {"ZA", grades(7, 11)},
    {"ZB", grades(8, 11)},
    {"ZC", grades(8, 11)},
};

constexpr LetterClasses shaftClasses[] = {
    {"a", grades(9, 13)},  {"b", grades(8, 13)},  {"c", grades(9, 12)},  // c12 is keyed "c12*"
    {"d", grades(6, 12)},  {"e", grades(6, 12)},  // e10, e11, e12 are keyed "e10*", "e11*", "e12*"
    {"f", grades(6, 8)},   {"g", grades(5, 6)},   {"h", grades(5, 13)}, {"j", grades(5, 7)},
    {"js", grades(8, 18)}, {"k", grades(5, 11)},  {"m", grades(5, 7)},  {"n", grades(5, 7)},
    {"p", grades(5, 8)},   {"r", grades(5, 9)},   {"s", grades(5, 10)}, {"t", grades(5, 9)},
    {"u", grades(5, 11)},  {"x", grades(6, 11)},  {"z", grades(6, 11)}, {"za", grades(6, 11)},
    {"zb", grades(7, 11)}, {"zc", grades(8, 11)},
};

// Classes not listed here cover over 1 up to 500.
constexpr PartialCoverage holePartial[] = {
    {"H17", 1, {{{6, 500}}}},          {"JS17", 1, {{{6, 500}}}},
    {"H18", 1, {{{10, 500}}}},         {"JS18", 1, {{{10, 500}}}},
    {"M8", 1, {{{3, 500}}}},           {"P9", 1, {{{1, 100}}}},
    {"R8", 1, {{{120, 500}}}},         {"R9", 1, {{{180, 500}}}},
    {"S6", 1, {{{1, 120}}}},           {"S10", 1, {{{140, 500}}}},
    {"T6", 1, {{{24, 120}}}},          {"T7", 1, {{{24, 500}}}},
    {"T8", 1, {{{100, 500}}}},         {"T9", 1, {{{200, 500}}}},
    {"U6", 1, {{{1, 120}}}},           {"U8", 2, {{{3, 18}, {24, 500}}}},
    {"U9", 2, {{{3, 18}, {24, 500}}}}, {"U10", 2, {{{3, 18}, {40, 500}}}},
    {"U11", 1, {{{100, 500}}}},        {"X7", 1, {{{1, 120}}}},
    {"X8", 1, {{{1, 355}}}},           {"X10", 1, {{{14, 500}}}},
    {"X11", 1, {{{50, 500}}}},         {"Z7", 1, {{{1, 40}}}},
    {"Z8", 1, {{{1, 160}}}},           {"Z9", 1, {{{1, 225}}}},
    {"Z11", 1, {{{24, 500}}}},         {"ZA7", 1, {{{1, 18}}}},
    {"ZA8", 1, {{{6, 100}}}},          {"ZA9", 1, {{{18, 160}}}},
    {"ZA10", 1, {{{40, 355}}}},        {"ZA11", 1, {{{100, 500}}}},
    {"ZB8", 1, {{{1, 65}}}},           {"ZB9", 1, {{{1, 100}}}},
    {"ZB10", 1, {{{6, 200}}}},         {"ZB11", 1, {{{6, 500}}}},
    {"ZC8", 1, {{{1, 30}}}},           {"ZC9", 1, {{{1, 65}}}},
    {"ZC10", 1, {{{1, 140}}}},
};

constexpr PartialCoverage shaftPartial[] = {
    {"js17", 1, {{{6, 500}}}},
    {"js18", 1, {{{10, 500}}}},
    {"m7", 1, {{{3, 500}}}},
    {"r8", 1, {{{180, 500}}}},
    {"r9", 1, {{{180, 500}}}},
    {"s5", 1, {{{1, 120}}}},
    {"s10", 1, {{{140, 500}}}},
    {"t5", 1, {{{24, 120}}}},
    {"t6", 1, {{{24, 500}}}},
    {"t7", 1, {{{24, 500}}}},
    {"t8", 1, {{{100, 500}}}},
    {"t9", 1, {{{200, 500}}}},
    {"u5", 1, {{{1, 120}}}},
    {"u9", 2, {{{3, 18}, {24, 500}}}},
    {"u10", 2, {{{3, 18}, {40, 500}}}},
    {"u11", 1, {{{100, 500}}}},
    {"x6", 1, {{{1, 65}}}},
    {"x7", 1, {{{1, 160}}}},
    {"x8", 1, {{{1, 355}}}},
    {"x10", 1, {{{14, 500}}}},
    {"x11", 1, {{{50, 500}}}},
    {"z6", 1, {{{1, 40}}}},
    {"z7", 1, {{{1, 65}}}},
    {"z8", 1, {{{1, 160}}}},
    {"z9", 1, {{{1, 225}}}},
    {"z11", 1, {{{24, 500}}}},
    {"za6", 1, {{{1, 18}}}},
    {"za7", 1, {{{1, 40}}}},
    {"za8", 1, {{{6, 100}}}},
    {"za9", 1, {{{18, 160}}}},
    {"za10", 1, {{{40, 355}}}},
    {"za11", 1, {{{100, 500}}}},
    {"zb7", 1, {{{1, 24}}}},
    {"zb8", 1, {{{1, 65}}}},
    {"zb9", 1, {{{1, 100}}}},
    {"zb10", 1, {{{6, 200}}}},
    {"zb11", 1, {{{6, 500}}}},
    {"zc8", 1, {{{1, 30}}}},
    {"zc9", 1, {{{1, 65}}}},
    {"zc10", 1, {{{1, 140}}}},
};

constexpr int any = kAnyDiameter;

// Hole letters. T offers no grade 9 over 180 up to 200: the tables hold no T9
// there, so the band over 180 up to 500 is split at 200.
constexpr AvailabilityRow holeAvailability[] = {
    {"A", any, any, grades(9) | grades(11, 13)},
    {"B", any, any, grades(8, 13)},
    {"C", any, any, grades(8, 11)},
    {"D", any, any, grades(6, 13)},
    {"E", any, any, grades(6, 12)},
    {"F", any, any, grades(6, 9)},
    {"G", any, any, grades(6, 7)},
    {"H", 1, 6, grades(6, 16)},
    {"H", 6, 10, grades(6, 17)},
    {"H", 10, 500, grades(6, 18)},
    {"J", any, any, grades(6, 8)},
    {"JS", 1, 6, grades(9, 16)},
    {"JS", 6, 10, grades(9, 17)},
    {"JS", 10, 500, grades(9, 18)},
    {"K", any, any, grades(6, 8)},
    {"M", 1, 3, grades(6, 7)},
    {"M", 3, 500, grades(6, 8)},
    {"N", any, any, grades(6, 11)},
    {"P", 1, 100, grades(6, 9)},
    {"P", 100, 500, grades(6, 8)},
    {"R", 1, 120, grades(6, 7)},
    {"R", 120, 180, grades(6, 8)},
    {"R", 180, 500, grades(6, 9)},
    {"S", 1, 120, grades(6, 9)},
    {"S", 120, 140, grades(7, 9)},
    {"S", 140, 500, grades(7, 10)},
    {"T", 1, 24, kNoGrade},
    {"T", 24, 100, grades(6, 7)},
    {"T", 100, 120, grades(6, 8)},
    {"T", 120, 180, grades(7, 8)},
    {"T", 180, 200, grades(7, 8)},
    {"T", 200, 500, grades(7, 9)},
    {"U", 1, 3, grades(6, 7)},
    {"U", 3, 18, grades(6, 10)},
    {"U", 18, 24, grades(6, 7)},
    {"U", 24, 40, grades(6, 9)},
    {"U", 40, 100, grades(6, 10)},
    {"U", 100, 120, grades(6, 11)},
    {"U", 120, 500, grades(7, 11)},
    {"X", 1, 14, grades(7, 9)},
    {"X", 14, 50, grades(7, 10)},
    {"X", 50, 120, grades(7, 11)},
    {"X", 120, 355, grades(8, 11)},
    {"X", 355, 500, grades(9, 11)},
    {"Z", 1, 24, grades(7, 10)},
    {"Z", 24, 40, grades(7, 11)},
    {"Z", 40, 160, grades(8, 11)},
    {"Z", 160, 225, grades(9, 11)},
    {"Z", 225, 500, grades(10, 11)},
    {"ZA", 1, 6, grades(7)},
    {"ZA", 6, 18, grades(7, 8)},
    {"ZA", 18, 40, grades(8, 9)},
    {"ZA", 40, 100, grades(8, 10)},
    {"ZA", 100, 160, grades(9, 11)},
    {"ZA", 160, 355, grades(10, 11)},
    {"ZA", 355, 500, grades(11)},
    {"ZB", 1, 6, grades(8, 9)},
    {"ZB", 6, 65, grades(8, 11)},
    {"ZB", 65, 100, grades(9, 11)},
    {"ZB", 100, 200, grades(10, 11)},
    {"ZB", 200, 500, grades(11)},
    {"ZC", 1, 30, grades(8, 11)},
    {"ZC", 30, 65, grades(9, 11)},
    {"ZC", 65, 140, grades(10, 11)},
    {"ZC", 140, 500, grades(11)},
};

// Shaft letters; t is split at 200 like T.
constexpr AvailabilityRow shaftAvailability[] = {
    {"a", any, any, grades(9, 13)},   {"b", any, any, grades(8, 13)},
    {"c", any, any, grades(9, 12)},   {"d", any, any, grades(6, 12)},
    {"e", any, any, grades(6, 12)},   {"f", any, any, grades(6, 8)},
    {"g", any, any, grades(5, 6)},    {"h", any, any, grades(5, 13)},
    {"j", any, any, grades(5, 7)},    {"js", 1, 6, grades(8, 16)},
    {"js", 6, 10, grades(8, 17)},     {"js", 10, 500, grades(8, 18)},
    {"k", any, any, grades(5, 11)},   {"m", 1, 3, grades(5, 6)},
    {"m", 3, 500, grades(5, 7)},      {"n", any, any, grades(5, 7)},
    {"p", any, any, grades(5, 8)},    {"r", 1, 180, grades(5, 7)},
    {"r", 180, 500, grades(5, 9)},    {"s", 1, 120, grades(5, 9)},
    {"s", 120, 140, grades(6, 9)},    {"s", 140, 500, grades(6, 10)},
    {"t", 1, 24, kNoGrade},           {"t", 24, 100, grades(5, 7)},
    {"t", 100, 120, grades(5, 8)},    {"t", 120, 180, grades(6, 8)},
    {"t", 180, 200, grades(6, 8)},    {"t", 200, 500, grades(6, 9)},
    {"u", 1, 3, grades(5, 8)},        {"u", 3, 18, grades(5, 10)},
    {"u", 18, 24, grades(5, 8)},      {"u", 24, 40, grades(5, 9)},
    {"u", 40, 100, grades(5, 10)},    {"u", 100, 120, grades(5, 11)},
    {"u", 120, 500, grades(6, 11)},   {"x", 1, 14, grades(6, 9)},
    {"x", 14, 50, grades(6, 10)},     {"x", 50, 65, grades(6, 11)},
    {"x", 65, 160, grades(7, 11)},    {"x", 160, 355, grades(8, 11)},
    {"x", 355, 500, grades(9, 11)},   {"z", 1, 24, grades(6, 10)},
    {"z", 24, 40, grades(6, 11)},     {"z", 40, 65, grades(7, 11)},
    {"z", 65, 160, grades(8, 11)},    {"z", 160, 225, grades(9, 11)},
    {"z", 225, 500, grades(10, 11)},  {"za", 1, 6, grades(6, 7)},
    {"za", 6, 18, grades(6, 8)},      {"za", 18, 40, grades(7, 9)},
    {"za", 40, 100, grades(8, 10)},   {"za", 100, 160, grades(9, 11)},
    {"za", 160, 355, grades(10, 11)}, {"za", 355, 500, grades(11)},
    {"zb", 1, 6, grades(7, 9)},       {"zb", 6, 24, grades(7, 11)},
    {"zb", 24, 65, grades(8, 11)},    {"zb", 65, 100, grades(9, 11)},
    {"zb", 100, 200, grades(10, 11)}, {"zb", 200, 500, grades(11)},
    {"zc", 1, 30, grades(8, 11)},     {"zc", 30, 65, grades(9, 11)},
    {"zc", 65, 140, grades(10, 11)},  {"zc", 140, 500, grades(11)},
};

}  // namespace

const std::span<const LetterClasses> kHoleClasses{holeClasses};
const std::span<const LetterClasses> kShaftClasses{shaftClasses};
const std::span<const PartialCoverage> kHolePartialCoverage{holePartial};
const std::span<const PartialCoverage> kShaftPartialCoverage{shaftPartial};
const std::span<const AvailabilityRow> kHoleAvailability{holeAvailability};
const std::span<const AvailabilityRow> kShaftAvailability{shaftAvailability};

}  // namespace torvel::fits::data

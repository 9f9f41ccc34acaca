// Cross-check against published ISO 286-2 limit deviations, transcribed by hand
// from the "Tables for Determining Metric Tolerances" of the D-M-E "Mold Bases &
// Plates" technical reference (table 6, holes; table 7, shafts), plus the
// corrected values of ISO 286-2:1988 Technical Corrigendum 1 (2006). Values in
// micrometres, "upper lower" after each class; a block holds for the whole
// size range it names and is checked at both ends of that range.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "iso_fits.h"

using namespace torvel::fits;

namespace {

struct Block {
    Side side;
    int over;
    int upTo;
    const char* values;  // "KEY upper lower KEY upper lower ..."
};

constexpr Side H = Side::Hole;
constexpr Side S = Side::Shaft;

const Block kPublished[] = {
    // Holes, D-M-E table 6.
    {H, 1, 3,
     "H11 60 0 H12 100 0 H13 140 0 J6 2 -4 J7 4 -6 J8 6 -8 K6 0 -6 K7 0 -10 K8 0 -14 "
     "M6 -2 -8 M7 -2 -12 N6 -4 -10 N7 -4 -14 N8 -4 -18 R7 -10 -20 JS9 12.5 -12.5"},
    {H, 3, 6,
     "H11 75 0 H12 120 0 H13 180 0 J6 5 -3 J7 6 -6 J8 10 -8 K6 2 -6 K7 3 -9 K8 5 -13 "
     "M6 -1 -9 M7 0 -12 M8 2 -16 N6 -5 -13 N7 -4 -16 N8 -2 -20 R7 -11 -23 JS9 15 -15"},
    {H, 6, 10,
     "H11 90 0 H12 150 0 H13 220 0 J6 5 -4 J7 8 -7 J8 12 -10 K6 2 -7 K7 5 -10 K8 6 -16 "
     "M6 -3 -12 M7 0 -15 M8 1 -21 N6 -7 -16 N7 -4 -19 N8 -3 -25 R7 -13 -28 JS9 18 -18"},
    {H, 10, 18,
     "H11 110 0 H12 180 0 H13 270 0 J6 6 -5 J7 10 -8 J8 15 -12 K6 2 -9 K7 6 -12 K8 8 -19 "
     "M6 -4 -15 M7 0 -18 M8 2 -25 N6 -9 -20 N7 -5 -23 N8 -3 -30 R7 -16 -34 JS9 21.5 -21.5"},
    {H, 18, 30,
     "H11 130 0 H12 210 0 H13 330 0 J6 8 -5 J7 12 -9 J8 20 -13 K6 2 -11 K7 6 -15 K8 10 -23 "
     "M6 -4 -17 M7 0 -21 M8 4 -29 N6 -11 -24 N7 -7 -28 N8 -3 -36 R7 -20 -41 JS9 26 -26"},
    {H, 30, 50,
     "H11 160 0 H12 250 0 H13 390 0 J6 10 -6 J7 14 -11 J8 24 -15 K6 3 -13 K7 7 -18 K8 12 -27 "
     "M6 -4 -20 M7 0 -25 M8 5 -34 N6 -12 -28 N7 -8 -33 N8 -3 -42 R7 -25 -50 JS9 31 -31"},
    {H, 50, 80,
     "H11 190 0 H12 300 0 H13 460 0 J6 13 -6 J7 18 -12 J8 28 -18 K6 4 -15 K7 9 -21 K8 14 -32 "
     "M6 -5 -24 M7 0 -30 M8 5 -41 N6 -14 -33 N7 -9 -39 N8 -4 -50 JS9 37 -37"},
    {H, 80, 120,
     "H11 220 0 H12 350 0 H13 540 0 J6 16 -6 J7 22 -13 J8 34 -20 K6 4 -18 K7 10 -25 K8 16 -38 "
     "M6 -6 -28 M7 0 -35 M8 6 -48 N6 -16 -38 N7 -10 -45 N8 -4 -58 JS9 43.5 -43.5"},
    {H, 120, 180,
     "H11 250 0 H12 400 0 H13 630 0 J6 18 -7 J7 26 -14 J8 41 -22 K6 4 -21 K7 12 -28 K8 20 -43 "
     "M6 -8 -33 M7 0 -40 M8 8 -55 N6 -20 -45 N7 -12 -52 N8 -4 -67 JS9 50 -50"},
    {H, 180, 250,
     "H11 290 0 H12 460 0 H13 720 0 J6 22 -7 J7 30 -16 J8 47 -25 K6 5 -24 K7 13 -33 K8 22 -50 "
     "M6 -8 -37 M7 0 -46 M8 9 -63 N6 -22 -51 N7 -14 -60 N8 -5 -77 JS9 57.5 -57.5"},
    {H, 50, 65, "R7 -30 -60"},
    {H, 65, 80, "R7 -32 -62"},
    {H, 80, 100, "R7 -38 -73"},
    {H, 100, 120, "R7 -41 -76"},
    {H, 120, 140, "R7 -48 -88"},
    {H, 140, 160, "R7 -50 -90"},
    {H, 160, 180, "R7 -53 -93"},
    {H, 180, 200, "R7 -60 -106"},
    {H, 200, 225, "R7 -63 -109"},
    {H, 225, 250, "R7 -67 -113"},
    {H, 250, 280, "R7 -74 -126"},
    // ISO 286-2:1988/Cor.1:2006 (the printed 1988 values were +2000 and +125).
    {H, 315, 355, "A13 2090 1200"},
    {H, 80, 120, "E8 126 72"},

    // Shafts, D-M-E table 7.
    {S, 1, 3,
     "a11 -270 -330 b8 -140 -154 b11 -140 -200 c11 -60 -120 d9 -20 -45 d10 -20 -60 d11 -20 -80 "
     "e7 -14 -24 e8 -14 -28 e9 -14 -39 f6 -6 -12 f7 -6 -16 f8 -6 -20 g5 -2 -6 g6 -2 -8 "
     "h5 0 -4 h6 0 -6 h7 0 -10"},
    {S, 3, 6,
     "a11 -270 -345 b8 -140 -158 b11 -140 -215 c11 -70 -145 d9 -30 -60 d10 -30 -78 d11 -30 -105 "
     "e7 -20 -32 e8 -20 -38 e9 -20 -50 f6 -10 -18 f7 -10 -22 f8 -10 -28 g5 -4 -9 g6 -4 -12 "
     "h5 0 -5 h6 0 -8 h7 0 -12"},
    {S, 6, 10,
     "a11 -280 -370 b8 -150 -172 b11 -150 -240 c11 -80 -170 d9 -40 -76 d10 -40 -98 d11 -40 -130 "
     "e7 -25 -40 e8 -25 -47 e9 -25 -61 f6 -13 -22 f7 -13 -28 f8 -13 -35 g5 -5 -11 g6 -5 -14 "
     "h5 0 -6 h6 0 -9 h7 0 -15"},
    {S, 10, 18,
     "a11 -290 -400 b8 -150 -177 b11 -150 -260 c11 -95 -205 d9 -50 -93 d10 -50 -120 d11 -50 -160 "
     "e7 -32 -50 e8 -32 -59 e9 -32 -75 f6 -16 -27 f7 -16 -34 f8 -16 -43 g5 -6 -14 g6 -6 -17 "
     "h5 0 -8 h6 0 -11 h7 0 -18"},
    {S, 18, 30,
     "a11 -300 -430 b8 -160 -193 b11 -160 -290 c11 -110 -240 d9 -65 -117 d10 -65 -149 d11 -65 -195 "
     "e7 -40 -61 e8 -40 -73 e9 -40 -92 f6 -20 -33 f7 -20 -41 f8 -20 -53 g5 -7 -16 g6 -7 -20 "
     "h5 0 -9 h6 0 -13 h7 0 -21"},
    {S, 30, 40, "a11 -310 -470 b8 -170 -209 b11 -170 -330 c11 -120 -280"},
    {S, 40, 50, "a11 -320 -480 b8 -180 -219 b11 -180 -340 c11 -130 -290"},
    {S, 30, 50,
     "d9 -80 -142 d10 -80 -180 d11 -80 -240 e7 -50 -75 e8 -50 -89 e9 -50 -112 f6 -25 -41 "
     "f7 -25 -50 f8 -25 -64 g5 -9 -20 g6 -9 -25 h5 0 -11 h6 0 -16 h7 0 -25"},
    {S, 50, 65, "b8 -190 -236 b11 -190 -380"},
    {S, 65, 80, "b8 -200 -246 b11 -200 -390"},
    {S, 80, 100, "b8 -220 -274 b11 -220 -440"},
    {S, 100, 120, "b8 -240 -294 b11 -240 -460"},
    {S, 120, 140, "b8 -260 -323 b11 -260 -510"},
    {S, 140, 160, "b8 -280 -343 b11 -280 -530"},
    {S, 160, 180, "b8 -310 -373 b11 -310 -560"},
    {S, 180, 200, "b8 -340 -412 b11 -340 -630"},
    {S, 200, 225, "b8 -380 -452 b11 -380 -670"},
    {S, 225, 250, "b8 -420 -492 b11 -420 -710"},
    {S, 250, 280, "b8 -480 -561 b11 -480 -800"},
    {S, 280, 315, "b8 -540 -621 b11 -540 -860"},
    {S, 315, 355, "b8 -600 -689 b11 -600 -960"},
    {S, 355, 400, "b8 -680 -769"},
    {S, 400, 450, "b8 -760 -857"},
    {S, 450, 500, "b8 -840 -937"},
};

// js8 ... js18 (±value); 0 where the table has no entry.
struct JsRow {
    int over;
    int upTo;
    double half[11];
};
const JsRow kPublishedJs[] = {
    {1, 3, {7, 12.5, 20, 30, 50, 70, 125, 200, 300, 0, 0}},
    {3, 6, {9, 15, 24, 37.5, 60, 90, 150, 240, 375, 0, 0}},
    {6, 10, {11, 18, 29, 45, 75, 110, 180, 290, 450, 750, 0}},
    {10, 18, {13.5, 21.5, 35, 55, 90, 135, 215, 350, 550, 900, 1350}},
    {18, 30, {16.5, 26, 42, 65, 105, 165, 260, 420, 650, 1050, 1650}},
    {30, 50, {19.5, 31, 50, 80, 125, 195, 310, 500, 800, 1250, 1950}},
    {120, 180, {31.5, 50, 80, 125, 200, 315, 500, 800, 1250, 2000, 3150}},
    {180, 250, {36, 57.5, 92.5, 145, 230, 360, 575, 925, 1450, 2300, 3600}},
    {250, 315, {40.5, 65, 105, 160, 260, 405, 650, 1050, 1600, 2600, 4050}},
    {315, 400, {44.5, 70, 115, 180, 285, 445, 700, 1150, 1800, 2850, 4450}},
    {400, 500, {48.5, 77.5, 125, 200, 315, 485, 775, 1250, 2000, 3150, 4850}},
};

struct Value {
    Side side;
    std::string key;
    int over;
    int upTo;
    double upper;  // micrometres
    double lower;
};

std::vector<Value> publishedValues() {
    std::vector<Value> out;
    for (const Block& b : kPublished) {
        std::istringstream in(b.values);
        std::string key;
        double up = 0;
        double lo = 0;
        while (in >> key >> up >> lo) out.push_back({b.side, key, b.over, b.upTo, up, lo});
    }
    for (const JsRow& r : kPublishedJs)
        for (int i = 0; i < 11; ++i) {
            const std::string key = "js" + std::to_string(8 + i);
            if (r.half[i] == 0)
                out.push_back({S, key, r.over, r.upTo, 0, 0});  // no entry expected
            else
                out.push_back({S, key, r.over, r.upTo, r.half[i], -r.half[i]});
        }
    return out;
}

TEST(PublishedIso286, TablesAgree) {
    int agreed = 0;
    int absent = 0;
    for (const Value& v : publishedValues()) {
        for (double d : {v.over + 0.001, double(v.upTo)}) {
            const auto got = deviationsHalfMicrons(v.side, v.key, d);
            const std::string where = v.key + " at " + std::to_string(d);
            if (v.upper == 0 && v.lower == 0) {
                EXPECT_FALSE(got.has_value()) << where;
                ++absent;
                continue;
            }
            ASSERT_TRUE(got.has_value()) << where;
            EXPECT_EQ(got->upper, static_cast<int>(2 * v.upper)) << where;
            EXPECT_EQ(got->lower, static_cast<int>(2 * v.lower)) << where;
            ++agreed;
        }
    }
    // Published pairs, each checked at both ends of its range.
    EXPECT_EQ(agreed, 2 * 435);
    EXPECT_EQ(absent, 2 * 5);
}

}  // namespace

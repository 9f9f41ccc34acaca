// Tolerance-class catalogue: grades offered per letter and diameter, default
// grade, class keys, tiles and the diameter range check.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "iso_fits.h"

using namespace torvel::fits;

namespace {

struct OfferCase {
    Side side;
    const char* letter;
    double diameter;
    std::vector<int> grades;
    int defaultGrade;  // -1: none
};

class OfferTest : public ::testing::TestWithParam<OfferCase> {};

TEST_P(OfferTest, GradesAndDefault) {
    const auto& c = GetParam();
    const auto offer = offeredGrades(c.side, c.letter, c.diameter);
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->grades, c.grades);
    if (c.defaultGrade < 0)
        EXPECT_FALSE(offer->defaultGrade.has_value());
    else
        EXPECT_EQ(offer->defaultGrade, c.defaultGrade);
    ASSERT_EQ(static_cast<int>(offer->tileEnabled.size()), gradeTileCount(c.side));
    for (int tile = 0; tile < gradeTileCount(c.side); ++tile) {
        const int grade = gradeOfTile(c.side, tile);
        const bool listed = std::find(c.grades.begin(), c.grades.end(), grade) != c.grades.end();
        EXPECT_EQ(offer->tileEnabled[static_cast<std::size_t>(tile)], listed) << "tile " << tile;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, OfferTest,
    ::testing::Values(
        OfferCase{Side::Hole, "A", 50, {9, 11, 12, 13}, 9},
        OfferCase{Side::Hole, "H", 6, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 6},
        OfferCase{Side::Hole, "H", 6.001, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 6},
        OfferCase{Side::Hole, "H", 10, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 6},
        OfferCase{Side::Hole, "H", 10.001, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, 6},
        OfferCase{Side::Hole, "H", 2, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 6},
        OfferCase{Side::Hole, "JS", 500, {9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, 9},
        OfferCase{Side::Hole, "S", 130, {7, 8, 9}, 7},
        OfferCase{Side::Hole, "ZB", 150, {10, 11}, 10}, OfferCase{Side::Hole, "ZB", 300, {11}, 11},
        OfferCase{Side::Hole, "T", 24, {}, -1}, OfferCase{Side::Hole, "T", 24.5, {6, 7}, 6},
        OfferCase{Side::Hole, "T", 180, {7, 8}, 7},
        OfferCase{Side::Hole, "T", 190, {7, 8}, 7},  // no T9 below 200
        OfferCase{Side::Hole, "T", 200.001, {7, 8, 9}, 7}, OfferCase{Side::Hole, "M", 3, {6, 7}, 6},
        OfferCase{Side::Hole, "M", 3.001, {6, 7, 8}, 6}, OfferCase{Side::Hole, "U", 20, {6, 7}, 6},
        OfferCase{Side::Hole, "ZA", 5, {7}, 7}, OfferCase{Side::Shaft, "g", 2, {5, 6}, 5},
        OfferCase{Side::Shaft, "s", 200, {6, 7, 8, 9, 10}, 6},
        OfferCase{Side::Shaft, "za", 5, {6, 7}, 6}, OfferCase{Side::Shaft, "t", 20, {}, -1},
        OfferCase{Side::Shaft, "t", 190, {6, 7, 8}, 6},
        OfferCase{Side::Shaft, "t", 250, {6, 7, 8, 9}, 6},
        OfferCase{Side::Shaft, "js", 6, {8, 9, 10, 11, 12, 13, 14, 15, 16}, 8},
        OfferCase{Side::Shaft, "h", 499, {5, 6, 7, 8, 9, 10, 11, 12, 13}, 5},
        OfferCase{Side::Shaft, "zc", 141, {11}, 11}));

TEST(Catalogue, LetterWithoutBandsAppliesAtAnyDiameter) {
    // "any" rows match whatever the diameter; banded letters find no row outside 1..500.
    EXPECT_TRUE(offeredGrades(Side::Hole, "A", 0.5).has_value());
    EXPECT_TRUE(offeredGrades(Side::Shaft, "g", 600).has_value());
    EXPECT_FALSE(offeredGrades(Side::Hole, "H", 1).has_value());
    EXPECT_FALSE(offeredGrades(Side::Shaft, "js", 500.001).has_value());
    EXPECT_FALSE(offeredGrades(Side::Hole, "H", std::nan("")).has_value());
    EXPECT_FALSE(offeredGrades(Side::Hole, "h", 10).has_value());   // case-sensitive
    EXPECT_FALSE(offeredGrades(Side::Shaft, "H", 10).has_value());  // other side's letter
    EXPECT_FALSE(offeredGrades(Side::Hole, "V", 10).has_value());
}

TEST(Catalogue, ClassKeysCarryTheStarOnExactlySixClasses) {
    EXPECT_EQ(classKey(Side::Hole, "E", 11), "E11*");
    EXPECT_EQ(classKey(Side::Hole, "E", 12), "E12*");
    EXPECT_EQ(classKey(Side::Hole, "E", 10), "E10");
    EXPECT_EQ(classKey(Side::Shaft, "e", 9), "e9");
    EXPECT_EQ(classKey(Side::Shaft, "e", 10), "e10*");
    EXPECT_EQ(classKey(Side::Shaft, "c", 12), "c12*");
    EXPECT_EQ(classKey(Side::Shaft, "c", 11), "c11");
    EXPECT_EQ(classKey(Side::Hole, "ZC", 11), "ZC11");
    EXPECT_EQ(classKey(Side::Shaft, "js", 12), "js12");

    int starred = 0;
    for (Side side : {Side::Hole, Side::Shaft})
        for (const auto& key : classKeys(side))
            if (key.back() == '*') ++starred;
    EXPECT_EQ(starred, 6);
    EXPECT_EQ(classKeys(Side::Hole).size(), 119u);
    EXPECT_EQ(classKeys(Side::Shaft).size(), 124u);
}

TEST(Catalogue, Tiles) {
    ASSERT_EQ(letters(Side::Hole).size(), 23u);
    ASSERT_EQ(letters(Side::Shaft).size(), 23u);
    EXPECT_EQ(letters(Side::Hole).front(), "A");
    EXPECT_EQ(letters(Side::Hole).back(), "ZC");
    EXPECT_EQ(letterTileIndex(Side::Hole, "H"), 7);
    EXPECT_EQ(letterTileIndex(Side::Hole, "JS"), 9);
    EXPECT_EQ(letterTileIndex(Side::Shaft, "g"), 6);
    EXPECT_EQ(letterTileIndex(Side::Shaft, "V"), -1);
    EXPECT_EQ(letterTileIndex(Side::Hole, "V"), -1);

    EXPECT_EQ(gradeTileCount(Side::Hole), 13);
    EXPECT_EQ(gradeTileCount(Side::Shaft), 14);
    EXPECT_EQ(gradeOfTile(Side::Hole, 0), 6);
    EXPECT_EQ(gradeOfTile(Side::Hole, 12), 18);
    EXPECT_EQ(gradeOfTile(Side::Hole, 13), -1);
    EXPECT_EQ(gradeOfTile(Side::Shaft, 13), 18);
    EXPECT_EQ(gradeOfTile(Side::Shaft, -1), -1);
    EXPECT_EQ(gradeTileIndex(Side::Hole, 7), 1);
    EXPECT_EQ(gradeTileIndex(Side::Shaft, 6), 1);
    EXPECT_EQ(gradeTileIndex(Side::Hole, 5), -1);
    // A's default 9 sits on the fourth hole grade tile.
    EXPECT_EQ(gradeTileIndex(Side::Hole, *offeredGrades(Side::Hole, "A", 10)->defaultGrade), 3);
}

TEST(Catalogue, TAndTLetterTilesAreDisabledOnlyOver1UpTo24) {
    for (Side side : {Side::Hole, Side::Shaft}) {
        const char* t = side == Side::Hole ? "T" : "t";
        EXPECT_TRUE(letterTileEnabled(side, t, 1));
        EXPECT_FALSE(letterTileEnabled(side, t, 1.001));
        EXPECT_FALSE(letterTileEnabled(side, t, 24));
        EXPECT_TRUE(letterTileEnabled(side, t, 24.001));
        EXPECT_TRUE(letterTileEnabled(side, t, 600));
    }
    for (Side side : {Side::Hole, Side::Shaft})
        for (const auto& letter : letters(side))
            if (letter != "T" && letter != "t") {
                EXPECT_TRUE(letterTileEnabled(side, letter, 10)) << letter;
            }
}

TEST(Catalogue, DiameterRangeCheck) {
    struct Case {
        double d;
        bool accepted;
        const char* corrected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Case& c :
         {Case{1, false, "2"}, Case{0, false, "2"}, Case{-3, false, "2"}, Case{1.0000001, true, ""},
          Case{2, true, ""}, Case{500, true, ""}, Case{500.1, false, "500"},
          Case{600, false, "500"}, Case{inf, false, "500"}, Case{-inf, false, "2"},
          Case{std::nan(""), false, "2"}}) {
        const auto check = checkDiameter(c.d);
        EXPECT_EQ(check.accepted, c.accepted) << c.d;
        EXPECT_EQ(check.correctedText, c.corrected) << c.d;
    }
    EXPECT_STREQ(kDiameterMessage,
                 "Le diamètre doit être supérieur à 1 et inférieur ou égal à 500");
}

// Points that sample every size range inside a band: just over each range's
// lower limit and at its upper limit. Table and catalogue limits are all range
// limits, so this reaches every distinct case.
std::vector<double> samplePoints(int over, int upTo) {
    std::vector<double> out;
    for (const Band& r : sizeRanges()) {
        if (r.upTo <= over || r.over >= upTo) continue;
        out.push_back(std::max(r.over, over) + 0.001);
        out.push_back(std::min(r.upTo, upTo));
    }
    return out;
}

// Every grade the catalogue offers, at any diameter, has a table entry.
TEST(CatalogueInvariant, EveryOfferedGradeHasATableEntry) {
    int checked = 0;
    for (Side side : {Side::Hole, Side::Shaft}) {
        for (const auto& letter : letters(side)) {
            const auto bands = availabilityBands(side, letter);
            ASSERT_FALSE(bands.empty()) << letter;
            for (const auto& band : bands) {
                const auto points =
                    band.anyDiameter ? samplePoints(1, 500) : samplePoints(band.over, band.upTo);
                for (double d : points)
                    for (int g : band.grades) {
                        const std::string key = classKey(side, letter, g);
                        EXPECT_TRUE(deviations(side, key, d).has_value()) << key << " at " << d;
                        ++checked;
                    }
            }
        }
    }
    EXPECT_GT(checked, 3000);
}

// Conversely, a class has an entry exactly where its letter offers its grade.
TEST(CatalogueInvariant, TableEntriesExistOnlyWhereTheGradeIsOffered) {
    for (Side side : {Side::Hole, Side::Shaft})
        for (const auto& letter : letters(side))
            for (int g = firstGrade(side); g <= lastGrade(side); ++g) {
                const std::string key = classKey(side, letter, g);
                for (double d : samplePoints(1, 500))
                    EXPECT_EQ(deviations(side, key, d).has_value(), isOffered(side, letter, g, d))
                        << key << " at " << d;
            }
}

// The first and last band of each partial class hold at their edges, and a
// diameter just outside finds nothing.
TEST(CatalogueInvariant, PartialCoverageEdges) {
    int partial = 0;
    for (Side side : {Side::Hole, Side::Shaft})
        for (const auto& key : classKeys(side)) {
            const auto bands = classCoverage(side, key);
            ASSERT_FALSE(bands.empty()) << key;
            if (bands.size() == 1 && bands[0].over == 1 && bands[0].upTo == 500) continue;
            ++partial;
            for (const Band& b : bands) {
                EXPECT_TRUE(deviations(side, key, b.over + 0.001).has_value()) << key;
                EXPECT_TRUE(deviations(side, key, b.upTo).has_value()) << key;
            }
            EXPECT_FALSE(deviations(side, key, bands.front().over).has_value()) << key;
            EXPECT_FALSE(deviations(side, key, bands.back().upTo + 0.001).has_value()) << key;
            if (bands.size() == 2) {  // the gap between two bands
                EXPECT_FALSE(deviations(side, key, bands[0].upTo + 0.001).has_value()) << key;
                EXPECT_FALSE(deviations(side, key, bands[1].over).has_value()) << key;
            }
        }
    EXPECT_EQ(partial, 39 + 40);
}

TEST(CatalogueInvariant, SpecificCoverages) {
    struct Case {
        Side side;
        const char* key;
        std::vector<std::pair<int, int>> bands;
    };
    for (const Case& c :
         {Case{Side::Hole, "U10", {{3, 18}, {40, 500}}}, Case{Side::Hole, "T9", {{200, 500}}},
          Case{Side::Hole, "H18", {{10, 500}}}, Case{Side::Hole, "H7", {{1, 500}}},
          Case{Side::Shaft, "u9", {{3, 18}, {24, 500}}}, Case{Side::Shaft, "t5", {{24, 120}}},
          Case{Side::Shaft, "zb11", {{6, 500}}}, Case{Side::Shaft, "e11*", {{1, 500}}},
          Case{Side::Shaft, "e11", {}}}) {
        std::vector<std::pair<int, int>> got;
        for (const Band& b : classCoverage(c.side, c.key)) got.emplace_back(b.over, b.upTo);
        EXPECT_EQ(got, c.bands) << c.key;
    }
}

}  // namespace

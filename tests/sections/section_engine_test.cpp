#include "section_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace torvel::sections;
using torvel::Outcome;

namespace {

const char* const kFields[] = {"TextyG", "TextzG",   "TextS",    "TextIGy", "TextIGz",
                               "TextIG", "TextIGyv", "TextIGzv", "Textry",  "Textrz"};

std::vector<std::string> writtenTexts(const Outcome& out) {
    std::vector<std::string> texts;
    for (const auto& step : out.steps()) {
        EXPECT_EQ(step.kind, torvel::Step::Kind::Write);
        texts.push_back(step.text);
    }
    return texts;
}

std::vector<std::string> targets(const Outcome& out) {
    std::vector<std::string> names;
    for (const auto& step : out.steps()) names.push_back(step.target);
    return names;
}

std::string withComma(std::string s) {
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

Outcome run(SectionResults& r, const char* shape, const char* a, const char* b = "0",
            const char* c = "0", const char* d = "0", char sep = '.') {
    return calculateSection(r, {shape, a, b, c, d}, sep);
}

bool sameResults(const SectionResults& x, const SectionResults& y) {
    return x.yG == y.yG && x.zG == y.zG && x.S == y.S && x.IGy == y.IGy && x.IGz == y.IGz &&
           x.IG == y.IG && x.IGyv == y.IGyv && x.IGzv == y.IGzv && x.ry == y.ry && x.rz == y.rz;
}

}  // namespace

// Worked examples to the displayed text: yG, zG, S, IGy, IGz, IG, IGy/v, IGz/v, ry, rz.
TEST(SectionEngine, WorkedExamplesInBothSeparators) {
    struct Case {
        const char* shape;
        const char *a, *b, *c, *d;
        std::vector<std::string> texts;
    };
    // clang-format off
    const Case cases[] = {
        {"Rectangle Plein", "40", "20", "0", "0",
         {"0.000", "0.000", "800.000", "26666.666", "106666.664", "133333.328", "2666.667",
          "5333.333", "5.774", "11.547"}},
        {"Rectangle Creux", "60", "40", "50", "30",
         {"0.000", "0.000", "900.000", "407500.000", "207500.000", "615000.000", "13583.333",
          "10375.000", "21.279", "15.184"}},
        {"Cylindre Plein", "10", "7", "8", "9",
         {"0.000", "0.000", "78.540", "490.874", "490.874", "981.748", "98.175", "98.175",
          "2.500", "2.500"}},
        {"Cylindre Creux", "50", "30", "0", "0",
         {"0.000", "0.000", "1256.637", "267035.375", "267035.375", "534070.750", "10681.415",
          "10681.415", "14.577", "14.577"}},
        {"Triangle Base", "30", "20", "0", "0",
         {"20.000", "0.000", "300.000", "5000.000", "45000.000", "50000.000", "500.000",
          "1500.000", "4.082", "12.247"}},
        {"Triangle Centre", "30", "20", "0", "0",
         {"20.000", "0.000", "300.000", "5000.000", "15000.000", "20000.000", "500.000",
          "750.000", "4.082", "7.071"}},
        {"Hexagone Regulier", "10", "17.32", "0", "0",
         {"0.000", "0.000", "259.808", "5411.964", "5411.964", "10823.929", "625.042", "541.391",
          "4.564", "4.564"}},
        {"Trapèze", "60", "30", "40", "0",
         {"17.778", "0.000", "1800.000", "0.000", "231111.109", "231111.109", "0.000",
          "10400.000", "0.000", "11.331"}},
        {"Ellipse", "30", "20", "0", "0",
         {"0.000", "0.000", "1884.956", "188495.563", "424115.000", "612610.563", "9424.778",
          "14137.167", "10.000", "15.000"}},
        {"Profilé L", "100", "100", "10", "0",
         {"28.684", "28.684", "1900.000", "1800043.875", "1800043.875", "3600087.750",
          "25240.467", "25240.467", "30.780", "30.780"}},
        {"Profilé L", "80", "50", "6", "0",
         {"26.871", "11.871", "744.000", "150483.609", "489963.625", "640447.250", "3946.694",
          "9222.145", "14.222", "25.662"}},
        {"Profilé T", "60", "80", "8", "0",
         {"44.182", "0.000", "1056.000", "343552.000", "324061.094", "667613.125", "8588.800",
          "7334.716", "18.037", "17.518"}},
        {"Profilé U", "50", "100", "8", "10",
         {"14.756", "0.000", "1640.000", "2190986.750", "337569.125", "2528556.000", "43819.734",
          "9578.086", "36.551", "14.347"}},
        // No web: two flanges, yG = a/2 and S = 2·a·c.
        {"Profilé U", "40", "100", "10", "0",
         {"20.000", "0.000", "800.000", "1626666.625", "106666.664", "1733333.250", "32533.332",
          "5333.333", "45.092", "11.547"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (char sep : {'.', ','}) {
            SectionResults r;
            const Outcome out = run(r, c.shape, c.a, c.b, c.c, c.d, sep);
            ASSERT_FALSE(out.stopped()) << c.shape << " " << out.messages().front();
            EXPECT_EQ(targets(out),
                      std::vector<std::string>(std::begin(kFields), std::end(kFields)));
            std::vector<std::string> expected = c.texts;
            if (sep == ',')
                for (auto& t : expected) t = withComma(t);
            EXPECT_EQ(writtenTexts(out), expected) << c.shape << " a=" << c.a << " sep=" << sep;
        }
    }
}

TEST(SectionEngine, ZeroTestsThenConditionsStrictly) {
    struct Case {
        const char* shape;
        const char *a, *b, *c, *d;
        const char* message;  // nullptr: computes
    };
    const char* M = kMsgMissingData;
    const char* X = kMsgImpossible;
    // clang-format off
    const Case cases[] = {
        {"Rectangle Plein", "0", "20", "1", "1", M},
        {"Rectangle Plein", "40", "", "1", "1", M},
        {"Rectangle Plein", "40", "20", "0", "0", nullptr},
        {"Rectangle Creux", "60", "40", "50", "0", M},
        {"Rectangle Creux", "60", "40", "0", "30", M},
        {"Rectangle Creux", "60", "40", "60", "30", X},
        {"Rectangle Creux", "60", "40", "50", "40", X},
        {"Rectangle Creux", "60", "40", "59.99", "39.99", nullptr},
        {"Cylindre Plein", "0", "5", "5", "5", M},
        {"Cylindre Plein", "abc", "5", "5", "5", M},
        {"Cylindre Plein", "1", "0", "0", "0", nullptr},
        {"Cylindre Creux", "50", "0", "0", "0", M},
        {"Cylindre Creux", "50", "50", "0", "0", X},
        {"Cylindre Creux", "50", "60", "0", "0", X},
        {"Triangle Base", "30", "0", "0", "0", M},
        {"Triangle Centre", "0", "20", "0", "0", M},
        {"Hexagone Regulier", "10", "10", "0", "0", X},
        // b must be √3·a within 1 % of b (17.3205 for a = 10).
        {"Hexagone Regulier", "10", "20", "0", "0", X},
        {"Hexagone Regulier", "10", "17.5", "0", "0", X},
        {"Hexagone Regulier", "10", "17.49", "0", "0", nullptr},
        {"Hexagone Regulier", "10", "17.15", "0", "0", nullptr},
        {"Hexagone Regulier", "10", "17.14", "0", "0", X},
        {"Hexagone Regulier", "10", "0", "0", "0", M},
        {"Trapèze", "60", "30", "0", "0", M},
        {"Trapèze", "0", "30", "40", "0", M},
        {"Trapèze", "30", "30", "40", "0", X},
        {"Trapèze", "30", "60", "40", "0", X},
        {"Ellipse", "20", "20", "0", "0", X},
        {"Ellipse", "20", "30", "0", "0", X},
        {"Ellipse", "0", "0", "0", "0", M},
        {"Profilé L", "100", "100", "0", "0", M},
        {"Profilé L", "10", "100", "10", "0", X},
        {"Profilé L", "100", "10", "10", "0", X},
        {"Profilé T", "60", "80", "0", "0", M},
        {"Profilé T", "8", "80", "8", "0", X},
        {"Profilé T", "60", "8", "8", "0", X},
        {"Profilé T", "60", "80", "8", "123456", nullptr},  // d is never looked at
        {"Profilé U", "50", "100", "0", "10", M},
        {"Profilé U", "0", "100", "8", "10", M},
        {"Profilé U", "50", "100", "50", "10", X},  // 2·c = b
        {"Profilé U", "50", "100", "49.99", "10", nullptr},
        {"Profilé U", "50", "100", "8", "50", X},  // a = d
        {"Profilé U", "50", "100", "8", "0", nullptr},
        // A zero is reported before an inconsistency.
        {"Rectangle Creux", "10", "40", "50", "0", M},
        {"Profilé U", "50", "10", "50", "0", X},
        {"Profilé U", "0", "10", "50", "60", M},
        // Pasted negative lengths would give a negative area.
        {"Rectangle Plein", "-40", "20", "0", "0", X},
        {"Profilé U", "50", "100", "8", "-1", X},
        {"Cylindre Plein", "-10", "0", "0", "0", X},
    };
    // clang-format on
    for (const auto& c : cases) {
        SectionResults r;
        r.yG = 7;
        const SectionResults before = r;
        const Outcome out = run(r, c.shape, c.a, c.b, c.c, c.d);
        const std::string where =
            std::string(c.shape) + " " + c.a + "/" + c.b + "/" + c.c + "/" + c.d;
        if (c.message) {
            ASSERT_EQ(out.steps().size(), 1u) << where;
            EXPECT_TRUE(out.stopped()) << where;
            EXPECT_EQ(out.messages().front(), c.message) << where;
            EXPECT_TRUE(sameResults(r, before)) << where;
        } else {
            EXPECT_EQ(out.steps().size(), 10u) << where;
            EXPECT_FALSE(out.stopped()) << where;
        }
    }
}

TEST(SectionEngine, TwiceCIsComparedAsAStoredSingle) {
    // 2·c overflows a single: the flanges cannot fit inside b.
    SectionResults r;
    EXPECT_STREQ(computeSection(Shape::ProfileU, 3e38f, 3.4e38f, 2e38f, 0, r), kMsgImpossible);
}

TEST(SectionEngine, TrapezeHasNoMomentAboutY) {
    SectionResults r;
    r.IGy = 5;
    r.IGyv = 6;
    r.ry = 7;
    ASSERT_FALSE(run(r, "Trapèze", "10", "4", "3").stopped());
    EXPECT_EQ(r.IGy, 0.0f);
    EXPECT_EQ(r.IGyv, 0.0f);
    EXPECT_EQ(r.ry, 0.0f);
    EXPECT_EQ(r.IG, r.IGz);
    EXPECT_GT(r.IGz, 0.0f);
}

TEST(SectionEngine, ZGIsKeptFromTheLastL) {
    SectionResults r;
    ASSERT_FALSE(run(r, "Profilé L", "80", "50", "6").stopped());
    const float zG = r.zG;
    EXPECT_NE(zG, 0.0f);
    for (const char* shape : {"Rectangle Plein", "Profilé T", "Ellipse", "Trapèze"}) {
        const Outcome out = run(r, shape, "30", "20", "5", "1");
        ASSERT_FALSE(out.stopped()) << shape;
        EXPECT_EQ(r.zG, zG) << shape;
        EXPECT_EQ(*out.written("TextzG"), "11.871") << shape;
    }
    ASSERT_FALSE(run(r, "Profilé L", "100", "100", "10").stopped());
    EXPECT_EQ(*run(r, "Cylindre Plein", "10").written("TextzG"), "28.684");
}

TEST(SectionEngine, AStopChangesNoResult) {
    SectionResults r;
    ASSERT_FALSE(run(r, "Profilé L", "80", "50", "6").stopped());
    const SectionResults before = r;
    for (const auto& [shape, a] : {std::pair{"Ellipse", "0"}, std::pair{"Ellipse", "1"},
                                   std::pair{"Cylindre Plein", "1e10"}})
        EXPECT_TRUE(run(r, shape, a, "2").stopped()) << shape << a;
    EXPECT_TRUE(sameResults(r, before));
}

TEST(SectionEngine, UnknownShapeAsksForAChoice) {
    for (const char* name : {"", "rectangle plein", "Rectangle Plein ", "Profile L", "Trapeze"}) {
        SectionResults r;
        r.S = 3;
        const Outcome out = run(r, name, "40", "20", "5", "5");
        ASSERT_EQ(out.steps().size(), 1u) << name;
        EXPECT_TRUE(out.stopped());
        EXPECT_EQ(out.messages().front(), kMsgUnknownShape);
        EXPECT_EQ(r.S, 3.0f);
    }
}

TEST(SectionEngine, OverflowIsImpossibleNeverInfinite) {
    struct Case {
        const char* shape;
        const char *a, *b;
    };
    // A diameter of 1e10 mm to the fourth power leaves the single range; an entry
    // beyond the single range cannot be held at all.
    const Case cases[] = {{"Cylindre Plein", "1e10", "0"},
                          {"Rectangle Plein", "1e20", "1e20"},
                          {"Rectangle Plein", "1e39", "1"},
                          {"Ellipse", "1e400", "1"},
                          {"Rectangle Plein", "1e-30", "1e-30"}};
    for (const auto& c : cases) {
        SectionResults r;
        const Outcome out = run(r, c.shape, c.a, c.b);
        ASSERT_TRUE(out.stopped()) << c.shape << " " << c.a;
        EXPECT_EQ(out.messages().front(), kMsgImpossible);
    }
    // An unused dimension beyond the range does not matter.
    SectionResults r;
    EXPECT_FALSE(run(r, "Cylindre Plein", "10", "1e400", "-1e400", "1e39").stopped());
}

TEST(SectionEngine, TinyEntriesReadAsZero) {
    EXPECT_EQ(readDimension("1e-50"), 0.0f);
    EXPECT_EQ(readDimension("2.5"), 2.5f);
    EXPECT_EQ(readDimension("12 5"), 125.0f);
    EXPECT_EQ(readDimension("3,5"), 3.5f);
    EXPECT_TRUE(std::isinf(readDimension("1e39")));
    SectionResults r;
    EXPECT_EQ(run(r, "Rectangle Plein", "1e-50", "1").messages().front(), kMsgMissingData);
}

// Dimensions from zero through tiny and huge to inconsistent, every shape: each
// run ends in one stop message or in ten finite, displayable results.
TEST(SectionEngine, SweepEndsInAMessageOrFiniteResults) {
    const float values[] = {
        0.0f,  1e-30f, 1e-6f, 0.001f, 1.0f,  2.5f,  10.0f,
        99.9f, 1e4f,   1e10f, 1e20f,  3e38f, -5.0f, std::numeric_limits<float>::infinity()};
    int computed = 0;
    for (Shape shape :
         {Shape::RectanglePlein, Shape::RectangleCreux, Shape::CylindrePlein, Shape::CylindreCreux,
          Shape::TriangleBase, Shape::TriangleCentre, Shape::HexagoneRegulier, Shape::Trapeze,
          Shape::Ellipse, Shape::ProfileL, Shape::ProfileT, Shape::ProfileU})
        for (float a : values)
            for (float b : values)
                for (float c : values)
                    for (float d : values) {
                        SectionResults r;
                        if (computeSection(shape, a, b, c, d, r) != nullptr) continue;
                        ++computed;
                        for (float v :
                             {r.yG, r.zG, r.S, r.IGy, r.IGz, r.IG, r.IGyv, r.IGzv, r.ry, r.rz})
                            ASSERT_TRUE(std::isfinite(v)) << shapeName(shape) << a << b << c << d;
                        ASSERT_GT(r.S, 0.0f);
                        ASSERT_GE(r.IGy, 0.0f);
                        ASSERT_GE(r.IGz, 0.0f);
                    }
    EXPECT_GT(computed, 1000);

    // The same through the texts, on a sample: the written texts are numbers.
    const char* texts[] = {"",     "0",    "1e-30", "0.001", "7", "55.5",
                           "1e12", "3e38", "1e39",  "-2",    "x"};
    for (auto name : shapeNames())
        for (const char* a : texts)
            for (const char* b : texts)
                for (const char* c : {"0", "3", "1e15"}) {
                    SectionResults r;
                    const Outcome out = calculateSection(r, {name, a, b, c, "4"}, ',');
                    if (out.stopped()) {
                        ASSERT_EQ(out.steps().size(), 1u);
                        continue;
                    }
                    ASSERT_EQ(out.steps().size(), 10u);
                    for (const auto& s : out.steps())
                        ASSERT_EQ(s.text.find_first_not_of("-0123456789,"), std::string::npos)
                            << name << " " << a << " " << b << " " << c << " " << s.text;
                }
}

TEST(SectionCatalogue, NamesPicturesAndVisibility) {
    const auto& names = shapeNames();
    // clang-format off
    const char* expected[] = {"Rectangle Plein", "Rectangle Creux",   "Cylindre Plein",
                              "Cylindre Creux",  "Triangle Base",     "Triangle Centre",
                              "Hexagone Regulier", "Trapèze",         "Ellipse",
                              "Profilé L",       "Profilé T",         "Profilé U"};
    // clang-format on
    const char* pictures[] = {"Rectangle-Plein.bmp",   "Rectangle-Creux.bmp", "Cylindre-Plein.bmp",
                              "Cylindre-Creux.bmp",    "Triangle-Base.bmp",   "Triangle-Centre.bmp",
                              "Hexagone-Regulier.bmp", "Trapeze.bmp",         "Ellipse.bmp",
                              "Profile-L.bmp",         "Profile-T.bmp",       "Profile-U.bmp"};
    // Shown: entries a b c d, yG, zG, the y-bending results (IGy, IGy/v, ry, IG).
    const char* views[] = {"ab..--y", "abcd--y", "a...--y", "ab..--y", "ab..Y-y", "ab..Y-y",
                           "ab..--y", "abc.Y--", "ab..--y", "abc.YZy", "abc.Y-y", "abcdY-y"};
    ASSERT_EQ(names.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(names[i], expected[i]);
        const auto layout = shapeLayout(expected[i]);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->picture, pictures[i]);
        auto shown = [&](const std::string& control) {
            for (const auto& [name, on] : layout->visible)
                if (name == control) return on;
            ADD_FAILURE() << "no " << control;
            return false;
        };
        const std::string v = views[i];
        const bool y = v[6] == 'y';
        // clang-format off
        const std::pair<std::string, bool> want[] = {
            {"Texta", v[0] == 'a'},   {"Labela", v[0] == 'a'},   {"Textb", v[1] == 'b'},
            {"Labelb", v[1] == 'b'},  {"Textc", v[2] == 'c'},    {"Labelc", v[2] == 'c'},
            {"Textd", v[3] == 'd'},   {"Labeld", v[3] == 'd'},   {"Frame3", v[4] == 'Y'},
            {"TextyG", v[4] == 'Y'},  {"LabelyG", v[4] == 'Y'},  {"TextzG", v[5] == 'Z'},
            {"LabelzG", v[5] == 'Z'}, {"Frame5", y},             {"TextIG", y},
            {"TextIGy", y},           {"LabelIGyv", y},          {"Textry", y},
            {"Labelry", y},           {"TextS", true},           {"TextIGz", true},
            {"LabelIGzv", true},      {"Textrz", true},          {"Labelrz", true},
        };
        // clang-format on
        for (const auto& [control, on] : want)
            EXPECT_EQ(shown(control), on) << expected[i] << control;
    }
    EXPECT_FALSE(shapeLayout("Carré"));
    EXPECT_FALSE(shapeLayout(""));
}

#include "modified_life.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bearing_life.h"

using namespace torvel::bearings;
using torvel::Outcome;
using torvel::Step;

namespace {

// "Manuel" with X = 1 and Y = 0: P is Fr as kept in single precision, and the
// basic life says nothing (P <= C/2, Po·So <= Co).
BearingEntries manual(std::string element, std::string type, std::string fr, std::string c,
                      std::string n) {
    BearingEntries in;
    in.element = std::move(element);
    in.type = std::move(type);
    in.mode = kManuel;
    in.fr = std::move(fr);
    in.fa = "1";
    in.co = "1e9";
    in.c = std::move(c);
    in.n = std::move(n);
    in.e = "0.5";
    in.x = "1";
    in.y = "0.0";
    in.xo = "1";
    in.yo = "0.0";
    return in;
}

ModifiedLifeEntries group(std::string d, std::string dExt, std::string cu, std::string nu40,
                          std::string nu100, std::string t, std::string cleanliness) {
    return {std::move(d),     std::move(dExt), std::move(cu),         std::move(nu40),
            std::move(nu100), std::move(t),    std::move(cleanliness)};
}

// The texts written to the group's targets, in order of writing.
std::vector<std::string> groupWrites(const Outcome& out) {
    std::vector<std::string> v;
    for (const auto& s : out.steps())
        if (s.kind == Step::Kind::Write)
            for (const char* target : kModifiedLifeTargets)
                if (s.target == target) v.push_back(s.target + "=" + s.text);
    return v;
}

std::vector<std::string> named(const std::vector<std::string>& texts) {
    std::vector<std::string> v;
    for (size_t i = 0; i < texts.size(); ++i)
        v.push_back(kModifiedLifeTargets[i] + ("=" + texts[i]));
    return v;
}

std::vector<std::string> tagged(const Outcome& out) {
    std::vector<std::string> v;
    for (const auto& s : out.steps())
        if (s.kind == Step::Kind::Warning || s.kind == Step::Kind::Stop)
            v.push_back((s.kind == Step::Kind::Warning ? "W:" : "S:") + s.text);
    return v;
}

const std::vector<std::string> kEmpty(std::size(kModifiedLifeTargets), "");

struct GeneratedCase {
    const char *element, *type, *fr, *c, *n;
    const char *d, *dExt, *cu, *nu40, *nu100, *t, *cleanliness, *reliability;
    std::vector<std::string> messages;
    std::vector<std::string> texts;
};

const GeneratedCase kCases[] = {
#include "modified_life_cases.inc"
};

}  // namespace

// Every kind in every κ range, the cap, each cleanliness level on both sides of
// dm = 100 mm, speeds on both sides of 1000 r/min, every reliability.
TEST(ModifiedLife, EveryCaseMatchesTheIndependentModel) {
    for (const auto& c : kCases) {
        BearingState state;
        BearingEntries in = manual(c.element, c.type, c.fr, c.c, c.n);
        in.reliability = c.reliability;
        in.modified = group(c.d, c.dExt, c.cu, c.nu40, c.nu100, c.t, c.cleanliness);
        const Outcome out = calculateBearing(state, in, '.');
        const std::string where = std::string(c.element) + " " + c.type + " P=" + c.fr +
                                  " N=" + c.n + " T=" + c.t + " " + c.cleanliness + " " +
                                  c.reliability;
        EXPECT_EQ(tagged(out), c.messages) << where;
        EXPECT_EQ(groupWrites(out), named(c.texts)) << where;
        EXPECT_NE(out.written("TextL10"), nullptr) << where;
    }
    EXPECT_EQ(std::size(kCases), 58u);
}

// One warning after the basic life's own, naming the wrong value; the group's
// boxes emptied, the basic results written. The limits themselves pass.
TEST(ModifiedLife, RefusedChecksNameTheWrongValue) {
    struct Case {
        const char* field;
        const char* value;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"d", "0", kMsgModifiedBore},
        {"d", "-40", kMsgModifiedBore},
        {"d", "1e400", kMsgModifiedBore},
        {"D", "40", kMsgModifiedOuter},
        {"D", "39.9", kMsgModifiedOuter},
        {"Cu", "0", kMsgModifiedCu},
        {"Cu", "abc", kMsgModifiedCu},
        {"nu100", "1.99", kMsgModifiedNu100},
        {"nu100", "2", nullptr},
        {"nu40", "8.5", kMsgModifiedNu40},
        {"nu40", "8.6", nullptr},
        {"T", "-0.1", kMsgModifiedTemperature},
        {"T", "0", nullptr},
        {"T", "150", nullptr},
        {"T", "150.01", kMsgModifiedTemperature},
        // Once the group is in use, an entry left empty or holding no number is
        // refused, not read as 0 (an empty T gave the life of an oil at 0 °C).
        {"T", "", kMsgModifiedTemperature},
        {"T", "  ", kMsgModifiedTemperature},
        {"T", "abc", kMsgModifiedTemperature},
        {"T", "-", kMsgModifiedTemperature},
        {"T", " 7 0,5 ", nullptr},
        {"d", "", kMsgModifiedBore},
        {"D", "x", kMsgModifiedOuter},
        {"Cu", "", kMsgModifiedCu},
        {"nu100", ".", kMsgModifiedNu100},
        {"nu40", "", kMsgModifiedNu40},
        {"N", "0", kMsgModifiedSpeed},
        {"cleanliness", "Propre", kMsgModifiedCleanliness},
        {"reliability", "93%", kMsgModifiedReliability},
        {"type", "à aiguilles", kMsgModifiedType},
        // Several wrong values: the first in the order d, D, Cu, ν100, ν40, T, N.
        {"nu100+T", "1", kMsgModifiedNu100},
    };
    for (const auto& c : cases) {
        BearingState state;
        BearingEntries in = manual("Roulement", "à billes", "5000", "9000", "1000");
        in.modified = group("40", "80", "800", "68", "8.5", "70", "Propreté normale");
        const std::string f = c.field;
        if (f == "d") in.modified.d = c.value;
        if (f == "D") in.modified.dExt = c.value;
        if (f == "Cu") in.modified.cu = c.value;
        if (f == "nu100" || f == "nu100+T") in.modified.nu100 = c.value;
        if (f == "nu40") in.modified.nu40 = c.value;
        if (f == "T") in.modified.t = c.value;
        if (f == "nu100+T") in.modified.t = "200";
        if (f == "N") in.n = c.value;
        if (f == "cleanliness") in.modified.cleanliness = c.value;
        if (f == "reliability") in.reliability = c.value;
        if (f == "type") in.type = c.value;
        // An unmatched type keeps the exponent of the previous run: give it one.
        state.p = 3.0f;
        const Outcome out = calculateBearing(state, in, ',');
        const std::string where = f + "=" + c.value;
        std::vector<std::string> expected = {std::string("W:") + kMsgPLarge};  // 5000 > 9000/2
        if (c.message) expected.push_back(std::string("W:") + c.message);
        EXPECT_EQ(tagged(out), expected) << where;
        EXPECT_NE(out.written("TextL10"), nullptr) << where;
        if (c.message)
            EXPECT_EQ(groupWrites(out), named(kEmpty)) << where;
        else
            EXPECT_FALSE(out.written("TextLnm")->empty()) << where;
        EXPECT_FALSE(out.stopped()) << where;
    }
}

// The group is optional: all five zero leaves it alone, unless an earlier run
// filled it, which is then emptied once. A stopped basic life adds nothing.
TEST(ModifiedLife, OptionalGroupIsLeftAloneOrEmptiedOnce) {
    BearingState state;
    BearingEntries in = manual("Roulement", "à billes", "5000", "60000", "1000");
    const ModifiedLifeEntries filled =
        group("40", "80", "800", "68", "8.5", "70", "Propreté normale");
    const ModifiedLifeEntries zero;
    struct Run {
        const char* what;
        const ModifiedLifeEntries& entries;
        const char* fr;
        std::vector<std::string> expected;  // group writes, when not filled
    };
    const ModifiedLifeEntries unread = group("0", "0.0", "", " ", "-0", "", "?");
    const Run runs[] = {
        {"never filled", unread, "5000", {}},
        {"filled", filled, "5000", {}},
        {"zeroed", zero, "5000", named(kEmpty)},
        {"still zero", zero, "5000", {}},
        {"filled again", filled, "5000", {}},
        {"basic life stops", zero, "0", {}},
        {"zeroed after the stop", zero, "5000", named(kEmpty)},
    };
    for (const auto& r : runs) {
        in.modified = r.entries;
        in.fr = r.fr;
        const Outcome out = calculateBearing(state, in, '.');
        if (&r.entries == &filled) {
            EXPECT_EQ(groupWrites(out).size(), std::size(kModifiedLifeTargets)) << r.what;
            EXPECT_FALSE(out.written("TextLnm")->empty()) << r.what;
        } else {
            EXPECT_EQ(groupWrites(out), r.expected) << r.what;
        }
        EXPECT_EQ(out.messages().size(), std::string(r.fr) == "0" ? 1u : 0u) << r.what;
    }
}

// In use once d, D, Cu, ν40 or ν100 holds more than blanks or a zero; T and
// the cleanliness alone do not count.
TEST(ModifiedLife, InUseOnceAnEntryHoldsANonZeroText) {
    const std::pair<ModifiedLifeEntries, bool> cases[] = {
        {group("0", " 0,00 ", "-0", "", "0", "", ""), false},
        {group("0abc", "0", "0", "0", "0", "120", "Propre"), false},
        {group("40", "0", "0", "0", "0", "70", ""), true},
        {group("0", "abc", "0", "0", "0", "70", ""), true},
        {group("0", "0", "-1", "0", "0", "70", ""), true},
        {group("0", "0", "0", ".5", "0", "70", ""), true},
        {group("0", "0", "0", "0", "1e-9", "70", ""), true},
    };
    for (const auto& [in, used] : cases) EXPECT_EQ(modifiedLifeInUse(in), used) << in.d << in.dExt;
}

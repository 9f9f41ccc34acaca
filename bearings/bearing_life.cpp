#include "bearing_life.h"

#include <cmath>
#include <string>

#include "bearing_tables.h"
#include "numbers.h"
#include "single.h"

namespace torvel::bearings {

std::vector<std::string_view> elementItems() { return {kRoulement, kButee}; }

std::vector<std::string_view> typeItems(std::string_view element) {
    if (element == kRoulement) return {kABilles, kARouleaux, kARotuleBilles, kARotuleRouleaux};
    if (element == kButee) return {kABilles, kARouleaux};
    return {};
}

std::vector<std::string_view> angleItems(std::string_view element) {
    if (element == kRoulement)
        return {kAngleRadial, "5°", "10°", "15°", "20°", "25°", "30°", "35°", "40°", "45°"};
    if (element == kButee)
        return {"45°", "50°", "55°", "60°", "65°", "70°", "75°", "80°", "85°", kAngleAxial};
    return {};
}

std::vector<std::string_view> rowItems(std::string_view element) {
    if (element == kRoulement) return {kUneRangee, kDeuxRangees};
    if (element == kButee) return {kSimpleEffet, kDoubleEffet};
    return {};
}

namespace {

struct Operating {
    std::string_view text;
    float so;
};
constexpr Operating kOperating[] = {
    {"Sans chocs, faibles mouvements de rotation ( x 0.5 )", 0.5f},
    {"Conditions normales, mouvements doux et précis ( x 1 )", 1.0f},
    {"Avec chocs ( x 2 )", 2.0f},
    {"Mouvements très doux et très précis ( x 4 )", 4.0f},
};

struct Reliability {
    std::string_view text;
    float a1;
};
constexpr Reliability kReliability[] = {
    {"90%", 1.0f}, {"95%", 0.62f}, {"96%", 0.53f}, {"97%", 0.44f}, {"98%", 0.33f}, {"99%", 0.21f},
};

constexpr double kPi = 3.14159;  // the value the factors were fitted with

}  // namespace

std::vector<std::string_view> operatingItems() {
    std::vector<std::string_view> items;
    for (const auto& o : kOperating) items.push_back(o.text);
    return items;
}

std::vector<std::string_view> reliabilityItems() {
    std::vector<std::string_view> items;
    for (const auto& r : kReliability) items.push_back(r.text);
    return items;
}

std::vector<std::string_view> modeItems() { return {kAutomatique, kManuel}; }

bool reliabilityFactor(std::string_view reliability, float& a1) {
    for (const auto& r : kReliability)
        if (r.text == reliability) {
            a1 = r.a1;
            return true;
        }
    return false;
}

namespace {

enum class Flow { Go, End };

struct Loads {
    float fr = 0, fa = 0, co = 0, c = 0, n = 0;
};

// One calculation: the state it updates, the outcome it fills.
class Run {
  public:
    Run(BearingState& s, const BearingEntries& in, char sep, Outcome& out)
        : s_(s), in_(in), sep_(sep), out_(out) {}

    void calculate();

  private:
    Flow impossible() {
        out_.stop(kMsgImpossible);
        return Flow::End;
    }
    // Stores a kept value; a value leaving single precision ends the run.
    bool set(float& dst, double v) { return keep(dst, v); }
    std::string fmt(float v, std::string_view pattern) const {
        return formatNumber(v, pattern, sep_);
    }
    void setAngle(double degrees) {
        s_.alpha = static_cast<float>(degrees);
        s_.alphaRad = static_cast<float>(s_.alpha * kPi / 180.0);
    }
    double tanAlpha() const { return std::tan(static_cast<double>(s_.alphaRad)); }
    // Fr·e rounded to single precision, compared with Fa; false when it overflows.
    bool frTimesEAtLeastFa(bool& atLeast) const {
        float product = 0;
        if (!keep(product, static_cast<double>(l_.fr) * s_.e)) return false;
        atLeast = product >= l_.fa;
        return true;
    }

    Flow radialFactors();
    Flow radialBall();
    Flow radialCot(bool selfAligning);
    Flow thrustFactors();
    Flow thrustBall();
    Flow thrustRoller();
    Flow axialWithRadialLoad(const char* message, bool ball);
    bool ratioAboveE(bool& above);
    // The static factors of the row count, then the dynamic ones that
    // `dynamic(above)` sets for the side of e that Fa/Fr lies on.
    template <class Row, class Dynamic>
    Flow rowFactors(const Row& row, bool oneRow, bool twoRows, Dynamic dynamic);
    Flow manualFactors();
    void common();

    BearingState& s_;
    const BearingEntries& in_;
    char sep_;
    Outcome& out_;
    Loads l_;
};

// Fa/Fr rounded to single precision, strictly above e.
bool Run::ratioAboveE(bool& above) {
    float ratio = 0;
    if (!set(ratio, static_cast<double>(l_.fa) / l_.fr)) return false;
    above = ratio > s_.e;
    return true;
}

Flow Run::radialBall() {
    s_.p = 3.0f;
    const bool oneRow = in_.rows == kUneRangee;
    const bool twoRows = in_.rows == kDeuxRangees;
    const double i = oneRow ? 1.0 : 2.0;

    for (const auto& row : smallAngleBallTable()) {
        if (row.angle != in_.angle) continue;
        setAngle(leadingNumber(row.angle));
        // The row count enters the relative axial load of angular-contact bearings
        // only: the static rating of a two-row deep-groove bearing covers both rows.
        const double rowsFactor = row.angle == kAngleRadial ? 1.0 : i;
        if (!set(s_.x, rowsFactor * l_.fa / l_.co)) return impossible();
        const double x = s_.x;
        double e = 0;
        if (row.powerE.c != 0) {
            e = row.powerE.c * std::pow(x, row.powerE.k);
        } else {
            for (double a : row.poly) e = e * x + a;
        }
        if (!set(s_.e, e)) return impossible();
        if (s_.e < row.eMin) {
            s_.e = row.eMin;
            out_.warn(kMsgELimit);
        }
        if (s_.e > row.eMax) {
            s_.e = row.eMax;
            out_.warn(kMsgELimit);
        }
        auto power = [&](const PowerLaw& law, float& dst) {
            return law.c == 0 ? (dst = 0, true) : set(dst, law.c * std::pow(x, law.k));
        };
        return rowFactors(row, oneRow, twoRows, [&](bool above) {
            if (oneRow && !above) {
                s_.X = 1.0f;
                s_.Y = 0.0f;
                return true;
            }
            s_.X = oneRow ? row.x1gt : above ? row.x2gt : row.x2le;
            return power(oneRow ? row.y1gt : above ? row.y2gt : row.y2le, s_.Y);
        });
    }

    for (const auto& row : largeAngleBallTable()) {
        if (row.angle != in_.angle) continue;
        setAngle(leadingNumber(row.angle));
        if (!set(s_.x, i * l_.fa / l_.co)) return impossible();
        s_.e = row.e;
        return rowFactors(row, oneRow, twoRows, [&](bool above) {
            s_.X = oneRow ? (above ? row.x1gt : 1.0f) : (above ? row.x2gt : row.x2le);
            s_.Y = oneRow ? (above ? row.y1gt : 0.0f) : (above ? row.y2gt : row.y2le);
            return true;
        });
    }
    return Flow::Go;  // no angle matched: factors unchanged
}

template <class Row, class Dynamic>
Flow Run::rowFactors(const Row& row, bool oneRow, bool twoRows, Dynamic dynamic) {
    if (!oneRow && !twoRows) return Flow::Go;
    bool above = false;
    if (!ratioAboveE(above)) return impossible();
    s_.Xo = oneRow ? row.xo1 : row.xo2;
    s_.Yo = oneRow ? row.yo1 : row.yo2;
    if (!dynamic(above)) return impossible();
    return Flow::Go;
}

// Radial roller and self-aligning bearings at 5° to 45° (Table of cot α factors).
Flow Run::radialCot(bool selfAligning) {
    const auto angles = angleItems(kRoulement);
    bool listed = false;
    for (size_t k = 1; k < angles.size(); ++k) listed = listed || angles[k] == in_.angle;
    if (!listed) return Flow::Go;

    setAngle(leadingNumber(in_.angle));
    const double t = tanAlpha();
    if (!set(s_.e, 1.5 * t)) return impossible();
    const CotFactors* f = nullptr;
    if (in_.rows == kUneRangee) f = selfAligning ? &kSelfAligningOneRow : &kRollerOneRow;
    if (in_.rows == kDeuxRangees) f = selfAligning ? &kSelfAligningTwoRows : &kRollerTwoRows;
    if (!f) return Flow::Go;
    bool above = false;
    if (!ratioAboveE(above)) return impossible();
    s_.Xo = f->xo;
    if (!set(s_.Yo, f->yoCot / t)) return impossible();
    s_.X = above ? f->xgt : f->xle;
    if (!set(s_.Y, (above ? f->ygtCot : f->yleCot) / t)) return impossible();
    return Flow::Go;
}

Flow Run::radialFactors() {
    if (in_.type == kABilles) return radialBall();
    if (in_.type == kARouleaux) {
        s_.p = static_cast<float>(10.0 / 3.0);
        if (in_.angle != kAngleRadial) return radialCot(false);
        if (l_.fa != 0) {
            out_.warn(kMsgRadialRoller);
            out_.setInput("TextFa", "0");
            out_.rerun();
            return Flow::End;
        }
        setAngle(0);
        s_.e = 0;
        s_.X = 1;
        s_.Y = 0;
        s_.Xo = 1;
        s_.Yo = 0;
        return Flow::Go;
    }
    if (in_.type == kARotuleBilles || in_.type == kARotuleRouleaux) {
        s_.p = in_.type == kARotuleBilles ? 3.0f : static_cast<float>(10.0 / 3.0);
        if (in_.angle == kAngleRadial) {
            out_.warn(kMsgSelfAligning);
            out_.setInput("ComboAngle", "5°");
            out_.rerun();
            return Flow::End;
        }
        return radialCot(true);
    }
    return Flow::Go;
}

Flow Run::axialWithRadialLoad(const char* message, bool ball) {
    out_.stop(message);
    out_.setInput("TextFr", "0");
    if (ball) {
        // These two texts are set as they stand, not formatted: "0.00" in any locale.
        out_.write("TextL10H", "0.00");
        out_.write("TextP", "0.00");
    }
    return Flow::End;
}

Flow Run::thrustBall() {
    s_.p = 3.0f;
    if (in_.angle == kAngleAxial) {
        if (l_.fr != 0) return axialWithRadialLoad(kMsgAxialBall, true);
        setAngle(90);
        s_.e = 0;
        s_.X = 0;
        s_.Y = 1;
        s_.Xo = 0;
        s_.Yo = 1;
        return Flow::Go;
    }
    for (const auto& row : thrustBallTable()) {
        if (row.angle != in_.angle) continue;
        setAngle(leadingNumber(row.angle));
        const double t = tanAlpha();
        if (row.angle == "45°") out_.warn(kMsgThrust45);
        const std::string first = std::string(kMsgSimpleEffet) + "\n" + kMsgRatioAbove;
        if (in_.rows == kSimpleEffet) {
            if ((0.44 / t) * l_.fa < l_.fr) {
                out_.stop(first + std::string(row.limitText));
                return Flow::End;
            }
            s_.e = row.e;
            if (!set(s_.Xo, 2.3 * t)) return impossible();
            s_.Yo = 1;
            bool le = false;
            if (!frTimesEAtLeastFa(le)) return impossible();
            if (le) {
                out_.stop(first + std::string(row.eText));
                return Flow::End;
            }
            s_.X = row.xgt;
            s_.Y = row.ygt;
        } else if (in_.rows == kDoubleEffet) {
            s_.e = row.e;
            if (!set(s_.Xo, 2.3 * t)) return impossible();
            s_.Yo = 1;
            bool le = false;
            if (!frTimesEAtLeastFa(le)) return impossible();
            s_.X = le ? row.xle : row.xgt;
            s_.Y = le ? row.yle : row.ygt;
        }
        return Flow::Go;
    }
    return Flow::Go;
}

Flow Run::thrustRoller() {
    s_.p = static_cast<float>(10.0 / 3.0);
    if (in_.angle == kAngleAxial && l_.fr != 0) return axialWithRadialLoad(kMsgAxialRoller, false);
    const auto angles = angleItems(kButee);
    bool listed = false;
    for (auto a : angles) listed = listed || a == in_.angle;
    if (!listed) return Flow::Go;

    setAngle(leadingNumber(in_.angle));
    const double t = tanAlpha();
    if (!set(s_.e, 1.5 * t)) return impossible();
    if ((0.44 / t) * l_.fa < l_.fr) {
        out_.stop(kMsgRollerTooLow);
        return Flow::End;
    }
    if (!set(s_.Xo, 2.3 * t)) return impossible();
    s_.Yo = 1;
    if (in_.angle == kAngleAxial) {
        s_.e = 0;
        s_.X = 0;
        s_.Y = 1;
        s_.Xo = 0;
        s_.Yo = 1;
        return Flow::Go;
    }
    bool le = false;
    if ((in_.rows == kSimpleEffet || in_.rows == kDoubleEffet) && !frTimesEAtLeastFa(le))
        return impossible();
    if (in_.rows == kSimpleEffet) {
        if (le) {
            out_.stop(kMsgRollerAboveE);
            return Flow::End;
        }
        if (!set(s_.X, t)) return impossible();
        s_.Y = 1;
    } else if (in_.rows == kDoubleEffet) {
        if (le) {
            if (!set(s_.X, 1.5 * t)) return impossible();
            s_.Y = 0.67f;
        } else {
            if (!set(s_.X, t)) return impossible();
            s_.Y = 1;
        }
    }
    return Flow::Go;
}

Flow Run::thrustFactors() {
    if (in_.type == kABilles) return thrustBall();
    if (in_.type == kARouleaux) return thrustRoller();
    return Flow::Go;
}

Flow Run::manualFactors() {
    if (!readSingle(in_.e, s_.e) || !readSingle(in_.x, s_.X) || !readSingle(in_.y, s_.Y) ||
        !readSingle(in_.xo, s_.Xo) || !readSingle(in_.yo, s_.Yo))
        return impossible();
    if (in_.e == "0" || in_.x == "0" || in_.y == "0" || in_.xo == "0" || in_.yo == "0")
        out_.warn(kMsgCoefficients);
    if (in_.type == kABilles || in_.type == kARotuleBilles) s_.p = 3.0f;
    if (in_.type == kARouleaux || in_.type == kARotuleRouleaux)
        s_.p = static_cast<float>(10.0 / 3.0);
    return Flow::Go;
}

void Run::common() {
    reliabilityFactor(in_.reliability, s_.a1);
    if (!set(s_.P, static_cast<double>(s_.X) * l_.fr + static_cast<double>(s_.Y) * l_.fa)) {
        impossible();
        return;
    }
    for (const auto& o : kOperating)
        if (o.text == in_.operating) s_.So = o.so;
    float po = 0;
    if (!set(po, static_cast<double>(s_.Xo) * l_.fr + static_cast<double>(s_.Yo) * l_.fa)) {
        impossible();
        return;
    }
    if (in_.element == kRoulement && po < l_.fr) po = l_.fr;
    if (in_.element == kButee && po < l_.fa) po = l_.fa;
    if (!set(s_.PoSo, static_cast<double>(po) * s_.So)) {
        impossible();
        return;
    }
    if (s_.P == 0) {
        impossible();
        return;
    }
    const double life =
        std::pow(static_cast<double>(l_.c) / s_.P, static_cast<double>(s_.p)) * s_.a1;
    if (!set(s_.L, life)) {
        impossible();
        return;
    }
    if (l_.n != 0) {
        if (!set(s_.Lh, 1e6 * s_.L / (60.0 * l_.n))) {
            impossible();
            return;
        }
    } else {
        s_.Lh = 0;
    }
    if (s_.P > 0.5 * l_.c) out_.warn(kMsgPLarge);
    if (s_.PoSo > l_.co) out_.warn(kMsgPoSo);
    if (l_.fa == 0 || l_.fr == 0) {
        s_.FaFr = 0;
    } else if (!set(s_.FaFr, static_cast<double>(l_.fa) / l_.fr)) {
        impossible();
        return;
    }
    if (!(s_.L >= 0)) {
        // Only negative typed values get here; say so rather than show nothing.
        impossible();
        out_.focus("TextFr");
        return;
    }
    out_.write("TextFaFr", fmt(s_.FaFr, "0.00"));
    out_.write("TextL10", fmt(s_.L, "0.000 000"));
    out_.write("TextP", fmt(s_.P, "0.00"));
    out_.write("TextPo", fmt(s_.PoSo, "0.00"));
    out_.write("TextL10H", fmt(s_.Lh, "0.00"));
    appendModifiedLife(in_.modified,
                       {.element = in_.element,
                        .type = in_.type,
                        .reliability = in_.reliability,
                        .c = l_.c,
                        .P = s_.P,
                        .p = s_.p,
                        .n = l_.n},
                       s_.modifiedShown, sep_, out_);
}

void Run::calculate() {
    if (!readSingle(in_.fa, l_.fa) || !readSingle(in_.fr, l_.fr) || !readSingle(in_.co, l_.co) ||
        !readSingle(in_.c, l_.c) || !readSingle(in_.n, l_.n)) {
        impossible();
        return;
    }
    if (l_.fr == 0 && in_.element == kRoulement) return out_.stop(kMsgRadialLoad);
    if (l_.fa == 0 && in_.element == kButee) return out_.stop(kMsgAxialLoad);
    if (l_.co == 0) return out_.stop(kMsgStaticRating);
    if (l_.c == 0) return out_.stop(kMsgDynamicRating);

    if (in_.mode == kAutomatique) {
        Flow flow = Flow::Go;
        if (in_.element == kRoulement) flow = radialFactors();
        if (in_.element == kButee) flow = thrustFactors();
        if (flow == Flow::End) return;
        out_.write("Texte", fmt(s_.e, "0.00"));
        out_.write("TextX", fmt(s_.X, "0.00"));
        out_.write("TextY", fmt(s_.Y, "0.00"));
        out_.write("TextXo", fmt(s_.Xo, "0.00"));
        out_.write("TextYo", fmt(s_.Yo, "0.00"));
    } else if (in_.mode == kManuel) {
        if (manualFactors() == Flow::End) return;
    }
    common();
}

}  // namespace

Outcome calculateBearing(BearingState& state, const BearingEntries& entries,
                         char decimalSeparator) {
    Outcome out;
    Run(state, entries, decimalSeparator, out).calculate();
    return out;
}

BearingEntries bearingEntries(const Fields& f) {
    // clang-format off
    return {.fr = f["TextFr"], .fa = f["TextFa"], .co = f["TextCo"], .c = f["TextC"], .n = f["TextN"],
            .element = f["ComboElement"], .type = f["ComboType"], .angle = f["ComboAngle"],
            .rows = f["ComboRangées"], .operating = f["ComboFonctionnement"],
            .reliability = f["ComboFiabilité"], .mode = f["ComboCalcul"], .e = f["Texte"],
            .x = f["TextX"], .y = f["TextY"], .xo = f["TextXo"], .yo = f["TextYo"],
            .modified = modifiedLifeEntries(f)};
    // clang-format on
}

}  // namespace torvel::bearings

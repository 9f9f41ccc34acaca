#include "section_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "numbers.h"
#include "single.h"

namespace torvel::sections {

namespace {

constexpr double kPi = std::numbers::pi;

bool anyZero(std::initializer_list<float> values) {
    for (float v : values)
        if (v == 0.0f) return true;
    return false;
}

// A pasted negative length gives a negative area or a root of a negative number:
// the dimensions are as inconsistent as those the conditions refuse.
bool anyNegative(std::initializer_list<float> values) {
    for (float v : values)
        if (v < 0.0f) return true;
    return false;
}

// An L with legs p and q and thickness c: the centroid's distance from the outer
// face of leg q, measured along p; and the second moment about the line through
// the centroid parallel to leg p, the centroid lying at g from that leg's outer face.
double lCentroid(double p, double q, double c) {
    return (p * p + q * c - c * c) / (2 * (p + q - c));
}
double lMoment(double p, double q, double c, double g) {
    return (c * std::pow(q - g, 3) + p * g * g * g - (p - c) * std::pow(g - c, 3)) / 3;
}

}  // namespace

float readDimension(std::string_view text) {
    const double v = leadingNumber(text);
    if (fitsInFloat(v)) return static_cast<float>(v);
    return v < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
}

const char* computeSection(Shape shape, float a, float b, float c, float d,
                           SectionResults& results) {
    // Validation: the zero test of the shape's dimensions, then its condition.
    bool zero = false;
    bool consistent = true;
    switch (shape) {
        case Shape::RectanglePlein:
        case Shape::TriangleBase:
        case Shape::TriangleCentre:
            zero = anyZero({a, b});
            consistent = !anyNegative({a, b});
            break;
        case Shape::RectangleCreux:
            zero = anyZero({a, b, c, d});
            consistent = a > c && b > d && !anyNegative({a, b, c, d});
            break;
        case Shape::CylindrePlein:
            zero = anyZero({a});
            consistent = a > 0;
            break;
        case Shape::CylindreCreux:
        case Shape::Ellipse:
            zero = anyZero({a, b});
            consistent = a > b && !anyNegative({a, b});
            break;
        case Shape::HexagoneRegulier:
            zero = anyZero({a, b});
            // The area is taken from the side a and the moments from the width
            // across flats b: they must describe the same hexagon, b = √3·a.
            consistent = b > a && !anyNegative({a, b}) &&
                         std::fabs(static_cast<double>(b) - std::sqrt(3.0) * a) <= 0.01 * b;
            break;
        case Shape::Trapeze:
            zero = anyZero({a, b, c});
            consistent = a > b && !anyNegative({a, b, c});
            break;
        case Shape::ProfileL:
        case Shape::ProfileT:
            zero = anyZero({a, b, c});
            consistent = a > c && b > c && !anyNegative({a, b, c});
            break;
        case Shape::ProfileU: {
            zero = anyZero({a, b, c});
            // 2·c is compared as a stored single (it only differs on overflow).
            const double twoC = 2.0 * static_cast<double>(c);
            const float twoCStored = fitsInFloat(twoC) ? static_cast<float>(twoC)
                                                       : std::numeric_limits<float>::infinity();
            consistent = twoCStored < b && a > d && !anyNegative({a, b, c, d});
            break;
        }
    }
    if (zero) return kMsgMissingData;
    if (!consistent) return kMsgImpossible;

    const double A = a, B = b, C = c, D = d;
    SectionResults r = results;
    Keep keep;
    switch (shape) {
        case Shape::RectanglePlein:
            r.yG = 0;
            r.S = keep(A * B);
            r.IGy = keep(A * B * B * B / 12);
            r.IGz = keep(B * A * A * A / 12);
            r.IGyv = keep(A * B * B / 6);
            r.IGzv = keep(B * A * A / 6);
            break;
        case Shape::RectangleCreux: {
            const double iy = B * A * A * A - D * C * C * C;
            const double iz = A * B * B * B - C * D * D * D;
            r.yG = 0;
            r.S = keep(A * B - C * D);
            r.IGy = keep(iy / 12);
            r.IGz = keep(iz / 12);
            r.IGyv = keep(iy / (6 * A));
            r.IGzv = keep(iz / (6 * B));
            break;
        }
        case Shape::CylindrePlein:
            r.yG = 0;
            r.S = keep(kPi * (A / 2) * (A / 2));
            r.IGy = keep(kPi * A * A * A * A / 64);
            r.IGz = keep(kPi * A * A * A * A / 64);
            r.IGyv = keep(kPi * A * A * A / 32);
            r.IGzv = keep(kPi * A * A * A / 32);
            break;
        case Shape::CylindreCreux: {
            const double q = A * A * A * A - B * B * B * B;
            r.yG = 0;
            r.S = keep(kPi * ((A / 2) * (A / 2) - (B / 2) * (B / 2)));
            r.IGy = keep(kPi * q / 64);
            r.IGz = keep(kPi * q / 64);
            r.IGyv = keep(kPi * q / (32 * A));
            r.IGzv = keep(kPi * q / (32 * A));
            break;
        }
        case Shape::TriangleBase:
        case Shape::TriangleCentre: {
            const bool base = shape == Shape::TriangleBase;
            r.yG = keep(2 * A / 3);
            r.S = keep(A * B / 2);
            r.IGy = keep(A * B * B * B / 48);
            r.IGz = keep(B * A * A * A / (base ? 12 : 36));
            r.IGyv = keep(A * B * B / 24);
            r.IGzv = keep(B * A * A / (base ? 12 : 24));
            break;
        }
        case Shape::HexagoneRegulier:
            r.yG = 0;
            r.S = keep(1.5 * std::sqrt(3.0) * A * A);
            r.IGy = keep(0.06014 * B * B * B * B);
            r.IGz = keep(0.06014 * B * B * B * B);
            r.IGyv = keep(0.1203 * B * B * B);
            r.IGzv = keep(0.1042 * B * B * B);
            break;
        case Shape::Trapeze: {
            r.yG = keep((A + 2 * B) * (C / 3) / (A + B));
            r.S = keep((A + B) * 0.5 * C);
            r.IGy = 0;
            r.IGyv = 0;
            r.IGz = keep(C * C * C * ((A + B) * (A + B) + 2 * A * B) / (36 * (A + B)));
            r.IGzv = keep(static_cast<double>(r.IGz) / (C - r.yG));
            break;
        }
        case Shape::Ellipse:
            r.yG = 0;
            r.S = keep(kPi * A * B);
            r.IGy = keep(kPi * A * B * B * B / 4);
            r.IGz = keep(kPi * B * A * A * A / 4);
            r.IGyv = keep(kPi * A * B * B / 4);
            r.IGzv = keep(kPi * B * A * A / 4);
            break;
        case Shape::ProfileL: {
            r.yG = keep(lCentroid(A, B, C));
            r.zG = keep(lCentroid(B, A, C));
            r.S = keep(B * C + (A - C) * C);
            const double y = r.yG, z = r.zG;
            r.IGy = keep(lMoment(A, B, C, z));
            r.IGz = keep(lMoment(B, A, C, y));
            r.IGyv = keep(static_cast<double>(r.IGy) / (B - z));
            r.IGzv = keep(static_cast<double>(r.IGz) / (A - y));
            break;
        }
        case Shape::ProfileT: {
            const double k = A + B - C;
            const double m = A * A + B * C - C * C;
            r.yG = keep((A * A + (2 * A - C) * (B - C)) / (2 * k));
            r.S = keep(C * (B - C) + C * A);
            r.IGy = keep((C * B * B * B + (A - C) * C * C * C) / 12);
            r.IGz = keep((C / 3) * (A * A * A + B * C * C - C * C * C - 3 * m * m / (4 * k)));
            r.IGyv = keep((C / 6) * (B * B + C * C * (A - C) / B));
            r.IGzv = keep(static_cast<double>(r.IGz) / r.yG);
            break;
        }
        case Shape::ProfileU: {
            const double e = B - 2 * C;
            r.yG = keep((2 * A * A * C + e * D * D) / (2 * (e * D + 2 * A * C)));
            r.S = keep(e * D + 2 * A * C);
            r.IGy = keep((A * B * B * B - (A - D) * e * e * e) / 12);
            const double toTips = A - static_cast<double>(r.yG);
            r.IGz = keep((B * A * A * A - e * std::pow(A - D, 3)) / 3 -
                         static_cast<double>(r.S) * toTips * toTips);
            r.IGyv = keep(2 * static_cast<double>(r.IGy) / B);
            r.IGzv = keep(static_cast<double>(r.IGz) / toTips);
            break;
        }
    }

    // Common completion, from the stored values.
    const double S = r.S, IGy = r.IGy, IGz = r.IGz;
    r.IG = keep(IGy + IGz);
    r.ry = keep(std::sqrt(IGy / S));
    r.rz = keep(std::sqrt(IGz / S));
    if (!keep.ok()) return kMsgImpossible;
    results = r;
    return nullptr;
}

std::optional<PrincipalAxes> principalAxes(Shape shape, float a, float b, float c,
                                           const SectionResults& r) {
    const double A = a, B = b, C = c;
    double Iy = r.IGy, Iz = r.IGz;
    double product = 0;
    switch (shape) {
        case Shape::Trapeze:
            return std::nullopt;
        case Shape::TriangleBase:
            // The window's IGz is about the base; about G it is the centred triangle's.
            Iz = static_cast<float>(B * A * A * A / 36);
            break;
        case Shape::ProfileL: {
            // In double from the dimensions: the principal moments are read to more
            // digits than the stored IGy and IGz carry.
            Iy = lMoment(A, B, C, lCentroid(B, A, C));
            Iz = lMoment(B, A, C, lCentroid(A, B, C));
            product = A * B * C * (A - C) * (B - C) / (4 * (A + B - C));
            break;
        }
        default:  // symmetric: y and z are the principal axes
            break;
    }
    PrincipalAxes axes{std::max(Iy, Iz), std::min(Iy, Iz), 0};
    if (product != 0) {
        const double mean = (Iy + Iz) / 2;
        const double radius = std::hypot((Iy - Iz) / 2, product);
        axes.Iu = mean + radius;
        axes.Iv = std::max(0.0, mean - radius);  // never below zero through rounding
    }
    axes.rmin = std::sqrt(axes.Iv / r.S);
    if (!std::isfinite(axes.Iu) || !std::isfinite(axes.rmin)) return std::nullopt;
    return axes;
}

Outcome calculateSection(SectionResults& results, const SectionEntries& entries,
                         char decimalSeparator) {
    Outcome out;
    const float a = readDimension(entries.a);
    const float b = readDimension(entries.b);
    const float c = readDimension(entries.c);
    const float d = readDimension(entries.d);
    const auto shape = shapeFromName(entries.shape);
    if (!shape) {
        out.stop(kMsgUnknownShape);
        return out;
    }
    if (const char* message = computeSection(*shape, a, b, c, d, results)) {
        out.stop(message);
        return out;
    }
    const std::pair<const char*, float> fields[] = {
        {"TextyG", results.yG},     {"TextzG", results.zG},     {"TextS", results.S},
        {"TextIGy", results.IGy},   {"TextIGz", results.IGz},   {"TextIG", results.IG},
        {"TextIGyv", results.IGyv}, {"TextIGzv", results.IGzv}, {"Textry", results.ry},
        {"Textrz", results.rz},
    };
    for (const auto& [field, value] : fields)
        out.write(field, formatNumber(value, "0.000", decimalSeparator));
    return out;
}

Outcome calculateSectionWithAxes(SectionResults& results, const SectionEntries& entries,
                                 char decimalSeparator) {
    Outcome out = calculateSection(results, entries, decimalSeparator);
    if (out.stopped()) return out;
    const auto axes = principalAxes(*shapeFromName(entries.shape), readDimension(entries.a),
                                    readDimension(entries.b), readDimension(entries.c), results);
    auto shown = [&](double v) {
        return axes ? formatNumber(v, "0.000", decimalSeparator) : std::string();
    };
    out.write("TextIu", shown(axes ? axes->Iu : 0));
    out.write("TextIv", shown(axes ? axes->Iv : 0));
    out.write("Textrmin", shown(axes ? axes->rmin : 0));
    return out;
}

SectionEntries sectionEntries(const Fields& f) {
    return {f["ComboType"], f["Texta"], f["Textb"], f["Textc"], f["Textd"]};
}

}  // namespace torvel::sections

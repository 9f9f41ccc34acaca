// The engine's closed formulas against an independent integration over the
// outline of the same section (Green's theorem on polygons, in double).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "section_engine.h"

using namespace torvel::sections;

namespace {

// y runs along a (where yG is measured), z across it along b.
struct Pt {
    double y, z;
};
using Polygon = std::vector<Pt>;

struct Moments {
    double area = 0, sy = 0, sz = 0, iyy = 0, izz = 0, iyz = 0;  // ∫dA, ∫y, ∫z, ∫z², ∫y², ∫yz
    double ymin = 1e300, ymax = -1e300, zmin = 1e300, zmax = -1e300;
};

// Adds (sign +1) or removes (sign -1) a polygon, whatever its orientation.
void integrate(Moments& m, const Polygon& p, double sign) {
    double area = 0, sy = 0, sz = 0, iyy = 0, izz = 0, iyz = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const Pt& u = p[i];
        const Pt& v = p[(i + 1) % p.size()];
        const double cross = u.y * v.z - v.y * u.z;
        area += cross / 2;
        sy += (u.y + v.y) * cross / 6;
        sz += (u.z + v.z) * cross / 6;
        izz += (u.y * u.y + u.y * v.y + v.y * v.y) * cross / 12;
        iyy += (u.z * u.z + u.z * v.z + v.z * v.z) * cross / 12;
        iyz += (2 * u.y * u.z + u.y * v.z + v.y * u.z + 2 * v.y * v.z) * cross / 24;
    }
    const double s = area < 0 ? -sign : sign;
    m.area += s * area;
    m.sy += s * sy;
    m.sz += s * sz;
    m.iyy += s * iyy;
    m.izz += s * izz;
    m.iyz += s * iyz;
    if (sign > 0)
        for (const Pt& q : p) {
            m.ymin = std::min(m.ymin, q.y);
            m.ymax = std::max(m.ymax, q.y);
            m.zmin = std::min(m.zmin, q.z);
            m.zmax = std::max(m.zmax, q.z);
        }
}

Polygon box(double y0, double y1, double z0, double z1) {
    return {{y0, z0}, {y1, z0}, {y1, z1}, {y0, z1}};
}

Polygon ellipse(double ry, double rz, int n = 8192) {
    Polygon p;
    for (int i = 0; i < n; ++i) {
        const double t = 2 * std::numbers::pi * i / n;
        p.push_back({ry * std::cos(t), rz * std::sin(t)});
    }
    return p;
}

struct Expected {
    double S, yG, zG, IGy, IGz, IGyv, IGzv, IGyz;
};

// Properties about the centroid; yG and zG from the given reference lines.
Expected fromOutline(const Moments& m, double yRef, double zRef) {
    const double yc = m.sy / m.area, zc = m.sz / m.area;
    const double IGy = m.iyy - m.area * zc * zc;
    const double IGz = m.izz - m.area * yc * yc;
    const double vz = std::max(m.zmax - zc, zc - m.zmin);
    const double vy = std::max(m.ymax - yc, yc - m.ymin);
    return {m.area,   std::fabs(yc - yRef),    std::fabs(zc - zRef), IGy, IGz, IGy / vz,
            IGz / vy, m.iyz - m.area * yc * zc};
}

void expectNear(double engine, double outline, double rel, const char* what, const char* shape) {
    EXPECT_LE(std::fabs(engine - outline), rel * std::fabs(outline) + 1e-9)
        << shape << " " << what << ": engine " << engine << ", outline " << outline;
}

}  // namespace

TEST(SectionGeometry, FormulasMatchTheIntegratedOutline) {
    struct Case {
        const char* name;
        Shape shape;
        float a, b, c, d;
        std::vector<std::pair<Polygon, double>> parts;
        double yRef, zRef;
        bool checkYG, checkZG, checkIGy, checkIGyv, checkIGzv;
        double rel;
    };
    const double pi = std::numbers::pi;
    (void)pi;
    // clang-format off
    const std::vector<Case> cases = {
        // a along y, b along z.
        {"Rectangle Plein", Shape::RectanglePlein, 40, 20, 0, 0,
         {{box(0, 40, 0, 20), 1}}, 20, 0, false, false, true, true, true, 2e-6},
        // Here the outer side a runs along z and b along y; c by d is the opening.
        {"Rectangle Creux", Shape::RectangleCreux, 60, 40, 50, 30,
         {{box(-20, 20, -30, 30), 1}, {box(-15, 15, -25, 25), -1}}, 0, 0, false, false, true, true,
         true, 2e-6},
        {"Cylindre Plein", Shape::CylindrePlein, 10, 0, 0, 0, {{ellipse(5, 5), 1}}, 0, 0, false,
         false, true, true, true, 1e-6},
        {"Cylindre Creux", Shape::CylindreCreux, 50, 30, 0, 0,
         {{ellipse(25, 25), 1}, {ellipse(15, 15), -1}}, 0, 0, false, false, true, true, true,
         1e-6},
        // Isosceles, apex at y = 0, base b at y = a; yG from the apex.
        {"Triangle Centre", Shape::TriangleCentre, 30, 20, 0, 0,
         {{{{0, 0}, {30, -10}, {30, 10}}, 1}}, 0, 0, true, false, true, true, true, 2e-6},
        {"Ellipse", Shape::Ellipse, 30, 20, 0, 0, {{ellipse(30, 20), 1}}, 0, 0, false, false, true,
         true, true, 1e-6},
        // Long side a at y = 0, short side b at y = c; yG from the long side.
        {"Trapèze", Shape::Trapeze, 60, 30, 40, 0,
         {{{{0, -30}, {40, -15}, {40, 15}, {0, 30}}, 1}}, 0, 0, true, false, false, false, true,
         2e-6},
        {"Trapèze", Shape::Trapeze, 7.5f, 1.25f, 3, 0,
         {{{{0, -3.75}, {3, -0.625}, {3, 0.625}, {0, 3.75}}, 1}}, 0, 0, true, false, false, false,
         true, 2e-6},
        // Leg a along y, leg b along z, thickness c, corner at the origin.
        {"Profilé L", Shape::ProfileL, 80, 50, 6, 0,
         {{{{0, 0}, {80, 0}, {80, 6}, {6, 6}, {6, 50}, {0, 50}}, 1}}, 0, 0, true, true, true, true,
         true, 5e-6},
        {"Profilé L", Shape::ProfileL, 100, 100, 10, 0,
         {{{{0, 0}, {100, 0}, {100, 10}, {10, 10}, {10, 100}, {0, 100}}, 1}}, 0, 0, true, true,
         true, true, true, 5e-6},
        // Web foot at y = 0, flange b at the top, common thickness c.
        {"Profilé T", Shape::ProfileT, 60, 80, 8, 0,
         {{box(0, 52, -4, 4), 1}, {box(52, 60, -40, 40), 1}}, 0, 0, true, false, true, true, true,
         5e-6},
        {"Profilé T", Shape::ProfileT, 120, 50, 12.5f, 0,
         {{box(0, 107.5, -6.25, 6.25), 1}, {box(107.5, 120, -25, 25), 1}}, 0, 0, true, false, true,
         true, true, 5e-6},
        // Web outer face at y = 0, flanges a long and c thick, overall width b, web d.
        {"Profilé U", Shape::ProfileU, 50, 100, 8, 10,
         {{box(0, 50, -50, 50), 1}, {box(10, 50, -42, 42), -1}}, 0, 0, true, false, true, true,
         true, 5e-6},
        {"Profilé U", Shape::ProfileU, 30, 60, 4, 2.5f,
         {{box(0, 30, -30, 30), 1}, {box(2.5, 30, -26, 26), -1}}, 0, 0, true, false, true, true,
         true, 5e-6},
    };
    // clang-format on
    for (const auto& c : cases) {
        Moments m;
        for (const auto& [polygon, sign] : c.parts) integrate(m, polygon, sign);
        const Expected e = fromOutline(m, c.yRef, c.zRef);
        SectionResults r;
        ASSERT_EQ(computeSection(c.shape, c.a, c.b, c.c, c.d, r), nullptr) << c.name;
        expectNear(r.S, e.S, c.rel, "S", c.name);
        expectNear(r.IGz, e.IGz, c.rel, "IGz", c.name);
        expectNear(r.rz, std::sqrt(e.IGz / e.S), c.rel, "rz", c.name);
        if (c.checkYG) expectNear(r.yG, e.yG, c.rel, "yG", c.name);
        if (c.checkZG) expectNear(r.zG, e.zG, c.rel, "zG", c.name);
        if (c.checkIGy) {
            expectNear(r.IGy, e.IGy, c.rel, "IGy", c.name);
            expectNear(r.IG, e.IGy + e.IGz, c.rel, "IG", c.name);
            expectNear(r.ry, std::sqrt(e.IGy / e.S), c.rel, "ry", c.name);
        }
        if (c.checkIGyv) expectNear(r.IGyv, e.IGyv, c.rel, "IGy/v", c.name);
        if (c.checkIGzv) expectNear(r.IGzv, e.IGzv, c.rel, "IGz/v", c.name);
        // Principal moments: the trace and determinant of the integrated inertia
        // tensor about G are those of any pair of perpendicular axes.
        const auto axes = principalAxes(c.shape, c.a, c.b, c.c, r);
        ASSERT_EQ(axes.has_value(), c.shape != Shape::Trapeze) << c.name;
        if (!axes) continue;
        expectNear(axes->Iu + axes->Iv, e.IGy + e.IGz, c.rel, "Iu + Iv", c.name);
        expectNear(axes->Iu * axes->Iv, e.IGy * e.IGz - e.IGyz * e.IGyz, 2 * c.rel, "Iu Iv",
                   c.name);
        EXPECT_GE(axes->Iu, axes->Iv) << c.name;
    }
}

// The base-line variant of the triangle: IGz about the base, modulus over the height.
TEST(SectionGeometry, TriangleBaseMomentAboutTheBase) {
    Moments m;
    integrate(m, {{0, 0}, {30, -10}, {30, 10}}, 1);
    const double aboutBase = m.izz - 2 * 30 * m.sy + 30.0 * 30.0 * m.area;  // ∫(y − a)²
    SectionResults r;
    ASSERT_EQ(computeSection(Shape::TriangleBase, 30, 20, 0, 0, r), nullptr);
    expectNear(r.IGz, aboutBase, 2e-6, "IGz", "Triangle Base");
    expectNear(r.IGzv, aboutBase / 30, 2e-6, "IGz/v", "Triangle Base");
    expectNear(r.yG, m.sy / m.area, 2e-6, "yG", "Triangle Base");
    const Expected e = fromOutline(m, 0, 0);  // principal axes about G, not about the base
    expectNear(principalAxes(Shape::TriangleBase, 30, 20, 0, r)->Iu, e.IGz, 2e-6, "Iu",
               "Triangle Base");
}

// The hexagon's coefficients are rounded (0.06014 for 5·√3/144): close, not exact.
TEST(SectionGeometry, HexagonCoefficientsAreCloseToTheRegularHexagon) {
    const double side = 10, flats = side * std::sqrt(3.0);
    Polygon hex;
    for (int i = 0; i < 6; ++i) {  // vertices on the y axis, flats across z
        const double t = std::numbers::pi / 3 * i;
        hex.push_back({side * std::cos(t), side * std::sin(t)});
    }
    Moments m;
    integrate(m, hex, 1);
    const Expected e = fromOutline(m, 0, 0);
    SectionResults r;
    ASSERT_EQ(computeSection(Shape::HexagoneRegulier, float(side), float(flats), 0, 0, r), nullptr);
    EXPECT_NEAR(flats / 2, m.zmax, 1e-9);
    expectNear(r.S, e.S, 2e-6, "S", "Hexagone");
    expectNear(r.IGy, e.IGy, 1e-4, "IGy", "Hexagone");
    expectNear(r.IGz, e.IGz, 1e-4, "IGz", "Hexagone");
    expectNear(r.IGyv, e.IGyv, 1e-3, "IGy/v", "Hexagone");
    expectNear(r.IGzv, e.IGzv, 1e-3, "IGz/v", "Hexagone");
}

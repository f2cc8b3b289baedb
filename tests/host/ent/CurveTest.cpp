// Parameters, lengths, points and areas of the curves, and what transformations do to them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "EntTestSupport.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbPolyline.h"
#include "ge/AcGeMatrix3d.h"

namespace enttest {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Span {
    double start = 0.0, end = 0.0, length = 0.0, area = 0.0;
};

Span spanOf(const AcDbCurve& curve) {
    Span s;
    EXPECT_EQ(curve.getStartParam(s.start), Acad::eOk);
    EXPECT_EQ(curve.getEndParam(s.end), Acad::eOk);
    EXPECT_EQ(curve.getDistAtParam(s.end, s.length), Acad::eOk);
    EXPECT_EQ(curve.getArea(s.area), Acad::eOk);
    return s;
}

AcGePoint3d pointAt(const AcDbCurve& curve, double param) {
    AcGePoint3d p;
    EXPECT_EQ(curve.getPointAtParam(param, p), Acad::eOk) << "param " << param;
    return p;
}

void expectNear(const AcGePoint3d& actual, const AcGePoint3d& expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Perimeter of an ellipse from the arithmetic-geometric mean: 2 pi (a^2 - sum 2^(n-1) c_n^2) / M,
// with c_0^2 = a^2 - b^2 and c_(n+1) = (a_n - b_n) / 2 (exact to rounding).
double ellipsePerimeter(double a, double b) {
    double an = a, bn = b, sum = (a * a - b * b) / 2, power = 1.0;
    for (int i = 0; i < 64 && an != bn; ++i) {
        double cn = (an - bn) / 2, next = (an + bn) / 2;
        bn = std::sqrt(an * bn);
        an = next;
        sum += power * cn * cn;
        power *= 2;
    }
    return 2 * kPi * (a * a - sum) / an;
}

AcDbPolyline* square(bool closed, bool counterClockwise = true) {
    auto* p = new AcDbPolyline();
    AcGePoint2d corners[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (unsigned i = 0; i < 4; ++i) p->addVertexAt(i, corners[counterClockwise ? i : (4 - i) % 4]);
    p->setClosed(closed);
    return p;
}

TEST(Curve, BaseClassAnswersNotImplemented) {
    struct BareCurve : AcDbCurve {};
    BareCurve curve;
    double value = 0.0;
    AcGePoint3d point;
    EXPECT_FALSE(curve.isClosed());
    EXPECT_EQ(curve.getStartParam(value), Acad::eNotImplementedYet);
    EXPECT_EQ(curve.getEndParam(value), Acad::eNotImplementedYet);
    EXPECT_EQ(curve.getDistAtParam(0.0, value), Acad::eNotImplementedYet);
    EXPECT_EQ(curve.getPointAtParam(0.0, point), Acad::eNotImplementedYet);
    EXPECT_EQ(curve.getArea(value), Acad::eNotImplementedYet);
}

TEST(Curve, LineRunsByDistanceAndHasNoArea) {
    AcDbLine line(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0));
    Span s = spanOf(line);
    EXPECT_EQ(s.start, 0.0);
    EXPECT_DOUBLE_EQ(s.end, 5.0);
    EXPECT_DOUBLE_EQ(s.length, 5.0);
    EXPECT_EQ(s.area, 0.0);
    expectNear(pointAt(line, 2.5), AcGePoint3d(2.5, 3, 0));
    double dist = 0.0;
    EXPECT_EQ(line.getDistAtParam(5.5, dist), Acad::eInvalidInput);
    EXPECT_EQ(line.getDistAtParam(-0.1, dist), Acad::eInvalidInput);
}

TEST(Curve, ArcParametersLengthAndSegmentArea) {
    AcDbArc quarter(AcGePoint3d(0, 0, 0), 2.0, kPi / 2, kPi);
    Span s = spanOf(quarter);
    EXPECT_DOUBLE_EQ(s.end, kPi);
    EXPECT_NEAR(s.length, kPi, 1e-12);
    EXPECT_NEAR(s.area, kPi - 2.0, 1e-12);  // sector pi minus triangle 2
    EXPECT_FALSE(quarter.isClosed());

    // End angle below the start angle: the arc runs on through 0 and its end is end + 2pi.
    AcDbArc wrapped(AcGePoint3d(1, 1, 0), 2.0, 3 * kPi / 2, kPi / 2);
    s = spanOf(wrapped);
    EXPECT_NEAR(s.start, 3 * kPi / 2, 1e-12);
    EXPECT_NEAR(s.end, 5 * kPi / 2, 1e-12);
    EXPECT_NEAR(s.length, 2 * kPi, 1e-12);
    EXPECT_NEAR(s.area, 2 * kPi, 1e-12);  // a half disc
    expectNear(pointAt(wrapped, 2 * kPi), AcGePoint3d(3, 1, 0));
    double dist = 0.0;
    EXPECT_EQ(wrapped.getDistAtParam(kPi, dist), Acad::eInvalidInput);

    AcDbArc negative;
    negative.setStartAngle(-kPi / 2);
    EXPECT_NEAR(negative.startAngle(), 3 * kPi / 2, 1e-12);
    EXPECT_EQ(negative.setRadius(0.0), Acad::eInvalidInput);
    EXPECT_EQ(negative.setRadius(NAN), Acad::eInvalidInput);
}

TEST(Curve, CircleRunsByAngle) {
    AcDbCircle circle(AcGePoint3d(1, 2, 3), 3.0);
    Span s = spanOf(circle);
    EXPECT_DOUBLE_EQ(s.end, 2 * kPi);
    EXPECT_NEAR(s.length, 6 * kPi, 1e-12);
    EXPECT_NEAR(s.area, 9 * kPi, 1e-12);
    EXPECT_TRUE(circle.isClosed());
    expectNear(pointAt(circle, kPi / 2), AcGePoint3d(1, 5, 3));
}

TEST(Curve, EllipseLengthsAreIntegratedPrecisely) {
    for (double ratio : {1.0, 0.5, 0.1, 0.001}) {
        SCOPED_TRACE(ratio);
        AcDbEllipse ellipse;
        ASSERT_EQ(ellipse.set(AcGePoint3d(2, 3, 0), AcGeVector3d::kZAxis, AcGeVector3d(0, 4, 0), ratio),
                  Acad::eOk);
        Span s = spanOf(ellipse);
        double perimeter = ellipsePerimeter(4.0, 4.0 * ratio);
        EXPECT_TRUE(ellipse.isClosed());
        EXPECT_NEAR(s.end, 2 * kPi, 1e-12);
        EXPECT_NEAR(s.length, perimeter, 1e-9 * perimeter);
        EXPECT_NEAR(s.area, kPi * 4.0 * 4.0 * ratio, 1e-12);
        double quarter = 0.0;
        ASSERT_EQ(ellipse.getDistAtParam(kPi / 2, quarter), Acad::eOk);
        EXPECT_NEAR(quarter, perimeter / 4, 1e-9 * perimeter);
    }
}

TEST(Curve, EllipticalArcIsClosedByItsChord) {
    AcDbEllipse arc;
    ASSERT_EQ(arc.set(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5,
                      3 * kPi / 2, kPi / 2),
              Acad::eOk);
    Span s = spanOf(arc);
    EXPECT_FALSE(arc.isClosed());
    EXPECT_NEAR(s.end, 5 * kPi / 2, 1e-12);
    EXPECT_NEAR(s.length, ellipsePerimeter(2, 1) / 2, 1e-9);  // the right half
    EXPECT_NEAR(s.area, kPi, 1e-12);                          // half of pi * 2 * 1
    expectNear(pointAt(arc, 3 * kPi / 2), AcGePoint3d(0, -1, 0));
    expectNear(pointAt(arc, 2 * kPi), AcGePoint3d(2, 0, 0));

    AcDbEllipse quarter;
    quarter.set(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5, 0, kPi / 2);
    EXPECT_NEAR(spanOf(quarter).area, 1.0 * (kPi / 2 - 1.0), 1e-12);  // a b (s - sin s) / 2

    EXPECT_EQ(arc.set(AcGePoint3d(), AcGeVector3d(1, 0, 0), AcGeVector3d(2, 0, 0), 0.5),
              Acad::eInvalidInput);
    EXPECT_EQ(arc.setRadiusRatio(1.5), Acad::eInvalidInput);
}

TEST(Curve, PolylineSquareOpenAndClosed) {
    std::unique_ptr<AcDbPolyline> closed(square(true));
    Span s = spanOf(*closed);
    EXPECT_EQ(s.end, 4.0);
    EXPECT_DOUBLE_EQ(s.length, 40.0);
    EXPECT_DOUBLE_EQ(s.area, 100.0);
    double dist = 0.0;
    ASSERT_EQ(closed->getDistAtParam(2.5, dist), Acad::eOk);
    EXPECT_DOUBLE_EQ(dist, 25.0);
    expectNear(pointAt(*closed, 2.5), AcGePoint3d(5, 10, 0));
    expectNear(pointAt(*closed, 4.0), AcGePoint3d(0, 0, 0));

    std::unique_ptr<AcDbPolyline> open(square(false));
    s = spanOf(*open);
    EXPECT_EQ(s.end, 3.0);
    EXPECT_DOUBLE_EQ(s.length, 30.0);
    EXPECT_DOUBLE_EQ(s.area, 100.0);  // closed by the chord from the last vertex to the first
    EXPECT_EQ(open->getDistAtParam(3.5, dist), Acad::eInvalidInput);

    std::unique_ptr<AcDbPolyline> clockwise(square(true, false));
    EXPECT_DOUBLE_EQ(spanOf(*clockwise).area, 100.0);
}

TEST(Curve, PolylineBulgesFollowTheArcs) {
    // A closed semicircle of radius 2: two vertices, the first segment a half circle.
    AcDbPolyline half;
    half.addVertexAt(0, AcGePoint2d(-2, 0), 1.0);
    half.addVertexAt(1, AcGePoint2d(2, 0));
    half.setClosed(true);
    half.setElevation(3.0);
    Span s = spanOf(half);
    EXPECT_NEAR(s.area, 2 * kPi, 1e-12);
    EXPECT_NEAR(s.length, 2 * kPi + 4, 1e-12);
    expectNear(pointAt(half, 0.5), AcGePoint3d(0, -2, 3));  // positive bulge: counter-clockwise
    double dist = 0.0;
    ASSERT_EQ(half.getDistAtParam(0.5, dist), Acad::eOk);
    EXPECT_NEAR(dist, kPi, 1e-12);
    half.setClosed(false);
    EXPECT_NEAR(spanOf(half).area, 2 * kPi, 1e-12);

    // A half disc of radius 5 on the bottom edge of the square: outwards adds, inwards takes away,
    // whichever way round the square runs.
    const double disc = kPi * 25 / 2;
    std::unique_ptr<AcDbPolyline> p(square(true));
    p->setBulgeAt(0, 1.0);
    EXPECT_NEAR(spanOf(*p).area, 100 + disc, 1e-9);
    p->setBulgeAt(0, -1.0);
    EXPECT_NEAR(spanOf(*p).area, 100 - disc, 1e-9);
    // Clockwise: (0,0) (0,10) (10,10) (10,0); the closing segment runs back along the bottom edge.
    std::unique_ptr<AcDbPolyline> q(square(true, false));
    q->setBulgeAt(3, -1.0);
    EXPECT_NEAR(spanOf(*q).area, 100 + disc, 1e-9);
    q->setBulgeAt(3, 1.0);
    EXPECT_NEAR(spanOf(*q).area, 100 - disc, 1e-9);
}

TEST(Curve, PolylineVertexEditing) {
    AcDbPolyline p;
    double param = 0.0;
    EXPECT_EQ(p.getEndParam(param), Acad::eNotApplicable);
    ASSERT_EQ(p.addVertexAt(0, AcGePoint2d(0, 0)), Acad::eOk);
    ASSERT_EQ(p.addVertexAt(1, AcGePoint2d(2, 0)), Acad::eOk);
    ASSERT_EQ(p.addVertexAt(1, AcGePoint2d(1, 1), 0.5), Acad::eOk);  // inserted before index 1
    EXPECT_EQ(p.addVertexAt(4, AcGePoint2d(9, 9)), Acad::eInvalidInput);
    EXPECT_EQ(p.numVerts(), 3u);
    AcGePoint2d pt;
    double bulge = 0.0;
    ASSERT_EQ(p.getPointAt(1, pt), Acad::eOk);
    EXPECT_EQ(pt, AcGePoint2d(1, 1));
    ASSERT_EQ(p.getBulgeAt(1, bulge), Acad::eOk);
    EXPECT_EQ(bulge, 0.5);
    ASSERT_EQ(p.removeVertexAt(0), Acad::eOk);
    ASSERT_EQ(p.getPointAt(0, pt), Acad::eOk);
    EXPECT_EQ(pt, AcGePoint2d(1, 1));
    EXPECT_EQ(p.getPointAt(2, pt), Acad::eInvalidInput);
    EXPECT_EQ(p.setBulgeAt(0, INFINITY), Acad::eInvalidInput);
    p.setElevation(4.0);
    AcGePoint3d at;
    ASSERT_EQ(p.getPointAt(1, at), Acad::eOk);
    EXPECT_EQ(at, AcGePoint3d(2, 0, 4));
}

TEST(Curve, LeaderRunsThroughItsVertices) {
    AcDbLeader leader;
    double param = 0.0;
    EXPECT_EQ(leader.getEndParam(param), Acad::eNotApplicable);
    leader.appendVertex(AcGePoint3d(0, 0, 0));
    leader.appendVertex(AcGePoint3d(3, 4, 0));
    leader.appendVertex(AcGePoint3d(8, 4, 0));
    Span s = spanOf(leader);
    EXPECT_EQ(s.end, 2.0);
    EXPECT_DOUBLE_EQ(s.length, 10.0);
    EXPECT_DOUBLE_EQ(s.area, 10.0);  // the triangle closed by the chord
    expectNear(pointAt(leader, 1.5), AcGePoint3d(5.5, 4, 0));
    EXPECT_EQ(leader.vertexAt(7), AcGePoint3d());
    EXPECT_FALSE(leader.appendVertex(AcGePoint3d(NAN, 0, 0)));
    EXPECT_EQ(leader.numVertices(), 3);
}

// The point at each fraction of the transformed curve is the transformed point, lengths scale
// with the transformation and areas with its square. A mirrored arc runs the other way round; a
// circle's parameter stays measured from the x axis, so its points only stay on the circle.
TEST(Curve, TransformationsCarryTheGeometry) {
    using Make = std::function<AcDbCurve*()>;
    std::vector<std::pair<const char*, Make>> curves = {
        {"line", [] { return new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(5, -1, 0)); }},
        {"circle", [] { return new AcDbCircle(AcGePoint3d(1, 2, 0), 3.0); }},
        {"arc", [] { return new AcDbArc(AcGePoint3d(1, 2, 0), 3.0, 5.5, 1.0); }},
        {"ellipse",
         [] {
             auto* e = new AcDbEllipse();
             e->set(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 1, 0), 0.4, 1.0, 4.0);
             return e;
         }},
        {"polyline",
         [] {
             auto* p = square(true);
             p->setBulgeAt(1, 0.4);
             return p;
         }},
        {"leader",
         [] {
             auto* l = new AcDbLeader();
             for (AcGePoint3d p : {AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d(8, 4, 0)})
                 l->appendVertex(p);
             return l;
         }},
    };
    AcGeMatrix3d mirror;
    mirror.entry[0][0] = -1.0;
    std::vector<std::pair<const char*, AcGeMatrix3d>> xforms = {
        {"move", AcGeMatrix3d::translation(AcGeVector3d(3, -2, 0))},
        {"rotate", AcGeMatrix3d::rotation(2.0, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0))},
        {"scale", AcGeMatrix3d::scaling(2.5, AcGePoint3d(-1, 4, 0))},
        {"mirror", AcGeMatrix3d::translation(AcGeVector3d(1, 0, 0)) * mirror},
    };
    for (auto& [curveName, make] : curves) {
        for (auto& [xformName, xform] : xforms) {
            SCOPED_TRACE(std::string(curveName) + " " + xformName);
            std::unique_ptr<AcDbCurve> before(make()), after(make());
            ASSERT_EQ(after->transformBy(xform), Acad::eOk);
            Span a = spanOf(*before), b = spanOf(*after);
            double scale = xform.scale();
            EXPECT_NEAR(b.length, a.length * scale, 1e-9 * b.length);
            EXPECT_NEAR(b.area, a.area * scale * scale, 1e-9 * std::max(1.0, b.area));
            // A mirror runs arcs and elliptical arcs the other way round (their normal stays +Z).
            bool reversed = (std::string(curveName) == "arc" || std::string(curveName) == "ellipse") &&
                            std::string(xformName) == "mirror";
            auto* circle = AcDbCircle::cast(after.get());
            for (double f : {0.0, 0.3, 0.5, 1.0}) {
                AcGePoint3d expected = xform.apply(pointAt(*before, a.start + f * (a.end - a.start)));
                double g = reversed ? 1.0 - f : f;
                if (circle != nullptr)
                    EXPECT_NEAR(expected.distanceTo(circle->center()), circle->radius(), 1e-9);
                else
                    expectNear(pointAt(*after, b.start + g * (b.end - b.start)), expected, 1e-9);
            }
        }
    }
}

}  // namespace
}  // namespace enttest

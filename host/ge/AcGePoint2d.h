// AcGePoint2d and AcGeVector2d: points and displacements in a plane (a lightweight polyline's
// vertices, in the coordinates of its plane).
#pragma once
#include <cmath>

class AcGeVector2d {
public:
    AcGeVector2d() = default;
    AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

    double length() const { return std::hypot(x, y); }
    double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
    // The z component of the 3D cross product: positive when v turns counter-clockwise from this.
    double crossProduct(const AcGeVector2d& v) const { return x * v.y - y * v.x; }
    // The angle from the x axis, in (-pi, pi].
    double angle() const { return std::atan2(y, x); }
    AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
    AcGeVector2d operator*(double s) const { return {x * s, y * s}; }
    AcGeVector2d operator-() const { return {-x, -y}; }
    bool operator==(const AcGeVector2d&) const = default;

    double x = 0.0;
    double y = 0.0;
};

class AcGePoint2d {
public:
    AcGePoint2d() = default;
    AcGePoint2d(double xx, double yy) : x(xx), y(yy) {}

    double distanceTo(const AcGePoint2d& p) const { return (p - *this).length(); }
    AcGeVector2d operator-(const AcGePoint2d& p) const { return {x - p.x, y - p.y}; }
    AcGePoint2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    AcGePoint2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
    bool isEqualTo(const AcGePoint2d& p, double tolerance = 1e-10) const {
        return distanceTo(p) <= tolerance;
    }
    bool operator==(const AcGePoint2d&) const = default;

    double x = 0.0;
    double y = 0.0;
};

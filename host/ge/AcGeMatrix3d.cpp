#include "ge/AcGeMatrix3d.h"

#include <cmath>

const AcGePoint3d AcGePoint3d::kOrigin{0.0, 0.0, 0.0};
const AcGeVector3d AcGeVector3d::kIdentity{0.0, 0.0, 0.0};
const AcGeVector3d AcGeVector3d::kXAxis{1.0, 0.0, 0.0};
const AcGeVector3d AcGeVector3d::kYAxis{0.0, 1.0, 0.0};
const AcGeVector3d AcGeVector3d::kZAxis{0.0, 0.0, 1.0};

AcGeMatrix3d::AcGeMatrix3d() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& v) {
    AcGeMatrix3d m;
    m.entry[0][3] = v.x;
    m.entry[1][3] = v.y;
    m.entry[2][3] = v.z;
    return m;
}

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis,
                                    const AcGePoint3d& center) {
    double len = axis.length();
    AcGeVector3d u = len > 0 ? axis * (1.0 / len) : AcGeVector3d::kZAxis;
    double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    AcGeMatrix3d r;
    r.entry[0][0] = t * u.x * u.x + c;
    r.entry[0][1] = t * u.x * u.y - s * u.z;
    r.entry[0][2] = t * u.x * u.z + s * u.y;
    r.entry[1][0] = t * u.x * u.y + s * u.z;
    r.entry[1][1] = t * u.y * u.y + c;
    r.entry[1][2] = t * u.y * u.z - s * u.x;
    r.entry[2][0] = t * u.x * u.z - s * u.y;
    r.entry[2][1] = t * u.y * u.z + s * u.x;
    r.entry[2][2] = t * u.z * u.z + c;
    AcGeVector3d toOrigin = AcGePoint3d::kOrigin - center;
    return translation(-toOrigin) * r * translation(toOrigin);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double factor, const AcGePoint3d& center) {
    AcGeMatrix3d s;
    for (int i = 0; i < 3; ++i) s.entry[i][i] = factor;
    AcGeVector3d toOrigin = AcGePoint3d::kOrigin - center;
    return translation(-toOrigin) * s * translation(toOrigin);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& pointOnPlane, const AcGeVector3d& normal) {
    AcGeMatrix3d m;
    double length = normal.length();
    if (!(length > 0.0)) return m;
    double n[3] = {normal.x / length, normal.y / length, normal.z / length};
    double p[3] = {pointOnPlane.x, pointOnPlane.y, pointOnPlane.z};
    double offset = n[0] * p[0] + n[1] * p[1] + n[2] * p[2];
    // x' = x - 2 (n.x - n.p) n
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) m.entry[r][c] = (r == c ? 1.0 : 0.0) - 2.0 * n[r] * n[c];
        m.entry[r][3] = 2.0 * offset * n[r];
    }
    return m;
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& other) const {
    AcGeMatrix3d result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += entry[r][k] * other.entry[k][c];
            result.entry[r][c] = sum;
        }
    return result;
}

AcGePoint3d AcGeMatrix3d::apply(const AcGePoint3d& p) const {
    return {entry[0][0] * p.x + entry[0][1] * p.y + entry[0][2] * p.z + entry[0][3],
            entry[1][0] * p.x + entry[1][1] * p.y + entry[1][2] * p.z + entry[1][3],
            entry[2][0] * p.x + entry[2][1] * p.y + entry[2][2] * p.z + entry[2][3]};
}

AcGeVector3d AcGeMatrix3d::apply(const AcGeVector3d& v) const {
    return {entry[0][0] * v.x + entry[0][1] * v.y + entry[0][2] * v.z,
            entry[1][0] * v.x + entry[1][1] * v.y + entry[1][2] * v.z,
            entry[2][0] * v.x + entry[2][1] * v.y + entry[2][2] * v.z};
}

double AcGeMatrix3d::scale() const { return apply(AcGeVector3d::kXAxis).length(); }

double AcGeMatrix3d::det() const {
    const auto& e = entry;
    return e[0][0] * (e[1][1] * e[2][2] - e[1][2] * e[2][1]) - e[0][1] * (e[1][0] * e[2][2] - e[1][2] * e[2][0]) +
           e[0][2] * (e[1][0] * e[2][1] - e[1][1] * e[2][0]);
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m) { return *this = m.apply(*this); }
AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& m) { return *this = m.apply(*this); }

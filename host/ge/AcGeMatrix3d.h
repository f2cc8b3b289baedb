// AcGeMatrix3d: an affine transformation of 3D space (4x4, last row 0 0 0 1), as the editing
// commands apply it to entities with transformBy.
#pragma once
#include "ge/AcGePoint3d.h"

class AcGeMatrix3d {
public:
    AcGeMatrix3d();
    static AcGeMatrix3d translation(const AcGeVector3d& v);
    // Rotation by angle (radians) about an axis through center.
    static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                                 const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(double factor, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    // Reflection in the plane through pointOnPlane with the normal (the host's mirroring about a
    // plane); a zero normal gives the identity. MIRROR reflects in the plane through its mirror
    // line and the Z axis.
    static AcGeMatrix3d mirroring(const AcGePoint3d& pointOnPlane, const AcGeVector3d& normal);

    AcGeMatrix3d operator*(const AcGeMatrix3d& other) const;
    AcGePoint3d apply(const AcGePoint3d& p) const;
    AcGeVector3d apply(const AcGeVector3d& v) const;
    // The factor by which the transformation scales lengths (for uniform scaling).
    double scale() const;
    // The determinant of the upper-left 3x3 block (the linear map): negative when it reflects.
    double det() const;

    double entry[4][4];
};

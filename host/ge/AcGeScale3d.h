// AcGeScale3d: the three scale factors of a block reference (along the block's x, y and z axes).
#pragma once

class AcGeScale3d {
public:
    AcGeScale3d() = default;
    explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
    AcGeScale3d(double x, double y, double z) : sx(x), sy(y), sz(z) {}

    AcGeScale3d operator*(double factor) const { return {sx * factor, sy * factor, sz * factor}; }
    bool operator==(const AcGeScale3d&) const = default;

    double sx = 1.0;
    double sy = 1.0;
    double sz = 1.0;
};

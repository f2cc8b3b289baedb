// Record: curve; Int16 version (1); Point3d centre; Vector3d unit normal; Vector3d major axis;
// Double radius ratio (0 < r <= 1); Double start parameter; Double end parameter (both in
// [0, 2pi)).
#include "ent/AcDbEllipse.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbEllipse)

namespace {
constexpr Adesk::Int16 kVersion = 1;
// Relative tolerance of the integrated lengths (the result is good to about 1e-9 relative).
constexpr double kLengthTolerance = 1e-12;

bool validRatio(double ratio) { return ratio > 0.0 && ratio <= 1.0; }

// A usable axis pair: both non-zero and finite, the normal perpendicular to the major axis.
bool validAxes(const AcGeVector3d& normal, const AcGeVector3d& major) {
    double n = normal.length(), a = major.length();
    if (!(n > 0.0) || !(a > 0.0) || !std::isfinite(n) || !std::isfinite(a)) return false;
    return std::fabs(normal.dotProduct(major)) <= 1e-9 * n * a;
}
// Leaves a vector that is already of unit length exactly as it is, so that records read and
// written again stay byte for byte the same.
AcGeVector3d unit(const AcGeVector3d& v) {
    double length = v.length();
    return std::fabs(length - 1.0) <= 1e-15 ? v : v * (1.0 / length);
}
}  // namespace

AcGePoint3d AcDbEllipse::center() const {
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbEllipse::setCenter(const AcGePoint3d& center) {
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

AcGeVector3d AcDbEllipse::normal() const {
    assertReadEnabled();
    return m_normal;
}

AcGeVector3d AcDbEllipse::majorAxis() const {
    assertReadEnabled();
    return m_majorAxis;
}

AcGeVector3d AcDbEllipse::minorAxis() const {
    assertReadEnabled();
    return minor();
}

AcGeVector3d AcDbEllipse::minor() const { return m_normal.crossProduct(m_majorAxis) * m_radiusRatio; }

double AcDbEllipse::radiusRatio() const {
    assertReadEnabled();
    return m_radiusRatio;
}

Acad::ErrorStatus AcDbEllipse::setRadiusRatio(double ratio) {
    if (!validRatio(ratio)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_radiusRatio = ratio;
    return Acad::eOk;
}

double AcDbEllipse::startParam() const {
    assertReadEnabled();
    return m_startParam;
}

Acad::ErrorStatus AcDbEllipse::setStartParam(double param) {
    assertWriteEnabled();
    m_startParam = vthost::normalizeAngle(param);
    return Acad::eOk;
}

double AcDbEllipse::endParam() const {
    assertReadEnabled();
    return m_endParam;
}

Acad::ErrorStatus AcDbEllipse::setEndParam(double param) {
    assertWriteEnabled();
    m_endParam = vthost::normalizeAngle(param);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                                   const AcGeVector3d& majorAxis, double radiusRatio,
                                   double startParam, double endParam) {
    if (!validAxes(unitNormal, majorAxis) || !validRatio(radiusRatio)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_center = center;
    m_normal = unit(unitNormal);
    m_majorAxis = majorAxis;
    m_radiusRatio = radiusRatio;
    m_startParam = vthost::normalizeAngle(startParam);
    m_endParam = vthost::normalizeAngle(endParam);
    return Acad::eOk;
}

double AcDbEllipse::curveEndParam() const {
    return m_endParam <= m_startParam ? m_endParam + vthost::kTwoPi : m_endParam;
}

Adesk::Boolean AcDbEllipse::isClosed() const {
    assertReadEnabled();
    return m_endParam == m_startParam;
}

Acad::ErrorStatus AcDbEllipse::getStartParam(double& param) const {
    assertReadEnabled();
    param = m_startParam;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndParam(double& param) const {
    assertReadEnabled();
    param = curveEndParam();
    return Acad::eOk;
}

// The speed along the curve is |-a sin t, b cos t|; its integral has no closed form.
Acad::ErrorStatus AcDbEllipse::getDistAtParam(double param, double& dist) const {
    assertReadEnabled();
    if (!vthost::paramInRange(param, m_startParam, curveEndParam())) return Acad::eInvalidInput;
    double a = m_majorAxis.length(), b = a * m_radiusRatio;
    auto speed = [a, b](double t) { return std::hypot(a * std::sin(t), b * std::cos(t)); };
    double span = std::fabs(param - m_startParam);
    dist = vthost::integrate(speed, m_startParam, param, kLengthTolerance * a * span);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getPointAtParam(double param, AcGePoint3d& point) const {
    assertReadEnabled();
    if (!vthost::paramInRange(param, m_startParam, curveEndParam())) return Acad::eInvalidInput;
    point = m_center + m_majorAxis * std::cos(param) + minor() * std::sin(param);
    return Acad::eOk;
}

// The ellipse is the unit circle stretched by a and b, which multiplies every area by a b: a
// chord-closed arc of parameter span s has the area a b (s - sin s) / 2, which is pi a b for the
// full ellipse.
Acad::ErrorStatus AcDbEllipse::getArea(double& area) const {
    assertReadEnabled();
    double a = m_majorAxis.length();
    area = vthost::circularSegmentArea(1.0, curveEndParam() - m_startParam) * a * a * m_radiusRatio;
    return Acad::eOk;
}

// The point at t is centre + A cos t + B sin t with A, B the axes; carrying A and B through the
// transformation keeps every parameter where it was. The normal follows from the new axes, so a
// mirror turns it over.
Acad::ErrorStatus AcDbEllipse::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    AcGeVector3d major = xform.apply(m_majorAxis);
    AcGeVector3d normal = major.crossProduct(xform.apply(minor()));
    if (!(major.length() > 0.0) || !(normal.length() > 0.0)) return Acad::eInvalidInput;
    m_center.transformBy(xform);
    m_majorAxis = major;
    if (xform.det() < 0.0) {
        // A reflection turns the axes' frame left-handed. The ellipse keeps its normal as the
        // reflection carries it (an ellipse in the XY plane stays on +Z, like an arc) with the
        // minor axis reversed, so each point of parameter t is now at -t: the ends swap and negate.
        normal = normal * -1.0;
        double start = m_startParam;
        m_startParam = vthost::normalizeAngle(-m_endParam);
        m_endParam = vthost::normalizeAngle(-start);
    }
    m_normal = unit(normal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writePoint3d(m_center);
    filer->writeVector3d(m_normal);
    filer->writeVector3d(m_majorAxis);
    filer->writeDouble(m_radiusRatio);
    filer->writeDouble(m_startParam);
    filer->writeDouble(m_endParam);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    AcGePoint3d center;
    AcGeVector3d normal, major;
    double ratio = 0.0, start = 0.0, end = 0.0;
    filer->readPoint3d(&center);
    filer->readVector3d(&normal);
    filer->readVector3d(&major);
    filer->readDouble(&ratio);
    filer->readDouble(&start);
    filer->readDouble(&end);
    vthost::requireFinite(filer, center);
    vthost::requireFinite(filer, start);
    vthost::requireFinite(filer, end);
    if (filer->filerStatus() == Acad::eOk && (!validAxes(normal, major) || !validRatio(ratio)))
        filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_center = center;
    m_normal = unit(normal);
    m_majorAxis = major;
    m_radiusRatio = ratio;
    m_startParam = vthost::normalizeAngle(start);
    m_endParam = vthost::normalizeAngle(end);
    return Acad::eOk;
}

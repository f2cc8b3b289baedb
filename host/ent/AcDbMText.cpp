// Record: entity; Int16 version (1); Point3d location; String contents; Double width; Double
// height (both not negative); Double text height (positive); Double rotation.
#include "ent/AcDbMText.h"

#include <climits>
#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbMText)

namespace {
constexpr Adesk::Int16 kVersion = 1;

bool boxSize(double value) { return value >= 0.0 && std::isfinite(value); }
}  // namespace

AcGePoint3d AcDbMText::location() const {
    assertReadEnabled();
    return m_location;
}

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& location) {
    assertWriteEnabled();
    m_location = location;
    return Acad::eOk;
}

char* AcDbMText::contents() const {
    assertReadEnabled();
    return vthost::newStringCopy(m_contents);
}

int AcDbMText::setContents(const char* text) {
    assertWriteEnabled();
    m_contents = text != nullptr ? text : "";
    return m_contents.size() > INT_MAX ? INT_MAX : static_cast<int>(m_contents.size());
}

double AcDbMText::width() const {
    assertReadEnabled();
    return m_width;
}

Acad::ErrorStatus AcDbMText::setWidth(double width) {
    if (!boxSize(width)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_width = width;
    return Acad::eOk;
}

double AcDbMText::height() const {
    assertReadEnabled();
    return m_height;
}

Acad::ErrorStatus AcDbMText::setHeight(double height) {
    if (!boxSize(height)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_height = height;
    return Acad::eOk;
}

double AcDbMText::textHeight() const {
    assertReadEnabled();
    return m_textHeight;
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
    if (!(height > 0.0) || !std::isfinite(height)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_textHeight = height;
    return Acad::eOk;
}

double AcDbMText::rotation() const {
    assertReadEnabled();
    return m_rotation;
}

Acad::ErrorStatus AcDbMText::setRotation(double rotation) {
    assertWriteEnabled();
    m_rotation = vthost::normalizeAngle(rotation);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    double scale = xform.scale();
    m_location.transformBy(xform);
    bool backToFront = false;  // multiline text is never mirrored: it stays readable
    m_rotation = vthost::readableRotation(m_rotation, xform, backToFront);
    m_width *= scale;
    m_height *= scale;
    m_textHeight *= scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writePoint3d(m_location);
    vthost::writeString(filer, m_contents);
    filer->writeDouble(m_width);
    filer->writeDouble(m_height);
    filer->writeDouble(m_textHeight);
    filer->writeDouble(m_rotation);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbMText::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    AcGePoint3d location;
    std::string contents;
    double width = 0.0, height = 0.0, textHeight = 0.0, rotation = 0.0;
    filer->readPoint3d(&location);
    vthost::readString(filer, contents);
    for (double* value : {&width, &height, &textHeight, &rotation}) filer->readDouble(value);
    vthost::requireFinite(filer, location);
    vthost::requirePositive(filer, textHeight);
    vthost::requireFinite(filer, rotation);
    if (!boxSize(width) || !boxSize(height)) filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_location = location;
    m_contents = std::move(contents);
    m_width = width;
    m_height = height;
    m_textHeight = textHeight;
    m_rotation = rotation;
    return Acad::eOk;
}

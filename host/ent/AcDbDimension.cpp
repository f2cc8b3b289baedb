// Record: entity; Int16 version (1); String text override; Point3d text position.
#include "ent/AcDbDimension.h"

#include <cstdio>

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"
#include "ge/AcGeMatrix3d.h"

ACRX_DEFINE_MEMBERS(AcDbDimension)

namespace {
constexpr Adesk::Int16 kVersion = 1;
constexpr const char* kMeasuredValue = "<>";
constexpr const char* kSuppressed = " ";
}  // namespace

char* AcDbDimension::dimensionText() const {
    assertReadEnabled();
    return vthost::newStringCopy(m_text);
}

Acad::ErrorStatus AcDbDimension::setDimensionText(const char* text) {
    assertWriteEnabled();
    m_text = text != nullptr ? text : "";
    return Acad::eOk;
}

AcGePoint3d AcDbDimension::textPosition() const {
    assertReadEnabled();
    return m_textPosition;
}

Acad::ErrorStatus AcDbDimension::setTextPosition(const AcGePoint3d& position) {
    assertWriteEnabled();
    m_textPosition = position;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::measurement(double& value) const {
    assertReadEnabled();
    value = measurement();
    return Acad::eOk;
}

std::string AcDbDimension::formattedText() const {
    assertReadEnabled();
    char value[64];
    std::snprintf(value, sizeof value, "%.4f", measurement());
    if (m_text.empty()) return value;
    if (m_text == kSuppressed) return "";
    std::string shown = m_text;
    std::size_t at = shown.find(kMeasuredValue);
    if (at != std::string::npos) shown.replace(at, 2, value);
    return shown;
}

Acad::ErrorStatus AcDbDimension::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    m_textPosition.transformBy(xform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    vthost::writeString(filer, m_text);
    filer->writePoint3d(m_textPosition);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimension::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    std::string text;
    AcGePoint3d position;
    vthost::readString(filer, text);
    filer->readPoint3d(&position);
    vthost::requireFinite(filer, position);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_text = std::move(text);
    m_textPosition = position;
    return Acad::eOk;
}

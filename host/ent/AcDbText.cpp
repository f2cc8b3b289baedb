// Record: entity; Int16 version (1); Point3d position; Point3d alignment point; String text;
// Int16 horizontal mode (0..5); Int16 vertical mode (0..3); Double height (positive); Double
// rotation; Double width factor (positive); Double oblique angle.
#include "ent/AcDbText.h"

#include <cmath>
#include <utility>

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbText)

namespace {
constexpr Adesk::Int16 kVersion = 1;
// The stand-in's font metrics, in text heights: the advance of one character and the depth of
// the descenders below the baseline.
constexpr double kCharacterWidth = 0.6;
constexpr double kDescent = 0.3;

bool positiveNumber(double value) { return value > 0.0 && std::isfinite(value); }

std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}
}  // namespace

AcGePoint3d AcDbText::position() const {
    assertReadEnabled();
    return m_position;
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position) {
    assertWriteEnabled();
    m_position = position;
    return Acad::eOk;
}

AcGePoint3d AcDbText::alignmentPoint() const {
    assertReadEnabled();
    return m_alignment;
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& alignment) {
    assertWriteEnabled();
    m_alignment = alignment;
    derivePosition();
    return Acad::eOk;
}

Adesk::Boolean AcDbText::isDefaultAlignment() const {
    assertReadEnabled();
    return m_horizontal == AcDb::kTextLeft && m_vertical == AcDb::kTextBase;
}

char* AcDbText::textString() const {
    assertReadEnabled();
    return vthost::newStringCopy(m_text);
}

Acad::ErrorStatus AcDbText::setTextString(const char* text) {
    assertWriteEnabled();
    m_text = text != nullptr ? text : "";
    derivePosition();
    return Acad::eOk;
}

AcDb::TextHorzMode AcDbText::horizontalMode() const {
    assertReadEnabled();
    return m_horizontal;
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
    if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_horizontal = mode;
    derivePosition();
    return Acad::eOk;
}

AcDb::TextVertMode AcDbText::verticalMode() const {
    assertReadEnabled();
    return m_vertical;
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
    if (mode < AcDb::kTextBase || mode > AcDb::kTextTop) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_vertical = mode;
    derivePosition();
    return Acad::eOk;
}

double AcDbText::height() const {
    assertReadEnabled();
    return m_height;
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
    if (!positiveNumber(height)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_height = height;
    derivePosition();
    return Acad::eOk;
}

double AcDbText::rotation() const {
    assertReadEnabled();
    return m_rotation;
}

Acad::ErrorStatus AcDbText::setRotation(double rotation) {
    assertWriteEnabled();
    m_rotation = vthost::normalizeAngle(rotation);
    derivePosition();
    return Acad::eOk;
}

double AcDbText::widthFactor() const {
    assertReadEnabled();
    return m_widthFactor;
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
    if (!positiveNumber(factor)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_widthFactor = factor;
    derivePosition();
    return Acad::eOk;
}

double AcDbText::oblique() const {
    assertReadEnabled();
    return m_oblique;
}

Acad::ErrorStatus AcDbText::setOblique(double angle) {
    assertWriteEnabled();
    m_oblique = angle;
    return Acad::eOk;
}

bool AcDbText::placedByAlignmentPoint() const {
    bool baseLeft = m_horizontal == AcDb::kTextLeft && m_vertical == AcDb::kTextBase;
    bool twoPoints = m_horizontal == AcDb::kTextAlign || m_horizontal == AcDb::kTextFit;
    return !baseLeft && !twoPoints;
}

Acad::ErrorStatus AcDbText::adjustAlignment(const AcDbDatabase*) {
    assertWriteEnabled();
    derivePosition();
    return Acad::eOk;
}

// The position is the left end of the baseline: the alignment point moved back along the text
// direction by the part of the text's width before it, and down or up to the baseline.
void AcDbText::derivePosition() {
    if (!placedByAlignmentPoint()) return;
    double width = static_cast<double>(characterCount(m_text)) * kCharacterWidth * m_height * m_widthFactor;
    double along = 0.0;
    if (m_horizontal == AcDb::kTextCenter || m_horizontal == AcDb::kTextMid) along = -width / 2;
    if (m_horizontal == AcDb::kTextRight) along = -width;
    double across = 0.0;
    if (m_vertical == AcDb::kTextBottom) across = kDescent * m_height;
    if (m_vertical == AcDb::kTextVertMid || m_horizontal == AcDb::kTextMid) across = -m_height / 2;
    if (m_vertical == AcDb::kTextTop) across = -m_height;
    double c = std::cos(m_rotation), s = std::sin(m_rotation);
    m_position = m_alignment + AcGeVector3d(along * c - across * s, along * s + across * c, 0.0);
}

Acad::ErrorStatus AcDbText::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    m_position.transformBy(xform);
    m_alignment.transformBy(xform);
    bool backToFront = false;
    m_rotation = vthost::readableRotation(m_rotation, xform, backToFront);
    m_height *= xform.scale();
    // Aligned and fitted text runs from the position to the alignment point: a mirror that turned
    // it back to front swaps the two so that it reads forwards between the mirrored ends.
    bool twoPoints = m_horizontal == AcDb::kTextAlign || m_horizontal == AcDb::kTextFit;
    if (backToFront && twoPoints) std::swap(m_position, m_alignment);
    derivePosition();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbText::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writePoint3d(m_position);
    filer->writePoint3d(m_alignment);
    vthost::writeString(filer, m_text);
    filer->writeInt16(static_cast<Adesk::Int16>(m_horizontal));
    filer->writeInt16(static_cast<Adesk::Int16>(m_vertical));
    filer->writeDouble(m_height);
    filer->writeDouble(m_rotation);
    filer->writeDouble(m_widthFactor);
    filer->writeDouble(m_oblique);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    AcGePoint3d position, alignment;
    std::string text;
    Adesk::Int16 horizontal = 0, vertical = 0;
    double height = 0.0, rotation = 0.0, widthFactor = 0.0, oblique = 0.0;
    filer->readPoint3d(&position);
    filer->readPoint3d(&alignment);
    vthost::readString(filer, text);
    filer->readInt16(&horizontal);
    filer->readInt16(&vertical);
    for (double* value : {&height, &rotation, &widthFactor, &oblique}) filer->readDouble(value);
    vthost::requireFinite(filer, position);
    vthost::requireFinite(filer, alignment);
    vthost::requirePositive(filer, height);
    vthost::requireFinite(filer, rotation);
    vthost::requirePositive(filer, widthFactor);
    vthost::requireFinite(filer, oblique);
    if (horizontal < AcDb::kTextLeft || horizontal > AcDb::kTextFit || vertical < AcDb::kTextBase ||
        vertical > AcDb::kTextTop)
        filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_position = position;
    m_alignment = alignment;
    m_text = std::move(text);
    m_horizontal = static_cast<AcDb::TextHorzMode>(horizontal);
    m_vertical = static_cast<AcDb::TextVertMode>(vertical);
    m_height = height;
    m_rotation = rotation;
    m_widthFactor = widthFactor;
    m_oblique = oblique;
    return Acad::eOk;
}

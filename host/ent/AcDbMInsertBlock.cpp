// Record: block reference; Int16 version (1); UInt16 columns; UInt16 rows (both at least 1);
// Double column spacing; Double row spacing.
#include "ent/AcDbMInsertBlock.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbMInsertBlock)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

Adesk::UInt16 AcDbMInsertBlock::columns() const {
    assertReadEnabled();
    return m_columns;
}

Acad::ErrorStatus AcDbMInsertBlock::setColumns(Adesk::UInt16 columns) {
    if (columns == 0) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_columns = columns;
    return Acad::eOk;
}

Adesk::UInt16 AcDbMInsertBlock::rows() const {
    assertReadEnabled();
    return m_rows;
}

Acad::ErrorStatus AcDbMInsertBlock::setRows(Adesk::UInt16 rows) {
    if (rows == 0) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_rows = rows;
    return Acad::eOk;
}

double AcDbMInsertBlock::columnSpacing() const {
    assertReadEnabled();
    return m_columnSpacing;
}

Acad::ErrorStatus AcDbMInsertBlock::setColumnSpacing(double spacing) {
    if (!std::isfinite(spacing)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_columnSpacing = spacing;
    return Acad::eOk;
}

double AcDbMInsertBlock::rowSpacing() const {
    assertReadEnabled();
    return m_rowSpacing;
}

Acad::ErrorStatus AcDbMInsertBlock::setRowSpacing(double spacing) {
    if (!std::isfinite(spacing)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_rowSpacing = spacing;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMInsertBlock::transformBy(const AcGeMatrix3d& xform) {
    Acad::ErrorStatus status = AcDbBlockReference::transformBy(xform);
    if (status != Acad::eOk) return status;
    m_columnSpacing *= xform.scale();
    m_rowSpacing *= xform.scale();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMInsertBlock::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbBlockReference::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writeUInt16(m_columns);
    filer->writeUInt16(m_rows);
    filer->writeDouble(m_columnSpacing);
    filer->writeDouble(m_rowSpacing);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbMInsertBlock::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbBlockReference::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    Adesk::UInt16 columns = 0, rows = 0;
    double columnSpacing = 0.0, rowSpacing = 0.0;
    filer->readUInt16(&columns);
    filer->readUInt16(&rows);
    filer->readDouble(&columnSpacing);
    filer->readDouble(&rowSpacing);
    vthost::requireFinite(filer, columnSpacing);
    vthost::requireFinite(filer, rowSpacing);
    if (columns == 0 || rows == 0) filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_columns = columns;
    m_rows = rows;
    m_columnSpacing = columnSpacing;
    m_rowSpacing = rowSpacing;
    return Acad::eOk;
}

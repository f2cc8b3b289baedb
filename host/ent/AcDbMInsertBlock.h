// AcDbMInsertBlock: a block reference repeated in a rectangular array of rows and columns, spaced
// in the block's rotated x (columns) and y (rows) directions. It is a block reference in every
// other respect (isKindOf(AcDbBlockReference::desc())).
#pragma once
#include "ent/AcDbBlockReference.h"

class AcDbMInsertBlock : public AcDbBlockReference {
public:
    ACRX_DECLARE_MEMBERS(AcDbMInsertBlock);
    AcDbMInsertBlock() = default;

    Adesk::UInt16 columns() const;
    // Zero columns or rows answer eInvalidInput.
    Acad::ErrorStatus setColumns(Adesk::UInt16 columns);
    Adesk::UInt16 rows() const;
    Acad::ErrorStatus setRows(Adesk::UInt16 rows);
    double columnSpacing() const;
    Acad::ErrorStatus setColumnSpacing(double spacing);
    double rowSpacing() const;
    Acad::ErrorStatus setRowSpacing(double spacing);

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    Adesk::UInt16 m_columns = 1;
    Adesk::UInt16 m_rows = 1;
    double m_columnSpacing = 0.0;
    double m_rowSpacing = 0.0;
};

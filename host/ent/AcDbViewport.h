// AcDbViewport: a floating viewport of a layout, a window at centerPoint (paper space) of the given
// width and height. number() is the viewport's number while it is active, -1 otherwise; the host
// sets it (setNumber), modules only read it.
#pragma once
#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"

class AcDbViewport : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbViewport);
    AcDbViewport() = default;

    int number() const;
    Acad::ErrorStatus setNumber(int number);
    AcGePoint3d centerPoint() const;
    Acad::ErrorStatus setCenterPoint(const AcGePoint3d& center);
    double width() const;
    // A size that is negative or not a number answers eInvalidInput.
    Acad::ErrorStatus setWidth(double width);
    double height() const;
    Acad::ErrorStatus setHeight(double height);
    Adesk::Boolean isOn() const;
    Acad::ErrorStatus setOn();
    Acad::ErrorStatus setOff();

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    int m_number = -1;
    AcGePoint3d m_center;
    double m_width = 0.0;
    double m_height = 0.0;
    bool m_on = true;
};

// AcDbDimension: base of the dimensions. The stored dimension text is an override: empty shows the
// measured value; otherwise the first "<>" in it stands for the measured value (later ones stay as
// text), and a single space shows nothing. dimensionText() returns a copy of the override that the
// caller frees with acutDelString. Concrete dimensions say what they measure.
#pragma once
#include <string>

#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"

class AcDbDimension : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbDimension);
    ~AcDbDimension() override = default;

    char* dimensionText() const;
    // Copies the override; null stores an empty one.
    Acad::ErrorStatus setDimensionText(const char* text);
    AcGePoint3d textPosition() const;
    Acad::ErrorStatus setTextPosition(const AcGePoint3d& position);

    // The measured value, in drawing units (or radians for angles). Needs read access.
    virtual double measurement() const = 0;
    Acad::ErrorStatus measurement(double& value) const;
    // What the dimension shows: the override with the measured value put in (four decimals).
    std::string formattedText() const;

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    AcDbDimension() = default;

private:
    std::string m_text;
    AcGePoint3d m_textPosition;
};

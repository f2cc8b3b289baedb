// AcDbMText: multiline text in a box whose top-left corner is the location. The contents keep the
// format codes (\P, {\f...;...}) as given; contents() returns a copy that the caller frees with
// acutDelString. Not an AcDbText.
#pragma once
#include <string>

#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"

class AcDbMText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMText);
    AcDbMText() = default;

    AcGePoint3d location() const;
    Acad::ErrorStatus setLocation(const AcGePoint3d& location);
    char* contents() const;
    // Copies the text (null stores an empty one) and answers the number of bytes stored.
    int setContents(const char* text);
    // The box: width (0 = no wrapping) and height (0 = as tall as the text needs).
    double width() const;
    Acad::ErrorStatus setWidth(double width);
    double height() const;
    Acad::ErrorStatus setHeight(double height);
    double textHeight() const;
    // A height that is not a positive number answers eInvalidInput.
    Acad::ErrorStatus setTextHeight(double height);
    double rotation() const;
    Acad::ErrorStatus setRotation(double rotation);

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    AcGePoint3d m_location;
    std::string m_contents;
    double m_width = 0.0;
    double m_height = 0.0;
    double m_textHeight = 0.2;
    double m_rotation = 0.0;
};

// AcDbText: a single line of text. Which point places it depends on the justification: for left /
// baseline text (isDefaultAlignment) the position is the insertion point and the alignment point
// means nothing; for aligned and fit text the text runs from the position to the alignment point;
// for every other justification the alignment point is the insertion point and the position (the
// left end of the baseline) is derived from it by adjustAlignment. The setters that change the
// derivation (alignment point, string, modes, height, rotation, width factor) adjust at once.
// textString() returns a copy that the caller frees with acutDelString.
#pragma once
#include <string>

#include "db/AcDbEntity.h"
#include "ent/AcDbTextEnums.h"
#include "ge/AcGePoint3d.h"

class AcDbText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbText);
    AcDbText() = default;
    ~AcDbText() override = default;

    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    AcGePoint3d alignmentPoint() const;
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& alignment);
    // True exactly for left / baseline text.
    Adesk::Boolean isDefaultAlignment() const;

    char* textString() const;
    // Copies the text; null stores an empty string.
    Acad::ErrorStatus setTextString(const char* text);
    AcDb::TextHorzMode horizontalMode() const;
    Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
    AcDb::TextVertMode verticalMode() const;
    Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
    double height() const;
    // A height that is not a positive number answers eInvalidInput.
    Acad::ErrorStatus setHeight(double height);
    double rotation() const;
    Acad::ErrorStatus setRotation(double rotation);
    double widthFactor() const;
    // A factor that is not a positive number answers eInvalidInput.
    Acad::ErrorStatus setWidthFactor(double factor);
    double oblique() const;
    Acad::ErrorStatus setOblique(double angle);

    // Derives the position from the alignment point for justifications that place the text by
    // the alignment point. The stand-in estimates the text's extent from its character count (each
    // character 0.6 height wide, times the width factor); the database is not consulted.
    virtual Acad::ErrorStatus adjustAlignment(const AcDbDatabase* db = nullptr);
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    bool placedByAlignmentPoint() const;
    void derivePosition();

    AcGePoint3d m_position;
    AcGePoint3d m_alignment;
    std::string m_text;
    AcDb::TextHorzMode m_horizontal = AcDb::kTextLeft;
    AcDb::TextVertMode m_vertical = AcDb::kTextBase;
    double m_height = 0.2;
    double m_rotation = 0.0;
    double m_widthFactor = 1.0;
    double m_oblique = 0.0;
};

// AcPropertyLinkStyle: the persistent recipe of a live label, kept in the drawing's styles
// dictionary under its name. It owns one property reader and one content modifier (deleted when
// replaced, when the record is read again, and with the style, the modifier first), a
// description and a post-processing macro in which "%PROPERTY" stands for the value read.
// update() produces a label's content; the link calls it with the style open (read suffices),
// the source open or null and the label open for write.
#pragma once
#include <string>

#include "db/AcDbObject.h"
#include "module/ClassVersion.h"
#include "module/RuntimeClass.h"

class AcDbEntity;
class AcPropertyReader;
class AcContentModifier;

class AcPropertyLinkStyle : public AcDbObject {
public:
    VT_DECLARE_MEMBERS(AcPropertyLinkStyle);
    VT_NO_ARRAYS

    VT_DECLARE_CLASS_VERSION(AcPropertyLinkStyle, 2)

    AcPropertyLinkStyle();
    ~AcPropertyLinkStyle() override;

    AcPropertyReader* propertyReader() const;
    // Deletes the current reader and takes ownership of reader (null leaves none).
    Acad::ErrorStatus setPropertyReader(AcPropertyReader* reader);
    AcContentModifier* contentModifier() const;
    Acad::ErrorStatus setContentModifier(AcContentModifier* modifier);
    // Never null; valid until the text changes. A null argument stores the empty text.
    const char* description() const;
    Acad::ErrorStatus setDescription(const char* text);
    const char* postProcessingMacro() const;
    Acad::ErrorStatus setPostProcessingMacro(const char* text);

    // Reads the source's property, runs it through the macro and writes it into the label.
    void update(AcDbEntity* source, AcDbEntity* label);

    // A deep copy: the copy shares no reader, modifier or text with other.
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    Acad::ErrorStatus audit(AcDbAuditInfo* info) override;
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
    AcPropertyReader* m_reader = nullptr;
    AcContentModifier* m_modifier = nullptr;
    std::string m_description;
    std::string m_macro;
};

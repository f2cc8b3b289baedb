// AcDbAttributeDefinition: the template of an attribute in a block definition. Its text string is
// the default value; the tag names the attribute, the prompt is what the user is asked. tag() and
// prompt() return copies that the caller frees with acutDelString. Tags are stored as given.
#pragma once
#include "ent/AcDbText.h"

class AcDbAttributeDefinition : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
    AcDbAttributeDefinition() = default;

    char* tag() const;
    // A null or empty tag answers eInvalidInput.
    Acad::ErrorStatus setTag(const char* tag);
    char* prompt() const;
    // Null stores an empty prompt.
    Acad::ErrorStatus setPrompt(const char* prompt);
    Adesk::Boolean isConstant() const;
    Acad::ErrorStatus setConstant(Adesk::Boolean constant);
    Adesk::Boolean isInvisible() const;
    Acad::ErrorStatus setInvisible(Adesk::Boolean invisible);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    std::string m_tag;
    std::string m_prompt;
    bool m_constant = false;
    bool m_invisible = false;
};

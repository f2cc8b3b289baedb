// The content modifiers: they write a text into a label of their kind — a single-line text or
// attribute, a multiline text, a dimension's text, a leader's multiline-text note, the attributes
// of a block reference whose tag matches, or the colour of any entity. A label of another kind,
// or one not open for write, is left alone; every failure is silent.
#pragma once
#include <string>

#include "modifiers/AcContentModifier.h"
#include "module/ConcreteFiling.h"

class AcTextModifier : public AcContentModifier {
public:
    VT_CONCRETE_MEMBERS(AcTextModifier);
    const char* displayName() const override { return "Text modifier"; }
    AcRxClass* supportedEntityKind() const override;
    void updateContent(AcDbEntity* label, const char* text) override;
};

class AcMTextModifier : public AcContentModifier {
public:
    VT_CONCRETE_MEMBERS(AcMTextModifier);
    const char* displayName() const override { return "MText modifier"; }
    AcRxClass* supportedEntityKind() const override;
    void updateContent(AcDbEntity* label, const char* text) override;
};

class AcDimensionModifier : public AcContentModifier {
public:
    VT_CONCRETE_MEMBERS(AcDimensionModifier);
    const char* displayName() const override { return "Dimension modifier"; }
    AcRxClass* supportedEntityKind() const override;
    void updateContent(AcDbEntity* label, const char* text) override;
};

class AcLeaderModifier : public AcContentModifier {
public:
    VT_CONCRETE_MEMBERS(AcLeaderModifier);
    const char* displayName() const override { return "Leader modifier"; }
    AcRxClass* supportedEntityKind() const override;
    void updateContent(AcDbEntity* label, const char* text) override;
};

class AcColorModifier : public AcContentModifier {
public:
    VT_CONCRETE_MEMBERS(AcColorModifier);
    const char* displayName() const override { return "Color modifier"; }
    AcRxClass* supportedEntityKind() const override;
    // The leading integer of text (atoi rules) as colour index 0..256; other texts change nothing.
    void updateContent(AcDbEntity* label, const char* text) override;
};

// Rewrites every attribute whose tag equals the attribute name (case-insensitive).
// Record: the base modifier's, the version word (1), then the attribute name (String).
class AcBlockModifier : public AcContentModifier {
public:
    VT_CONCRETE_MEMBERS(AcBlockModifier);
    const char* displayName() const override { return "Block modifier"; }
    bool hasOptions() const override { return true; }
    bool hasOptionsCorrect() const override { return !m_attribName.empty(); }
    AcRxClass* supportedEntityKind() const override;
    void updateContent(AcDbEntity* label, const char* text) override;

    // Never null; owned by the modifier, valid until the name changes.
    const char* attribName() const { return m_attribName.c_str(); }
    Acad::ErrorStatus setAttribName(const char* name);

private:
    std::string m_attribName;
};

namespace vantorell {
// atoi's reading of a colour text, without its undefined overflow: the value, or false when the
// digits do not fit an int.
bool parseColorNumber(const char* text, long& value);
}  // namespace vantorell

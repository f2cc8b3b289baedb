// The filing level every concrete reader and modifier adds after its base: a 16-bit version word
// (1), refused with eMakeMeProxy when a record carries a newer one.
#pragma once
#include "module/ClassVersion.h"

// The members every concrete reader or modifier declares besides its own behaviour.
#define VT_CONCRETE_MEMBERS(CLASS)                                      \
    VT_DECLARE_MEMBERS(CLASS);                                          \
    VT_DECLARE_CLASS_VERSION(CLASS, 1)                                  \
    CLASS() = default;                                                  \
    ~CLASS() override = default;                                        \
    Acad::ErrorStatus audit(AcDbAuditInfo* info) override;              \
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;        \
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override; \
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;        \
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override

// Runtime class, audit and filing of a concrete class without fields of its own.
#define VT_DEFINE_CONCRETE(CLASS, BASE)                                                          \
    VT_DEFINE_SHORT_MEMBERS(CLASS, #BASE)                                                        \
    VT_DEFINE_CLASS_VERSION(CLASS)                                                               \
    Acad::ErrorStatus CLASS::audit(AcDbAuditInfo* info) {                                        \
        return BASE::audit(info);                                                                \
    }                                                                                            \
    Acad::ErrorStatus CLASS::dwgOutFields(AcDbDwgFiler* filer) const {                           \
        assertReadEnabled();                                                                     \
        return vantorell::writeVersionLevel(filer, BASE::dwgOutFields(filer), m_version##CLASS); \
    }                                                                                            \
    Acad::ErrorStatus CLASS::dwgInFields(AcDbDwgFiler* filer) {                                  \
        assertWriteEnabled();                                                                    \
        return vantorell::readVersionLevel(filer, BASE::dwgInFields(filer), m_version##CLASS);   \
    }                                                                                            \
    Acad::ErrorStatus CLASS::dxfInFields(AcDbDxfFiler* filer) {                                  \
        return BASE::dxfInFields(filer);                                                         \
    }                                                                                            \
    Acad::ErrorStatus CLASS::dxfOutFields(AcDbDxfFiler* filer) const {                           \
        return BASE::dxfOutFields(filer);                                                        \
    }

// Record (after the base object's fields):
//   Int16   class version (2)
//   object  content modifier  (embedded-object record: Boolean, class name, its own record)
//   object  property reader   (the same)
//   String  description
//   String  post-processing macro (version 2 and later)
#include "style/AcPropertyLinkStyle.h"

#include "db/AcDbDwgFiler.h"
#include "ut/AcUtil.h"
#include "db/AcDbEntity.h"
#include "modifiers/AcContentModifier.h"
#include "module/AppDescription.h"
#include "readers/AcPropertyReader.h"
#include "module/EmbeddedObject.h"
#include "style/MacroExpansion.h"

VT_DEFINE_MEMBERS(AcPropertyLinkStyle, "AcDbObject", true, 23, 13, 0,
                  vantorell::createInstance<AcPropertyLinkStyle>, "ACPROPERTYLINKSTYLE",
                  vantorell::kAppDescription)
VT_DEFINE_CLASS_VERSION(AcPropertyLinkStyle)

namespace {

std::string orEmpty(const char* text) {
    return text ? std::string(text) : std::string();
}

// Reads a string that the filer allocates into target; target keeps its value on failure.
void readText(AcDbDwgFiler* filer, std::string& target) {
    char* text = nullptr;
    filer->readString(&text);
    if (filer->filerStatus() == Acad::eOk) target = orEmpty(text);
    acutDelString(text);
}

// A clone of source as a T, or null when source is null or its clone is not a T.
template <class T>
T* cloneAs(const T* source) {
    if (source == nullptr) return nullptr;
    AcRxObject* copy = source->clone();
    T* typed = T::cast(copy);
    if (typed == nullptr) delete copy;
    return typed;
}

}  // namespace

AcPropertyLinkStyle::AcPropertyLinkStyle() = default;

AcPropertyLinkStyle::~AcPropertyLinkStyle() {
    delete m_modifier;
    delete m_reader;
}

AcPropertyReader* AcPropertyLinkStyle::propertyReader() const {
    assertReadEnabled();
    return m_reader;
}

Acad::ErrorStatus AcPropertyLinkStyle::setPropertyReader(AcPropertyReader* reader) {
    assertWriteEnabled();
    if (reader != m_reader) delete m_reader;
    m_reader = reader;
    return Acad::eOk;
}

AcContentModifier* AcPropertyLinkStyle::contentModifier() const {
    assertReadEnabled();
    return m_modifier;
}

Acad::ErrorStatus AcPropertyLinkStyle::setContentModifier(AcContentModifier* modifier) {
    assertWriteEnabled();
    if (modifier != m_modifier) delete m_modifier;
    m_modifier = modifier;
    return Acad::eOk;
}

const char* AcPropertyLinkStyle::description() const {
    assertReadEnabled();
    return m_description.c_str();
}

Acad::ErrorStatus AcPropertyLinkStyle::setDescription(const char* text) {
    assertWriteEnabled();
    m_description = orEmpty(text);
    return Acad::eOk;
}

const char* AcPropertyLinkStyle::postProcessingMacro() const {
    assertReadEnabled();
    return m_macro.c_str();
}

Acad::ErrorStatus AcPropertyLinkStyle::setPostProcessingMacro(const char* text) {
    assertWriteEnabled();
    m_macro = orEmpty(text);
    return Acad::eOk;
}

// A style read from a record may lack its reader or its modifier; the label then keeps its text.
void AcPropertyLinkStyle::update(AcDbEntity* source, AcDbEntity* label) {
    if (m_reader == nullptr || m_modifier == nullptr) return;
    char* rawValue = m_reader->readProperty(source);
    std::string text = vantorell::labelText(rawValue, m_macro);
    m_modifier->updateContent(label, text.c_str());
    delete[] rawValue;
}

Acad::ErrorStatus AcPropertyLinkStyle::copyFrom(const AcRxObject* other) {
    const AcPropertyLinkStyle* style = AcPropertyLinkStyle::cast(other);
    assertWriteEnabled();
    if (style != nullptr && style != this) {
        m_description = style->m_description;
        m_macro = style->m_macro;
        delete m_modifier;
        m_modifier = cloneAs(style->m_modifier);
        delete m_reader;
        m_reader = cloneAs(style->m_reader);
    }
    return AcDbObject::copyFrom(other);
}

Acad::ErrorStatus AcPropertyLinkStyle::audit(AcDbAuditInfo* info) {
    return AcDbObject::audit(info);
}

Acad::ErrorStatus AcPropertyLinkStyle::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = vantorell::writeVersionLevel(filer, AcDbObject::dwgOutFields(filer),
                                                            m_versionAcPropertyLinkStyle);
    if (status != Acad::eOk) return status;
    vantorell::writeObject(filer, m_modifier);
    vantorell::writeObject(filer, m_reader);
    filer->writeString(m_description.c_str());
    filer->writeString(m_macro.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcPropertyLinkStyle::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Adesk::Int16 version = 0;
    Acad::ErrorStatus status = vantorell::readVersionLevel(filer, AcDbObject::dwgInFields(filer),
                                                           m_versionAcPropertyLinkStyle, &version);
    if (status != Acad::eOk) return status;
    AcDbObject* object = nullptr;
    delete m_modifier;
    m_modifier = nullptr;
    vantorell::readObject(filer, &object, AcContentModifier::desc());
    m_modifier = AcContentModifier::cast(object);
    delete m_reader;
    m_reader = nullptr;
    vantorell::readObject(filer, &object, AcPropertyReader::desc());
    m_reader = AcPropertyReader::cast(object);
    readText(filer, m_description);
    if (version == m_versionAcPropertyLinkStyle) readText(filer, m_macro);
    return filer->filerStatus();
}

Acad::ErrorStatus AcPropertyLinkStyle::dxfInFields(AcDbDxfFiler*) {
    assertWriteEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcPropertyLinkStyle::dxfOutFields(AcDbDxfFiler*) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

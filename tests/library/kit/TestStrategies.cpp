#include "TestStrategies.h"

#include <cstring>

#include "db/AcDbDwgFiler.h"
#include "ut/AcUtil.h"
#include "rx/AcRxClass.h"

VT_DEFINE_SHORT_MEMBERS(FixedReader, "AcPropertyReader")
VT_DEFINE_SHORT_MEMBERS(RecordingModifier, "AcContentModifier")

char* FixedReader::readProperty(const AcDbEntity* entity) {
    ++reads;
    lastSource = entity;
    if (!value) return nullptr;
    char* copy = new char[value->size() + 1];
    std::memcpy(copy, value->c_str(), value->size() + 1);
    return copy;
}

// Files its value so that clones carry it: Boolean present, String value.
Acad::ErrorStatus FixedReader::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcPropertyReader::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeBoolean(value.has_value());
    filer->writeString(value ? value->c_str() : "");
    return filer->filerStatus();
}

Acad::ErrorStatus FixedReader::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcPropertyReader::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Boolean present = false;
    char* text = nullptr;
    filer->readBoolean(&present);
    filer->readString(&text);
    if (filer->filerStatus() == Acad::eOk)
        value = present ? std::optional<std::string>(text ? text : "") : std::nullopt;
    acutDelString(text);
    return filer->filerStatus();
}

void RecordingModifier::updateContent(AcDbEntity* label, const char* text) {
    lastLabel = label;
    received = text;
}

namespace vttest {
void registerTestStrategies() {
    FixedReader::rxInit();
    RecordingModifier::rxInit();
    acrxBuildClassHierarchy();
}
}  // namespace vttest

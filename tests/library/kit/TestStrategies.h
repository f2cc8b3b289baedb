// A reader that answers a fixed value and a modifier that records what it was given, registered
// as runtime classes of the two families so that styles can clone and file them.
#pragma once
#include <optional>
#include <string>

#include "modifiers/AcContentModifier.h"
#include "readers/AcPropertyReader.h"

class FixedReader : public AcPropertyReader {
public:
    VT_DECLARE_MEMBERS(FixedReader);
    FixedReader() = default;
    explicit FixedReader(std::optional<std::string> value) : value(std::move(value)) {}
    const char* displayName() const override { return "Fixed"; }
    char* readProperty(const AcDbEntity* entity) override;
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

    std::optional<std::string> value;
    const AcDbEntity* lastSource = nullptr;
    int reads = 0;
};

class RecordingModifier : public AcContentModifier {
public:
    VT_DECLARE_MEMBERS(RecordingModifier);
    void updateContent(AcDbEntity* label, const char* text) override;

    std::optional<std::string> received;
    AcDbEntity* lastLabel = nullptr;
};

namespace vttest {
void registerTestStrategies();
}

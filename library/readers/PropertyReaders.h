// The property readers: area, length and text of a source entity, and the X, Y or Z of its
// reference point. Numbers are formatted in the drawing's units. Each gives null when the source
// has no such property (or is null); the area reader gives zero for an entity that has no area.
#pragma once
#include "readers/AcPropertyReader.h"
#include "module/ConcreteFiling.h"

class AcAreaReader : public AcPropertyReader {
public:
    VT_CONCRETE_MEMBERS(AcAreaReader);
    const char* displayName() const override { return "Area"; }
    char* readProperty(const AcDbEntity* entity) override;
};

class AcLengthReader : public AcPropertyReader {
public:
    VT_CONCRETE_MEMBERS(AcLengthReader);
    const char* displayName() const override { return "Length"; }
    char* readProperty(const AcDbEntity* entity) override;
};

class AcTextReader : public AcPropertyReader {
public:
    VT_CONCRETE_MEMBERS(AcTextReader);
    const char* displayName() const override { return "Text"; }
    char* readProperty(const AcDbEntity* entity) override;
};

class AcXCoordReader : public AcPropertyReader {
public:
    VT_CONCRETE_MEMBERS(AcXCoordReader);
    const char* displayName() const override { return "X coordinate"; }
    char* readProperty(const AcDbEntity* entity) override;
};

class AcYCoordReader : public AcPropertyReader {
public:
    VT_CONCRETE_MEMBERS(AcYCoordReader);
    const char* displayName() const override { return "Y coordinate"; }
    char* readProperty(const AcDbEntity* entity) override;
};

class AcZCoordReader : public AcPropertyReader {
public:
    VT_CONCRETE_MEMBERS(AcZCoordReader);
    const char* displayName() const override { return "Z coordinate"; }
    char* readProperty(const AcDbEntity* entity) override;
};

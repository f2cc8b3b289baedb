// Building linked drawings the way the system stores them, in one place for the main job, the
// tests, the fuzzers' seed generator and the benchmarks: entities in model space, styles in the
// drawing's styles dictionary, links in their sources' extension dictionaries. Every function
// answers the null id when the drawing refuses a step.
#pragma once
#include "db/AcDbDatabase.h"
#include "db/AcDbEntity.h"

class AcPropertyReader;
class AcContentModifier;

namespace vtsample {

// The key of the styles dictionary in the drawing's named-objects dictionary.
constexpr const char* kStylesDictionaryKey = "ORVN_Vantorell_Styles";

// Appends a new entity (which the drawing then owns) to model space and closes it.
AcDbObjectId addToModelSpace(AcDbDatabase& db, AcDbEntity* entity);

// A closed rectangular polyline from the origin to (width, depth), appended to model space: the
// room of the sample drawings.
AcDbObjectId addRoom(AcDbDatabase& db, double width, double depth);

// The drawing's styles dictionary, created when missing.
AcDbObjectId stylesDictionary(AcDbDatabase& db);

// A style stored under name in the styles dictionary; it takes the reader and the modifier.
AcDbObjectId addStyle(AcDbDatabase& db, const char* name, AcPropertyReader* reader,
                      AcContentModifier* modifier, const char* macro = "",
                      const char* description = "");

// A style that reads the area and writes a single-line text, with the given macro.
AcDbObjectId addAreaTextStyle(AcDbDatabase& db, const char* name, const char* macro);

// Stores a new link in the source's extension dictionary (created when missing) and makes it the
// source's persistent reactor; closing the source sends the first update. A null label makes a
// self link.
AcDbObjectId storeLink(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style);

}  // namespace vtsample

// Building linked drawings for the main job and the benchmarks: a style that writes a source's
// area into a single-line text, and a link stored the way link creation stores it.
#pragma once
#include "db/AcDbDatabase.h"

namespace vtsample {

// A style in the drawing's styles dictionary (created when missing) reading the area and writing
// a single-line text, with the given post-processing macro.
AcDbObjectId addAreaTextStyle(AcDbDatabase& db, const char* name, const char* macro);

// Stores a new link in the source's extension dictionary (created when missing) and makes it the
// source's persistent reactor; closing the source sends the first update.
AcDbObjectId storeLink(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style);

}  // namespace vtsample

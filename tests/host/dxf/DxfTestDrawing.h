// Drawings for the DXF tests: one with every entity kind the host carries in and out of DXF, and
// helpers that find entities in model space and read them.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "db/AcDbDatabase.h"
#include "db/AcDbEntity.h"

namespace dxftest {

// Appends to model space (or to the block named blockName) and closes.
AcDbObjectId append(AcDbDatabase& db, AcDbEntity* entity, const char* blockName = nullptr);
// LINE (layer WALLS, colour 1), closed LWPOLYLINE with bulges, CIRCLE, ARC, ELLIPSE, centred TEXT,
// MTEXT, block TAG (a circle and ATTDEF ROOM) inserted with ROOM=Kitchen, aligned and rotated
// dimensions with overrides, a LEADER with an MTEXT note, an IMAGE frame and a REGION.
void buildEveryKind(AcDbDatabase& db);

std::vector<AcDbObjectId> entityIds(AcDbDatabase& db, const char* blockName = nullptr);
// The ids of model space entities of class T, in order.
template <class T>
std::vector<AcDbObjectId> idsOf(AcDbDatabase& db, const char* blockName = nullptr);
// Opens id for read as T and runs fn on it.
void withEntity(AcDbObjectId id, const std::function<void(const AcDbEntity&)>& fn);
std::string take(char* text);

}  // namespace dxftest

#include "DxfTestDrawing.inl"

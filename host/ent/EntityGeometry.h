// vthost entity geometry for picking and windows: an entity's outline as strokes (chains of points
// in the XY plane; a stroke of one point is a spot), its extents, its distance from a point, and
// whether a window contains or crosses it. Curves are followed along their parameter; texts are
// their estimated box; block references, multiline texts and dimensions are spots at their
// placement points, images their frames. Entities with no outline here cannot be picked. The entity must be open for
// read. Host-internal.
#pragma once
#include <vector>

#include "ge/AcGePoint3d.h"

class AcDbEntity;

namespace vthost {

using Stroke = std::vector<AcGePoint3d>;

struct Extents {
    AcGePoint3d min, max;
    bool contains(const AcGePoint3d& p) const {
        return p.x >= min.x && p.x <= max.x && p.y >= min.y && p.y <= max.y;
    }
};

std::vector<Stroke> entityOutline(const AcDbEntity* entity);
// False when the entity has no outline.
bool entityExtents(const AcDbEntity* entity, Extents& extents);
// Distance in the XY plane from p to the nearest point of the outline; a huge value without one.
double distanceToEntity(const AcDbEntity* entity, const AcGePoint3d& p);
// The window spans corner1..corner2 in any order.
Extents windowOf(const AcGePoint3d& corner1, const AcGePoint3d& corner2);
// All of the outline lies inside the window.
bool insideWindow(const AcDbEntity* entity, const Extents& window);
// Some of the outline lies inside the window or crosses its edge.
bool crossesWindow(const AcDbEntity* entity, const Extents& window);

}  // namespace vthost

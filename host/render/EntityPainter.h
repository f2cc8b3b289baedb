// Paints one entity onto a canvas: lines, polylines (with their arcs), circles, arcs, ellipses and
// leaders (with an arrowhead) as outlines; regions by their outline, images and viewports by
// their frame; texts, attributes and multiline texts as text; dimensions with their lines,
// arrowheads and text; tolerances as framed text; block references as their block's entities
// moved by the reference (an array for a multiple insert) and their visible attributes. Kinds it
// does not know are left out. The entity is only read; a block's entities are opened for read one
// at a time.
#pragma once
#include <map>
#include <string>

#include "db/AcDbEntity.h"
#include "ge/AcGeMatrix3d.h"
#include "render/Canvas.h"
#include "render/CurveShapes.h"

namespace vthost {

class TextMetrics;

// Where an entity is painted from: the transform into the sheet, and inside a block what BYBLOCK
// and layer "0" stand for (the reference's colour and layer).
struct Placement {
    AcGeMatrix3d toSheet;
    int byBlockColor = 7;
    std::string blockLayer;  // empty outside blocks
    int depth = 0;           // blocks inside blocks
};

class EntityPainter {
public:
    // layerColors: colour index by layer name (BYLAYER); annotationHeight: the text height of
    // dimensions, leaders' arrowheads and tolerances.
    EntityPainter(Canvas& canvas, const TextMetrics& metrics, const std::map<std::string, int>& layerColors,
                  double annotationHeight);

    void paint(const AcDbEntity& entity, const Placement& placement = {});

    // The colour index the entity is drawn in, BYLAYER and BYBLOCK resolved.
    int colorIndexOf(const AcDbEntity& entity, const Placement& placement) const;

private:
    bool paintCurve(const AcDbEntity& entity, const Placement& at, Rgb color);
    bool paintAnnotation(const AcDbEntity& entity, const Placement& at, Rgb color);
    bool paintFrame(const AcDbEntity& entity, const Placement& at, Rgb color);
    void paintBlockReference(const AcDbEntity& entity, const Placement& at);
    void paintBlock(AcDbObjectId blockId, const Placement& inner);
    void paintAttributes(const AcDbEntity& reference, const Placement& at);
    void paintMText(const AcDbEntity& entity, const Placement& at, Rgb color);
    void paintDimension(const AcDbEntity& entity, const Placement& at, Rgb color);
    void paintTolerance(const AcDbEntity& entity, const Placement& at, Rgb color);

    void stroke(const Points& points, bool closed, const Placement& at, Rgb color);
    void fill(const Points& points, const Placement& at, Rgb color);
    // run is in the entity's plane; it is carried into the sheet by the placement.
    void text(const TextRun& run, const Placement& at, Rgb color);
    std::string layerOf(const AcDbEntity& entity, const Placement& placement) const;

    Canvas& m_canvas;
    const TextMetrics& m_metrics;
    const std::map<std::string, int>& m_layerColors;
    double m_annotationHeight;
};

}  // namespace vthost

// Paints a whole space of a drawing onto a canvas: model space as it is, or the layout (paper
// space) where every viewport that is on shows model space, fitted into the viewport with a small
// margin and cut to its frame (a viewport keeps no view of its own here). With options.only it
// paints just those entities. The drawing is only read.
#pragma once
#include <optional>
#include <vector>

#include "ge/AcGeMatrix3d.h"
#include "render/Canvas.h"
#include "render/RenderOptions.h"

class AcDbDatabase;
class AcDbViewport;

namespace vthost {

class TextMetrics;

class SpacePainter {
public:
    SpacePainter(const AcDbDatabase& db, const TextMetrics& metrics, const RenderOptions& options);
    void paint(Canvas& canvas) const;

private:
    struct Box {
        AcGePoint2d min, max;
    };
    std::vector<AcDbObjectId> entitiesToPaint() const;
    // Paints the entities; viewports also show model space when showViews.
    void paintEntities(const std::vector<AcDbObjectId>& ids, Canvas& canvas, const AcGeMatrix3d& toSheet,
                       bool showViews) const;
    void paintView(const AcGePoint3d& center, double width, double height, Canvas& canvas) const;
    // The extents of model space; none when it draws nothing.
    std::optional<Box> modelExtents() const;

    const AcDbDatabase& m_db;
    const TextMetrics& m_metrics;
    const RenderOptions& m_options;
    double m_annotationHeight;
};

// The database's TEXTSIZE (2.5 when it has none that is a positive number).
double annotationHeightOf(const AcDbDatabase& db);

}  // namespace vthost

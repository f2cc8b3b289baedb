#include "render/SpacePainter.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbViewport.h"
#include "render/EntityPainter.h"
#include "render/ExtentsCanvas.h"

namespace vthost {

namespace {

// Model space fills this much of a viewport's smaller side.
constexpr double kViewFill = 0.95;

std::vector<AcDbObjectId> liveEntities(AcDbObjectId spaceId) {
    std::vector<AcDbObjectId> ids;
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, spaceId, AcDb::kForRead) != Acad::eOk) return ids;
    for (const AcDbObjectId& id : space->entityIds())
        if (!id.isErased()) ids.push_back(id);
    space->close();
    return ids;
}

struct ViewportFrame {
    AcGePoint3d center;
    double width = 0.0, height = 0.0;
};

// The frame of an entity that is a viewport that is on.
std::optional<ViewportFrame> viewportShowing(const AcDbEntity& entity) {
    auto* viewport = AcDbViewport::cast(&entity);
    if (viewport == nullptr || !viewport->isOn()) return std::nullopt;
    return ViewportFrame{viewport->centerPoint(), viewport->width(), viewport->height()};
}

}  // namespace

double annotationHeightOf(const AcDbDatabase& db) {
    const HeaderValue* value = db.headerVariables().find("TEXTSIZE");
    const double* size = value ? std::get_if<double>(value) : nullptr;
    return size && *size > 0.0 && std::isfinite(*size) ? *size : 2.5;
}

SpacePainter::SpacePainter(const AcDbDatabase& db, const TextMetrics& metrics, const RenderOptions& options)
    : m_db(db), m_metrics(metrics), m_options(options), m_annotationHeight(annotationHeightOf(db)) {}

void SpacePainter::paint(Canvas& canvas) const {
    paintEntities(entitiesToPaint(), canvas, AcGeMatrix3d(), true);
}

std::vector<AcDbObjectId> SpacePainter::entitiesToPaint() const {
    if (!m_options.only.empty()) return m_options.only;
    return liveEntities(m_options.space == RenderSpace::kLayout ? m_db.paperSpaceId() : m_db.modelSpaceId());
}

void SpacePainter::paintEntities(const std::vector<AcDbObjectId>& ids, Canvas& canvas, const AcGeMatrix3d& toSheet,
                                 bool showViews) const {
    EntityPainter painter(canvas, m_metrics, m_options.layerColors, m_annotationHeight);
    Placement placement;
    placement.toSheet = toSheet;
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* entity = nullptr;
        if (id.isErased() || acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        painter.paint(*entity, placement);
        std::optional<ViewportFrame> frame = showViews ? viewportShowing(*entity) : std::nullopt;
        entity->close();
        if (frame) paintView(frame->center, frame->width, frame->height, canvas);
    }
}

void SpacePainter::paintView(const AcGePoint3d& center, double width, double height, Canvas& canvas) const {
    std::optional<Box> model = modelExtents();
    if (!model || !(width > 0.0) || !(height > 0.0)) return;
    double extentX = model->max.x - model->min.x, extentY = model->max.y - model->min.y;
    double scale = kViewFill * std::min(extentX > 0.0 ? width / extentX : width, extentY > 0.0 ? height / extentY : height);
    AcGeVector3d toCenter(center.x, center.y, 0.0);
    AcGeVector3d fromModel(-(model->min.x + model->max.x) / 2.0, -(model->min.y + model->max.y) / 2.0, 0.0);
    AcGeMatrix3d view = AcGeMatrix3d::translation(toCenter) * AcGeMatrix3d::scaling(scale) *
                        AcGeMatrix3d::translation(fromModel);
    canvas.clip(AcGePoint2d(center.x - width / 2.0, center.y - height / 2.0),
                AcGePoint2d(center.x + width / 2.0, center.y + height / 2.0));
    paintEntities(liveEntities(m_db.modelSpaceId()), canvas, view, false);
    canvas.unclip();
}

std::optional<SpacePainter::Box> SpacePainter::modelExtents() const {
    ExtentsCanvas extents(m_metrics);
    paintEntities(liveEntities(m_db.modelSpaceId()), extents, AcGeMatrix3d(), false);
    if (extents.empty()) return std::nullopt;
    return Box{extents.min(), extents.max()};
}

}  // namespace vthost

#include "render/EntityPainter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

#include "db/AcDbSymbolTable.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbDimension.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbFcf.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMInsertBlock.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbText.h"
#include "ent/AcDbViewport.h"
#include "render/DimensionShapes.h"
#include "render/MTextLines.h"
#include "render/TextMetrics.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

constexpr double kTwoPi = 2.0 * 3.14159265358979323846;
// Blocks nest no deeper than this; a block that holds a reference to itself stops here.
constexpr int kDeepestNesting = 16;
// Lines of a multiline text are this many text heights apart.
constexpr double kLineSpacing = 5.0 / 3.0;

// A host string (freed with acutDelString) as a std::string.
std::string taken(char* text) {
    std::string copy = text ? text : "";
    acutDelString(text);
    return copy;
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

AcGePoint2d flat(const AcGePoint3d& p) { return AcGePoint2d(p.x, p.y); }

double alignmentOf(AcDb::TextHorzMode mode) {
    switch (mode) {
        case AcDb::kTextCenter: case AcDb::kTextMid: return 0.5;
        case AcDb::kTextRight: return 1.0;
        default: return 0.0;
    }
}

TextAnchor anchorOf(AcDb::TextVertMode mode) {
    switch (mode) {
        case AcDb::kTextBottom: return TextAnchor::kBottom;
        case AcDb::kTextVertMid: return TextAnchor::kMiddle;
        case AcDb::kTextTop: return TextAnchor::kTop;
        default: return TextAnchor::kBaseline;
    }
}

// A single-line text as the run it shows: left/baseline text from its position, aligned and fit
// text between position and alignment point (aligned text keeps its proportions, so its height
// follows the length), every other justification around the alignment point.
TextRun textRunOf(const AcDbText& text, const std::string& shown, const TextMetrics& metrics) {
    TextRun run;
    run.text = shown;
    run.height = text.height();
    run.rotation = text.rotation();
    run.widthFactor = text.widthFactor();
    run.oblique = text.oblique();
    AcDb::TextHorzMode horizontal = text.horizontalMode();
    if (text.isDefaultAlignment()) {
        run.anchor = flat(text.position());
    } else if (horizontal == AcDb::kTextAlign || horizontal == AcDb::kTextFit) {
        AcGePoint3d from = text.position(), to = text.alignmentPoint();
        double length = std::hypot(to.x - from.x, to.y - from.y);
        run.anchor = flat(from);
        if (length > 0.0) {
            run.rotation = std::atan2(to.y - from.y, to.x - from.x);
            run.fitWidth = length;
            double natural = metrics.advance(shown) * run.widthFactor;
            if (horizontal == AcDb::kTextAlign && natural > 0.0) run.height = length / natural;
        }
    } else {
        run.anchor = flat(text.alignmentPoint());
        run.alignX = alignmentOf(horizontal);
        run.anchorY = horizontal == AcDb::kTextMid ? TextAnchor::kMiddle : anchorOf(text.verticalMode());
    }
    return run;
}

Points polylinePoints(const AcDbPolyline& polyline) {
    Points points;
    unsigned int count = polyline.numVerts();
    if (count == 0) return points;
    AcGePoint3d first, from, to;
    polyline.getPointAt(0u, first);
    points.push_back(first);
    unsigned int segments = polyline.isClosed() ? count : count - 1;
    for (unsigned int i = 0; i < segments; ++i) {
        double bulge = 0.0;
        polyline.getPointAt(i, from);
        polyline.getPointAt((i + 1) % count, to);
        polyline.getBulgeAt(i, bulge);
        appendBulgedSegment(points, from, to, bulge);
    }
    if (polyline.isClosed() && points.size() > 2) points.pop_back();  // the stroke closes it
    return points;
}

Points curvePoints(const AcDbCurve& curve) {
    double start = 0.0, end = 0.0;
    if (auto* line = AcDbLine::cast(&curve)) return {line->startPoint(), line->endPoint()};
    if (auto* polyline = AcDbPolyline::cast(&curve)) return polylinePoints(*polyline);
    if (auto* circle = AcDbCircle::cast(&curve)) return arcPoints(circle->center(), circle->radius(), 0.0, kTwoPi);
    if (auto* arc = AcDbArc::cast(&curve)) {
        arc->getStartParam(start);
        arc->getEndParam(end);
        return arcPoints(arc->center(), arc->radius(), start, end - start);
    }
    if (auto* ellipse = AcDbEllipse::cast(&curve)) {
        ellipse->getStartParam(start);
        ellipse->getEndParam(end);
        return ellipsePoints(ellipse->center(), ellipse->majorAxis(), ellipse->minorAxis(), start, end);
    }
    if (auto* leader = AcDbLeader::cast(&curve)) {
        Points points;
        for (int i = 0; i < leader->numVertices(); ++i) points.push_back(leader->vertexAt(i));
        return points;
    }
    return {};
}

Points rectangle(const AcGePoint3d& origin, const AcGeVector3d& u, const AcGeVector3d& v) {
    return {origin, origin + u, origin + u + v, origin + v};
}

}  // namespace

EntityPainter::EntityPainter(Canvas& canvas, const TextMetrics& metrics,
                             const std::map<std::string, int>& layerColors, double annotationHeight)
    : m_canvas(canvas), m_metrics(metrics), m_layerColors(layerColors), m_annotationHeight(annotationHeight) {}

std::string EntityPainter::layerOf(const AcDbEntity& entity, const Placement& placement) const {
    std::string layer = taken(entity.layer());
    return layer == "0" && !placement.blockLayer.empty() ? placement.blockLayer : layer;
}

int EntityPainter::colorIndexOf(const AcDbEntity& entity, const Placement& placement) const {
    int color = entity.colorIndex();
    if (color == 0) return placement.byBlockColor;
    if (color != 256) return color;
    std::string layer = layerOf(entity, placement);
    for (const auto& [name, layerColor] : m_layerColors)
        if (sameName(name, layer)) return layerColor >= 1 && layerColor <= 255 ? layerColor : 7;
    return 7;
}

void EntityPainter::paint(const AcDbEntity& entity, const Placement& placement) {
    Rgb color = paperColor(colorIndexOf(entity, placement));
    if (AcDbBlockReference::cast(&entity)) return paintBlockReference(entity, placement);
    if (paintCurve(entity, placement, color)) return;
    if (paintAnnotation(entity, placement, color)) return;
    paintFrame(entity, placement, color);
}

bool EntityPainter::paintCurve(const AcDbEntity& entity, const Placement& at, Rgb color) {
    auto* curve = AcDbCurve::cast(&entity);
    if (curve == nullptr) return false;
    Points points = curvePoints(*curve);
    bool closed = AcDbPolyline::cast(curve) && curve->isClosed() && points.size() > 2;
    stroke(points, closed, at, color);
    if (AcDbLeader::cast(curve) && points.size() >= 2) {
        double first = std::hypot(points[1].x - points[0].x, points[1].y - points[0].y);
        fill(arrowhead(points[0], points[1], std::min(m_annotationHeight, first / 2.0)), at, color);
    }
    return true;
}

bool EntityPainter::paintAnnotation(const AcDbEntity& entity, const Placement& at, Rgb color) {
    if (auto* definition = AcDbAttributeDefinition::cast(&entity)) {
        // Outside a block a definition shows its tag; inside, only a constant one shows its value.
        if (at.depth == 0) text(textRunOf(*definition, taken(definition->tag()), m_metrics), at, color);
        else if (definition->isConstant() && !definition->isInvisible())
            text(textRunOf(*definition, taken(definition->textString()), m_metrics), at, color);
    } else if (auto* attribute = AcDbAttribute::cast(&entity)) {
        if (!attribute->isInvisible()) text(textRunOf(*attribute, taken(attribute->textString()), m_metrics), at, color);
    } else if (auto* single = AcDbText::cast(&entity)) {
        text(textRunOf(*single, taken(single->textString()), m_metrics), at, color);
    } else if (AcDbMText::cast(&entity)) {
        paintMText(entity, at, color);
    } else if (AcDbDimension::cast(&entity)) {
        paintDimension(entity, at, color);
    } else if (AcDbFcf::cast(&entity)) {
        paintTolerance(entity, at, color);
    } else {
        return false;
    }
    return true;
}

bool EntityPainter::paintFrame(const AcDbEntity& entity, const Placement& at, Rgb color) {
    if (auto* region = AcDbRegion::cast(&entity)) {
        stroke(Points(region->outline().begin(), region->outline().end()), true, at, color);
    } else if (auto* image = AcDbRasterImage::cast(&entity)) {
        AcGePoint3d origin;
        AcGeVector3d u, v;
        image->getOrientation(origin, u, v);
        stroke(rectangle(origin, u, v), true, at, color);
    } else if (auto* viewport = AcDbViewport::cast(&entity)) {
        AcGePoint3d c = viewport->centerPoint();
        double w = viewport->width(), h = viewport->height();
        stroke(rectangle(AcGePoint3d(c.x - w / 2, c.y - h / 2, c.z), AcGeVector3d(w, 0, 0), AcGeVector3d(0, h, 0)),
               true, at, color);
    } else {
        return false;
    }
    return true;
}

void EntityPainter::paintMText(const AcDbEntity& entity, const Placement& at, Rgb color) {
    const AcDbMText& mtext = *AcDbMText::cast(&entity);
    double height = mtext.textHeight(), rotation = mtext.rotation();
    AcGePoint3d location = mtext.location();
    int line = 0;
    for (const std::string& paragraph : mtextParagraphs(taken(mtext.contents()))) {
        for (const std::string& shown : wrappedLines(paragraph, mtext.width(), height, m_metrics)) {
            double down = line++ * kLineSpacing * height;
            TextRun run;
            run.text = shown;
            run.anchor = AcGePoint2d(location.x + std::sin(rotation) * down, location.y - std::cos(rotation) * down);
            run.height = height;
            run.rotation = rotation;
            run.anchorY = TextAnchor::kTop;
            text(run, at, color);
        }
    }
}

void EntityPainter::paintDimension(const AcDbEntity& entity, const Placement& at, Rgb color) {
    DimensionShape shape;
    if (!dimensionShape(entity, m_annotationHeight, shape)) return;
    for (const auto& [from, to] : shape.lines) stroke({from, to}, false, at, color);
    for (const Points& head : shape.arrowheads) fill(head, at, color);
    TextRun run;
    run.text = shape.text;
    run.anchor = flat(shape.textAnchor);
    run.height = m_annotationHeight;
    run.rotation = shape.textRotation;
    run.alignX = 0.5;
    text(run, at, color);
}

void EntityPainter::paintTolerance(const AcDbEntity& entity, const Placement& at, Rgb color) {
    const AcDbFcf& tolerance = *AcDbFcf::cast(&entity);
    TextRun run;
    run.text = taken(tolerance.text());
    run.anchor = flat(tolerance.location());
    run.height = m_annotationHeight;
    run.anchorY = TextAnchor::kMiddle;
    text(run, at, color);
    double width = m_metrics.advance(run.text) * run.height, margin = run.height / 2.0;
    AcGePoint3d corner(run.anchor.x - margin, run.anchor.y - run.height / 2.0 - margin, 0.0);
    stroke(rectangle(corner, AcGeVector3d(width + 2 * margin, 0, 0), AcGeVector3d(0, run.height + 2 * margin, 0)),
           true, at, color);
}

void EntityPainter::paintBlockReference(const AcDbEntity& entity, const Placement& at) {
    const AcDbBlockReference& reference = *AcDbBlockReference::cast(&entity);
    if (at.depth < kDeepestNesting) {
        Placement inner{at.toSheet, colorIndexOf(entity, at), layerOf(entity, at), at.depth + 1};
        AcGeMatrix3d block = reference.blockTransform();
        auto* array = AcDbMInsertBlock::cast(&entity);
        int rows = array ? array->rows() : 1, columns = array ? array->columns() : 1;
        double c = std::cos(reference.rotation()), s = std::sin(reference.rotation());
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                double dx = array ? column * array->columnSpacing() : 0.0, dy = array ? row * array->rowSpacing() : 0.0;
                inner.toSheet = at.toSheet * AcGeMatrix3d::translation(AcGeVector3d(dx * c - dy * s, dx * s + dy * c, 0)) * block;
                paintBlock(reference.blockTableRecord(), inner);
            }
        }
    }
    paintAttributes(entity, at);
}

void EntityPainter::paintBlock(AcDbObjectId blockId, const Placement& inner) {
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) return;
    std::vector<AcDbObjectId> ids = block->entityIds();
    block->close();
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* entity = nullptr;
        if (id.isErased() || acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        paint(*entity, inner);
        entity->close();
    }
}

void EntityPainter::paintAttributes(const AcDbEntity& reference, const Placement& at) {
    // Attributes lie where the reference put them; BYBLOCK in them is the reference's colour.
    Placement owned = at;
    owned.byBlockColor = colorIndexOf(reference, at);
    std::unique_ptr<AcDbObjectIterator> it(AcDbBlockReference::cast(&reference)->attributeIterator());
    for (it->start(); !it->done(); it->step()) {
        AcDbEntity* attribute = nullptr;
        if (acdbOpenObject(attribute, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
        paint(*attribute, owned);
        attribute->close();
    }
}

void EntityPainter::stroke(const Points& points, bool closed, const Placement& at, Rgb color) {
    Outline outline;
    outline.reserve(points.size());
    for (const AcGePoint3d& p : points) outline.push_back(flat(at.toSheet.apply(p)));
    if (!outline.empty()) m_canvas.stroke(outline, closed, color);
}

void EntityPainter::fill(const Points& points, const Placement& at, Rgb color) {
    Outline outline;
    for (const AcGePoint3d& p : points) outline.push_back(flat(at.toSheet.apply(p)));
    if (outline.size() >= 3) m_canvas.fill(outline, color);
}

void EntityPainter::text(const TextRun& run, const Placement& at, Rgb color) {
    // The run's own x and y directions carried into the sheet give its rotation, height and width.
    double c = std::cos(run.rotation), s = std::sin(run.rotation);
    AcGeVector3d along = at.toSheet.apply(AcGeVector3d(c, s, 0)), up = at.toSheet.apply(AcGeVector3d(-s, c, 0));
    double alongLength = std::hypot(along.x, along.y), upLength = std::hypot(up.x, up.y);
    if (alongLength == 0.0 || upLength == 0.0) return;
    TextRun sheet = run;
    sheet.anchor = flat(at.toSheet.apply(AcGePoint3d(run.anchor.x, run.anchor.y, 0.0)));
    sheet.rotation = std::atan2(along.y, along.x);
    sheet.height = run.height * upLength;
    sheet.widthFactor = run.widthFactor * alongLength / upLength;
    sheet.fitWidth = run.fitWidth * alongLength;
    m_canvas.text(sheet, color);
}

}  // namespace vthost

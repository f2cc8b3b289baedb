#include "dxf/DxfCollector.h"

#include <cmath>
#include <set>

#include "dxf/DxfEntityFromDxf.h"
#include "dxf/DxfHeaderVariables.h"

namespace vthost {

namespace {

// Records that frame others; they are never counted as not carried.
bool isStructural(const std::string& kind) {
    static const std::set<std::string> kinds = {"",      "SECTION", "ENDSEC", "EOF",
                                                "BLOCK", "ENDBLK",  "SEQEND", "VERTEX",
                                                "TABLE", "ENDTAB",  "CLASS"};
    return kinds.count(kind) != 0;
}

// Kinds whose points are in their own plane (group 210), which the host keeps only as XY.
bool isPlanar(const std::string& kind) {
    static const std::set<std::string> kinds = {"ARC",  "CIRCLE", "LWPOLYLINE", "POLYLINE",
                                                "TEXT", "MTEXT",  "INSERT",     "ATTRIB",
                                                "ATTDEF"};
    return kinds.count(kind) != 0;
}

std::string upper(std::string text) { return upperAscii(std::move(text)); }

// Layer and colour (ACI) as the record gives them.
void applyLayerAndColour(AcDbEntity& entity, const std::string& layer, int colour) {
    entity.setLayer(layer.empty() ? "0" : layer.c_str());
    if (colour >= 0 && colour <= 256) entity.setColorIndex(static_cast<Adesk::UInt16>(colour));
}

}  // namespace

std::vector<DxfStagedEntity>* DxfCollector::container() {
    if (!m_inBlock) return &m_staged.modelSpace;
    if (m_skipBlock || m_staged.blocks.empty()) return nullptr;
    return &m_staged.blocks.back().entities;
}

DxfStagedEntity* DxfCollector::stage(const std::string& kind, std::unique_ptr<AcDbEntity> entity) {
    m_lastInsert = -1;
    std::vector<DxfStagedEntity>* list = container();
    if (list == nullptr) return nullptr;
    if (entity == nullptr) {
        notCarried(kind + " (invalid values)");
        return nullptr;
    }
    DxfStagedEntity staged;
    staged.kind = kind;
    staged.handle = m_record ? m_record->text(5) : std::string();
    staged.entity = std::move(entity);
    list->push_back(std::move(staged));
    return &list->back();
}

bool DxfCollector::refusedPlacement(const std::string& kind) {
    if (container() == nullptr || m_record == nullptr) return true;
    if (!m_inBlock && m_record->integer(67, 0) == 1) {
        notCarried(kind + " (in paper space)");
        return true;
    }
    bool tilted = std::fabs(m_record->real(210, 0.0)) > 1e-12 ||
                  std::fabs(m_record->real(220, 0.0)) > 1e-12 || m_record->real(230, 1.0) <= 0.0;
    if (isPlanar(kind) && tilted) {
        notCarried(kind + " (not in the XY plane)");
        return true;
    }
    return false;
}

void DxfCollector::recordEnded(const DxfRawRecord& record) {
    if (record.kind != "POLYLINE" && record.kind != "VERTEX") finishPolyline();
    finishLeader();
    if (!m_handled) countUnread(record);
    m_handled = false;
}

void DxfCollector::countUnread(const DxfRawRecord& record) {
    if (isStructural(record.kind)) return;
    if (record.section == "ENTITIES" || record.section == "BLOCKS") {
        if (container() == nullptr) return;
        if (record.kind == "ATTDEF") {
            if (refusedPlacement("ATTDEF")) return;
            DxfStagedEntity* staged = stage("ATTDEF", attdefFromRecord(record));
            if (staged) applyLayerAndColour(*staged->entity, record.text(8), record.integer(62, 256));
        } else if (record.kind == "DIMENSION") {
            notCarried("DIMENSION (type " + std::to_string(record.integer(70, 0) & 7) + ")");
        } else {
            notCarried(record.kind);
        }
    } else if (record.section == "TABLES") {
        ++m_staged.objectsNotCarried["table entry " + record.kind];
    } else {
        ++m_staged.objectsNotCarried[record.kind];
    }
}

void DxfCollector::finish() {
    finishPolyline();
    finishLeader();
}

void DxfCollector::addBlock(const DL_BlockData& data) {
    m_handled = true;
    finish();
    m_inBlock = true;
    std::string name = upper(data.name);
    bool layout = name == "*MODEL_SPACE" || name.rfind("*PAPER_SPACE", 0) == 0;
    bool dimensionGraphics = name.rfind("*D", 0) == 0;
    m_skipBlock = layout || dimensionGraphics;
    if (dimensionGraphics) notCarried("BLOCK *D (dimension graphics; the host draws its own)");
    if (!m_skipBlock)
        m_staged.blocks.push_back({data.name, AcGePoint3d(data.bpx, data.bpy, data.bpz), {}});
}

void DxfCollector::endBlock() {
    m_handled = true;
    finish();
    m_inBlock = false;
    m_skipBlock = false;
    m_lastInsert = -1;
}

void DxfCollector::addLine(const DL_LineData& data) {
    m_handled = true;
    if (refusedPlacement("LINE")) return;
    DxfStagedEntity* staged = stage("LINE", lineFromDxf(data));
    if (staged) applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
}

void DxfCollector::addCircle(const DL_CircleData& data) {
    m_handled = true;
    if (refusedPlacement("CIRCLE")) return;
    DxfStagedEntity* staged = stage("CIRCLE", circleFromDxf(data));
    if (staged) applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
}

void DxfCollector::addArc(const DL_ArcData& data) {
    m_handled = true;
    if (refusedPlacement("ARC")) return;
    DxfStagedEntity* staged = stage("ARC", arcFromDxf(data));
    if (staged) applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
}

void DxfCollector::addEllipse(const DL_EllipseData& data) {
    m_handled = true;
    if (refusedPlacement("ELLIPSE")) return;
    AcGeVector3d normal(m_record->real(210, 0.0), m_record->real(220, 0.0),
                        m_record->real(230, 1.0));
    DxfStagedEntity* staged = stage("ELLIPSE", ellipseFromDxf(data, normal));
    if (staged) applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
}

void DxfCollector::addPolyline(const DL_PolylineData& data) {
    m_handled = true;
    finishPolyline();
    std::string kind = m_record ? m_record->kind : "POLYLINE";
    if (refusedPlacement(kind)) return;
    if ((data.flags & (8 | 16 | 64)) != 0) {
        notCarried(kind + " (3D or mesh)");
        return;
    }
    m_polyline = std::make_unique<AcDbPolyline>();
    m_polyline->setClosed((data.flags & 1) != 0);
    if (std::isfinite(data.elevation)) m_polyline->setElevation(data.elevation);
    applyLayerAndColour(*m_polyline, attributes.getLayer(), attributes.getColor());
    m_polylineKind = kind;
    m_polylineHandle = m_record ? m_record->text(5) : std::string();
}

void DxfCollector::addVertex(const DL_VertexData& data) {
    m_handled = true;
    if (m_polyline == nullptr) return;
    double bulge = std::isfinite(data.bulge) ? data.bulge : 0.0;
    m_polyline->addVertexAt(m_polyline->numVerts(), AcGePoint2d(data.x, data.y), bulge);
}

void DxfCollector::finishPolyline() {
    if (m_polyline == nullptr) return;
    std::unique_ptr<AcDbPolyline> polyline = std::move(m_polyline);
    if (polyline->numVerts() == 0) {
        notCarried(m_polylineKind + " (no vertices)");
        return;
    }
    DxfStagedEntity* staged = stage(m_polylineKind, std::move(polyline));
    if (staged) staged->handle = m_polylineHandle;
}

void DxfCollector::addText(const DL_TextData& data) {
    m_handled = true;
    if (refusedPlacement("TEXT")) return;
    auto text = std::make_unique<AcDbText>();
    textFromDxf(data, *text);
    applyLayerAndColour(*text, attributes.getLayer(), attributes.getColor());
    stage("TEXT", std::move(text));
}

void DxfCollector::addMTextChunk(const std::string& text) { m_mtextChunks += text; }

void DxfCollector::addMText(const DL_MTextData& data) {
    m_handled = true;
    std::string contents = m_mtextChunks + data.text;
    m_mtextChunks.clear();
    if (refusedPlacement("MTEXT")) return;
    if (data.attachmentPoint != 1) notCarried("MTEXT attachment point (placed as top left)");
    DxfStagedEntity* staged = stage("MTEXT", mtextFromDxf(data, contents));
    if (staged) applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
}

void DxfCollector::addInsert(const DL_InsertData& data) {
    m_handled = true;
    if (refusedPlacement("INSERT")) return;
    if (data.cols > 1 || data.rows > 1) notCarried("INSERT array (the first one kept)");
    DxfStagedEntity* staged = stage("INSERT", insertFromDxf(data));
    if (staged == nullptr) return;
    applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
    staged->blockName = data.name;
    m_lastInsert = static_cast<long>(container()->size()) - 1;
}

void DxfCollector::addAttribute(const DL_AttributeData& data) {
    m_handled = true;
    std::vector<DxfStagedEntity>* list = container();
    if (list == nullptr) return;
    if (m_lastInsert < 0 || refusedPlacement("ATTRIB")) {
        if (m_lastInsert < 0) notCarried("ATTRIB (without its INSERT)");
        return;
    }
    auto attribute = std::make_unique<AcDbAttribute>();
    if (attribute->setTag(data.tag.c_str()) != Acad::eOk) {
        notCarried("ATTRIB (invalid values)");
        return;
    }
    DL_TextData text = data;
    text.vJustification = m_record->integer(74, data.vJustification);
    textFromDxf(text, *attribute);
    attribute->setInvisible((m_record->integer(70, 0) & 1) != 0);
    applyLayerAndColour(*attribute, attributes.getLayer(), attributes.getColor());
    (*list)[static_cast<std::size_t>(m_lastInsert)].attributes.push_back(std::move(attribute));
}

void DxfCollector::addDimAlign(const DL_DimensionData& data, const DL_DimAlignedData& aligned) {
    m_handled = true;
    if (refusedPlacement("DIMENSION")) return;
    DxfStagedEntity* staged = stage("DIMENSION", alignedFromDxf(data, aligned));
    if (staged) applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
}

void DxfCollector::addDimLinear(const DL_DimensionData& data, const DL_DimLinearData& linear) {
    m_handled = true;
    if (refusedPlacement("DIMENSION")) return;
    DxfStagedEntity* staged = stage("DIMENSION", rotatedFromDxf(data, linear));
    if (staged) applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
}

void DxfCollector::addLeader(const DL_LeaderData&) {
    m_handled = true;
    finishLeader();
    if (refusedPlacement("LEADER")) return;
    m_leader = std::make_unique<AcDbLeader>();
    applyLayerAndColour(*m_leader, attributes.getLayer(), attributes.getColor());
    m_leaderHandle = m_record->text(5);
    m_leaderAnnotation = m_record->text(340);
}

void DxfCollector::addLeaderVertex(const DL_LeaderVertexData& data) {
    m_handled = true;
    if (m_leader) m_leader->appendVertex(AcGePoint3d(data.x, data.y, data.z));
}

void DxfCollector::finishLeader() {
    if (m_leader == nullptr) return;
    DxfStagedEntity* staged = stage("LEADER", std::move(m_leader));
    if (staged == nullptr) return;
    staged->handle = m_leaderHandle;
    staged->annotationHandle = m_leaderAnnotation;
}

void DxfCollector::addImage(const DL_ImageData& data) {
    m_handled = true;
    if (refusedPlacement("IMAGE")) return;
    DxfStagedEntity* staged = stage("IMAGE", imageFromDxf(data));
    if (staged == nullptr) return;
    applyLayerAndColour(*staged->entity, attributes.getLayer(), attributes.getColor());
    notCarried("IMAGE picture (only its frame is kept)");
}

void DxfCollector::setVariableInt(const std::string& key, int value, int) {
    std::string name;
    if (auto kept = headerFromDxfInt(key, value, name))
        m_staged.header.emplace_back(name, *kept);
    else if (isKeptHeaderVariable(key))
        notCarried(key + " (out of range)");
}

void DxfCollector::setVariableDouble(const std::string& key, double value, int) {
    std::string name;
    if (auto kept = headerFromDxfReal(key, value, name))
        m_staged.header.emplace_back(name, *kept);
    else if (isKeptHeaderVariable(key))
        notCarried(key + " (out of range)");
}

}  // namespace vthost

#include "dxf/DxfEntityWriter.h"

#include <cmath>
#include <memory>

#include "db/AcDbSymbolTable.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"
#include "rx/AcRxClass.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

constexpr double kPi = 3.14159265358979323846;
double degrees(double radians) { return radians * 180.0 / kPi; }

// A host-allocated string as a std::string (freed here).
std::string taken(char* text) {
    std::string out = text ? text : "";
    acutDelString(text);
    return out;
}

// Opens id for read for the life of the holder.
template <class T>
class ReadHolder {
public:
    explicit ReadHolder(AcDbObjectId id) { m_status = acdbOpenObject(m_object, id, AcDb::kForRead); }
    ~ReadHolder() {
        if (m_object) m_object->close();
    }
    ReadHolder(const ReadHolder&) = delete;
    ReadHolder& operator=(const ReadHolder&) = delete;
    T* get() const { return m_object; }
    Acad::ErrorStatus status() const { return m_status; }

private:
    T* m_object = nullptr;
    Acad::ErrorStatus m_status;
};

DL_TextData textData(const AcDbText& text) {
    AcGePoint3d p = text.position();
    AcGePoint3d a = text.isDefaultAlignment() ? p : text.alignmentPoint();
    return DL_TextData(p.x, p.y, p.z, a.x, a.y, a.z, text.height(), text.widthFactor(), 0,
                       text.horizontalMode(), text.verticalMode(), taken(text.textString()),
                       "STANDARD", text.rotation());
}

}  // namespace

DL_Attributes DxfEntityWriter::attributesOf(const AcDbEntity& entity) const {
    std::string layer = taken(entity.layer());
    return DL_Attributes(layer.empty() ? "0" : layer, entity.colorIndex(), -1, "BYLAYER", 1.0);
}

Acad::ErrorStatus DxfEntityWriter::writeBlockEntities(AcDbObjectId blockId) {
    std::vector<AcDbObjectId> ids;
    {
        ReadHolder<AcDbBlockTableRecord> record(blockId);
        if (record.status() != Acad::eOk) return record.status();
        ids = record.get()->entityIds();
    }
    std::vector<AcDbObjectId> leaders;
    for (AcDbObjectId id : ids) {
        Acad::ErrorStatus es = writeEntity(id, leaders);
        if (es != Acad::eOk) return es;
    }
    for (AcDbObjectId id : leaders) {
        ReadHolder<AcDbEntity> leader(id);
        if (leader.status() != Acad::eOk) return leader.status();
        writeLeader(*leader.get());
    }
    return Acad::eOk;
}

Acad::ErrorStatus DxfEntityWriter::writeEntity(AcDbObjectId id, std::vector<AcDbObjectId>& leaders) {
    ReadHolder<AcDbEntity> entity(id);
    if (entity.status() == Acad::eWasErased || entity.status() == Acad::ePermanentlyErased)
        return Acad::eOk;
    if (entity.status() != Acad::eOk) return entity.status();
    if (AcDbLeader::cast(entity.get())) {
        leaders.push_back(id);
        return Acad::eOk;
    }
    m_handles[id] = m_writer.getNextHandle();
    if (!write(*entity.get())) ++m_report.notCarried[entity.get()->isA()->name()];
    return Acad::eOk;
}

bool DxfEntityWriter::write(const AcDbEntity& entity) {
    if (AcDbLine::cast(&entity) || AcDbCircle::cast(&entity) || AcDbArc::cast(&entity) ||
        AcDbEllipse::cast(&entity))
        writeCurve(entity);
    else if (AcDbPolyline::cast(&entity))
        writePolyline(entity);
    else if (AcDbAttributeDefinition::cast(&entity))
        writeAttdef(entity);
    else if (AcDbText::cast(&entity))
        writeText(entity);
    else if (AcDbMText::cast(&entity))
        writeMText(entity);
    else if (AcDbBlockReference::cast(&entity))
        writeInsert(entity);
    else if (AcDbAlignedDimension::cast(&entity) || AcDbRotatedDimension::cast(&entity))
        writeDimension(entity);
    else if (AcDbRasterImage::cast(&entity))
        writeImage(entity);
    else if (AcDbRegion::cast(&entity))
        writeRegion(entity);
    else
        return false;
    return true;
}

void DxfEntityWriter::writeCurve(const AcDbEntity& entity) {
    DL_Attributes attributes = attributesOf(entity);
    if (auto* line = AcDbLine::cast(&entity)) {
        AcGePoint3d s = line->startPoint(), e = line->endPoint();
        m_dxf.writeLine(m_writer, DL_LineData(s.x, s.y, s.z, e.x, e.y, e.z), attributes);
        count("LINE");
    } else if (auto* circle = AcDbCircle::cast(&entity)) {
        AcGePoint3d c = circle->center();
        m_dxf.writeCircle(m_writer, DL_CircleData(c.x, c.y, c.z, circle->radius()), attributes);
        count("CIRCLE");
    } else if (auto* arc = AcDbArc::cast(&entity)) {
        AcGePoint3d c = arc->center();
        m_dxf.writeArc(m_writer,
                       DL_ArcData(c.x, c.y, c.z, arc->radius(), degrees(arc->startAngle()),
                                  degrees(arc->endAngle())),
                       attributes);
        count("ARC");
    } else if (auto* ellipse = AcDbEllipse::cast(&entity)) {
        AcGePoint3d c = ellipse->center();
        AcGeVector3d m = ellipse->majorAxis();
        double end = ellipse->endParam() > ellipse->startParam() ? ellipse->endParam()
                                                                 : ellipse->endParam() + 2 * kPi;
        m_dxf.writeEllipse(m_writer,
                           DL_EllipseData(c.x, c.y, c.z, m.x, m.y, m.z, ellipse->radiusRatio(),
                                          ellipse->startParam(), end),
                           attributes);
        count("ELLIPSE");
    }
}

void DxfEntityWriter::writePolyline(const AcDbEntity& entity) {
    auto& polyline = *AcDbPolyline::cast(&entity);
    unsigned int n = polyline.numVerts();
    m_dxf.writePolyline(m_writer,
                        DL_PolylineData(static_cast<int>(n), 0, 0, polyline.isClosed() ? 1 : 0,
                                        polyline.elevation()),
                        attributesOf(entity));
    for (unsigned int i = 0; i < n; ++i) {
        AcGePoint2d p;
        double bulge = 0.0;
        polyline.getPointAt(i, p);
        polyline.getBulgeAt(i, bulge);
        m_dxf.writeVertex(m_writer, DL_VertexData(p.x, p.y, 0.0, bulge));
    }
    m_dxf.writePolylineEnd(m_writer);
    count("LWPOLYLINE");
}

void DxfEntityWriter::writeText(const AcDbEntity& entity) {
    m_dxf.writeText(m_writer, textData(*AcDbText::cast(&entity)), attributesOf(entity));
    count("TEXT");
}

// dxflib has no ATTDEF writer: the record is written group by group in the order DXF gives it.
void DxfEntityWriter::writeAttdef(const AcDbEntity& entity) {
    auto& attdef = *AcDbAttributeDefinition::cast(&entity);
    DL_TextData text = textData(attdef);
    m_writer.entity("ATTDEF");
    m_writer.dxfString(100, "AcDbEntity");
    m_writer.entityAttributes(attributesOf(entity));
    m_writer.dxfString(100, "AcDbText");
    m_writer.coord(10, text.ipx, text.ipy, text.ipz);
    m_writer.dxfReal(40, text.height);
    m_writer.dxfString(1, text.text);
    m_writer.dxfReal(50, degrees(text.angle));
    m_writer.dxfReal(41, text.xScaleFactor);
    m_writer.dxfString(7, "STANDARD");
    m_writer.dxfInt(72, text.hJustification);
    m_writer.coord(11, text.apx, text.apy, text.apz);
    m_writer.dxfString(100, "AcDbAttributeDefinition");
    m_writer.dxfString(3, taken(attdef.prompt()));
    m_writer.dxfString(2, taken(attdef.tag()));
    m_writer.dxfInt(70, (attdef.isInvisible() ? 1 : 0) | (attdef.isConstant() ? 2 : 0));
    m_writer.dxfInt(74, text.vJustification);
    count("ATTDEF");
}

void DxfEntityWriter::writeMText(const AcDbEntity& entity) {
    auto& mtext = *AcDbMText::cast(&entity);
    AcGePoint3d p = mtext.location();
    double angle = mtext.rotation();
    m_dxf.writeMText(m_writer,
                     DL_MTextData(p.x, p.y, p.z, std::cos(angle), std::sin(angle), 0.0,
                                  mtext.textHeight(), mtext.width(), 1, 1, 1, 1.0,
                                  taken(mtext.contents()), "STANDARD", angle),
                     attributesOf(entity));
    count("MTEXT");
}

// Written group by group: dxflib's INSERT writer cannot announce the attributes that follow.
void DxfEntityWriter::writeInsert(const AcDbEntity& entity) {
    auto& reference = *AcDbBlockReference::cast(&entity);
    std::string name;
    {
        ReadHolder<AcDbBlockTableRecord> block(reference.blockTableRecord());
        const char* blockName = nullptr;
        if (block.get() && block.get()->getName(blockName) == Acad::eOk && blockName)
            name = blockName;
    }
    std::vector<AcDbObjectId> attributes;
    std::unique_ptr<AcDbObjectIterator> it(reference.attributeIterator());
    for (it->start(); !it->done(); it->step()) attributes.push_back(it->objectId());
    AcGePoint3d p = reference.position();
    AcGeScale3d s = reference.scaleFactors();
    DL_Attributes layerAndColour = attributesOf(entity);
    m_writer.entity("INSERT");
    m_writer.dxfString(100, "AcDbEntity");
    m_writer.entityAttributes(layerAndColour);
    m_writer.dxfString(100, "AcDbBlockReference");
    if (!attributes.empty()) m_writer.dxfInt(66, 1);
    m_writer.dxfString(2, name);
    m_writer.coord(10, p.x, p.y, p.z);
    m_writer.dxfReal(41, s.sx);
    m_writer.dxfReal(42, s.sy);
    m_writer.dxfReal(43, s.sz);
    m_writer.dxfReal(50, degrees(reference.rotation()));
    count("INSERT");
    if (attributes.empty()) return;
    for (AcDbObjectId id : attributes) writeAttribute(id);
    m_writer.entity("SEQEND");
    m_writer.dxfString(100, "AcDbEntity");
    m_writer.entityAttributes(layerAndColour);
}

void DxfEntityWriter::writeAttribute(AcDbObjectId id) {
    ReadHolder<AcDbAttribute> attribute(id);
    if (attribute.get() == nullptr) return;
    DL_AttributeData data(textData(*attribute.get()), taken(attribute.get()->tag()));
    m_dxf.writeAttribute(m_writer, data, attributesOf(*attribute.get()));
    count("ATTRIB");
}

// Written group by group: dxflib's writer has no group 2, the name of the graphics block.
void DxfEntityWriter::writeDimension(const AcDbEntity& entity) {
    auto& dimension = *AcDbDimension::cast(&entity);
    auto* rotated = AcDbRotatedDimension::cast(&entity);
    auto* aligned = AcDbAlignedDimension::cast(&entity);
    AcGePoint3d d = rotated ? rotated->dimLinePoint() : aligned->dimLinePoint();
    AcGePoint3d a = rotated ? rotated->xLine1Point() : aligned->xLine1Point();
    AcGePoint3d b = rotated ? rotated->xLine2Point() : aligned->xLine2Point();
    AcGePoint3d t = dimension.textPosition();
    auto block = m_dimensionBlocks.find(entity.objectId());
    m_writer.entity("DIMENSION");
    m_writer.dxfString(100, "AcDbEntity");
    m_writer.entityAttributes(attributesOf(entity));
    m_writer.dxfString(100, "AcDbDimension");
    if (block != m_dimensionBlocks.end()) m_writer.dxfString(2, block->second);
    m_writer.coord(10, d.x, d.y, d.z);
    m_writer.coord(11, t.x, t.y, t.z);
    m_writer.dxfInt(70, (rotated ? 0 : 1) | 32);  // 32: the block belongs to this dimension only
    m_writer.dxfString(1, taken(dimension.dimensionText()));
    m_writer.dxfString(3, "Standard");
    m_writer.dxfString(100, "AcDbAlignedDimension");
    m_writer.coord(13, a.x, a.y, a.z);
    m_writer.coord(14, b.x, b.y, b.z);
    if (rotated) {
        m_writer.dxfReal(50, degrees(rotated->rotation()));
        m_writer.dxfString(100, "AcDbRotatedDimension");
    }
    count("DIMENSION");
}

void DxfEntityWriter::writeLeader(const AcDbEntity& entity) {
    auto& leader = *AcDbLeader::cast(&entity);
    int n = leader.numVertices();
    DL_LeaderData data(1, 0, 3, 0, 0, 1.0, 1.0, n);
    m_handles[leader.objectId()] = m_writer.getNextHandle();
    m_dxf.writeLeader(m_writer, data, attributesOf(entity));
    for (int i = 0; i < n; ++i) {
        AcGePoint3d p = leader.vertexAt(i);
        m_dxf.writeLeaderVertex(m_writer, DL_LeaderVertexData(p.x, p.y, p.z));
    }
    auto annotation = m_handles.find(leader.annotationObjId());
    if (annotation != m_handles.end()) m_writer.dxfHex(340, static_cast<int>(annotation->second));
    m_dxf.writeLeaderEnd(m_writer, data);
    count("LEADER");
}

// The picture is not the host's: the image is written as a frame of one pixel by one.
void DxfEntityWriter::writeImage(const AcDbEntity& entity) {
    AcGePoint3d origin;
    AcGeVector3d u, v;
    AcDbRasterImage::cast(&entity)->getOrientation(origin, u, v);
    DL_ImageData data("", origin.x, origin.y, origin.z, u.x, u.y, u.z, v.x, v.y, v.z, 1, 1, 50,
                      50, 0);
    unsigned long handle = m_dxf.writeImage(m_writer, data, attributesOf(entity));
    m_images.emplace_back(handle, data);
    count("IMAGE");
}

// A region has no DXF form without its solid-modelling body, which the host does not keep: its
// outline goes out as a closed polyline.
void DxfEntityWriter::writeRegion(const AcDbEntity& entity) {
    const std::vector<AcGePoint3d>& outline = AcDbRegion::cast(&entity)->outline();
    double elevation = outline.empty() ? 0.0 : outline.front().z;
    m_dxf.writePolyline(m_writer,
                        DL_PolylineData(static_cast<int>(outline.size()), 0, 0, 1, elevation),
                        attributesOf(entity));
    for (const AcGePoint3d& p : outline) m_dxf.writeVertex(m_writer, DL_VertexData(p.x, p.y));
    m_dxf.writePolylineEnd(m_writer);
    count("LWPOLYLINE (region outline)");
}

void DxfEntityWriter::writeImageDefinitions() {
    for (const auto& [handle, data] : m_images)
        m_dxf.writeImageDef(m_writer, static_cast<int>(handle), data);
}

}  // namespace vthost

// DxfCollector: receives dxflib's calls while a DXF file is read and stages what the host can
// hold (DxfStagedDrawing); everything else is counted by kind. It also hears from the group feed
// when each record ends, which is where kinds dxflib does not read (ATTDEF) are staged from their
// raw groups and kinds nobody reads are counted. Owns nothing but its half-built entities.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "dxf/DxfGroupFeed.h"
#include "dxf/DxfLibrary.h"
#include "dxf/DxfStagedDrawing.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbPolyline.h"

namespace vthost {

class DxfCollector : public DL_CreationAdapter, public DxfRecordListener {
public:
    explicit DxfCollector(DxfStagedDrawing& staged) : m_staged(staged) {}

    // Stages what is still half-built; call once the feed is done.
    void finish();

    void setCurrentRecord(const DxfRawRecord* record) override { m_record = record; }
    void recordEnded(const DxfRawRecord& record) override;

    void addBlock(const DL_BlockData& data) override;
    void endBlock() override;
    void addLine(const DL_LineData& data) override;
    void addCircle(const DL_CircleData& data) override;
    void addArc(const DL_ArcData& data) override;
    void addEllipse(const DL_EllipseData& data) override;
    void addPolyline(const DL_PolylineData& data) override;
    void addVertex(const DL_VertexData& data) override;
    void addText(const DL_TextData& data) override;
    void addMTextChunk(const std::string& text) override;
    void addMText(const DL_MTextData& data) override;
    void addInsert(const DL_InsertData& data) override;
    void addAttribute(const DL_AttributeData& data) override;
    void addDimAlign(const DL_DimensionData& data, const DL_DimAlignedData& aligned) override;
    void addDimLinear(const DL_DimensionData& data, const DL_DimLinearData& linear) override;
    void addLeader(const DL_LeaderData& data) override;
    void addLeaderVertex(const DL_LeaderVertexData& data) override;
    void addImage(const DL_ImageData& data) override;
    void setVariableInt(const std::string& key, int value, int code) override;
    void setVariableDouble(const std::string& key, double value, int code) override;

private:
    // Where entities go now: model space, the block being read, or nowhere (a skipped block).
    std::vector<DxfStagedEntity>* container();
    // Takes the entity with the current record's layer, colour and handle; null counts as
    // "<kind> (invalid values)". Answers the staged entry or null.
    DxfStagedEntity* stage(const std::string& kind, std::unique_ptr<AcDbEntity> entity);
    // True (and a count) when the current entity lies outside the XY plane or in paper space.
    bool refusedPlacement(const std::string& kind);
    void notCarried(const std::string& what) { ++m_staged.notCarried[what]; }
    void finishPolyline();
    void finishLeader();
    void countUnread(const DxfRawRecord& record);

    DxfStagedDrawing& m_staged;
    const DxfRawRecord* m_record = nullptr;
    bool m_handled = false;            // dxflib made a call for the current record
    bool m_inBlock = false;
    bool m_skipBlock = false;          // layout blocks and dimension graphics are not staged
    std::unique_ptr<AcDbPolyline> m_polyline;
    std::string m_polylineKind;
    std::string m_polylineHandle;
    std::unique_ptr<AcDbLeader> m_leader;
    std::string m_leaderAnnotation;
    std::string m_leaderHandle;
    std::string m_mtextChunks;
    long m_lastInsert = -1;            // index of the block reference attributes attach to
};

}  // namespace vthost

// DxfEntityWriter: writes the host's entities as DXF records through dxflib's writer, each with
// its layer and colour, texts as they read now. Leaders are held back until the end of their
// block so that their annotation's DXF handle is known; images get their image definitions in
// the OBJECTS section. Borrows the dxflib objects and the report; entities must be open for read.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "db/AcDbEntity.h"
#include "dxf/DxfLibrary.h"
#include "dxf/DxfReports.h"

namespace vthost {

class DxfEntityWriter {
public:
    // dimensionBlocks names the graphics block of each dimension (see DxfDimensionBlock.h).
    DxfEntityWriter(DL_Dxf& dxf, DL_WriterA& writer, DxfExportReport& report,
                    const std::map<AcDbObjectId, std::string>& dimensionBlocks)
        : m_dxf(dxf), m_writer(writer), m_report(report), m_dimensionBlocks(dimensionBlocks) {}

    // Writes every entity of a block table record (model space or a block definition).
    Acad::ErrorStatus writeBlockEntities(AcDbObjectId blockId);
    // The image definitions of the images written, for the OBJECTS section.
    void writeImageDefinitions();

private:
    Acad::ErrorStatus writeEntity(AcDbObjectId id, std::vector<AcDbObjectId>& leaders);
    // False when the entity's kind is not one the writer knows.
    bool write(const AcDbEntity& entity);
    void writeLine(const AcDbEntity& entity);
    void writePolyline(const AcDbEntity& entity);
    void writeText(const AcDbEntity& entity);
    void writeAttdef(const AcDbEntity& entity);
    void writeMText(const AcDbEntity& entity);
    void writeInsert(const AcDbEntity& entity);
    void writeAttribute(AcDbObjectId id);
    void writeDimension(const AcDbEntity& entity);
    void writeLeader(const AcDbEntity& entity);
    void writeImage(const AcDbEntity& entity);
    void writeRegion(const AcDbEntity& entity);
    void writeCurve(const AcDbEntity& entity);
    DL_Attributes attributesOf(const AcDbEntity& entity) const;
    void count(const char* kind) { ++m_report.written[kind]; }

    DL_Dxf& m_dxf;
    DL_WriterA& m_writer;
    DxfExportReport& m_report;
    const std::map<AcDbObjectId, std::string>& m_dimensionBlocks;
    std::map<AcDbObjectId, unsigned long> m_handles;  // DXF handles of entities written
    std::vector<std::pair<unsigned long, DL_ImageData>> m_images;
};

}  // namespace vthost

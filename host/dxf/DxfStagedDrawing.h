// DxfStagedDrawing: a DXF file's content read aside, before any of it goes into a drawing. The
// entities belong to the staging (not to any database) until commitStagedDrawing hands them to the
// target; relations that need ids there (a block reference's block, a leader's annotation) are
// kept by name and by DXF handle until then.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/AcDbDatabase.h"
#include "db/AcDbEntity.h"
#include "dxf/DxfReports.h"
#include "ent/AcDbAttribute.h"
#include "ge/AcGePoint3d.h"

namespace vthost {

struct DxfStagedEntity {
    std::string kind;                     // DXF kind, for the report
    std::unique_ptr<AcDbEntity> entity;   // owned here until committed
    std::string handle;                   // the DXF handle (group 5), for leaders to find it
    std::string blockName;                // a block reference's block
    std::vector<std::unique_ptr<AcDbAttribute>> attributes;  // a block reference's attributes
    std::string annotationHandle;         // a leader's annotation (group 340)
};

struct DxfStagedBlock {
    std::string name;
    AcGePoint3d basePoint;                // entities are moved so that it becomes the origin
    std::vector<DxfStagedEntity> entities;
};

struct DxfStagedDrawing {
    std::vector<DxfStagedEntity> modelSpace;
    std::vector<DxfStagedBlock> blocks;
    std::vector<std::pair<std::string, HeaderValue>> header;  // names without '$'
    DxfCounts notCarried;                 // what reading found the host cannot hold
    DxfCounts objectsNotCarried;
};

// Adds the staged blocks, entities and header values to target inside one transaction; any
// failure aborts it (target unchanged) and answers its status. Counts go to report.
Acad::ErrorStatus commitStagedDrawing(DxfStagedDrawing& staged, AcDbDatabase& target,
                                      DxfImportReport& report);

}  // namespace vthost

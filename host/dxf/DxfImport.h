// vthost::importDxf: brings a DXF file into a drawing. The file is read whole into a staging
// drawing first (dxflib does the reading); only when all of it was read are its block definitions
// and entities added to the target, inside a transaction that is aborted if any step fails. So a
// truncated, damaged or hostile file leaves the target exactly as it was. The target may be a new
// drawing or one already holding entities (block names it already defines keep its definition).
// The target must not have objects open. What the host cannot hold is counted in the report.
#pragma once
#include <string_view>

#include "db/AcDbDatabase.h"
#include "dxf/DxfReports.h"

namespace vthost {

// eOk; eInvalidInput (no path, not a DXF file, damaged or hostile content: report.message says
// where), eEndOfFile (cut short), eFilerError (cannot read the file), or the status of the step
// that failed while adding to the target (which is then rolled back).
Acad::ErrorStatus importDxf(const char* path, AcDbDatabase& target, DxfImportReport& report);
// The same from DXF text in memory.
Acad::ErrorStatus importDxfText(std::string_view text, AcDbDatabase& target,
                                DxfImportReport& report);

}  // namespace vthost

// writeDxfDocument: the whole DXF file of a drawing, section by section, through dxflib's writer:
// the header variables the host keeps, the tables (line types, the layers the entities use, one
// text style, one dimension style, the block records), the block definitions, the model space
// entities and the objects dxflib needs (plus image definitions). Writes to fileName directly;
// exportDxf takes care of writing beside the target and renaming.
#pragma once
#include "db/AcDbDatabase.h"
#include "dxf/DxfReports.h"

namespace vthost {

// eOk, eFilerError (the file cannot be created or was not written whole), or the status of an
// object that could not be opened for read.
Acad::ErrorStatus writeDxfDocument(const AcDbDatabase& source, const char* fileName,
                                   DxfExportReport& report);

// Counts, by class name, the objects that stay out of DXF: objects of classes that refuse DXF
// filing (the add-on's styles and links), proxies, and paper space entities.
void countObjectsLeftOut(const AcDbDatabase& source, DxfExportReport& report);

}  // namespace vthost

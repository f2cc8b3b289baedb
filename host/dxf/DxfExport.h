// vthost::exportDxf: writes a drawing as a DXF file (R2000, through dxflib) that any CAD program
// reads: model space entities and block definitions with their layers, colours and the texts they
// show now (labels included), and the header variables the host keeps. Objects whose classes
// refuse DXF filing (the add-on's styles and links) stay out and are counted by class name. The
// file is written to a temporary beside path and renamed over it only when complete. Every object
// of the source must be closed; the drawing is only read.
#pragma once
#include "db/AcDbDatabase.h"
#include "dxf/DxfReports.h"

namespace vthost {

// eOk; eInvalidInput (no path); eFilerError (the file cannot be written: the previous file at
// path stays as it was); or the status of an object that could not be opened for read.
Acad::ErrorStatus exportDxf(const AcDbDatabase& source, const char* path, DxfExportReport& report);

}  // namespace vthost

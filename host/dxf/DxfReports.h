// DxfImportReport and DxfExportReport: what a DXF import or export carried and what it did not,
// counted per kind, so that nothing the host cannot hold disappears silently. The caller owns the
// report; importDxf / exportDxf clear it first. describe() prints it one count per line.
#pragma once
#include <map>
#include <string>

namespace vthost {

// Counts by kind: a DXF entity name ("LINE", "LWPOLYLINE"), a table or object name, or a
// class name, with a short reason where one kind is carried in some forms and not in others.
using DxfCounts = std::map<std::string, int>;

int totalOf(const DxfCounts& counts);

struct DxfImportReport {
    DxfCounts imported;        // entities made in the target, by DXF kind (ATTRIBs included)
    DxfCounts notCarried;      // what the host cannot hold, by kind and reason
    DxfCounts objectsNotCarried;  // table entries and non-graphical objects, by kind
    int blocksDefined = 0;     // block definitions added to the target
    int headerVariables = 0;   // header variables taken over
    std::string message;       // why the file was refused; empty on success

    void clear() { *this = DxfImportReport(); }
    std::string describe() const;
};

struct DxfExportReport {
    DxfCounts written;         // entities written, by DXF kind
    DxfCounts notCarried;      // objects not written, by class name (and reason)
    int blocksWritten = 0;     // block definitions written
    std::string message;       // why the export failed; empty on success

    void clear() { *this = DxfExportReport(); }
    std::string describe() const;
};

}  // namespace vthost

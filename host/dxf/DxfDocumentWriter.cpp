#include "dxf/DxfDocumentWriter.h"

#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "db/DatabaseAccess.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbDxfFiler.h"
#include "db/AcDbSymbolTable.h"
#include "dxf/DxfDimensionBlock.h"
#include "dxf/DxfEntityWriter.h"
#include "dxf/DxfHeaderVariables.h"
#include "dxf/DxfLibrary.h"
#include "rx/AcRxClass.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

struct BlockDefinition {
    std::string name;
    AcDbObjectId id;
};

// What the tables must declare: the user blocks, the dimensions' graphics blocks ("*D<n>", by
// dimension) and every layer an entity names.
struct DrawingInventory {
    std::vector<BlockDefinition> blocks;
    std::vector<BlockDefinition> dimensionBlocks;
    std::map<AcDbObjectId, std::string> dimensionBlockNames;
    std::set<std::string> layers{"0"};
};

void addDimensionBlock(AcDbObjectId id, DrawingInventory& inventory) {
    std::string name = "*D" + std::to_string(inventory.dimensionBlocks.size() + 1);
    inventory.dimensionBlocks.push_back({name, id});
    inventory.dimensionBlockNames[id] = name;
}

void collectLayers(const std::vector<AcDbObjectId>& ids, DrawingInventory& inventory) {
    for (AcDbObjectId id : ids) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        char* layer = entity->layer();
        if (layer && *layer) inventory.layers.insert(layer);
        acutDelString(layer);
        DxfDimensionGeometry geometry;
        if (!entity->isErased() && dimensionGeometry(*entity, geometry)) addDimensionBlock(id, inventory);
        entity->close();
    }
}

Acad::ErrorStatus writeDimensionBlocks(DL_Dxf& dxf, DL_WriterA& dw, const DrawingInventory& inventory) {
    for (const BlockDefinition& block : inventory.dimensionBlocks) {
        AcDbEntity* entity = nullptr;
        Acad::ErrorStatus es = acdbOpenObject(entity, block.id, AcDb::kForRead);
        if (es != Acad::eOk) return es;
        DxfDimensionGeometry geometry;
        dimensionGeometry(*entity, geometry);
        char* layer = entity->layer();
        writeDimensionBlock(dxf, dw, block.name, layer && *layer ? layer : "0", geometry);
        acutDelString(layer);
        entity->close();
    }
    return Acad::eOk;
}

Acad::ErrorStatus takeInventory(const AcDbDatabase& source, DrawingInventory& inventory) {
    AcDbBlockTable* table = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(table, source.blockTableId(), AcDb::kForRead);
    if (es != Acad::eOk) return es;
    std::vector<AcDbObjectId> records = table->recordIds();
    table->close();
    for (AcDbObjectId id : records) {
        AcDbBlockTableRecord* record = nullptr;
        if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) continue;
        const char* name = nullptr;
        record->getName(name);
        std::vector<AcDbObjectId> entities = record->entityIds();
        bool user = !record->isLayout() && id != source.paperSpaceId() && name != nullptr;
        if (user) inventory.blocks.push_back({name, id});
        record->close();
        if (user || id == source.modelSpaceId()) collectLayers(entities, inventory);
    }
    return Acad::eOk;
}

void writeHeaderSection(DL_Dxf& dxf, DL_WriterA& dw, const AcDbDatabase& source) {
    dxf.writeHeader(dw);
    for (const DxfHeaderItem& item : headerForDxf(source.headerVariables())) {
        dw.dxfString(9, item.dxfName);
        if (const short* number = std::get_if<short>(&item.value)) dw.dxfInt(item.code, *number);
        if (const double* real = std::get_if<double>(&item.value)) dw.dxfReal(item.code, *real);
    }
    dw.sectionEnd();
}

void writeTables(DL_Dxf& dxf, DL_WriterA& dw, const DrawingInventory& inventory) {
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(static_cast<int>(inventory.layers.size()));
    for (const std::string& layer : inventory.layers)
        dxf.writeLayer(dw, DL_LayerData(layer, 0), DL_Attributes("", 7, -1, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    for (const BlockDefinition& block : inventory.blocks) dxf.writeBlockRecord(dw, block.name);
    for (const BlockDefinition& block : inventory.dimensionBlocks) dxf.writeBlockRecord(dw, block.name);
    dw.tableEnd();
    dw.sectionEnd();
}

Acad::ErrorStatus writeBlocks(DL_Dxf& dxf, DL_WriterA& dw, const DrawingInventory& inventory,
                              DxfEntityWriter& entities, DxfExportReport& report) {
    dw.sectionBlocks();
    for (const char* layout : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(layout, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, layout);
    }
    for (const BlockDefinition& block : inventory.blocks) {
        dxf.writeBlock(dw, DL_BlockData(block.name, 0, 0.0, 0.0, 0.0));
        Acad::ErrorStatus es = entities.writeBlockEntities(block.id);
        if (es != Acad::eOk) return es;
        dxf.writeEndBlock(dw, block.name);
        ++report.blocksWritten;
    }
    Acad::ErrorStatus es = writeDimensionBlocks(dxf, dw, inventory);
    dw.sectionEnd();
    return es;
}

// True when the file ends with the EOF group, i.e. everything reached the disk.
bool endsWithEof(const char* fileName) {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in) return false;
    std::streamoff size = in.tellg();
    if (size < 4) return false;
    in.seekg(size - 4);
    std::string tail(4, '\0');
    in.read(tail.data(), 4);
    return tail == "EOF\n";
}

Acad::ErrorStatus writeAll(DL_Dxf& dxf, DL_WriterA& dw, const AcDbDatabase& source,
                           DxfExportReport& report) {
    DrawingInventory inventory;
    Acad::ErrorStatus es = takeInventory(source, inventory);
    if (es != Acad::eOk) return es;
    DxfEntityWriter entities(dxf, dw, report, inventory.dimensionBlockNames);
    writeHeaderSection(dxf, dw, source);
    writeTables(dxf, dw, inventory);
    es = writeBlocks(dxf, dw, inventory, entities, report);
    if (es != Acad::eOk) return es;
    dw.sectionEntities();
    es = entities.writeBlockEntities(source.modelSpaceId());
    if (es != Acad::eOk) return es;
    dw.sectionEnd();
    dxf.writeObjects(dw);
    entities.writeImageDefinitions();
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return Acad::eOk;
}

bool isContainer(const AcDbObject* object) {
    return AcDbDictionary::cast(object) || AcDbSymbolTable::cast(object) ||
           AcDbSymbolTableRecord::cast(object);
}

}  // namespace

Acad::ErrorStatus writeDxfDocument(const AcDbDatabase& source, const char* fileName,
                                   DxfExportReport& report) {
    try {
        DL_Dxf dxf;
        std::unique_ptr<DL_WriterA> dw(dxf.out(fileName, DL_Codes::AC1015));
        if (dw == nullptr || dw->openFailed()) return Acad::eFilerError;
        Acad::ErrorStatus es = writeAll(dxf, *dw, source, report);
        dw->close();
        if (es != Acad::eOk) return es;
    } catch (...) {
        return Acad::eFilerError;
    }
    return endsWithEof(fileName) ? Acad::eOk : Acad::eFilerError;
}

void countObjectsLeftOut(const AcDbDatabase& source, DxfExportReport& report) {
    vthost::DatabaseAccess::forEachObject(source, [&](AcDbObject* resident) {
        AcDbObject* object = nullptr;
        if (acdbOpenObject(object, resident->objectId(), AcDb::kForRead) != Acad::eOk) return;
        std::string name = object->isA()->name();
        if (object->isAProxy()) {
            ++report.notCarried[name + " (proxy)"];
        } else if (auto* entity = AcDbEntity::cast(object)) {
            if (entity->ownerId() == source.paperSpaceId())
                ++report.notCarried[name + " (paper space)"];
        } else if (!isContainer(object)) {
            AcDbDxfFiler probe;
            bool refuses = object->dxfOutFields(&probe) != Acad::eOk;
            ++report.notCarried[refuses ? name : name + " (no DXF form here)"];
        }
        object->close();
    });
}

}  // namespace vthost

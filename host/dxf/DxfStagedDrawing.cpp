#include "dxf/DxfStagedDrawing.h"

#include <map>

#include "db/AcDbSymbolTable.h"
#include "db/AcDbTransactionManager.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbLeader.h"
#include "ge/AcGeMatrix3d.h"

namespace vthost {

namespace {

// Commits inside the transaction that commitStagedDrawing opened.
class Committer {
public:
    Committer(DxfStagedDrawing& staged, AcDbDatabase& target, DxfImportReport& report)
        : m_staged(staged), m_target(target), m_report(report) {}

    Acad::ErrorStatus run() {
        Acad::ErrorStatus es = defineBlocks();
        if (es != Acad::eOk) return es;
        es = appendAll(m_target.modelSpaceId(), m_staged.modelSpace, AcGePoint3d::kOrigin);
        if (es != Acad::eOk) return es;
        return attachAnnotations();
    }

private:
    Acad::ErrorStatus defineBlocks() {
        for (DxfStagedBlock& block : m_staged.blocks) {
            AcDbObjectId id;
            Acad::ErrorStatus es = defineBlock(block.name, id);
            if (es != Acad::eOk) return es;
            if (id.isNull()) continue;
            es = appendAll(id, block.entities, block.basePoint);
            if (es != Acad::eOk) return es;
            ++m_report.blocksDefined;
        }
        return Acad::eOk;
    }

    // A new record named name; a null id (and a count) when the target already defines it.
    Acad::ErrorStatus defineBlock(const std::string& name, AcDbObjectId& id) {
        AcDbBlockTable* table = nullptr;
        Acad::ErrorStatus es = m_target.getBlockTable(table, AcDb::kForWrite);
        if (es != Acad::eOk) return es;
        if (table->has(name.c_str())) {
            ++m_report.notCarried["BLOCK (the drawing's own definition kept)"];
            return table->close();
        }
        auto* record = new AcDbBlockTableRecord();
        record->setName(name.c_str());
        es = table->add(id, record);
        if (es != Acad::eOk) {
            delete record;
            table->close();
            return es;
        }
        record->close();
        return table->close();
    }

    Acad::ErrorStatus appendAll(AcDbObjectId blockId, std::vector<DxfStagedEntity>& entities,
                                const AcGePoint3d& base) {
        AcDbBlockTableRecord* record = nullptr;
        Acad::ErrorStatus es = acdbOpenObject(record, blockId, AcDb::kForWrite);
        if (es != Acad::eOk) return es;
        AcGeMatrix3d toBlock = AcGeMatrix3d::translation(AcGePoint3d::kOrigin - base);
        for (DxfStagedEntity& staged : entities) {
            if (base != AcGePoint3d::kOrigin) staged.entity->transformBy(toBlock);
            es = append(*record, staged);
            if (es != Acad::eOk) break;
        }
        Acad::ErrorStatus closed = record->close();
        return es != Acad::eOk ? es : closed;
    }

    Acad::ErrorStatus append(AcDbBlockTableRecord& record, DxfStagedEntity& staged) {
        if (!staged.blockName.empty() && !resolveBlock(staged)) return Acad::eOk;
        AcDbObjectId id;
        Acad::ErrorStatus es = record.appendAcDbEntity(id, staged.entity.get());
        if (es != Acad::eOk) return es;
        AcDbEntity* entity = staged.entity.release();
        es = appendAttributes(*entity, staged);
        Acad::ErrorStatus closed = entity->close();
        if (es != Acad::eOk) return es;
        ++m_report.imported[staged.kind];
        if (!staged.handle.empty()) m_byHandle[staged.handle] = id;
        if (!staged.annotationHandle.empty()) m_leaders.emplace_back(id, staged.annotationHandle);
        return closed;
    }

    // Points a block reference at its block; false (and a count) when the drawing has none.
    bool resolveBlock(DxfStagedEntity& staged) {
        AcDbBlockTable* table = nullptr;
        AcDbObjectId id;
        if (m_target.getBlockTable(table, AcDb::kForRead) == Acad::eOk) {
            table->getAt(staged.blockName.c_str(), id);
            table->close();
        }
        if (id.isNull()) {
            ++m_report.notCarried["INSERT (its block is not defined)"];
            return false;
        }
        static_cast<AcDbBlockReference*>(staged.entity.get())->setBlockTableRecord(id);
        return true;
    }

    Acad::ErrorStatus appendAttributes(AcDbEntity& entity, DxfStagedEntity& staged) {
        auto* reference = AcDbBlockReference::cast(&entity);
        if (reference == nullptr) return Acad::eOk;
        for (auto& attribute : staged.attributes) {
            Acad::ErrorStatus es = reference->appendAttribute(attribute.get());
            if (es != Acad::eOk) return es;
            attribute.release()->close();
            ++m_report.imported["ATTRIB"];
        }
        return Acad::eOk;
    }

    Acad::ErrorStatus attachAnnotations() {
        for (const auto& [leaderId, handle] : m_leaders) {
            auto found = m_byHandle.find(handle);
            if (found == m_byHandle.end()) {
                ++m_report.notCarried["LEADER annotation (not found)"];
                continue;
            }
            AcDbLeader* leader = nullptr;
            Acad::ErrorStatus es = acdbOpenObject(leader, leaderId, AcDb::kForWrite);
            if (es != Acad::eOk) return es;
            leader->attachAnnotation(found->second);
            leader->close();
        }
        return Acad::eOk;
    }

    DxfStagedDrawing& m_staged;
    AcDbDatabase& m_target;
    DxfImportReport& m_report;
    std::map<std::string, AcDbObjectId> m_byHandle;
    std::vector<std::pair<AcDbObjectId, std::string>> m_leaders;
};

void applyHeader(const DxfStagedDrawing& staged, AcDbDatabase& target, DxfImportReport& report) {
    for (const auto& [name, value] : staged.header) {
        if (target.headerVariables().find(name) != nullptr)
            target.headerVariables().set(name, value);
        else
            target.headerVariables().put(name, value);
        ++report.headerVariables;
    }
}

}  // namespace

Acad::ErrorStatus commitStagedDrawing(DxfStagedDrawing& staged, AcDbDatabase& target,
                                      DxfImportReport& report) {
    AcDbTransactionManager* transactions = target.transactionManager();
    transactions->startTransaction();
    DxfImportReport counts;
    Acad::ErrorStatus es = Committer(staged, target, counts).run();
    if (es != Acad::eOk) {
        transactions->abortTransaction();
        report.message = "the drawing refused an entity; nothing was added";
        return es;
    }
    es = transactions->endTransaction();
    if (es != Acad::eOk) return es;
    applyHeader(staged, target, counts);
    for (const auto& [kind, count] : staged.notCarried) counts.notCarried[kind] += count;
    counts.objectsNotCarried = staged.objectsNotCarried;
    report = counts;
    return Acad::eOk;
}

}  // namespace vthost

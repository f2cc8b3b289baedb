// AcDbTransactionManager: a stack of transactions over one database. Ending the outermost
// transaction commits (objects it opened are closed, sending their notifications); aborting a
// transaction restores every object changed since it started (through it or through open/close)
// and removes every object added since, whose ids then answer ePermanentlyErased. Each
// transaction keeps one undo record per object it saw changed, taken just before its first change
// since the transaction began; the write open that made that change shares the same record.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "db/AcDbObject.h"

class AcDbDatabase;
class AcDbTransactionManager;
namespace vthost {
class TransactionAccess;
class UndoRecord;
using UndoRecordPtr = std::shared_ptr<UndoRecord>;
}

class AcTransaction : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcTransaction);
    explicit AcTransaction(AcDbTransactionManager* manager) : m_manager(manager) {}
    // Opens the object for the life of the transaction; a repeated call succeeds in any mode.
    // Never close such a pointer: the transaction does.
    Acad::ErrorStatus getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                bool openErased = false);

private:
    AcDbTransactionManager* m_manager;
};

class AcDbTransactionManager : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbTransactionManager);
    explicit AcDbTransactionManager(AcDbDatabase* db);
    ~AcDbTransactionManager() override;

    virtual AcTransaction* startTransaction();
    virtual Acad::ErrorStatus endTransaction();
    virtual Acad::ErrorStatus abortTransaction();
    virtual int numActiveTransactions() const;
    virtual AcTransaction* topTransaction() const;
    virtual Acad::ErrorStatus getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                        bool openErased = false);
    // Objects made resident inside a transaction need no registration in this host: every
    // object added while a transaction is active belongs to it. Kept for callers that do it.
    virtual Acad::ErrorStatus addNewlyCreatedDBRObject(AcDbObject* obj, bool add = true);

private:
    friend class vthost::TransactionAccess;
    struct Frame;  // one active transaction: its undo records, added handles, resident opens
    bool needsRecord(AcDbObject* object);
    void keepRecord(AcDbObject* object, vthost::UndoRecordPtr record);
    const vthost::UndoRecord* recordOf(const AcDbObject* object) const;
    void recordAdded(std::uint32_t handle);
    Acad::ErrorStatus getObjectIn(Frame& frame, AcDbObject*& obj, AcDbObjectId id,
                                  AcDb::OpenMode mode, bool openErased);
    void mergeIntoParent(Frame& child, Frame& parent);
    void rollBack(Frame& frame);

    AcDbDatabase* m_database;
    std::vector<Frame> m_frames;
    std::uint32_t m_nextStamp = 1;
};

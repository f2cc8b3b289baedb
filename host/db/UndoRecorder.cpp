#include "db/UndoRecorder.h"

#include <unordered_map>

#include "db/AcDbDatabase.h"

namespace vthost {

namespace {
// Keyed by the database's transaction manager, which is what the database's change points know.
std::unordered_map<const AcDbTransactionManager*, UndoRecorder*>& recorders() {
    static std::unordered_map<const AcDbTransactionManager*, UndoRecorder*> map;
    return map;
}
}  // namespace

void setUndoRecorder(AcDbDatabase* db, UndoRecorder* recorder) {
    if (db == nullptr) return;
    if (recorder == nullptr)
        recorders().erase(db->transactionManager());
    else
        recorders()[db->transactionManager()] = recorder;
}

UndoRecorder* undoRecorderOf(const AcDbTransactionManager* manager) {
    if (manager == nullptr || recorders().empty()) return nullptr;
    auto it = recorders().find(manager);
    return it == recorders().end() ? nullptr : it->second;
}

}  // namespace vthost

#pragma once
#include "rx/AcRxClass.h"

namespace dxftest {

template <class T>
std::vector<AcDbObjectId> idsOf(AcDbDatabase& db, const char* blockName) {
    std::vector<AcDbObjectId> out;
    for (AcDbObjectId id : entityIds(db, blockName))
        withEntity(id, [&](const AcDbEntity& e) {
            if (e.isA() == T::desc()) out.push_back(id);
        });
    return out;
}

}  // namespace dxftest

// AcDbObjectIterator: a walk over the ids of the objects an entity owns (a block reference's
// attributes). It works on a copy of the id list taken when it was made; the caller deletes it.
// start and step skip erased objects unless told otherwise; objectId() is null once done().
#pragma once
#include <vector>

#include "db/AcDbObjectId.h"
#include "db/AcDbSymbolTable.h"
#include "rx/AcRxObject.h"

class AcDbObjectIterator : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObjectIterator);
    explicit AcDbObjectIterator(std::vector<AcDbObjectId> ids);
    ~AcDbObjectIterator() override = default;

    // To the first live object, or with atEnd to the last one.
    void start(bool atEnd = false);
    bool done() const;
    void step(bool backwards = false, bool skipErased = true);
    AcDbObjectId objectId() const;
    // Moves to id; false (position unchanged) when the list does not hold it.
    bool seek(AcDbObjectId id);

private:
    AcDbIdListIterator m_list;
};

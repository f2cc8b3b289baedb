// AcDbObjectReactor: a transient reactor, a C++ object that the caller owns and attaches to an
// object with addReactor; it is told of the object's events and is never filed.
#pragma once
#include "db/AcDbObjectId.h"
#include "rx/AcRxObject.h"

class AcDbObject;

class AcDbObjectReactor : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObjectReactor);
    ~AcDbObjectReactor() override = default;

    virtual void cancelled(const AcDbObject*) {}
    virtual void copied(const AcDbObject*, const AcDbObject*) {}
    virtual void erased(const AcDbObject*, Adesk::Boolean = true) {}
    virtual void goodbye(const AcDbObject*) {}
    virtual void openedForModify(const AcDbObject*) {}
    virtual void modified(const AcDbObject*) {}
    virtual void modifyUndone(const AcDbObject*) {}
    virtual void unappended(const AcDbObject*) {}
    virtual void objectClosed(const AcDbObjectId) {}

protected:
    AcDbObjectReactor() = default;
};

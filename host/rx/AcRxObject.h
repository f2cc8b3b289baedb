// AcRxObject: root of every runtime-typed host object. isA() names the object's runtime class;
// isKindOf/cast walk the class hierarchy the host built with acrxBuildClassHierarchy.
#pragma once
#include "rx/AcadErrorStatus.h"
#include "rx/Adesk.h"
#include "rx/RxMembers.h"

class AcRxClass;

class AcRxObject {
public:
    // What ACRX_DECLARE_MEMBERS declares, written out because the root's isA() overrides nothing.
    static AcRxClass* gpDesc;
    static AcRxClass* desc();
    static AcRxObject* cast(const AcRxObject* inPtr);
    virtual AcRxClass* isA() const;

    virtual ~AcRxObject();

    // True when isA() is cls or derives from it; an object whose isA() gives no class passes.
    bool isKindOf(const AcRxClass* cls) const;

    // A new object of the same class with the same contents; null when the class cannot create.
    virtual AcRxObject* clone() const;
    virtual Acad::ErrorStatus copyFrom(const AcRxObject* other);
    virtual Adesk::Boolean isEqualTo(const AcRxObject* other) const;
    virtual int comparedTo(const AcRxObject* other) const;

protected:
    AcRxObject() = default;
};

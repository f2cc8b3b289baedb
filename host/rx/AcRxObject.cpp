#include "rx/AcRxObject.h"

#include "rx/AcRxClass.h"

ACRX_DEFINE_MEMBERS(AcRxObject)

AcRxObject::~AcRxObject() = default;

bool AcRxObject::isKindOf(const AcRxClass* cls) const {
    const AcRxClass* mine = isA();
    if (mine == nullptr) return true;
    return mine->isDerivedFrom(cls);
}

AcRxObject* AcRxObject::clone() const {
    const AcRxClass* cls = isA();
    if (cls == nullptr) return nullptr;
    AcRxObject* copy = cls->create();
    if (copy == nullptr) return nullptr;
    if (copy->copyFrom(this) != Acad::eOk) {
        delete copy;
        return nullptr;
    }
    return copy;
}

Acad::ErrorStatus AcRxObject::copyFrom(const AcRxObject*) { return Acad::eNotApplicable; }

Adesk::Boolean AcRxObject::isEqualTo(const AcRxObject* other) const { return other == this; }

int AcRxObject::comparedTo(const AcRxObject* other) const {
    if (other == this) return 0;
    return this < other ? -1 : 1;
}

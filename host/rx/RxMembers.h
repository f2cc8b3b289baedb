// The runtime-class boilerplate of host classes: desc() and gpDesc, isA(), cast().
// Host classes are registered together by the host at start-up (vthost::startHost).
#pragma once

class AcRxClass;
class AcRxObject;

// Looks a class up by name in the host's class dictionary; null when it is not registered.
AcRxClass* acrxFindClass(const char* name);

namespace vthost {
// Changes whenever a class is deleted, so that desc() looks its class up again instead of keeping
// a deleted one (a module unloaded and loaded again, the host stopped and started again).
unsigned classGeneration();
}  // namespace vthost

// For classes derived from AcRxObject (which declares the same members itself): isA() overrides.
#define ACRX_DECLARE_MEMBERS(CLASS)                       \
    static AcRxClass* gpDesc;                             \
    static AcRxClass* desc();                             \
    static CLASS* cast(const AcRxObject* inPtr);           \
    AcRxClass* isA() const override

#define ACRX_DEFINE_MEMBERS(CLASS)                                                    \
    AcRxClass* CLASS::gpDesc = nullptr;                                               \
    AcRxClass* CLASS::desc() {                                                        \
        static unsigned generation = 0;                                               \
        if (gpDesc == nullptr || generation != vthost::classGeneration()) {           \
            gpDesc = acrxFindClass(#CLASS);                                           \
            generation = vthost::classGeneration();                                   \
        }                                                                             \
        return gpDesc;                                                                \
    }                                                                                 \
    AcRxClass* CLASS::isA() const { return CLASS::desc(); }                           \
    CLASS* CLASS::cast(const AcRxObject* inPtr) {                                     \
        return (inPtr != nullptr && inPtr->isKindOf(CLASS::desc()))                   \
                   ? static_cast<CLASS*>(const_cast<AcRxObject*>(inPtr))              \
                   : nullptr;                                                         \
    }

// The runtime-class pattern of this library's classes: desc() finds and caches the class by name,
// isA() answers it, cast() checks isKindOf, rxInit() registers the class once and stops the host
// with "Class mismatch" when another class object already holds the name.
#pragma once
#include <new>

#include "rx/AcRxClass.h"

namespace vantorell {

struct ClassDescription {
    const char* name;
    const char* parentName;
    bool longForm;  // with DWG version, DXF name and application name
    int dwgVersion;
    int maintenanceVersion;
    int proxyFlags;
    AcRxPseudoConstructor constructor;
    const char* dxfName;
    const char* appName;
};

AcRxClass* findClass(AcRxClass*& gpDesc, const char* name);
void registerClass(AcRxClass*& gpDesc, const ClassDescription& description);

// The creation function handed to the host: a new default-constructed instance, or null when
// allocation fails.
template <class T>
AcRxObject* createInstance() {
    return new (std::nothrow) T();
}

}  // namespace vantorell

#define VT_DECLARE_MEMBERS(CLASS)                \
    static AcRxClass* gpDesc;                    \
    static AcRxClass* desc();                    \
    static CLASS* cast(const AcRxObject* inPtr); \
    static void rxInit();                        \
    AcRxClass* isA() const override

// Classes derived directly from AcDbObject cannot be allocated as arrays.
#define VT_NO_ARRAYS                                    \
private:                                                \
    static void* operator new[](std::size_t) noexcept { \
        return nullptr;                                 \
    }                                                   \
    static void operator delete[](void*) noexcept {}    \
                                                        \
public:

#define VT_DEFINE_MEMBERS(CLASS, ...)                                                       \
    AcRxClass* CLASS::gpDesc = nullptr;                                                     \
    AcRxClass* CLASS::desc() {                                                              \
        return vantorell::findClass(gpDesc, #CLASS);                                        \
    }                                                                                       \
    AcRxClass* CLASS::isA() const {                                                         \
        return CLASS::desc();                                                               \
    }                                                                                       \
    CLASS* CLASS::cast(const AcRxObject* inPtr) {                                           \
        return (inPtr != nullptr && inPtr->isKindOf(CLASS::desc()))                         \
                   ? static_cast<CLASS*>(const_cast<AcRxObject*>(inPtr))                    \
                   : nullptr;                                                               \
    }                                                                                       \
    void CLASS::rxInit() {                                                                  \
        vantorell::registerClass(gpDesc, vantorell::ClassDescription{#CLASS, __VA_ARGS__}); \
    }

// Short form: class name, parent name, proxy flags 1, creation function, no DXF or app name.
#define VT_DEFINE_SHORT_MEMBERS(CLASS, PARENT)                                                  \
    VT_DEFINE_MEMBERS(CLASS, PARENT, false, 0, 0, 1, vantorell::createInstance<CLASS>, nullptr, \
                      nullptr)

// Shared by the host's test programs. The host is started once per program (a gtest environment
// in HostTestSupport.cpp) with a fatal handler that throws FatalError, so a fatal error fails the
// one test that caused it, or is expected with EXPECT_THROW. Test classes are registered for the
// life of a ScopedClass, so that no test sees another test's classes.
#pragma once
#include <stdexcept>
#include <string>

#include "rx/AcRxClass.h"

namespace vthost::test {

// What a host fatal error (acrx_abort, a failed read or write assert) turns into in a test.
class FatalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The fatal handler the test programs install: throws FatalError with the host's message.
[[noreturn]] void throwFatal(const char* message);

template <class T>
AcRxObject* construct() {
    return new T();
}

// Registers the runtime class of T (declared with ACRX_DECLARE_MEMBERS) the way a module's
// initialisation does, links the hierarchy, and on destruction deletes the class and forgets the
// cached descriptor, as unloading the module would.
template <class T>
class ScopedClass {
public:
    ScopedClass(const char* name, const char* parent, AcRxPseudoConstructor constructor = nullptr) {
        T::gpDesc = newAcRxClass(name, parent, 0, constructor);
        acrxBuildClassHierarchy();
    }
    ~ScopedClass() {
        deleteAcRxClass(T::gpDesc);
        T::gpDesc = nullptr;
    }
    ScopedClass(const ScopedClass&) = delete;
    ScopedClass& operator=(const ScopedClass&) = delete;
    AcRxClass* cls() const { return T::gpDesc; }
};

// Captures what acutPrintf and the runtime print while it lives.
class OutputCapture {
public:
    OutputCapture();
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;
    // Everything printed since the capture began (or since the last take).
    std::string take();
};

}  // namespace vthost::test

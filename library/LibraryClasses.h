// The runtime classes of the object library, in the order they are registered (parents first);
// they are deleted in the reverse order.
#pragma once
#include <span>

class AcRxClass;

namespace vantorell {

struct LibraryClass {
    void (*rxInit)();
    AcRxClass* (*desc)();
};

std::span<const LibraryClass> libraryClasses();
void registerLibraryClasses();
void unregisterLibraryClasses();

}  // namespace vantorell

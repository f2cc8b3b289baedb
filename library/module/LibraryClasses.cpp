#include "module/LibraryClasses.h"

#include "modifiers/AcContentModifier.h"
#include "readers/AcPropertyReader.h"
#include "rx/AcRxClass.h"

namespace vantorell {

namespace {
template <class T>
constexpr LibraryClass entry() {
    return LibraryClass{&T::rxInit, &T::desc};
}

constexpr LibraryClass kClasses[] = {
    entry<AcContentModifier>(),
    entry<AcPropertyReader>(),
};
}  // namespace

std::span<const LibraryClass> libraryClasses() { return kClasses; }

void registerLibraryClasses() {
    for (const LibraryClass& cls : kClasses) cls.rxInit();
}

void unregisterLibraryClasses() {
    for (auto it = std::rbegin(kClasses); it != std::rend(kClasses); ++it) deleteAcRxClass(it->desc());
}

}  // namespace vantorell

#include "LibraryClasses.h"

#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "style/AcPropertyLinkStyle.h"
#include "rx/AcRxClass.h"

namespace vantorell {

namespace {
template <class T>
constexpr LibraryClass entry() {
    return LibraryClass{&T::rxInit, &T::desc};
}

constexpr LibraryClass kClasses[] = {
    entry<AcContentModifier>(),   entry<AcBlockModifier>(),  entry<AcTextModifier>(),
    entry<AcDimensionModifier>(), entry<AcLeaderModifier>(), entry<AcMTextModifier>(),
    entry<AcColorModifier>(),     entry<AcPropertyReader>(), entry<AcPropertyLink>(),
    entry<AcPropertyLinkStyle>(), entry<AcLengthReader>(),   entry<AcAreaReader>(),
    entry<AcTextReader>(),        entry<AcXCoordReader>(),   entry<AcYCoordReader>(),
    entry<AcZCoordReader>(),
};
}  // namespace

std::span<const LibraryClass> libraryClasses() {
    return kClasses;
}

void registerLibraryClasses() {
    for (const LibraryClass& cls : kClasses) cls.rxInit();
}

void unregisterLibraryClasses() {
    for (auto it = std::rbegin(kClasses); it != std::rend(kClasses); ++it)
        deleteAcRxClass(it->desc());
}

}  // namespace vantorell

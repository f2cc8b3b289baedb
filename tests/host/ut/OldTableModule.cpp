// A resource module as the first resource compiler wrote it: a version 1 table that ends after
// its strings. The host must still read its strings and find no templates in it.
#include "ut/ResourceTable.h"

namespace {

struct FirstVersionTable {
    unsigned version;
    unsigned stringCount;
    const VthostStringResource* strings;
};

const VthostStringResource kStrings[] = {{1u, "old", 3u}};

}  // namespace

extern "C" const FirstVersionTable vthost_resources = {1u, 1u, kStrings};

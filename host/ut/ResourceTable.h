// The table a resource module exports: the resource compiler (vtrc) writes it as C++ source, the
// build compiles that into the resource module (a shared object holding nothing but data), and
// the host reads it through the module's one exported symbol, kResourceTableSymbol. Strings are
// sorted by id, ids unique; each text is terminated and its length excludes the terminator.
// Later resource kinds (dialog templates, menus, bitmaps, a version block) get tables of their
// own here; a reader refuses a table of a newer version.
#pragma once

constexpr unsigned kResourceTableVersion = 1;
#define VTHOST_RESOURCE_TABLE_SYMBOL "vthost_resources"

struct VthostStringResource {
    unsigned id;
    const char* text;
    unsigned length;
};

struct VthostResourceTable {
    unsigned version;
    unsigned stringCount;
    const VthostStringResource* strings;
};

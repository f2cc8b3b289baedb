// vthost: the host program. It starts the host platform, loads the object library beside it and
// shows what the library registered.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "boot/Host.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"

namespace {

std::vector<std::string> classNames() {
    std::vector<std::string> names;
    AcRxDictionaryIterator* it = vthost::classDictionary()->newIterator();
    for (; !it->done(); it->next()) names.emplace_back(it->key());
    delete it;
    return names;
}

void listNewClasses(const std::vector<std::string>& before) {
    for (const std::string& name : classNames()) {
        if (std::find(before.begin(), before.end(), name) != before.end()) continue;
        AcRxClass* cls = acrxFindClass(name.c_str());
        const char* dxf = cls->dxfName();
        std::printf("  %-22s parent %-18s proxy flags %d%s%s\n", name.c_str(), cls->parentName(),
                    cls->proxyFlags(), dxf ? "  DXF " : "", dxf ? dxf : "");
    }
}

}  // namespace

int main() {
    vthost::startHost();
    std::vector<std::string> before = classNames();
    std::printf("Loading vantorell.dbx\n");
    if (!acrxLoadModule("vantorell.dbx", true)) {
        std::printf("vantorell.dbx could not be loaded\n");
        return 1;
    }
    std::printf("Runtime classes registered by the library:\n");
    listNewClasses(before);
    bool unloaded = acrxUnloadModule("vantorell.dbx");
    std::printf("Unloaded: %s; library classes left: %zu\n", unloaded ? "yes" : "no",
                classNames().size() - before.size());
    vthost::stopHost();
    return unloaded ? 0 : 1;
}

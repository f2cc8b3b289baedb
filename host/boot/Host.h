// Starting and stopping the host platform: the runtime registry, the host's own classes, and at
// stop the modules that are still loaded. Programs and tests call startHost() first.
#pragma once

namespace vthost {
// Idempotent. Registers the host's classes, enters the editor and the command stack in the
// registry and creates the document manager, all before any module loads.
void startHost();
// Closes every drawing (modules get kUnloadDwgMsg), unloads every module (last loaded first),
// deletes the document manager, then the registry, and lets go of the picture fonts.
void stopHost();
}  // namespace vthost

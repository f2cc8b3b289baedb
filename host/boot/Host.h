// Starting and stopping the host platform: the runtime registry, the host's own classes, and at
// stop the modules that are still loaded. Programs and tests call startHost() first.
#pragma once

namespace vthost {
// Idempotent.
void startHost();
// Unloads every module (last loaded first) and deletes the registry.
void stopHost();
}  // namespace vthost

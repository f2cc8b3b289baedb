// The system registry: the root runtime dictionary with "ClassDictionary", "ServiceDictionary"
// and "DynamicLinker" (the editor adds its own entries). The host owns it from startHost() on.
#pragma once
#include "rx/AcRxDictionary.h"

#define ACRX_CLASS_DICTIONARY "ClassDictionary"
#define ACRX_SERVICE_DICTIONARY "ServiceDictionary"
#define ACRX_DYNAMIC_LINKER "DynamicLinker"

AcRxDictionary* acrxSysRegistry();

namespace vthost {
// Creates the registry and registers the runtime layer's own classes; idempotent.
void initRuntime();
// Deletes the registry with every class and service still in it.
void shutdownRuntime();
AcRxDictionary* classDictionary();
AcRxDictionary* serviceDictionary();
}  // namespace vthost

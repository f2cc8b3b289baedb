#include "ed/AcEditor.h"

#include <algorithm>

#include "ed/AcEdCommandStack.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxSysRegistry.h"

ACRX_DEFINE_MEMBERS(AcRxEventReactor)
ACRX_DEFINE_MEMBERS(AcEditorReactor)
ACRX_DEFINE_MEMBERS(AcEditor)

void AcEditor::addReactor(AcRxEventReactor* reactor) {
    if (reactor != nullptr && !has(reactor)) m_reactors.push_back(reactor);
}

void AcEditor::removeReactor(AcRxEventReactor* reactor) { std::erase(m_reactors, reactor); }

bool AcEditor::has(AcRxEventReactor* reactor) const {
    return std::find(m_reactors.begin(), m_reactors.end(), reactor) != m_reactors.end();
}

AcEditor* acedEditorPtr() { return AcEditor::cast(acrxSysRegistry()->at("AcEditor")); }

namespace vthost {
void registerEditorObjects() {
    newAcRxClass("AcRxEventReactor", "AcRxObject");
    newAcRxClass("AcEditorReactor", "AcRxEventReactor");
    newAcRxClass("AcEditor", "AcRxObject");
    newAcRxClass("AcEdCommandStack", "AcRxObject");
    newAcRxClass("AcEdCommand", "AcRxObject");
    acrxBuildClassHierarchy();
    AcRxDictionary* registry = acrxSysRegistry();
    if (registry->at("AcEditor") == nullptr) registry->atPut("AcEditor", new AcEditor());
    if (registry->at(ACRX_COMMAND_DOCK) == nullptr)
        registry->atPut(ACRX_COMMAND_DOCK, new AcEdCommandStack());
}
}  // namespace vthost

#include "ed/AcEdCommandStack.h"

#include <algorithm>

#include "db/HeaderVariables.h"
#include "rx/AcRxSysRegistry.h"

ACRX_DEFINE_MEMBERS(AcEdCommand)
ACRX_DEFINE_MEMBERS(AcEdCommandStack)

namespace {
bool validName(const char* name) {
    if (name == nullptr || *name == '\0') return false;
    std::string text = name;
    return text.size() <= AcEdCommandStack::kMaxNameLength &&
           text.find_first_of(" \t\r\n") == std::string::npos;
}
}  // namespace

AcEdCommandStack::AcEdCommandStack() = default;
AcEdCommandStack::~AcEdCommandStack() = default;

AcEdCommandStack::Group* AcEdCommandStack::findGroup(const std::string& name) {
    std::string key = vthost::upperAscii(name);
    for (Group& group : m_groups)
        if (vthost::upperAscii(group.name) == key) return &group;
    return nullptr;
}

Acad::ErrorStatus AcEdCommandStack::addCommand(const char* cmdGroupName, const char* cmdGlobalName,
                                               const char* cmdLocalName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr FunctionAddr,
                                               AcEdUIContext* UIContext, int fcode,
                                               HINSTANCE hResourceHandle, AcEdCommand** cmdPtrRet) {
    if (!validName(cmdGroupName) || !validName(cmdGlobalName) || FunctionAddr == nullptr)
        return Acad::eInvalidInput;
    const char* local = validName(cmdLocalName) ? cmdLocalName : cmdGlobalName;
    if (cmdLocalName != nullptr && *cmdLocalName != '\0' && !validName(cmdLocalName))
        return Acad::eInvalidInput;
    Group* group = findGroup(cmdGroupName);
    if (group != nullptr && (search(*group, cmdGlobalName, true) || search(*group, local, false)))
        return Acad::eDuplicateKey;
    if (group == nullptr) {
        m_groups.push_back(Group{cmdGroupName, {}});
        group = &m_groups.back();
    }
    group->commands.push_back(std::make_unique<AcEdCommand>(
        group->name, vthost::upperAscii(cmdGlobalName), vthost::upperAscii(local), commandFlags,
        FunctionAddr, UIContext, fcode, hResourceHandle));
    if (cmdPtrRet != nullptr) *cmdPtrRet = group->commands.back().get();
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const char* cmdGroupName, const char* cmdGlobalName) {
    if (cmdGroupName == nullptr || cmdGlobalName == nullptr) return Acad::eInvalidInput;
    Group* group = findGroup(cmdGroupName);
    if (group == nullptr) return Acad::eKeyNotFound;
    std::string key = vthost::upperAscii(cmdGlobalName);
    auto it = std::find_if(group->commands.begin(), group->commands.end(),
                           [&](const auto& c) { return c->globalName() == key; });
    if (it == group->commands.end()) return Acad::eKeyNotFound;
    group->commands.erase(it);
    if (group->commands.empty()) return removeGroup(cmdGroupName);
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const char* groupName) {
    if (groupName == nullptr) return Acad::eInvalidInput;
    Group* group = findGroup(groupName);
    if (group == nullptr) return Acad::eKeyNotFound;
    m_groups.erase(m_groups.begin() + (group - m_groups.data()));
    return Acad::eOk;
}

AcEdCommand* AcEdCommandStack::search(const Group& group, const std::string& name, bool global) const {
    std::string key = vthost::upperAscii(name);
    for (const auto& command : group.commands)
        if ((global ? command->globalName() : command->localName()) == key) return command.get();
    return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const char* cmdName, bool globalFlag) {
    if (cmdName == nullptr) return nullptr;
    for (auto it = m_groups.rbegin(); it != m_groups.rend(); ++it) {
        if (vthost::upperAscii(it->name) == VTHOST_HOST_GROUP) continue;
        if (AcEdCommand* command = search(*it, cmdName, globalFlag)) return command;
    }
    Group* host = findGroup(VTHOST_HOST_GROUP);
    return host ? search(*host, cmdName, globalFlag) : nullptr;
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const char* cmdName) { return lookupCmd(cmdName, true); }

AcEdCommand* AcEdCommandStack::lookupLocalCmd(const char* cmdName) { return lookupCmd(cmdName, false); }

AcEdCommand* AcEdCommandStack::lookupHostCmd(const char* cmdName) const {
    auto* self = const_cast<AcEdCommandStack*>(this);
    Group* host = self->findGroup(VTHOST_HOST_GROUP);
    return host && cmdName ? search(*host, cmdName, true) : nullptr;
}

std::vector<const AcEdCommand*> AcEdCommandStack::commands() const {
    std::vector<const AcEdCommand*> all;
    for (const Group& group : m_groups)
        for (const auto& command : group.commands) all.push_back(command.get());
    return all;
}

std::vector<std::string> AcEdCommandStack::groupNames() const {
    std::vector<std::string> names;
    for (const Group& group : m_groups) names.push_back(group.name);
    return names;
}

AcEdCommandStack* acedRegCmdsPtr() {
    return AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
}

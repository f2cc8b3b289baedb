// The command stack ("ACAD_REGISTERED_COMMANDS" in the system registry, owned by the registry):
// commands by group, each with a global and a local name (case-insensitive, at most 64
// characters, unique within the group), flags and the function the host calls without arguments.
// A group is created by its first command. Modules' groups are searched newest first, then the
// host's own group "ACAD_MAIN", so a module's command of the same name as a host command hides
// it; "." before a name reaches the host's command.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "rx/AcRx.h"
#include "rx/AcRxObject.h"
#include "ut/Win32.h"

#define ACRX_COMMAND_DOCK "ACAD_REGISTERED_COMMANDS"
#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOPERSPECTIVE 0x00000008
#define ACRX_CMD_NOMULTIPLE 0x00000010
#define ACRX_CMD_NOTILEMODE 0x00000020
#define ACRX_CMD_NOPAPERSPACE 0x00000040
#define ACRX_CMD_PLOTONLY 0x00000080
#define ACRX_CMD_NOOEM 0x00000100
#define ACRX_CMD_UNDEFINED 0x00000200
#define ACRX_CMD_INPROGRESS 0x00000400
#define ACRX_CMD_DEFUN 0x00000800
#define ACRX_CMD_NONEWSTACK 0x00010000
#define ACRX_CMD_NOINTERNALLOCK 0x00020000
#define ACRX_CMD_DOCREADLOCK 0x00080000
#define ACRX_CMD_DOCEXCLUSIVELOCK 0x00100000
#define ACRX_CMD_SESSION 0x00200000

// The host's own group.
#define VTHOST_HOST_GROUP "ACAD_MAIN"

class AcEdUIContext;

class AcEdCommand : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommand);
    AcEdCommand(std::string group, std::string global, std::string local, Adesk::Int32 flags,
                AcRxFunctionPtr function, AcEdUIContext* context, int fcode, HINSTANCE resource)
        : m_group(std::move(group)), m_global(std::move(global)), m_local(std::move(local)),
          m_flags(flags), m_function(function), m_context(context), m_fcode(fcode),
          m_resource(resource) {}

    AcRxFunctionPtr functionAddr() const { return m_function; }
    Adesk::Int32 commandFlags() const { return m_flags; }
    const char* globalName() const { return m_global.c_str(); }
    const char* localName() const { return m_local.c_str(); }
    const char* groupName() const { return m_group.c_str(); }
    AcEdUIContext* UIContext() const { return m_context; }
    int functionCode() const { return m_fcode; }
    HINSTANCE resourceHandle() const { return m_resource; }

private:
    std::string m_group, m_global, m_local;
    Adesk::Int32 m_flags;
    AcRxFunctionPtr m_function;
    AcEdUIContext* m_context;
    int m_fcode;
    HINSTANCE m_resource;
};

class AcEdCommandStack : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommandStack);
    AcEdCommandStack();
    ~AcEdCommandStack() override;

    // eInvalidInput for a missing or over-long name or a null function, eDuplicateKey when the
    // group already has a command of that global or local name. cmdPtrRet, when given, receives
    // the command, which the stack keeps owning.
    virtual Acad::ErrorStatus addCommand(const char* cmdGroupName, const char* cmdGlobalName,
                                         const char* cmdLocalName, Adesk::Int32 commandFlags,
                                         AcRxFunctionPtr FunctionAddr,
                                         AcEdUIContext* UIContext = nullptr, int fcode = -1,
                                         HINSTANCE hResourceHandle = nullptr,
                                         AcEdCommand** cmdPtrRet = nullptr);
    // eKeyNotFound for an unknown group or command; a group left empty goes away.
    virtual Acad::ErrorStatus removeCmd(const char* cmdGroupName, const char* cmdGlobalName);
    virtual Acad::ErrorStatus removeGroup(const char* groupName);
    // Null when no group has the name.
    virtual AcEdCommand* lookupGlobalCmd(const char* cmdName);
    virtual AcEdCommand* lookupLocalCmd(const char* cmdName);
    virtual AcEdCommand* lookupCmd(const char* cmdName, bool globalFlag);
    // Host internals: a look-up restricted to the host's own group, and every command.
    AcEdCommand* lookupHostCmd(const char* cmdName) const;
    std::vector<const AcEdCommand*> commands() const;
    std::vector<std::string> groupNames() const;

    static constexpr std::size_t kMaxNameLength = 64;

private:
    struct Group {
        std::string name;
        std::vector<std::unique_ptr<AcEdCommand>> commands;
    };
    Group* findGroup(const std::string& name);
    AcEdCommand* search(const Group& group, const std::string& name, bool global) const;

    std::vector<Group> m_groups;  // oldest first
};

// The command stack in the system registry.
AcEdCommandStack* acedRegCmdsPtr();
#define acedRegCmds acedRegCmdsPtr()

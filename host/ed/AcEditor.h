// The editor object and its reactors. AcEditor ("AcEditor" in the system registry, owned by the
// registry) keeps a list of reactors that belong to their callers. AcRxEventReactor hears about
// drawings being opened and saved; AcEditorReactor adds the command, LISP and system-variable
// events, each with the command's global name in upper case. A reactor may remove itself (or
// another) during a notification: a reactor removed is not called again.
#pragma once
#include <vector>

#include "rx/AcArray.h"
#include "rx/AcRxObject.h"

class AcDbDatabase;
using AcDbVoidPtrArray = AcArray<void*>;

class AcRxEventReactor : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxEventReactor);
    ~AcRxEventReactor() override = default;

    virtual void dwgFileOpened(AcDbDatabase*, char* /*fileName*/) {}
    virtual void initialDwgFileOpenComplete(AcDbDatabase*) {}
    virtual void databaseConstructed(AcDbDatabase*) {}
    virtual void databaseToBeDestroyed(AcDbDatabase*) {}
    virtual void beginSave(AcDbDatabase*, const char* /*pIntendedName*/) {}
    virtual void saveComplete(AcDbDatabase*, const char* /*pActualName*/) {}
    virtual void abortSave(AcDbDatabase*) {}

protected:
    AcRxEventReactor() = default;
};

class AcEditorReactor : public AcRxEventReactor {
public:
    ACRX_DECLARE_MEMBERS(AcEditorReactor);
    ~AcEditorReactor() override = default;

    virtual void unknownCommand(const char* /*cmdStr*/, AcDbVoidPtrArray* /*al*/) {}
    virtual void commandWillStart(const char* /*cmdStr*/) {}
    virtual void commandEnded(const char* /*cmdStr*/) {}
    virtual void commandCancelled(const char* /*cmdStr*/) {}
    virtual void commandFailed(const char* /*cmdStr*/) {}
    virtual void lispWillStart(const char* /*firstLine*/) {}
    virtual void lispEnded() {}
    virtual void lispCancelled() {}
    virtual void sysVarChanged(const char* /*varName*/, Adesk::Boolean /*success*/) {}
    virtual void sysVarWillChange(const char* /*varName*/) {}

protected:
    AcEditorReactor() = default;
};

class AcEditor : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEditor);
    AcEditor() = default;

    void addReactor(AcRxEventReactor* reactor);
    void removeReactor(AcRxEventReactor* reactor);

    // Host internals: sends an event to every reactor still registered when its turn comes.
    // Editor events go only to reactors that are AcEditorReactors.
    template <class F>
    void notifyEditorReactors(F call);
    template <class F>
    void notifyEventReactors(F call);

private:
    bool has(AcRxEventReactor* reactor) const;
    std::vector<AcRxEventReactor*> m_reactors;
};

template <class F>
void AcEditor::notifyEventReactors(F call) {
    std::vector<AcRxEventReactor*> reactors = m_reactors;
    for (AcRxEventReactor* reactor : reactors)
        if (has(reactor)) call(reactor);
}

template <class F>
void AcEditor::notifyEditorReactors(F call) {
    notifyEventReactors([&](AcRxEventReactor* reactor) {
        if (AcEditorReactor* editorReactor = AcEditorReactor::cast(reactor)) call(editorReactor);
    });
}

// The editor in the system registry (null before startHost).
AcEditor* acedEditorPtr();
#define acedEditor acedEditorPtr()

namespace vthost {
// Enters the editor object and the command stack in the system registry (startHost).
void registerEditorObjects();
}  // namespace vthost

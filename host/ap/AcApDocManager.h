// AcApDocManager: the open drawings of the session and which one is current. The manager owns the
// documents; the host creates it before any module loads (startHost) and deletes it after the
// modules are unloaded (stopHost). The current document's database is the working database.
// Reactors belong to the caller. lockDocument/unlockDocument keep a lock stack per document;
// every change of its top sends documentLockModeChanged. pushResourceHandle/popResourceHandle
// keep a stack per current document (a session stack while no drawing is open).
#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ap/AcApDocManagerReactor.h"
#include "ap/AcApDocument.h"
#include "rx/AcadErrorStatus.h"
#include "ut/Win32.h"

class AcDbDatabase;

class AcApDocumentIterator {
public:
    explicit AcApDocumentIterator(std::vector<AcApDocument*> documents)
        : m_documents(std::move(documents)) {}
    bool done() const { return m_position >= m_documents.size(); }
    void step() { ++m_position; }
    AcApDocument* document() const { return done() ? nullptr : m_documents[m_position]; }

private:
    std::vector<AcApDocument*> m_documents;
    std::size_t m_position = 0;
};

class AcApDocManager : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcApDocManager);
    AcApDocManager();
    ~AcApDocManager() override;

    AcApDocument* curDocument() const { return m_current; }
    AcApDocument* mdiActiveDocument() const { return m_current; }
    // The document whose database db is, or null.
    AcApDocument* document(const AcDbDatabase* db) const;
    int documentCount() const { return static_cast<int>(m_documents.size()); }
    // The caller deletes the iterator.
    AcApDocumentIterator* newAcApDocumentIterator() const;

    // eInvalidInput for a document the manager does not hold; eNotApplicable to unlock a
    // document that holds no lock.
    Acad::ErrorStatus lockDocument(AcApDocument* doc, AcAp::DocLockMode mode = AcAp::kWrite,
                                   const char* globalCmd = nullptr, const char* localCmd = nullptr,
                                   bool prompt = true);
    Acad::ErrorStatus unlockDocument(AcApDocument* doc);
    // Makes doc current (and its database the working one); sends documentBecameCurrent.
    Acad::ErrorStatus setCurDocument(AcApDocument* doc, AcAp::DocLockMode mode = AcAp::kNone,
                                     bool activate = false);
    Acad::ErrorStatus activateDocument(AcApDocument* doc, bool bPassScript = false);

    void addReactor(AcApDocManagerReactor* reactor);
    void removeReactor(AcApDocManagerReactor* reactor);

    void pushResourceHandle(HINSTANCE handle);
    void pushAcadResourceHandle();
    // Popping an empty stack does nothing.
    void popResourceHandle();
    // The handle on top, or null.
    HINSTANCE currentResourceHandle() const;
    int resourceHandleDepth() const;

    // Host internals: adding a drawing (the manager takes the document) and closing one.
    // closeDocument sends documentToBeDestroyed, deletes the document, sends documentDestroyed
    // and makes the last remaining document current (or none).
    void appendDocument(AcApDocument* doc);
    Acad::ErrorStatus closeDocument(AcApDocument* doc);
    std::vector<AcApDocument*> documents() const;
    // Every reactor call goes through here; a reactor removed during a notification is not
    // called after its removal.
    template <class F>
    void notify(F call);

private:
    bool holds(const AcApDocument* doc) const;
    std::vector<HINSTANCE>& resourceStack();
    const std::vector<HINSTANCE>& resourceStack() const;

    std::vector<std::unique_ptr<AcApDocument>> m_documents;
    AcApDocument* m_current = nullptr;
    std::vector<AcApDocManagerReactor*> m_reactors;
    std::vector<HINSTANCE> m_sessionResources;
};

template <class F>
void AcApDocManager::notify(F call) {
    std::vector<AcApDocManagerReactor*> reactors = m_reactors;
    for (AcApDocManagerReactor* reactor : reactors)
        if (std::find(m_reactors.begin(), m_reactors.end(), reactor) != m_reactors.end()) call(reactor);
}

// The session's document manager (null before startHost and after stopHost).
AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()

namespace vthost {
// Used by startHost and stopHost.
void createDocumentManager();
void deleteDocumentManager();
}  // namespace vthost

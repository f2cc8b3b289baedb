// AcApDocument: one open drawing in the session. The document owns its database; the document
// manager owns the document from creation until the drawing is closed. The lock mode is the top
// of the document's lock stack (kNotLocked when nothing holds it). Host state that belongs to the
// drawing (undo history, resource handles, last entity, previous selection) lives in its
// DocumentState, which only the host itself can see.
#pragma once
#include <memory>
#include <string>

#include "ap/AcAp.h"
#include "rx/AcRxObject.h"

class AcDbDatabase;
class AcDbTransactionManager;
namespace vthost {
struct DocumentState;
}

class AcApDocument : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcApDocument);
    // Takes ownership of db. fileName is the drawing's path ("" for a drawing never saved);
    // title is what the user sees (the file's base name, or "Drawing<n>").
    AcApDocument(AcDbDatabase* db, const char* fileName, const char* title);
    ~AcApDocument() override;
    AcApDocument(const AcApDocument&) = delete;
    AcApDocument& operator=(const AcApDocument&) = delete;

    AcDbDatabase* database() const { return m_database.get(); }
    const char* fileName() const { return m_fileName.c_str(); }
    const char* docTitle() const { return m_title.c_str(); }
    AcAp::DocLockMode myLockMode() const;
    bool isQuiescent() const { return myLockMode() == AcAp::kNotLocked; }
    // The database's transaction manager (transactions are per database in this host).
    AcDbTransactionManager* transactionManager() const;

    // Host internals.
    vthost::DocumentState& state() const { return *m_state; }
    void setFileName(const std::string& path, const std::string& title);

private:
    std::unique_ptr<AcDbDatabase> m_database;
    std::string m_fileName;
    std::string m_title;
    std::unique_ptr<vthost::DocumentState> m_state;
};

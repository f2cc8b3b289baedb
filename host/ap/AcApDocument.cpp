#include "ap/AcApDocument.h"

#include "ap/DocumentState.h"
#include "db/AcDbDatabase.h"

ACRX_DEFINE_MEMBERS(AcApDocument)

AcApDocument::AcApDocument(AcDbDatabase* db, const char* fileName, const char* title)
    : m_database(db), m_fileName(fileName ? fileName : ""), m_title(title ? title : ""),
      m_state(std::make_unique<vthost::DocumentState>(db)) {}

// The state goes first: its undo history detaches from the database before the database goes.
AcApDocument::~AcApDocument() { m_state.reset(); }

AcAp::DocLockMode AcApDocument::myLockMode() const {
    return m_state->locks.empty() ? AcAp::kNotLocked : m_state->locks.back();
}

AcDbTransactionManager* AcApDocument::transactionManager() const {
    return m_database->transactionManager();
}

void AcApDocument::setFileName(const std::string& path, const std::string& title) {
    m_fileName = path;
    m_title = title;
}

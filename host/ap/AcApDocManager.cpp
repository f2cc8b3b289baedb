#include "ap/AcApDocManager.h"

#include <algorithm>

#include "ap/DocumentState.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "rx/AcRxClass.h"

ACRX_DEFINE_MEMBERS(AcApDocManagerReactor)
ACRX_DEFINE_MEMBERS(AcApDocManager)

namespace {
AcApDocManager* g_manager = nullptr;
}

AcApDocManager::AcApDocManager() = default;

AcApDocManager::~AcApDocManager() {
    while (!m_documents.empty()) closeDocument(m_documents.back().get());
}

bool AcApDocManager::holds(const AcApDocument* doc) const {
    return doc != nullptr && std::any_of(m_documents.begin(), m_documents.end(),
                                         [&](const auto& d) { return d.get() == doc; });
}

AcApDocument* AcApDocManager::document(const AcDbDatabase* db) const {
    for (const auto& doc : m_documents)
        if (db != nullptr && doc->database() == db) return doc.get();
    return nullptr;
}

std::vector<AcApDocument*> AcApDocManager::documents() const {
    std::vector<AcApDocument*> all;
    for (const auto& doc : m_documents) all.push_back(doc.get());
    return all;
}

AcApDocumentIterator* AcApDocManager::newAcApDocumentIterator() const {
    return new AcApDocumentIterator(documents());
}

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* doc, AcAp::DocLockMode mode,
                                               const char* globalCmd, const char*, bool) {
    if (!holds(doc)) return Acad::eInvalidInput;
    AcAp::DocLockMode previous = doc->myLockMode();
    doc->state().locks.push_back(mode);
    notify([&](AcApDocManagerReactor* r) {
        r->documentLockModeChanged(doc, previous, mode, mode, globalCmd ? globalCmd : "");
    });
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* doc) {
    if (!holds(doc)) return Acad::eInvalidInput;
    if (doc->state().locks.empty()) return Acad::eNotApplicable;
    AcAp::DocLockMode previous = doc->myLockMode();
    doc->state().locks.pop_back();
    AcAp::DocLockMode now = doc->myLockMode();
    notify([&](AcApDocManagerReactor* r) { r->documentLockModeChanged(doc, previous, now, now, ""); });
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* doc, AcAp::DocLockMode, bool) {
    if (doc != nullptr && !holds(doc)) return Acad::eInvalidInput;
    if (doc == m_current) return Acad::eOk;
    if (m_current != nullptr) notify([&](AcApDocManagerReactor* r) { r->documentToBeDeactivated(m_current); });
    m_current = doc;
    acdbHostApplicationServices()->setWorkingDatabase(doc ? doc->database() : nullptr);
    if (doc == nullptr) return Acad::eOk;
    notify([&](AcApDocManagerReactor* r) { r->documentBecameCurrent(doc); });
    notify([&](AcApDocManagerReactor* r) { r->documentActivated(doc); });
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::activateDocument(AcApDocument* doc, bool) {
    return setCurDocument(doc);
}

void AcApDocManager::addReactor(AcApDocManagerReactor* reactor) {
    if (reactor != nullptr && std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end())
        m_reactors.push_back(reactor);
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* reactor) { std::erase(m_reactors, reactor); }

std::vector<HINSTANCE>& AcApDocManager::resourceStack() {
    return m_current ? m_current->state().resourceHandles : m_sessionResources;
}

const std::vector<HINSTANCE>& AcApDocManager::resourceStack() const {
    return m_current ? m_current->state().resourceHandles : m_sessionResources;
}

void AcApDocManager::pushResourceHandle(HINSTANCE handle) { resourceStack().push_back(handle); }

void AcApDocManager::pushAcadResourceHandle() { resourceStack().push_back(GetModuleHandleA(nullptr)); }

void AcApDocManager::popResourceHandle() {
    if (!resourceStack().empty()) resourceStack().pop_back();
}

HINSTANCE AcApDocManager::currentResourceHandle() const {
    return resourceStack().empty() ? nullptr : resourceStack().back();
}

int AcApDocManager::resourceHandleDepth() const { return static_cast<int>(resourceStack().size()); }

void AcApDocManager::appendDocument(AcApDocument* doc) {
    notify([&](AcApDocManagerReactor* r) { r->documentCreateStarted(doc); });
    m_documents.emplace_back(doc);
    notify([&](AcApDocManagerReactor* r) { r->documentCreated(doc); });
}

Acad::ErrorStatus AcApDocManager::closeDocument(AcApDocument* doc) {
    if (!holds(doc)) return Acad::eInvalidInput;
    notify([&](AcApDocManagerReactor* r) { r->documentToBeDestroyed(doc); });
    std::string fileName = doc->fileName();
    if (doc == m_current) setCurDocument(nullptr);
    auto it = std::find_if(m_documents.begin(), m_documents.end(), [&](const auto& d) { return d.get() == doc; });
    std::unique_ptr<AcApDocument> gone = std::move(*it);
    m_documents.erase(it);
    gone.reset();
    notify([&](AcApDocManagerReactor* r) { r->documentDestroyed(fileName.c_str()); });
    if (m_current == nullptr && !m_documents.empty()) setCurDocument(m_documents.back().get());
    return Acad::eOk;
}

AcApDocManager* acDocManagerPtr() { return g_manager; }

namespace vthost {
void createDocumentManager() {
    newAcRxClass("AcApDocManagerReactor", "AcRxObject");
    newAcRxClass("AcApDocManager", "AcRxObject");
    newAcRxClass("AcApDocument", "AcRxObject");
    acrxBuildClassHierarchy();
    if (g_manager == nullptr) g_manager = new AcApDocManager();
}
void deleteDocumentManager() {
    delete g_manager;
    g_manager = nullptr;
}
}  // namespace vthost

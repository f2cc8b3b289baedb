#include "commands/CurrentStyles.h"

#include "ap/AcApDocManager.h"

namespace {
CVantorellDocReactor g_documentReactor;
}  // namespace

CVantorellDocReactor::CVantorellDocReactor() {
    if (AcApDocManager* manager = acDocManagerPtr()) manager->addReactor(this);
}

CVantorellDocReactor::~CVantorellDocReactor() {
    if (AcApDocManager* manager = acDocManagerPtr()) manager->removeReactor(this);
}

void CVantorellDocReactor::documentToBeDestroyed(AcApDocument* doc) {
    m_currentStyles.erase(doc);
}

namespace vantorell {
CVantorellDocReactor& documentReactor() {
    return g_documentReactor;
}
}  // namespace vantorell

// CVantorellDocReactor: the style link creation last used in each open drawing. One static object
// of the module: it adds itself to the document manager when the module is loaded, removes itself
// when the module leaves the process, and forgets a drawing's style when the drawing is closed.
#pragma once
#include <map>

#include "ap/AcApDocManagerReactor.h"
#include "db/AcDbObjectId.h"

class AcApDocument;

class CVantorellDocReactor : public AcApDocManagerReactor {
public:
    CVantorellDocReactor();
    ~CVantorellDocReactor() override;
    CVantorellDocReactor(const CVantorellDocReactor&) = delete;
    CVantorellDocReactor& operator=(const CVantorellDocReactor&) = delete;

    void documentToBeDestroyed(AcApDocument* doc) override;

    // The document's current style; an entry holding the null id is made for a new document.
    AcDbObjectId& currentStyle(AcApDocument* doc) { return m_currentStyles[doc]; }
    bool hasEntry(AcApDocument* doc) const { return m_currentStyles.count(doc) != 0; }

private:
    std::map<AcApDocument*, AcDbObjectId> m_currentStyles;
};

namespace vantorell {
CVantorellDocReactor& documentReactor();
}  // namespace vantorell

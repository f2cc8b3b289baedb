#include "db/HostClasses.h"

#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbDwgFiler.h"
#include "db/AcDbDxfFiler.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbObjectReactor.h"
#include "db/AcDbSymbolTable.h"
#include "db/AcDbTransactionManager.h"
#include "db/AcDbEntity.h"
#include "rx/AcRxClass.h"

ACRX_DEFINE_MEMBERS(AcDbDwgFiler)
ACRX_DEFINE_MEMBERS(AcDbDxfFiler)

namespace vthost {

namespace {
template <class T>
AcRxObject* construct() {
    return new T();
}
}  // namespace

void registerDatabaseClasses() {
    newAcRxClass("AcDbObject", "AcRxObject");
    newAcRxClass("AcDbDictionary", "AcDbObject", 0, construct<AcDbDictionary>);
    // Proxies are made by the drawing reader only, never by name.
    newAcRxClass("AcDbProxyObject", "AcDbObject");
    newAcRxClass("AcDbSymbolTable", "AcDbObject");
    newAcRxClass("AcDbSymbolTableRecord", "AcDbObject");
    newAcRxClass("AcDbBlockTable", "AcDbSymbolTable", 0, construct<AcDbBlockTable>);
    newAcRxClass("AcDbBlockTableRecord", "AcDbSymbolTableRecord", 0, construct<AcDbBlockTableRecord>);
    newAcRxClass("AcDbEntity", "AcDbObject");
    newAcRxClass("AcDbDatabase", "AcRxObject");
    newAcRxClass("AcDbDwgFiler", "AcRxObject");
    newAcRxClass("AcDbDxfFiler", "AcRxObject");
    newAcRxClass("AcDbObjectReactor", "AcRxObject");
    newAcRxClass("AcTransaction", "AcRxObject");
    newAcRxClass("AcDbTransactionManager", "AcRxObject");
    newAcRxClass("AcDbHostApplicationServices", "AcRxObject");
}

}  // namespace vthost

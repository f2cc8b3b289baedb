// AcDbHostApplicationServices: what the host tells the database layer about the session; here
// the working database (the one commands operate on, and whose units formatting follows).
#pragma once
#include "rx/AcRxObject.h"

class AcDbDatabase;

class AcDbHostApplicationServices : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbHostApplicationServices);
    AcDbDatabase* workingDatabase() const { return m_working; }
    void setWorkingDatabase(AcDbDatabase* db) { m_working = db; }

private:
    AcDbDatabase* m_working = nullptr;
};

AcDbHostApplicationServices* acdbHostApplicationServices();
#define acdbCurDwg() acdbHostApplicationServices()->workingDatabase()

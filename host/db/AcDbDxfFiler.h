// AcDbDxfFiler: the group-code filer. The host offers it so that classes can declare
// dxfInFields/dxfOutFields; this host writes no DXF files, and the classes of this system refuse
// DXF filing anyway.
#pragma once
#include "db/AcDb.h"
#include "rx/AcRxObject.h"

struct resbuf;

class AcDbDxfFiler : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDxfFiler);
    AcDbDxfFiler() = default;
    ~AcDbDxfFiler() override = default;

    virtual Acad::ErrorStatus filerStatus() const { return m_status; }
    virtual AcDb::FilerType filerType() const { return AcDb::kFileFiler; }
    virtual void setError(Acad::ErrorStatus status) { m_status = status; }
    virtual Acad::ErrorStatus readItem(resbuf*) { return Acad::eEndOfFile; }
    virtual Acad::ErrorStatus writeInt16(AcDb::DxfCode, Adesk::Int16) { return record(); }
    virtual Acad::ErrorStatus writeInt32(AcDb::DxfCode, Adesk::Int32) { return record(); }
    virtual Acad::ErrorStatus writeString(AcDb::DxfCode, const char*) { return record(); }
    virtual Acad::ErrorStatus writeDouble(AcDb::DxfCode, double) { return record(); }
    virtual bool atEOF() { return true; }
    // Number of items written; lets tests see that a refusing class wrote nothing.
    int itemsWritten() const { return m_items; }

private:
    Acad::ErrorStatus record() {
        ++m_items;
        return m_status;
    }
    Acad::ErrorStatus m_status = Acad::eOk;
    int m_items = 0;
};

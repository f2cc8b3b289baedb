// Host-internal helpers for implementing the entity classes: the strings that accessors hand out,
// and for the records the Int16 class version that opens each class level, 2D points (two
// doubles), strings, bounded counts and id lists, checks of read values, and RecordReadGuard, which
// puts an object back as it was when its record fails to read. Not for modules.
#pragma once
#include <string>
#include <vector>

#include "db/AcDbObject.h"
#include "ge/AcGePoint2d.h"
#include "ge/AcGePoint3d.h"

class AcDbDwgFiler;

namespace vthost {

// A copy of text allocated like the host's strings; the caller frees it with acutDelString.
char* newStringCopy(const std::string& text);

void writeClassVersion(AcDbDwgFiler* filer, Adesk::Int16 version);
// Reads a class version. A version above current puts the filer into eMakeMeProxy (the host keeps
// such a record as a proxy), one below 1 into eFilerError. True when the level can be read.
bool readClassVersion(AcDbDwgFiler* filer, Adesk::Int16 current);
// The same, answering the version read, for a class whose older levels are still read.
bool readClassVersion(AcDbDwgFiler* filer, Adesk::Int16 current, Adesk::Int16& version);

void writePoint2d(AcDbDwgFiler* filer, const AcGePoint2d& point);
void readPoint2d(AcDbDwgFiler* filer, AcGePoint2d& point);

void writeString(AcDbDwgFiler* filer, const std::string& value);
// Leaves value unchanged unless the read succeeds.
void readString(AcDbDwgFiler* filer, std::string& value);

// Reads an Int32 count; outside [0, limit] the filer goes into eFilerError and count is 0.
Adesk::Int32 readCount(AcDbDwgFiler* filer, Adesk::Int32 limit);

// Ids as an Int32 count and one hard ownership id each.
void writeOwnedIds(AcDbDwgFiler* filer, const std::vector<AcDbObjectId>& ids);
// Leaves ids unchanged unless the whole list reads.
void readOwnedIds(AcDbDwgFiler* filer, std::vector<AcDbObjectId>& ids, Adesk::Int32 limit);

bool isFinite(const AcGePoint3d& point);

// A read value that must be a finite number (coordinates, lengths, angles); anything else is
// damage and puts the filer into eFilerError.
void requireFinite(AcDbDwgFiler* filer, double value);
void requireFinite(AcDbDwgFiler* filer, const AcGePoint3d& value);
void requireFinite(AcDbDwgFiler* filer, const AcGeVector3d& value);
// A read length that must be positive and finite (radii, heights).
void requirePositive(AcDbDwgFiler* filer, double value);

// Each class reads its own level into locals and keeps them only when they all read, so a failed
// level changes nothing; but its parents' levels were already taken. The guard, created at the top
// of dwgInFields, records the whole object when it is the most-derived level being read (and the
// read is not an undo restore) and on destruction restores that record if the filer failed.
class RecordReadGuard {
public:
    RecordReadGuard(AcDbObject* object, const AcRxClass* level, const AcDbDwgFiler* filer);
    ~RecordReadGuard();
    RecordReadGuard(const RecordReadGuard&) = delete;
    RecordReadGuard& operator=(const RecordReadGuard&) = delete;

private:
    AcDbObject* m_object;
    const AcDbDwgFiler* m_filer;
    std::shared_ptr<const std::vector<unsigned char>> m_before;
};

}  // namespace vthost

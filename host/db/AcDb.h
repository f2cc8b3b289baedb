// AcDb: enumerations of the drawing database (open modes, filer kinds, versions).
#pragma once

namespace AcDb {
enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };

enum FilerType {
    kFileFiler = 0,
    kCopyFiler = 1,
    kUndoFiler = 2,
    kBagFiler = 3,
    kIdXlateFiler = 4,
    kPageFiler = 5,
    kDeepCloneFiler = 6,
    kIdFiler = 7,
    kPurgeFiler = 8,
    kWblockCloneFiler = 9,
};

enum AcDbDwgVersion { kDHL_CURRENT = 23, kDHL_1500 = 23 };
enum MaintenanceReleaseVersion { kMReleaseCurrent = 13 };

enum ReferenceType { kNoReference = 0, kSoftPointerRef, kHardPointerRef, kSoftOwnershipRef,
                     kHardOwnershipRef };

using DxfCode = int;
}  // namespace AcDb

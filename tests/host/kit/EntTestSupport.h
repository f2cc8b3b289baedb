// Shared by the entity tests: records are written to and read from byte buffers through the
// host's stream filer. (The host's start and the throwing fatal handler: HostTestSupport.h.)
#pragma once
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "db/AcDbObject.h"
#include "HostTestSupport.h"
#include "db/DwgStreamFiler.h"

namespace enttest {

using FatalError = vthost::test::FatalError;

using Bytes = std::vector<std::uint8_t>;

// The object's record as a drawing-file filer writes it (ids by session).
Bytes recordOf(const AcDbObject* object, AcDb::FilerType type = AcDb::kFileFiler);
// Reads bytes into the object; answers what dwgInFields answered.
Acad::ErrorStatus readRecord(AcDbObject* object, const Bytes& bytes,
                             AcDb::FilerType type = AcDb::kFileFiler);

}  // namespace enttest

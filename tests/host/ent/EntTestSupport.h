// Shared by the entity tests: the host is started once for the program (a gtest environment) with
// a fatal handler that throws FatalError, and records are written to and read from byte buffers
// through the host's stream filer.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "db/AcDbObject.h"
#include "db/DwgStreamFiler.h"

namespace enttest {

class FatalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Bytes = std::vector<std::uint8_t>;

// The object's record as a drawing-file filer writes it (ids by session).
Bytes recordOf(const AcDbObject* object, AcDb::FilerType type = AcDb::kFileFiler);
// Reads bytes into the object; answers what dwgInFields answered.
Acad::ErrorStatus readRecord(AcDbObject* object, const Bytes& bytes,
                             AcDb::FilerType type = AcDb::kFileFiler);

}  // namespace enttest

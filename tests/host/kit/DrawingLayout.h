// Tests' view of a drawing file's container: the header, the class table and the objects' records
// as pieces that a test can look at, change and put together again (with a correct length and
// checksum), so that damaged and hostile drawings can be made on purpose.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/AcDbDatabase.h"
#include "db/HeaderVariables.h"

namespace vttest {

struct DrawingLayout {
    struct Class {
        std::string name, parent, dxfName, appName;
        std::int32_t proxyFlags = 0, dwgVersion = 0, maintenanceVersion = 0;
    };
    struct Object {
        std::uint32_t handle = 0;
        std::uint32_t classIndex = 0;
        std::vector<std::uint8_t> record;
    };

    std::uint16_t version = 0;
    std::uint32_t handseed = 0;
    std::uint32_t wellKnown[4] = {};  // named objects, block table, model space, paper space
    std::vector<std::pair<std::string, vthost::HeaderValue>> variables;
    std::vector<Class> classes;
    std::vector<Object> objects;
    // Counts to write instead of the real ones (for lying files).
    std::optional<std::int32_t> variableCount, classCount, objectCount;

    // False when the bytes are not a well-formed drawing container.
    static bool decode(const std::vector<std::uint8_t>& bytes, DrawingLayout& layout);
    std::vector<std::uint8_t> encode() const;
    Object* find(std::uint32_t handle);
    const Class& classOf(const Object& object) const { return classes.at(object.classIndex); }
};

// The drawing's file bytes (empty when the save failed).
std::vector<std::uint8_t> savedBytes(AcDbDatabase& db);
// A new database read from bytes; *status (when given) receives the reader's answer.
std::unique_ptr<AcDbDatabase> opened(const std::vector<std::uint8_t>& bytes,
                                     Acad::ErrorStatus* status = nullptr);
// The id of the object with the same handle in another database.
inline AcDbObjectId sameIn(const AcDbDatabase& db, AcDbObjectId id) {
    return AcDbObjectId(db.serial(), id.rawHandle());
}

// The bytes with their length field and checksum made right again after a change.
std::vector<std::uint8_t> resealed(std::vector<std::uint8_t> bytes);

// Replaces the first occurrence of `from` by `to` (of the same length) inside bytes.
bool patch(std::vector<std::uint8_t>& bytes, const std::string& from, const std::string& to);

}  // namespace vttest

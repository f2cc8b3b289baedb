// AcDbObjectId: a session token for one object slot of one database. Ids stay comparable and
// answerable after the object is erased and after its database is gone (isValid() is then false).
#pragma once
#include <cstdint>
#include <functional>

#include "db/AcDbHandle.h"
#include "rx/AcArray.h"

class AcDbDatabase;

class AcDbObjectId {
public:
    static const AcDbObjectId kNull;

    AcDbObjectId() = default;

    bool isNull() const { return m_handle == 0; }
    void setNull() { m_database = 0, m_handle = 0; }
    // Not null, and its database still exists (erased objects included).
    bool isValid() const;
    bool isErased() const;
    // Erased, or owned (up the owner chain) by an erased object.
    bool isEffectivelyErased() const;
    AcDbDatabase* database() const;
    AcDbDatabase* originalDatabase() const { return database(); }
    AcDbHandle handle() const { return AcDbHandle(m_handle); }
    // The long of an ads_name: database serial in the high half, handle in the low half.
    long asOldId() const;
    AcDbObjectId& setFromOldId(long oldId);

    bool operator==(const AcDbObjectId&) const = default;
    auto operator<=>(const AcDbObjectId&) const = default;

    // Used by the database that owns the slot.
    AcDbObjectId(std::uint32_t databaseSerial, std::uint32_t handle)
        : m_database(databaseSerial), m_handle(handle) {}
    std::uint32_t databaseSerial() const { return m_database; }
    std::uint32_t rawHandle() const { return m_handle; }

private:
    std::uint32_t m_database = 0;
    std::uint32_t m_handle = 0;
};

// The typed ids of the filers differ only in the kind of reference they declare.
class AcDbHardOwnershipId : public AcDbObjectId {
public:
    using AcDbObjectId::AcDbObjectId;
    AcDbHardOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};
class AcDbSoftOwnershipId : public AcDbObjectId {
public:
    using AcDbObjectId::AcDbObjectId;
    AcDbSoftOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};
class AcDbHardPointerId : public AcDbObjectId {
public:
    using AcDbObjectId::AcDbObjectId;
    AcDbHardPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};
class AcDbSoftPointerId : public AcDbObjectId {
public:
    using AcDbObjectId::AcDbObjectId;
    AcDbSoftPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};

using AcDbObjectIdArray = AcArray<AcDbObjectId>;

template <>
struct std::hash<AcDbObjectId> {
    std::size_t operator()(const AcDbObjectId& id) const noexcept {
        return (static_cast<std::size_t>(id.databaseSerial()) << 32) ^ id.rawHandle();
    }
};

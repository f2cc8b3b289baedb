// Reading drawing files (the layout is at the top of DrawingWriter.cpp). Nothing in the file is
// believed before it is checked: the frame first (magic, format version, length, checksum), then
// every count against the bytes left, every handle (within the handseed, strictly increasing),
// every class index, and at the end the well-known objects and the owner chains. Objects are read
// aside, not into the database; only a drawing that passes every check is put in, so a refusal
// leaves the database as empty as it was. A record that its class cannot read becomes a proxy.
#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "db/DatabaseAccess.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbProxyObject.h"
#include "db/AcDbSymbolTable.h"
#include "db/DrawingFile.h"
#include "db/DwgStreamFiler.h"
#include "db/ObjectAccess.h"
#include "ut/AcUtil.h"
#include "rx/AcRxClass.h"

namespace vthost {

namespace {

// The smallest size of each thing a count announces, so that no count is believed beyond the
// bytes that are left: a variable (String, Int16), a class (four Strings, three Int32), an object
// (two UInt32, Bytes).
constexpr std::size_t kItemHeader = 1 + 4;
constexpr std::size_t kMinVariable = kItemHeader + 3;
constexpr std::size_t kMinClass = 7 * kItemHeader;
constexpr std::size_t kMinObject = 3 * kItemHeader;
constexpr std::size_t kTrailer = kTrailerSize;
constexpr std::size_t kNowhere = std::numeric_limits<std::size_t>::max();
// AcDbObjectId::isEffectivelyErased looks this far up an owner chain.
constexpr std::size_t kMaxOwnerChain = 64;

struct Staged {
    std::uint32_t handle;
    std::unique_ptr<AcDbObject> object;
};

struct ResolvedClass {
    std::shared_ptr<const FiledClass> filed;
    AcRxClass* live;  // null: every object of the class becomes a proxy
};

class DrawingReader {
public:
    explicit DrawingReader(AcDbDatabase& db)
        : m_db(db), m_in(AcDb::kFileFiler, &db, IdCoding::kHandle) {}

    Acad::ErrorStatus run(std::vector<std::uint8_t> bytes) {
        Acad::ErrorStatus status = readFrame(std::move(bytes));
        if (status == Acad::eOk) status = readHeader();
        if (status == Acad::eOk) status = readVariables();
        if (status == Acad::eOk) status = readClasses();
        if (status == Acad::eOk) status = readObjects();
        if (status == Acad::eOk) status = readTrailer();
        if (status == Acad::eOk) status = checkDrawing();
        if (status == Acad::eOk) commit();
        return status;
    }

private:
    Acad::ErrorStatus readFrame(std::vector<std::uint8_t> bytes);
    Acad::ErrorStatus readHeader();
    Acad::ErrorStatus readVariables();
    Acad::ErrorStatus readClasses();
    Acad::ErrorStatus readObjects();
    Acad::ErrorStatus readTrailer();
    Acad::ErrorStatus checkDrawing();
    void indexByHandle();
    bool ownerChainsEnd() const;
    bool ownedWithinTheDrawing(AcDbObjectId id) const;
    void commit();

    std::unique_ptr<AcDbObject> readObject(std::vector<std::uint8_t>& record,
                                           const ResolvedClass& cls);
    std::unique_ptr<AcDbObject> readAsProxy(const std::vector<std::uint8_t>& record,
                                            const ResolvedClass& cls);
    std::size_t indexOf(AcDbObjectId id) const;
    const AcDbObject* staged(AcDbObjectId id) const;
    std::size_t bytesLeft() const;
    Adesk::Int32 readCount(std::size_t smallestEach);
    bool readText(std::string& text);
    Acad::ErrorStatus failed() const {
        return m_in.filerStatus() != Acad::eOk ? m_in.filerStatus() : Acad::eFilerError;
    }

    AcDbDatabase& m_db;
    DwgStreamFiler m_in;
    std::uint32_t m_handseed = 0;
    AcDbObjectId m_wellKnown[4];  // named objects, block table, model space, paper space
    std::vector<std::pair<std::string, HeaderValue>> m_variables;
    std::vector<ResolvedClass> m_classes;
    std::vector<Staged> m_objects;               // in increasing handle order
    std::vector<std::uint32_t> m_indexByHandle;  // handle -> index + 1 (0: none), when dense
};

// The head (magic, version, length) is checked first, as for a file on disk; then the checksum.
Acad::ErrorStatus DrawingReader::readFrame(std::vector<std::uint8_t> bytes) {
    std::uint32_t length = 0;
    Acad::ErrorStatus status = checkFrameHead(bytes.data(), bytes.size(), bytes.size(), length);
    if (status != Acad::eOk) return status;
    m_in.setBuffer(std::move(bytes));
    if (m_in.skipRaw(kFrameHeadSize) != Acad::eOk) return m_in.filerStatus();
    const std::vector<std::uint8_t>& file = m_in.buffer();
    std::size_t body = file.size() - kTrailer;
    std::uint32_t sum = 0;
    std::memcpy(&sum, file.data() + body + 1, sizeof sum);
    if (file[body] != static_cast<std::uint8_t>(ItemTag::kUInt32) ||
        crc32(file.data(), body) != sum)
        return Acad::eFilerError;
    return Acad::eOk;
}

std::size_t DrawingReader::bytesLeft() const {
    std::size_t used = m_in.position() + kTrailer;
    return m_in.buffer().size() > used ? m_in.buffer().size() - used : 0;
}

Adesk::Int32 DrawingReader::readCount(std::size_t smallestEach) {
    Adesk::Int32 count = 0;
    if (m_in.readInt32(&count) != Acad::eOk) return -1;
    if (count < 0 || static_cast<std::size_t>(count) > bytesLeft() / smallestEach) {
        m_in.setFilerStatus(Acad::eFilerError);
        return -1;
    }
    return count;
}

bool DrawingReader::readText(std::string& text) {
    char* read = nullptr;
    m_in.readString(&read);
    if (read != nullptr) text = read;
    acutDelString(read);
    return m_in.filerStatus() == Acad::eOk;
}

Acad::ErrorStatus DrawingReader::readHeader() {
    Adesk::UInt32 handseed = 0;
    m_in.readUInt32(&handseed);
    for (AcDbObjectId& id : m_wellKnown) {
        AcDbSoftPointerId read;
        m_in.readSoftPointerId(&read);
        id = read;
    }
    if (m_in.filerStatus() != Acad::eOk) return m_in.filerStatus();
    if (handseed == 0 || handseed > AcDbDatabase::kMaxHandle) return Acad::eFilerError;
    m_handseed = handseed;
    return Acad::eOk;
}

// A variable the drawing knows must keep its kind: LUNITS stays an integer.
Acad::ErrorStatus DrawingReader::readVariables() {
    Adesk::Int32 count = readCount(kMinVariable);
    for (Adesk::Int32 i = 0; i < count; ++i) {
        std::string name;
        ItemTag tag{};
        if (!readText(name) || !m_in.peekTag(tag)) return failed();
        HeaderValue value;
        if (tag == ItemTag::kInt16) {
            short number = 0;
            m_in.readInt16(&number);
            value = number;
        } else if (tag == ItemTag::kDouble) {
            double real = 0;
            m_in.readDouble(&real);
            value = real;
        } else if (tag == ItemTag::kString) {
            std::string text;
            readText(text);
            value = text;
        } else {
            AcGePoint3d point;
            m_in.readPoint3d(&point);
            value = point;
        }
        const HeaderValue* known = m_db.headerVariables().find(name);
        if (m_in.filerStatus() != Acad::eOk ||
            (known != nullptr && known->index() != value.index()))
            return failed();
        m_variables.emplace_back(std::move(name), std::move(value));
    }
    return count < 0 ? failed() : Acad::eOk;
}

// Only classes derived from AcDbObject are ever created; any other name makes proxies.
Acad::ErrorStatus DrawingReader::readClasses() {
    Adesk::Int32 count = readCount(kMinClass);
    for (Adesk::Int32 i = 0; i < count; ++i) {
        auto filed = std::make_shared<FiledClass>();
        for (std::string* text :
             {&filed->name, &filed->parentName, &filed->dxfName, &filed->appName})
            readText(*text);
        m_in.readInt32(&filed->proxyFlags);
        m_in.readInt32(&filed->dwgVersion);
        m_in.readInt32(&filed->maintenanceVersion);
        if (m_in.filerStatus() != Acad::eOk) return m_in.filerStatus();
        AcRxClass* live = acrxFindClass(filed->name.c_str());
        if (live != nullptr && !live->isDerivedFrom(AcDbObject::desc())) live = nullptr;
        m_classes.push_back(ResolvedClass{std::move(filed), live});
    }
    return count < 0 ? failed() : Acad::eOk;
}

Acad::ErrorStatus DrawingReader::readObjects() {
    Adesk::Int32 count = readCount(kMinObject);
    if (count < 0) return failed();
    m_objects.reserve(static_cast<std::size_t>(count));
    std::uint32_t previous = 0;
    std::vector<std::uint8_t> record;  // one buffer for every record
    for (Adesk::Int32 i = 0; i < count; ++i) {
        Adesk::UInt32 handle = 0, classIndex = 0;
        m_in.readUInt32(&handle);
        m_in.readUInt32(&classIndex);
        m_in.readByteBlock(record, static_cast<std::uint32_t>(std::min<std::size_t>(
                                       bytesLeft(), std::numeric_limits<std::uint32_t>::max())));
        if (m_in.filerStatus() != Acad::eOk) return m_in.filerStatus();
        if (handle <= previous || handle >= m_handseed || classIndex >= m_classes.size())
            return Acad::eFilerError;
        previous = handle;
        std::unique_ptr<AcDbObject> object = readObject(record, m_classes[classIndex]);
        if (!object) return Acad::eFilerError;
        m_objects.push_back(Staged{handle, std::move(object)});
    }
    return Acad::eOk;
}

// The class reads its record; any failure, or bytes it leaves unread, and the half-read object is
// deleted and the record kept whole in a proxy instead. The record comes back in `record`.
std::unique_ptr<AcDbObject> DrawingReader::readObject(std::vector<std::uint8_t>& record,
                                                      const ResolvedClass& cls) {
    AcRxObject* created = cls.live != nullptr ? cls.live->create() : nullptr;
    std::unique_ptr<AcDbObject> object(AcDbObject::cast(created));
    if (!object) delete created;
    DwgStreamFiler filer(AcDb::kFileFiler, &m_db, IdCoding::kHandle);
    filer.setBuffer(std::move(record));
    if (object) {
        Acad::ErrorStatus status = object->dwgInFields(&filer);
        if (status != Acad::eOk || filer.filerStatus() != Acad::eOk || !filer.atEnd())
            object.reset();
    }
    if (!object) object = readAsProxy(filer.buffer(), cls);
    record = filer.takeBuffer();
    return object;
}

// A record whose base fields do not read is damage, not a class this host lacks: null.
std::unique_ptr<AcDbObject> DrawingReader::readAsProxy(const std::vector<std::uint8_t>& record,
                                                       const ResolvedClass& cls) {
    auto proxy = std::make_unique<AcDbProxyObject>(cls.filed);
    DwgStreamFiler filer(AcDb::kFileFiler, &m_db, IdCoding::kHandle);
    filer.setBuffer(record);
    if (proxy->dwgInFields(&filer) != Acad::eOk) return nullptr;
    return proxy;
}

Acad::ErrorStatus DrawingReader::readTrailer() {
    Adesk::UInt32 sum = 0;
    if (m_in.readUInt32(&sum) != Acad::eOk) return m_in.filerStatus();
    return m_in.atEnd() ? Acad::eOk : Acad::eFilerError;
}

std::size_t DrawingReader::indexOf(AcDbObjectId id) const {
    if (id.isNull()) return kNowhere;
    if (!m_indexByHandle.empty()) {
        std::uint32_t handle = id.rawHandle();
        return handle < m_indexByHandle.size() && m_indexByHandle[handle] != 0
                   ? m_indexByHandle[handle] - 1
                   : kNowhere;
    }
    auto it = std::lower_bound(m_objects.begin(), m_objects.end(), id.rawHandle(),
                               [](const Staged& s, std::uint32_t h) { return s.handle < h; });
    if (it == m_objects.end() || it->handle != id.rawHandle()) return kNowhere;
    return static_cast<std::size_t>(it - m_objects.begin());
}

const AcDbObject* DrawingReader::staged(AcDbObjectId id) const {
    std::size_t index = indexOf(id);
    return index == kNowhere ? nullptr : m_objects[index].object.get();
}

// The well-known objects are there, of their classes (not proxies) and not owned by anything
// missing; no owner chain comes back on itself.
Acad::ErrorStatus DrawingReader::checkDrawing() {
    indexByHandle();
    if (AcDbDictionary::cast(staged(m_wellKnown[0])) == nullptr ||
        AcDbBlockTable::cast(staged(m_wellKnown[1])) == nullptr ||
        AcDbBlockTableRecord::cast(staged(m_wellKnown[2])) == nullptr ||
        AcDbBlockTableRecord::cast(staged(m_wellKnown[3])) == nullptr)
        return Acad::eFilerError;
    if (!ownerChainsEnd()) return Acad::eFilerError;
    for (AcDbObjectId id : m_wellKnown)
        if (!ownedWithinTheDrawing(id)) return Acad::eFilerError;
    return Acad::eOk;
}

// Owner look-ups go straight to the object when the handles are dense enough for a table (as in
// any drawing saved by a host); a sparse file is searched instead.
void DrawingReader::indexByHandle() {
    if (m_handseed > 4 * m_objects.size() + 1024) return;
    m_indexByHandle.assign(m_handseed, 0);
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        m_indexByHandle[m_objects[i].handle] = static_cast<std::uint32_t>(i + 1);
}

// Every owner up the chain is in the file: an owner that is not was erased before the save, and
// with it the object (it would be left out of the next save).
bool DrawingReader::ownedWithinTheDrawing(AcDbObjectId id) const {
    for (const AcDbObject* object = staged(id); object != nullptr;
         object = staged(object->ownerId()))
        if (object->ownerId().isNull()) return true;
    return false;
}

// Each object's chain of owners ends (at a null owner, or at one that is not in the file) within
// kMaxOwnerChain ids, itself included: no cycles, and no chain deeper than the host follows when
// it decides whether an object is effectively erased.
bool DrawingReader::ownerChainsEnd() const {
    constexpr std::uint8_t kUnseen = 0, kOnPath = 1, kDone = 2;
    std::vector<std::uint8_t> state(m_objects.size(), kUnseen);
    std::vector<std::uint8_t> length(m_objects.size(), 0);
    std::vector<std::size_t> path;
    for (std::size_t start = 0; start < m_objects.size(); ++start) {
        path.clear();
        std::size_t at = start;
        AcDbObjectId owner;
        while (at != kNowhere && state[at] == kUnseen) {
            state[at] = kOnPath;
            path.push_back(at);
            owner = m_objects[at].object->ownerId();
            at = indexOf(owner);
        }
        if (at != kNowhere && state[at] == kOnPath) return false;
        std::size_t below = at != kNowhere ? length[at] : (owner.isNull() ? 0 : 1);
        for (auto it = path.rbegin(); it != path.rend(); ++it) {
            if (++below > kMaxOwnerChain) return false;
            length[*it] = static_cast<std::uint8_t>(below);
            state[*it] = kDone;
        }
    }
    return true;
}

void DrawingReader::commit() {
    for (Staged& entry : m_objects) {
        AcDbObject* object = entry.object.release();
        vthost::DatabaseAccess::addWithHandle(m_db, object, entry.handle);
        ObjectAccess::markLoaded(object);
    }
    vthost::DatabaseAccess::setHandseed(m_db, m_handseed);
    vthost::DatabaseAccess::setHandlesGoneBelow(m_db, m_handseed);
    vthost::DatabaseAccess::setWellKnownIds(m_db, m_wellKnown[0], m_wellKnown[1], m_wellKnown[2], m_wellKnown[3]);
    for (auto& [name, value] : m_variables) m_db.headerVariables().put(name, value);
}

}  // namespace

// The version is read before anything after it is believed: a future format may differ in all
// the rest. A file no longer than its head and trailer holds no drawing.
Acad::ErrorStatus checkFrameHead(const std::uint8_t* head, std::size_t available,
                                 std::uint64_t fileSize, std::uint32_t& length) {
    constexpr std::size_t magic = sizeof kDrawingMagic;
    if (available == 0) return Acad::eEndOfFile;
    if (std::memcmp(head, kDrawingMagic, std::min(available, magic)) != 0)
        return Acad::eInvalidInput;
    DwgStreamFiler in(AcDb::kFileFiler, nullptr, IdCoding::kHandle);
    in.setBuffer(std::vector<std::uint8_t>(head, head + std::min(available, kFrameHeadSize)));
    Adesk::UInt16 version = 0;
    Adesk::UInt32 stated = 0;
    if (in.skipRaw(magic) != Acad::eOk || in.readUInt16(&version) != Acad::eOk)
        return in.filerStatus();
    if (version > kDrawingFormatVersion) return Acad::eNotImplementedYet;
    if (version == 0) return Acad::eFilerError;
    if (in.readUInt32(&stated) != Acad::eOk) return in.filerStatus();
    if (fileSize < stated) return Acad::eEndOfFile;
    if (fileSize > stated || stated <= kFrameHeadSize + kTrailer) return Acad::eFilerError;
    length = stated;
    return Acad::eOk;
}

Acad::ErrorStatus readDwgBytes(AcDbDatabase& db, std::vector<std::uint8_t>&& bytes) {
    if (db.objectCount() != 0 || db.handseed() != 1) return Acad::eInvalidInput;
    return DrawingReader(db).run(std::move(bytes));
}

Acad::ErrorStatus readDwgBytes(AcDbDatabase& db, const std::vector<std::uint8_t>& bytes) {
    return readDwgBytes(db, std::vector<std::uint8_t>(bytes));
}

}  // namespace vthost

#include "db/AcDbProxyObject.h"

#include "db/AcDbDatabase.h"
#include "db/AcDbDwgFiler.h"
#include "db/DwgStreamFiler.h"
#include "rx/AcRxClass.h"

ACRX_DEFINE_MEMBERS(AcDbProxyObject)

namespace vthost {

namespace {
std::string orEmpty(const char* text) {
    return text == nullptr ? std::string() : text;
}
}  // namespace

FiledClass describeClass(const AcRxClass* cls) {
    FiledClass filed;
    filed.name = orEmpty(cls->name());
    filed.parentName = orEmpty(cls->parentName());
    filed.dxfName = orEmpty(cls->dxfName());
    filed.appName = orEmpty(cls->appName());
    filed.proxyFlags = cls->proxyFlags();
    int dwg = 0, maintenance = 0;
    cls->getClassVersion(dwg, maintenance);
    filed.dwgVersion = dwg;
    filed.maintenanceVersion = maintenance;
    return filed;
}

}  // namespace vthost

namespace {

// The kept bytes of a drawing file filer are raw; anything else files them as a counted block.
vthost::DwgStreamFiler* drawingStream(AcDbDwgFiler* filer) {
    if (filer->filerType() != AcDb::kFileFiler) return nullptr;
    return dynamic_cast<vthost::DwgStreamFiler*>(filer);
}

}  // namespace

AcDbProxyObject::AcDbProxyObject(std::shared_ptr<const vthost::FiledClass> original)
    : m_original(original ? std::move(original) : std::make_shared<const vthost::FiledClass>()) {}

AcDbProxyObject::~AcDbProxyObject() = default;

const char* AcDbProxyObject::originalClassName() const {
    assertReadEnabled();
    return m_original->name.c_str();
}

const char* AcDbProxyObject::originalDxfName() const {
    assertReadEnabled();
    return m_original->dxfName.c_str();
}

const char* AcDbProxyObject::originalAppName() const {
    assertReadEnabled();
    return m_original->appName.c_str();
}

int AcDbProxyObject::proxyFlags() const {
    assertReadEnabled();
    return m_original->proxyFlags;
}

const vthost::FiledClass& AcDbProxyObject::originalClass() const {
    return *m_original;
}

const std::vector<std::uint8_t>& AcDbProxyObject::keptData() const {
    return m_kept;
}

Acad::ErrorStatus AcDbProxyObject::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    if (vthost::DwgStreamFiler* stream = drawingStream(filer)) {
        stream->appendRaw(m_kept);
    } else if (filer->filerType() == AcDb::kIdFiler) {
        fileKeptIds(filer);
    } else {
        filer->writeUInt32(static_cast<Adesk::UInt32>(m_kept.size()));
        filer->writeBytes(m_kept.data(), static_cast<Adesk::UInt32>(m_kept.size()));
    }
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbProxyObject::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (vthost::DwgStreamFiler* stream = drawingStream(filer)) {
        m_kept = stream->takeRemaining();
        return filer->filerStatus();
    }
    Adesk::UInt32 length = 0;
    filer->readUInt32(&length);
    if (filer->filerStatus() == Acad::eOk && length > vthost::DwgStreamFiler::kMaxStringLength)
        filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    std::vector<std::uint8_t> kept(length);
    std::uint8_t none = 0;  // a place to read nothing into: an empty vector has no data()
    filer->readBytes(length > 0 ? kept.data() : &none, length);
    if (filer->filerStatus() == Acad::eOk) m_kept = std::move(kept);
    return filer->filerStatus();
}

// The kept bytes were filed with ids as handles of the proxy's own drawing.
void AcDbProxyObject::fileKeptIds(AcDbDwgFiler* filer) const {
    AcDbDatabase* db = database() != nullptr ? database() : filer->database();
    std::uint32_t serial = db != nullptr ? db->serial() : 0;
    vthost::forEachFiledId(
        m_kept, vthost::IdCoding::kHandle, [&](vthost::ItemTag tag, std::uint32_t handle) {
            AcDbObjectId id = handle == 0 ? AcDbObjectId() : AcDbObjectId(serial, handle);
            switch (tag) {
                case vthost::ItemTag::kHardOwner:
                    filer->writeHardOwnershipId(id);
                    break;
                case vthost::ItemTag::kSoftOwner:
                    filer->writeSoftOwnershipId(id);
                    break;
                case vthost::ItemTag::kHardPointer:
                    filer->writeHardPointerId(id);
                    break;
                default:
                    filer->writeSoftPointerId(id);
                    break;
            }
        });
}

Acad::ErrorStatus AcDbProxyObject::subErase(Adesk::Boolean erasing) {
    if (erasing && (m_original->proxyFlags & kEraseAllowed) == 0) return Acad::eNotApplicable;
    return AcDbObject::subErase(erasing);
}

// The copy filer carries the kept bytes; the original class comes along directly.
Acad::ErrorStatus AcDbProxyObject::copyFrom(const AcRxObject* other) {
    Acad::ErrorStatus status = AcDbObject::copyFrom(other);
    if (status == Acad::eOk) m_original = static_cast<const AcDbProxyObject*>(other)->m_original;
    return status;
}

void AcDbProxyObject::cancelled(const AcDbObject*) {}
void AcDbProxyObject::copied(const AcDbObject*, const AcDbObject*) {}
void AcDbProxyObject::erased(const AcDbObject*, Adesk::Boolean) {}
void AcDbProxyObject::goodbye(const AcDbObject*) {}
void AcDbProxyObject::openedForModify(const AcDbObject*) {}
void AcDbProxyObject::modified(const AcDbObject*) {}
void AcDbProxyObject::modifyUndone(const AcDbObject*) {}
void AcDbProxyObject::objectClosed(const AcDbObjectId) {}

// AcDbProxyObject: stands in for an object whose record this host cannot read: its class is not
// registered (the application that defines it is not loaded), has no creation function, or its
// record fails to read (a newer class version, damage). The base object's fields (owner,
// persistent reactors, extension dictionary) are read as usual, so ownership, extension
// dictionaries and reactor lists keep working; the rest of the record is kept as it was and
// written back to drawing files byte for byte, under the original class. A proxy reacts to no
// notification. Erasing it needs the kEraseAllowed flag of its original class (eNotApplicable
// otherwise); cloning makes nothing. Only the drawing reader creates proxies.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "db/AcDbObject.h"

namespace vthost {

// A class as a drawing file's class table describes it.
struct FiledClass {
    std::string name;
    std::string parentName;
    std::string dxfName;
    std::string appName;
    Adesk::Int32 proxyFlags = 0;
    Adesk::Int32 dwgVersion = 0;
    Adesk::Int32 maintenanceVersion = 0;
};

// The table entry of a registered class.
FiledClass describeClass(const AcRxClass* cls);

}  // namespace vthost

class AcDbProxyObject : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbProxyObject);

    enum ProxyFlags {
        kNoOperation = 0,
        kEraseAllowed = 0x1,
        kAllButCloningAllowed = 0x1,
        kCloningAllowed = 0x80,
        kAllAllowedBits = 0x81,
        kMergeIgnore = 0,
        kMergeReplace = 0x100,
        kMergeMangleName = 0x200,
    };

    explicit AcDbProxyObject(std::shared_ptr<const vthost::FiledClass> original);
    ~AcDbProxyObject() override;

    Adesk::Boolean isAProxy() const override { return true; }
    // Texts of the original class's table entry; empty (never null) where it had none.
    const char* originalClassName() const;
    const char* originalDxfName() const;
    const char* originalAppName() const;
    int proxyFlags() const;
    const vthost::FiledClass& originalClass() const;
    // The record after the base object's fields, as the drawing file held it (ids as handles).
    const std::vector<std::uint8_t>& keptData() const;

    // Drawing files: base fields, then the kept bytes as they are. Id filers: base fields, then
    // every id found in the kept bytes as the typed id it was filed as (so hard references held
    // by a proxy still count). Other filers (undo, copy): base fields, UInt32 length, Bytes.
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;

    void cancelled(const AcDbObject* dbObj) override;
    void copied(const AcDbObject* dbObj, const AcDbObject* newObj) override;
    void erased(const AcDbObject* dbObj, Adesk::Boolean erasing = true) override;
    void goodbye(const AcDbObject* dbObj) override;
    void openedForModify(const AcDbObject* dbObj) override;
    void modified(const AcDbObject* dbObj) override;
    void modifyUndone(const AcDbObject* dbObj) override;
    void objectClosed(const AcDbObjectId objId) override;

private:
    void fileKeptIds(AcDbDwgFiler* filer) const;

    std::shared_ptr<const vthost::FiledClass> m_original;
    std::vector<std::uint8_t> m_kept;
};

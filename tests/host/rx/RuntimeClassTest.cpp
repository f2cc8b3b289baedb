// Runtime classes: registration in both forms, the hierarchy, isKindOf/cast, removal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "boot/Host.h"
#include "HostTestSupport.h"
#include "rx/AcRxDictionary.h"
#include "rx/AcRxSysRegistry.h"

namespace vthost::test {
namespace {

class VtShape : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(VtShape);
};
class VtCircle : public VtShape {
public:
    ACRX_DECLARE_MEMBERS(VtCircle);
};
class VtSquare : public VtShape {
public:
    ACRX_DECLARE_MEMBERS(VtSquare);
};
// An object of a class the host does not know: isA() gives null.
class VtUnknown : public AcRxObject {
public:
    AcRxClass* isA() const override { return nullptr; }
};

ACRX_DEFINE_MEMBERS(VtShape)
ACRX_DEFINE_MEMBERS(VtCircle)
ACRX_DEFINE_MEMBERS(VtSquare)

class RuntimeClassTest : public ::testing::Test {
protected:
    // Children first, so that acrxBuildClassHierarchy has to link them.
    ScopedClass<VtCircle> circle{"VtCircle", "VtShape", construct<VtCircle>};
    ScopedClass<VtSquare> square{"VtSquare", "VtShape"};
    ScopedClass<VtShape> shape{"VtShape", "AcRxObject"};
};

TEST_F(RuntimeClassTest, BothFormsOfNewAcRxClassKeepWhatTheyAreGiven) {
    AcRxClass* shortForm = newAcRxClass("VtShortForm", "VtShape", 0x81, construct<VtCircle>,
                                        "VTSHORT", "Vantorell test");
    AcRxClass* longForm = newAcRxClass("VtLongForm", "AcRxObject", 23, 13, 0x3FF);
    ASSERT_NE(shortForm, nullptr);
    ASSERT_NE(longForm, nullptr);
    EXPECT_EQ(acrxFindClass("VtShortForm"), shortForm);
    EXPECT_STREQ(shortForm->name(), "VtShortForm");
    EXPECT_EQ(shortForm->myParent(), shape.cls())
        << "a parent registered earlier is linked at once";
    EXPECT_EQ(shortForm->proxyFlags(), 0x81);
    EXPECT_STREQ(shortForm->dxfName(), "VTSHORT");
    EXPECT_STREQ(shortForm->appName(), "Vantorell test");
    AcRxObject* made = shortForm->create();
    EXPECT_NE(VtCircle::cast(made), nullptr);
    delete made;

    int dwg = -1, maintenance = -1;
    shortForm->getClassVersion(dwg, maintenance);
    EXPECT_EQ(dwg + maintenance, 0);
    longForm->getClassVersion(dwg, maintenance);
    EXPECT_EQ(dwg, 23);
    EXPECT_EQ(maintenance, 13);
    EXPECT_EQ(longForm->proxyFlags(), 0x3FF);
    EXPECT_EQ(longForm->dxfName(), nullptr);
    EXPECT_EQ(longForm->appName(), nullptr);
    EXPECT_EQ(longForm->create(), nullptr) << "no pseudo-constructor";

    deleteAcRxClass(shortForm);
    deleteAcRxClass(longForm);
    EXPECT_EQ(acrxFindClass("VtShortForm"), nullptr);
    EXPECT_EQ(acrxFindClass("VtLongForm"), nullptr);
}

TEST_F(RuntimeClassTest, RegisteringAnExistingNameReturnsTheRegisteredClass) {
    AcRxClass* again = newAcRxClass("VtShape", "VtCircle", 99, construct<VtCircle>, "OTHER");
    EXPECT_EQ(again, shape.cls());
    EXPECT_STREQ(again->parentName(), "AcRxObject") << "the first registration is kept as it was";
    EXPECT_EQ(again->proxyFlags(), 0);
    EXPECT_EQ(again->create(), nullptr);
}

TEST_F(RuntimeClassTest, BuildClassHierarchyLinksChildrenRegisteredBeforeTheirParent) {
    AcRxClass* leaf = newAcRxClass("VtLeaf", "VtBranch");
    AcRxClass* branch = newAcRxClass("VtBranch", "VtShape");
    EXPECT_EQ(leaf->myParent(), nullptr) << "linked only by acrxBuildClassHierarchy";
    acrxBuildClassHierarchy();
    EXPECT_EQ(leaf->myParent(), branch);
    EXPECT_TRUE(leaf->isDerivedFrom(shape.cls()));
    EXPECT_TRUE(leaf->isDerivedFrom(AcRxObject::desc()));
    EXPECT_FALSE(leaf->isDerivedFrom(circle.cls()));
    EXPECT_FALSE(leaf->isDerivedFrom(nullptr));

    deleteAcRxClass(branch);
    EXPECT_EQ(acrxFindClass("VtBranch"), nullptr);
    EXPECT_EQ(leaf->myParent(), nullptr) << "a child must not keep a link to a deleted parent";
    deleteAcRxClass(leaf);
}

// Fault pinned here: desc() kept the first class object it found, so after the class was deleted
// (its module unloaded, or the host stopped) it answered a deleted object.
TEST_F(RuntimeClassTest, DescFindsAClassDeletedAndRegisteredAgain) {
    VtSquare aSquare;
    EXPECT_TRUE(aSquare.isKindOf(VtShape::desc()));
    deleteAcRxClass(VtSquare::desc());
    EXPECT_EQ(aSquare.isA(), nullptr);
    AcRxClass* again = newAcRxClass("VtSquare", "VtShape");
    EXPECT_EQ(aSquare.isA(), again);
    EXPECT_TRUE(aSquare.isKindOf(VtShape::desc()));
    EXPECT_FALSE(aSquare.isKindOf(VtCircle::desc()));
}

TEST(HostRestartTest, HostClassesAreFoundAgainAfterARestart) {
    AcRxDictionary dictionary;
    EXPECT_TRUE(dictionary.isKindOf(AcRxDictionary::desc()));
    stopHost();
    startHost();
    EXPECT_EQ(AcRxDictionary::desc(), acrxFindClass("AcRxDictionary"));
    EXPECT_TRUE(dictionary.isKindOf(AcRxObject::desc()));
    EXPECT_NE(AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY)), nullptr);
}

TEST_F(RuntimeClassTest, IsKindOfAndCastAgreeAcrossTheHierarchy) {
    VtShape aShape;
    VtCircle aCircle;
    VtSquare aSquare;
    VtUnknown anUnknown;
    struct Row {
        const char* name;
        const AcRxObject* object;
        bool isObject, isShape, isCircle, isSquare;
    };
    const std::vector<Row> rows = {
        {"shape", &aShape, true, true, false, false},
        {"circle", &aCircle, true, true, true, false},
        {"square", &aSquare, true, true, false, true},
        {"unknown class", &anUnknown, true, true, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.object->isKindOf(AcRxObject::desc()), row.isObject);
        EXPECT_EQ(row.object->isKindOf(VtShape::desc()), row.isShape);
        EXPECT_EQ(row.object->isKindOf(VtCircle::desc()), row.isCircle);
        EXPECT_EQ(row.object->isKindOf(VtSquare::desc()), row.isSquare);
        // cast() of an object of an unknown class would pass too, but as a different C++ type.
        if (row.object == &anUnknown) continue;
        EXPECT_EQ(VtShape::cast(row.object) != nullptr, row.isShape);
        EXPECT_EQ(VtCircle::cast(row.object) != nullptr, row.isCircle);
        EXPECT_EQ(VtSquare::cast(row.object) != nullptr, row.isSquare);
    }
    EXPECT_EQ(VtShape::cast(nullptr), nullptr);
    EXPECT_EQ(aCircle.isA(), circle.cls());
}

}  // namespace
}  // namespace vthost::test

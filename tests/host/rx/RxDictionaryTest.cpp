// AcRxDictionary, the system registry and its service dictionary.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "rx/AcRxDictionary.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxService.h"
#include "rx/AcRxSysRegistry.h"

namespace vthost::test {
namespace {

// Counts its deletions, so a test sees which dictionary deleted what.
class Tracked : public AcRxObject {
public:
    explicit Tracked(int* deletions) : m_deletions(deletions) {}
    ~Tracked() override { ++*m_deletions; }

private:
    int* m_deletions;
};

std::vector<std::string> keysOf(const AcRxDictionary& dictionary) {
    std::vector<std::string> keys;
    AcRxDictionaryIterator* it = dictionary.newIterator();
    for (; !it->done(); it->next()) keys.push_back(it->key());
    delete it;
    return keys;
}

TEST(RxDictionaryTest, NonDeletingDictionaryHandsBackReplacedAndRemovedObjects) {
    int deletions = 0;
    Tracked first(&deletions), second(&deletions);
    AcRxDictionary dictionary(/*deletesObjects=*/false);
    Adesk::UInt32 id = 0;
    EXPECT_EQ(dictionary.atPut("key", &first, id), nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(dictionary.at("key"), &first);
    EXPECT_EQ(dictionary.at(id), &first);
    EXPECT_STREQ(dictionary.keyAt(id), "key");

    Adesk::UInt32 sameId = 0;
    EXPECT_EQ(dictionary.atPut("key", &second, sameId), &first);
    EXPECT_EQ(sameId, id) << "a replaced entry keeps its id";
    EXPECT_EQ(dictionary.at("key"), &second);
    EXPECT_EQ(dictionary.numEntries(), 1u);

    EXPECT_EQ(dictionary.remove("key"), &second);
    EXPECT_FALSE(dictionary.has("key"));
    EXPECT_EQ(dictionary.at("key"), nullptr);
    EXPECT_EQ(dictionary.remove("key"), nullptr);
    EXPECT_EQ(dictionary.atPut(nullptr, &first), nullptr);
    EXPECT_EQ(dictionary.atPut("key", nullptr), nullptr);
    EXPECT_EQ(dictionary.numEntries(), 0u) << "null keys and objects are refused";
    EXPECT_EQ(deletions, 0);
}

TEST(RxDictionaryTest, DeletingDictionaryDeletesReplacedRemovedAndRemainingObjects) {
    int deletions = 0;
    auto* first = new Tracked(&deletions);
    {
        AcRxDictionary dictionary(/*deletesObjects=*/true);
        dictionary.atPut("a", first);
        EXPECT_EQ(dictionary.atPut("a", first), nullptr);
        EXPECT_EQ(deletions, 0) << "putting the same object again must not delete it";
        EXPECT_EQ(dictionary.atPut("a", new Tracked(&deletions)), nullptr);
        EXPECT_EQ(deletions, 1);
        dictionary.atPut("b", new Tracked(&deletions));
        EXPECT_EQ(dictionary.remove("b"), nullptr);
        EXPECT_EQ(deletions, 2);
        dictionary.atPut("c", new Tracked(&deletions));
    }
    EXPECT_EQ(deletions, 4);
}

TEST(RxDictionaryTest, CaseSensitivityDecidesLookupAndOrder) {
    int deletions = 0;
    Tracked b(&deletions), upperC(&deletions), a(&deletions);
    AcRxDictionary sensitive(false, /*caseSensitive=*/true);
    AcRxDictionary insensitive(false, /*caseSensitive=*/false);
    for (AcRxDictionary* d : {&sensitive, &insensitive}) {
        d->atPut("b", &b);
        d->atPut("C", &upperC);
        d->atPut("a", &a);
    }
    EXPECT_EQ(keysOf(sensitive), (std::vector<std::string>{"C", "a", "b"}));
    EXPECT_EQ(keysOf(insensitive), (std::vector<std::string>{"a", "b", "C"}));
    EXPECT_EQ(sensitive.at("c"), nullptr);
    EXPECT_EQ(insensitive.at("c"), &upperC);
    EXPECT_TRUE(insensitive.has("A"));
    EXPECT_EQ(insensitive.remove("B"), &b);
    EXPECT_EQ(keysOf(insensitive), (std::vector<std::string>{"a", "C"}));
}

TEST(SysRegistryTest, HoldsClassAndServiceDictionariesAndTheDynamicLinker) {
    AcRxDictionary* registry = acrxSysRegistry();
    ASSERT_NE(registry, nullptr);
    auto* classes = AcRxDictionary::cast(registry->at(ACRX_CLASS_DICTIONARY));
    ASSERT_NE(classes, nullptr);
    EXPECT_EQ(classes->at("AcRxObject"), AcRxObject::desc());
    EXPECT_EQ(AcRxClass::cast(classes->at("AcRxDictionary")), AcRxDictionary::desc());
    auto* services = AcRxDictionary::cast(registry->at(ACRX_SERVICE_DICTIONARY));
    ASSERT_NE(services, nullptr);
    EXPECT_FALSE(services->deletesObjects());
    EXPECT_EQ(AcRxDynamicLinker::cast(registry->at(ACRX_DYNAMIC_LINKER)), acrxDynamicLinker());
}

TEST(SysRegistryTest, RegisterServiceReturnsThePreviousService) {
    auto* first = new AcRxService();
    auto* second = new AcRxService();
    EXPECT_FALSE(acrxServiceIsRegistered("VtTestService"));
    EXPECT_EQ(acrxDynamicLinker()->registerService("VtTestService", first), nullptr);
    EXPECT_TRUE(acrxServiceIsRegistered("VtTestService"));
    EXPECT_EQ(acrxDynamicLinker()->registerService("VtTestService", second), first);
    delete first;
    AcRxDictionary* services = vthost::serviceDictionary();
    EXPECT_EQ(services->remove("VtTestService"), second);
    delete second;
    EXPECT_FALSE(acrxServiceIsRegistered("VtTestService"));

    AcRxObject* plain = acrxRegisterService("VtPlainService");
    EXPECT_NE(AcRxService::cast(plain), nullptr);
    EXPECT_EQ(services->at("VtPlainService"), plain);
    delete services->remove("VtPlainService");
}

}  // namespace
}  // namespace vthost::test

// AcDbDictionary (entries, keys, iteration, replacement, erasure) and extension dictionaries.
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbTransactionManager.h"
#include "ed/AcUtil.h"

namespace vthost::test {
namespace {

class DictionaryTest : public DbTest {
protected:
    void SetUp() override {
        AcDbDictionary* named = nullptr;
        ASSERT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
        ASSERT_EQ(named->setAt("VT_TEST", new AcDbDictionary(), dictionaryId), Acad::eOk);
        named->close();
        peek<AcDbObject>(dictionaryId)->close();
    }
    // Puts a new VtTestObject under key and answers its id; the key it got comes back in key.
    AcDbObjectId put(std::string& key, int value = 0) {
        AcDbDictionary* dictionary = open(AcDb::kForWrite);
        auto* object = new VtTestObject(value);
        AcDbObjectId id;
        EXPECT_EQ(dictionary->setAt(key.c_str(), object, id), Acad::eOk);
        object->close();
        char* name = nullptr;
        EXPECT_EQ(dictionary->nameAt(id, name), Acad::eOk);
        key = name ? name : "";
        acutDelString(name);
        dictionary->close();
        return id;
    }
    AcDbObjectId put(const char* key, int value = 0) {
        std::string text = key;
        return put(text, value);
    }
    AcDbDictionary* open(AcDb::OpenMode mode) {
        AcDbDictionary* dictionary = nullptr;
        EXPECT_EQ(acdbOpenObject(dictionary, dictionaryId, mode), Acad::eOk);
        return dictionary;
    }
    std::vector<std::string> keys(AcRx::DictIterType type = AcRx::kDictSorted) {
        AcDbDictionary* dictionary = open(AcDb::kForRead);
        std::vector<std::string> result;
        AcDbDictionaryIterator* it = dictionary->newIterator(type);
        for (; !it->done(); it->next()) result.push_back(it->name());
        delete it;
        dictionary->close();
        return result;
    }
    void erase(AcDbObjectId id, bool erasing = true) {
        AcDbObject* object = nullptr;
        ASSERT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite, true), Acad::eOk);
        EXPECT_EQ(object->erase(erasing), Acad::eOk);
        object->close();
    }

    AcDbObjectId dictionaryId;
};

TEST_F(DictionaryTest, SetAtMakesTheDictionaryOwnerAndReactorOfTheEntry) {
    AcDbDictionary* dictionary = open(AcDb::kForWrite);
    auto* object = new VtTestObject(4);
    AcDbObjectId id;
    ASSERT_EQ(dictionary->setAt("Alpha", object, id), Acad::eOk);
    EXPECT_EQ(object->objectId(), id);
    EXPECT_EQ(object->ownerId(), dictionaryId);
    EXPECT_TRUE(object->hasPersistentReactor(dictionaryId));
    EXPECT_TRUE(object->isWriteEnabled()) << "the new entry stays open for write";
    object->close();
    EXPECT_EQ(dictionary->setAt("Beta", object, id), Acad::eAlreadyInDb);
    auto* spare = new VtTestObject();
    EXPECT_EQ(dictionary->setAt(nullptr, spare, id), Acad::eInvalidKey);
    EXPECT_EQ(dictionary->setAt("", spare, id), Acad::eInvalidKey);
    EXPECT_TRUE(spare->objectId().isNull());
    delete spare;
    EXPECT_EQ(dictionary->setAt("Beta", nullptr, id), Acad::eNullObjectPointer);
    dictionary->close();
}

TEST_F(DictionaryTest, LookupIsCaseInsensitive) {
    AcDbObjectId id = put("Alpha", 4);
    AcDbDictionary* dictionary = open(AcDb::kForRead);
    AcDbObjectId found;
    EXPECT_EQ(dictionary->getAt("ALPHA", found), Acad::eOk);
    EXPECT_EQ(found, id);
    EXPECT_EQ(dictionary->getAt("beta", found), Acad::eKeyNotFound);
    EXPECT_EQ(dictionary->getAt(nullptr, found), Acad::eInvalidKey);
    EXPECT_TRUE(dictionary->has("alpha"));
    EXPECT_TRUE(dictionary->has(id));
    EXPECT_FALSE(dictionary->has(dictionaryId));
    EXPECT_EQ(dictionary->numEntries(), 1u);
    AcDbObject* object = nullptr;
    ASSERT_EQ(dictionary->getAt("aLpHa", object, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(VtTestObject::cast(object)->value(), 4);
    object->close();
    dictionary->close();
}

TEST_F(DictionaryTest, RemoveKeepsTheObjectButDropsOwnerAndReactor) {
    AcDbObjectId byKey = put("one");
    AcDbObjectId byId = put("two");
    AcDbDictionary* dictionary = open(AcDb::kForWrite);
    AcDbObjectId removed;
    EXPECT_EQ(dictionary->remove("ONE", removed), Acad::eOk);
    EXPECT_EQ(removed, byKey);
    EXPECT_EQ(dictionary->remove(byId), Acad::eOk);
    EXPECT_EQ(dictionary->remove("one"), Acad::eKeyNotFound);
    EXPECT_EQ(dictionary->remove(byId), Acad::eKeyNotFound);
    EXPECT_EQ(dictionary->numEntries(), 0u);
    dictionary->close();
    for (AcDbObjectId id : {byKey, byId}) {
        AcDbObject* object = nullptr;
        ASSERT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForRead), Acad::eOk) << "not erased";
        EXPECT_TRUE(object->ownerId().isNull());
        EXPECT_TRUE(object->persistentReactors().empty());
        object->close();
    }
}

TEST_F(DictionaryTest, StarKeysBecomeAnonymousKeysNeverReused) {
    std::string first = "*", second = "*U", third = "*Whatever";
    put(first);
    AcDbObjectId secondId = put(second);
    AcDbDictionary* dictionary = open(AcDb::kForWrite);
    EXPECT_EQ(dictionary->remove(secondId), Acad::eOk);
    dictionary->close();
    put(third);
    EXPECT_EQ(first, "*A1");
    EXPECT_EQ(second, "*A2");
    EXPECT_EQ(third, "*A3");
    EXPECT_EQ(keys(), (std::vector<std::string>{"*A1", "*A3"}));
}

// Fault pinned here: undo put the dictionary's counter back with the rest of its record, so the
// number of an entry created in an aborted transaction was handed out again.
TEST_F(DictionaryTest, AnonymousNumbersAreNotReusedAfterAnAbort) {
    AcDbTransactionManager* transactions = db->transactionManager();
    transactions->startTransaction();
    std::string first = "*";
    put(first);
    transactions->abortTransaction();
    std::string second = "*";
    put(second);
    EXPECT_EQ(first, "*A1");
    EXPECT_EQ(second, "*A2");
    EXPECT_EQ(keys(), (std::vector<std::string>{"*A2"}));
}

TEST_F(DictionaryTest, IterationIsSortedOrInInsertionOrder) {
    put("gamma");
    AcDbObjectId alpha = put("Alpha");
    put("beta");
    EXPECT_EQ(keys(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(keys(AcRx::kDictCollated), (std::vector<std::string>{"gamma", "Alpha", "beta"}));

    AcDbDictionary* dictionary = open(AcDb::kForRead);
    AcDbDictionaryIterator* it = dictionary->newIterator(AcRx::kDictCollated);
    EXPECT_TRUE(it->setPosition(alpha));
    EXPECT_STREQ(it->name(), "Alpha");
    EXPECT_EQ(it->objectId(), alpha);
    EXPECT_TRUE(it->next());
    EXPECT_STREQ(it->name(), "beta");
    EXPECT_FALSE(it->setPosition(dictionaryId));
    EXPECT_STREQ(it->name(), "beta") << "a failed setPosition does not move";
    EXPECT_FALSE(it->next());
    EXPECT_TRUE(it->done());
    AcDbObject* object = nullptr;
    EXPECT_EQ(it->getObject(object, AcDb::kForRead), Acad::eIteratorDone);
    delete it;
    dictionary->close();
}

TEST_F(DictionaryTest, ReplacingAnEntryErasesTheOldObject) {
    AcDbObjectId old = put("key", 1);
    AcDbObjectId replacement = put("KEY", 2);
    EXPECT_TRUE(old.isErased());
    EXPECT_FALSE(replacement.isErased());
    EXPECT_EQ(keys(), (std::vector<std::string>{"KEY"}));
    AcDbDictionary* dictionary = open(AcDb::kForRead);
    AcDbObjectId found;
    EXPECT_EQ(dictionary->getAt("key", found), Acad::eOk);
    EXPECT_EQ(found, replacement);
    dictionary->close();
}

TEST_F(DictionaryTest, ErasingAnEntryDropsItAndUnerasingDoesNotBringItBack) {
    AcDbObjectId id = put("doomed");
    put("kept");
    erase(id);
    EXPECT_EQ(keys(), (std::vector<std::string>{"kept"}));
    erase(id, false);
    EXPECT_EQ(keys(), (std::vector<std::string>{"kept"}));

    // Also while someone reads the dictionary.
    AcDbObjectId second = put("second");
    AcDbDictionary* reader = open(AcDb::kForRead);
    erase(second);
    EXPECT_FALSE(reader->has("second"));
    reader->close();
}

TEST_F(DictionaryTest, ExtensionDictionaryFollowsItsOwner) {
    AcDbObjectId ownerId = add();
    AcDbObject* owner = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(owner, ownerId, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(owner->createExtensionDictionary(), Acad::eOk);
    AcDbObjectId extension = owner->extensionDictionary();
    ASSERT_FALSE(extension.isNull());
    EXPECT_EQ(owner->createExtensionDictionary(), Acad::eAlreadyInDb);
    EXPECT_EQ(owner->extensionDictionary(), extension);
    owner->close();

    AcDbDictionary* dictionary = nullptr;
    ASSERT_EQ(acdbOpenObject(dictionary, extension, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(dictionary->ownerId(), ownerId);
    auto* entry = new VtTestObject();
    AcDbObjectId entryId;
    dictionary->setAt("entry", entry, entryId);
    entry->close();
    dictionary->close();

    erase(ownerId);
    EXPECT_TRUE(extension.isErased());
    EXPECT_TRUE(entryId.isEffectivelyErased());
    EXPECT_FALSE(entryId.isErased());
    erase(ownerId, false);
    EXPECT_FALSE(extension.isErased());
    EXPECT_FALSE(entryId.isEffectivelyErased());

    ASSERT_EQ(acdbOpenAcDbObject(owner, ownerId, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(owner->releaseExtensionDictionary(), Acad::eContainerNotEmpty);
    EXPECT_EQ(owner->extensionDictionary(), extension);
    owner->close();
    erase(entryId);
    ASSERT_EQ(acdbOpenAcDbObject(owner, ownerId, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(owner->releaseExtensionDictionary(), Acad::eOk);
    EXPECT_TRUE(owner->extensionDictionary().isNull());
    owner->close();
    EXPECT_TRUE(extension.isErased());

    auto* loose = new VtTestObject();
    EXPECT_EQ(loose->createExtensionDictionary(), Acad::eNotInDatabase);
    delete loose;
}

}  // namespace
}  // namespace vthost::test

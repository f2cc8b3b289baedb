// The style-manager service as the library and the commands use it: the styles dictionary, style
// names, and the deferred-update queue of self links (each link once, in the order queued, stale
// ids dropped, a link that cannot be updated skipped and left updatable).
#include <gtest/gtest.h>

#include "EditorSession.h"
#include "SampleLinks.h"
#include "db/AcDbDictionary.h"
#include "link/AcPropertyLink.h"
#include "service/AcPropertyLinkStyleMgr.h"

namespace vteditor {
namespace {

using ServiceTest = EditorSession;

// The link stored on a source (its extension dictionary's only entry).
AcDbObjectId linkOf(AcDbObjectId source) {
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenObject(entity, source, AcDb::kForRead), Acad::eOk);
    AcDbObjectId dictionaryId = entity->extensionDictionary();
    entity->close();
    AcDbDictionary* dictionary = nullptr;
    EXPECT_EQ(acdbOpenObject(dictionary, dictionaryId, AcDb::kForRead), Acad::eOk);
    AcDbDictionaryIterator* iterator = dictionary->newIterator();
    AcDbObjectId link = iterator->objectId();
    delete iterator;
    dictionary->close();
    return link;
}

void eraseObject(AcDbObjectId id, bool erasing = true) {
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite, true), Acad::eOk);
    ASSERT_EQ(object->erase(erasing), Acad::eOk);
    object->close();
}

TEST_F(ServiceTest, StylesDictionaryIsCreatedEvenWhenAskedForReadAndNamesItsStyles) {
    AcDbObjectId namedId = db().namedObjectsDictionaryId();
    AcDbDictionary* styles = service()->openStylesDictionary(&db(), AcDb::kForRead);
    ASSERT_NE(styles, nullptr);
    EXPECT_TRUE(styles->isReadEnabled());
    EXPECT_FALSE(styles->isWriteEnabled());
    AcDbObjectId stylesId = styles->objectId();
    styles->close();

    AcDbDictionary* named = nullptr;
    ASSERT_EQ(acdbOpenObject(named, namedId, AcDb::kForRead), Acad::eOk);
    AcDbObjectId stored;
    EXPECT_EQ(named->getAt(vantorell::kStylesDictionaryKey, stored), Acad::eOk);
    named->close();
    EXPECT_EQ(stored, stylesId);

    EXPECT_EQ(service()->openStylesDictionary(nullptr, AcDb::kForRead), nullptr);

    CString name;
    service()->styleName(ownXStyle(), name);
    EXPECT_STREQ(name, "Own X");
    service()->styleName(addText(0, 0, "not a style"), name);
    EXPECT_TRUE(name.IsEmpty());
}

TEST_F(ServiceTest, QueueHoldsEachLinkOnceAndDropsErasedOnes) {
    AcDbObjectId first = linkOf(addSelfLabelledText(1, 0));
    AcDbObjectId second = linkOf(addSelfLabelledText(2, 0));
    ASSERT_EQ(queuedLinks(), 2) << "storing a self link queues its first update";
    service()->processQueue();

    EXPECT_EQ(service()->queueLink(first), 1);
    EXPECT_NE(service()->queueLink(first), 0);
    EXPECT_EQ(queuedLinks(), 1);

    eraseObject(first);
    EXPECT_EQ(service()->queueLink(second), 1) << "the erased link's entry is dropped";
    EXPECT_EQ(queuedLinks(), 1);

    eraseObject(first, false);
    EXPECT_EQ(service()->queueLink(first), 2) << "unerased, it can be queued again, after second";
    service()->processQueue();
    EXPECT_EQ(queuedLinks(), 0);
}

TEST_F(ServiceTest, ManyLinksWithStaleOnesAmongThemKeepTheirOrderAndUniqueness) {
    std::vector<AcDbObjectId> sources, links;
    for (int i = 0; i < 60; ++i) {
        sources.push_back(addSelfLabelledText(i, 0));
        links.push_back(linkOf(sources.back()));
    }
    for (int round = 0; round < 2; ++round)
        for (const AcDbObjectId& link : links) service()->queueLink(link);
    EXPECT_EQ(queuedLinks(), 60) << "each link once";
    for (int i = 0; i < 60; i += 3) eraseObject(links[i]);
    for (int i = 0; i < 60; ++i) moveBy(sources[i], 100);  // queues the live ones again: no-ops
    for (int i = 0; i < 200; ++i) service()->queueLink(links[1]);
    EXPECT_LE(queuedLinks(), 60) << "requeuing never duplicates";

    service()->processQueue();
    for (int i = 0; i < 60; ++i) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "X=%.2f", i + 100.0);
        if (i % 3 == 0)
            EXPECT_NE(textOf(sources[i]), expected) << i << ": its link was erased";
        else
            EXPECT_EQ(textOf(sources[i]), expected) << i;
    }
}

TEST_F(ServiceTest, ALinkWhoseStyleIsGoneIsSkippedAndStillUpdatesLater) {
    AcDbObjectId text = addSelfLabelledText(5, 0);
    AcDbObjectId link = linkOf(text);
    moveBy(text, 1);
    ASSERT_EQ(queuedLinks(), 1) << "the library queued the self link";

    eraseObject(ownXStyle());
    service()->processQueue();
    EXPECT_EQ(queuedLinks(), 0);
    EXPECT_EQ(textOf(text), "X=5.00") << "nothing to rewrite it with";
    AcPropertyLink* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, link, AcDb::kForRead), Acad::eOk);
    EXPECT_FALSE(opened->isWithinDelayedModification()) << "the mark must not stay behind";
    opened->close();

    eraseObject(ownXStyle(), false);
    moveBy(text, 1);
    EXPECT_EQ(queuedLinks(), 1) << "a marked link would never queue itself again";
    service()->processQueue();
    EXPECT_EQ(textOf(text), "X=7.00");
}

TEST_F(ServiceTest, ProcessingAnEmptyQueueOnlyTogglesTheFlag) {
    EXPECT_FALSE(service()->isProcessingQueue());
    service()->processQueue();
    EXPECT_FALSE(service()->isProcessingQueue());
    EXPECT_EQ(queuedLinks(), 0);
}

}  // namespace
}  // namespace vteditor

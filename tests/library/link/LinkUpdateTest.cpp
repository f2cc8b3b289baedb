// Links at work: a changed source rewrites its label through the style; failures leave the label
// alone; chains run through and cycles end; self links go to the service.
#include <gtest/gtest.h>

#include "DrawingTestSupport.h"
#include "LibraryTestEnvironment.h"
#include "db/AcDbDictionary.h"
#include "db/DwgStreamFiler.h"
#include "ut/AcUtil.h"
#include "ent/AcDbText.h"
#include "link/AcPropertyLink.h"
#include "link/StyleManagerService.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"

namespace {

AcDbText* newText(const char* text) {
    auto* entity = new AcDbText();
    entity->setTextString(text);
    return entity;
}

class LinkUpdate : public vttest::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        textStyle = addStyle("copy", new AcTextReader(), new AcTextModifier());
    }
    void setText(AcDbObjectId id, const char* text) {
        modify<AcDbText>(id, [&](AcDbText* t) { t->setTextString(text); });
    }
    AcDbObjectId textStyle;
};

TEST_F(LinkUpdate, ClosingAChangedSourceRewritesTheLabel) {
    AcDbObjectId source = add(newText("first"));
    AcDbObjectId label = add(newText(""));
    link(source, label, textStyle);
    EXPECT_EQ(textOf(label), "first") << "adding the link is itself a change of the source";
    setText(source, "second");
    EXPECT_EQ(textOf(label), "second");
}

TEST_F(LinkUpdate, AMacroShapesTheLabelText) {
    AcDbObjectId style = addStyle("loud", new AcTextReader(), new AcTextModifier(),
                                  "<$(upper,%PROPERTY)>");
    AcDbObjectId source = add(newText("room"));
    AcDbObjectId label = add(newText(""));
    link(source, label, style);
    EXPECT_EQ(textOf(label), "<ROOM>");
}

TEST_F(LinkUpdate, AnOrdinaryLinkIgnoresTheDelayedModificationFlag) {
    AcDbObjectId source = add(newText("a"));
    AcDbObjectId label = add(newText(""));
    AcDbObjectId linkId = link(source, label, textStyle);
    modify<AcPropertyLink>(linkId, [](AcPropertyLink* l) { l->setIsWithinDelayedModification(true); });
    setText(source, "b");
    EXPECT_EQ(textOf(label), "b");
}

TEST_F(LinkUpdate, AnErasedLabelOrStyleLeavesEverythingAlone) {
    AcDbObjectId source = add(newText("a"));
    AcDbObjectId label = add(newText(""));
    link(source, label, textStyle);
    erase(label);
    setText(source, "b");
    AcDbText* text = nullptr;
    ASSERT_EQ(acdbOpenObject(text, label, AcDb::kForRead, true), Acad::eOk);
    char* value = text->textString();
    EXPECT_STREQ(value, "a");
    acutDelString(value);
    text->close();

    AcDbObjectId label2 = add(newText("kept"));
    AcDbObjectId source2 = add(newText("x"));
    AcDbObjectId style2 = addStyle("doomed", new AcTextReader(), new AcTextModifier());
    erase(style2);
    link(source2, label2, style2);
    EXPECT_EQ(textOf(label2), "kept");
}

TEST_F(LinkUpdate, ALabelOpenElsewhereKeepsItsText) {
    AcDbObjectId source = add(newText("a"));
    AcDbObjectId label = add(newText(""));
    link(source, label, textStyle);
    AcDbObject* reader = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(reader, label, AcDb::kForRead), Acad::eOk);
    setText(source, "b");
    reader->close();
    EXPECT_EQ(textOf(label), "a");
}

TEST_F(LinkUpdate, ANotifierThatIsNotAnEntityGivesTheUnknownText) {
    AcDbObjectId label = add(newText(""));
    auto* link = new AcPropertyLink();
    link->setLinkedObj(label);
    link->setStyle(textStyle);
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId linkId;
    named->setAt("*U", link, linkId);
    link->close();
    named->addPersistentReactor(linkId);
    named->close();
    EXPECT_EQ(textOf(label), "UNKNOWN PROPERTY VALUE");
}

TEST_F(LinkUpdate, AChainUpdatesInOneChange) {
    AcDbObjectId a = add(newText("a"));
    AcDbObjectId b = add(newText(""));
    AcDbObjectId c = add(newText(""));
    link(a, b, textStyle);
    link(b, c, textStyle);
    setText(a, "news");
    EXPECT_EQ(textOf(b), "news");
    EXPECT_EQ(textOf(c), "news");
}

TEST_F(LinkUpdate, ACycleEndsWithoutRecursion) {
    AcDbObjectId a = add(newText("a"));
    AcDbObjectId b = add(newText("b"));
    link(a, b, textStyle);
    link(b, a, textStyle);
    setText(a, "ping");
    EXPECT_EQ(textOf(b), "ping");
    EXPECT_EQ(textOf(a), "ping");
}

TEST(LinkRecord, RoundTripsWithoutTheFlagAndRefusesANewerVersion) {
    AcPropertyLink link;
    link.setStyle(AcDbObjectId(1, 0x2A));
    link.setLinkedObj(AcDbObjectId(1, 0x2B));
    link.setIsWithinDelayedModification(true);
    vthost::DwgStreamFiler out(AcDb::kFileFiler);
    ASSERT_EQ(link.dwgOutFields(&out), Acad::eOk);
    EXPECT_EQ(vthost::describeRecord(out.buffer(), vthost::IdCoding::kSession),
              "SoftPointer #0\nInt32 0\nHardOwner #0\nInt16 1\nHardPointer #2A\nSoftPointer #2B\n");
    vthost::DwgStreamFiler in(AcDb::kFileFiler);
    in.setBuffer(out.buffer());
    AcPropertyLink reread;
    ASSERT_EQ(reread.dwgInFields(&in), Acad::eOk);
    EXPECT_EQ(reread.style(), link.style());
    EXPECT_EQ(reread.linkedObj(), link.linkedObj());
    EXPECT_FALSE(reread.isWithinDelayedModification());

    std::vector<std::uint8_t> bytes = out.buffer();
    bytes[bytes.size() - 2 * 9 - 2] = 2;  // the version word, before the two ids
    vthost::DwgStreamFiler newer(AcDb::kFileFiler);
    newer.setBuffer(bytes);
    AcPropertyLink refused;
    EXPECT_EQ(refused.dwgInFields(&newer), Acad::eMakeMeProxy);
}

// A stand-in for the editor application's style-manager service.
class FakeStyleManager : public vantorell::StyleManagerInterface {
public:
    AcRxClass* isA() const override { return acrxFindClass(vantorell::kStyleManagerServiceName); }
    int queueLink(const AcDbObjectId& linkId) override {
        queued.push_back(linkId);
        return static_cast<int>(queued.size());
    }
    AcDbDictionary* openStylesDictionary(AcDbDatabase*, AcDb::OpenMode) override { return nullptr; }
    bool isProcessingQueue() override { return processing; }

    std::vector<AcDbObjectId> queued;
    bool processing = false;
};

class SelfLink : public LinkUpdate {
protected:
    void registerService() {
        newAcRxClass(vantorell::kStyleManagerServiceName, "AcRxService", 1);
        acrxBuildClassHierarchy();
        service = new FakeStyleManager();
        acrxDynamicLinker()->registerService(vantorell::kStyleManagerServiceName, service);
    }
    void TearDown() override {
        if (service != nullptr) {
            delete vthost::serviceDictionary()->remove(vantorell::kStyleManagerServiceName);
            deleteAcRxClass(acrxFindClass(vantorell::kStyleManagerServiceName));
        }
        LinkUpdate::TearDown();
    }
    FakeStyleManager* service = nullptr;
};

TEST_F(SelfLink, EveryChangeOfTheSourceQueuesTheLink) {
    registerService();
    AcDbObjectId source = add(newText("a"));
    AcDbObjectId linkId = link(source, AcDbObjectId(), textStyle);
    setText(source, "b");
    EXPECT_EQ(service->queued, (std::vector<AcDbObjectId>{linkId, linkId}));
    EXPECT_EQ(textOf(source), "b") << "a self link never writes during the notification";
}

TEST_F(SelfLink, TheFlagOrAProcessingServiceKeepsTheLinkFromQueuing) {
    registerService();
    AcDbObjectId source = add(newText("a"));
    AcDbObjectId linkId = link(source, AcDbObjectId(), textStyle);
    service->queued.clear();
    service->processing = true;
    setText(source, "b");
    EXPECT_TRUE(service->queued.empty());
    service->processing = false;
    modify<AcPropertyLink>(linkId, [](AcPropertyLink* l) { l->setIsWithinDelayedModification(true); });
    setText(source, "c");
    EXPECT_TRUE(service->queued.empty());
}

TEST_F(SelfLink, WithoutTheServiceNothingHappens) {
    AcDbObjectId source = add(newText("a"));
    link(source, AcDbObjectId(), textStyle);
    setText(source, "b");
    EXPECT_EQ(textOf(source), "b");
}

}  // namespace

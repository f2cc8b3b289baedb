#include "EditorSession.h"

#include <cstdio>

#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/MenuCommands.h"
#include "ent/AcDbText.h"
#include "ge/AcGeMatrix3d.h"
#include "modifiers/ContentModifiers.h"
#include "program/HostCommands.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxDictionary.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "ut/AcUtil.h"
#include "ut/Win32.h"

using vthost::commandLine;

namespace vteditor {

void EditorSession::SetUp() {
    static bool registered = [] {
        vthost::registerHostCommands();
        vthost::registerMenuCommands();
        return true;
    }();
    (void)registered;
    commandLine().reset();
    ASSERT_TRUE(vthost::loadModuleIntoSession(kApplication, false));
    document = vthost::newDrawing();
    type({});  // the first prompt runs the drawing's queued (vt_init)
}

void EditorSession::TearDown() {
    acrxUnloadModule(kApplication);
    while (acDocManager->documentCount() > 0)
        vthost::closeDrawing(acDocManager->documents().back());
    commandLine().reset();
}

std::string EditorSession::type(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) commandLine().queue(line);
    output.take();
    vthost::commandLoop();
    return output.take();
}

AcDbDatabase& EditorSession::db() {
    return *acDocManager->curDocument()->database();
}

AcPropertyLinkStyleMgr* EditorSession::service() {
    auto* services = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY));
    AcRxObject* object = services ? services->at("AcPropertyLinkStyleMgr") : nullptr;
    if (object == nullptr || std::string(object->isA()->name()) != "AcPropertyLinkStyleMgr")
        return nullptr;
    return static_cast<AcPropertyLinkStyleMgr*>(object);
}

int EditorSession::queuedLinks() {
    auto count = vthost::procAddress<int (*)()>(GetModuleHandleA(kApplication),
                                                "_ZN9vantorell15queuedLinkCountEv");
    EXPECT_NE(count, nullptr);
    return count ? count() : -1;
}

AcDbObjectId EditorSession::addText(double x, double y, const char* contents) {
    auto* text = new AcDbText();
    text->setPosition(AcGePoint3d(x, y, 0));
    text->setHeight(0.5);
    text->setTextString(contents);
    return vtsample::addToModelSpace(db(), text);
}

AcDbObjectId EditorSession::ownXStyle() {
    if (m_ownXStyle.isNull())
        m_ownXStyle = vtsample::addStyle(db(), "Own X", new AcXCoordReader(), new AcTextModifier(),
                                         "X=$(rtos,%PROPERTY,2,2)");
    return m_ownXStyle;
}

AcDbObjectId EditorSession::addSelfLabelledText(double x, double y) {
    char initial[64];
    std::snprintf(initial, sizeof initial, "X=%.2f", x);
    AcDbObjectId text = addText(x, y, initial);
    vtsample::storeLink(text, AcDbObjectId::kNull, ownXStyle());
    return text;
}

std::string EditorSession::textOf(AcDbObjectId id) {
    AcDbText* text = nullptr;
    if (acdbOpenObject(text, id, AcDb::kForRead) != Acad::eOk) return "<cannot open>";
    char* raw = text->textString();
    std::string contents = raw != nullptr ? raw : "";
    acutDelString(raw);
    text->close();
    return contents;
}

void EditorSession::moveBy(AcDbObjectId id, double dx) {
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForWrite), Acad::eOk);
    entity->transformBy(AcGeMatrix3d::translation(AcGeVector3d(dx, 0, 0)));
    ASSERT_EQ(entity->close(), Acad::eOk);
}

}  // namespace vteditor

// A session of the host with the editor application loaded the way a user loads it (ARX Load):
// the host's commands, vantorell.dbx (loaded by the application itself), one new drawing that is
// current, the command line and a capture of what is printed. The application is unloaded
// again after each test; the library stays loaded, as it does for a user.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbObjectId.h"

class AcApDocument;
class AcPropertyLinkStyleMgr;

namespace vteditor {

constexpr const char* kApplication = "VantorellUi.arx";

class EditorSession : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types lines at the Command prompt and answers what was printed.
    std::string type(const std::vector<std::string>& lines);
    AcDbDatabase& db();
    // The registered service, reached as the library reaches it.
    static AcPropertyLinkStyleMgr* service();
    // The length of the application's deferred-update queue.
    static int queuedLinks();

    // Single-line text at (x, y) in model space.
    AcDbObjectId addText(double x, double y, const char* contents);
    // A text that labels itself with its own X coordinate, "X=<x>".
    AcDbObjectId addSelfLabelledText(double x, double y);
    // A text style reading the X coordinate (made once per drawing).
    AcDbObjectId ownXStyle();
    std::string textOf(AcDbObjectId id);
    // Moves the entity by dx with the entity open for write, outside any command.
    void moveBy(AcDbObjectId id, double dx);

    vthost::test::OutputCapture output;
    AcApDocument* document = nullptr;

private:
    AcDbObjectId m_ownXStyle;
};

}  // namespace vteditor

// A module for the dialog transcript: it puts testdlg.dll on the resource chain and registers
// TESTDLG, which runs the test dialog (its context menu answers with the chosen id) and prints
// how it ended, and ASK, which asks a question in a message box. It uses only the host's public
// headers, as the editor application's dialogs will.
#include "TestDialog.h"
#include "ed/AcEdCommandStack.h"
#include "rx/AcRxDynamicLinker.h"
#include "ui/MessageBox.h"
#include "ut/AcUtil.h"
#include "ut/Resources.h"

namespace {

HINSTANCE g_resources = nullptr;

void testDialog() {
    vthost::test::TestDialog dialog;
    dialog.m_redParams = {2};
    dialog.onRightClick = [](vthost::test::TestDialog& d) {
        CMenu menu;
        if (!menu.LoadMenu(200)) return;
        int chosen = menu.GetSubMenu(0)->TrackPopupMenu(TPM_NONOTIFY | TPM_RETURNCMD, 0, 0, &d);
        acutPrintf("\nChosen: %d", chosen);
    };
    INT_PTR result = dialog.DoModal();
    acutPrintf("\nTESTDLG: %s, name \"%s\", events:", result == IDOK ? "OK" : "Cancel", static_cast<const char*>(dialog.m_name));
    for (const std::string& event : dialog.events) acutPrintf(" [%s]", event.c_str());
}

void ask() {
    int answer = AfxMessageBox("Keep the style?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    acutPrintf("\nAnswer: %s", answer == IDYES ? "Yes" : "No");
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
    switch (message) {
        case AcRx::kInitAppMsg:
            acrxUnlockApplication(appId);
            g_resources = LoadLibraryA("testdlg.dll");
            if (g_resources == nullptr) return AcRx::kRetError;
            vthost::addResourceModule(g_resources);
            acedRegCmds->addCommand("VT_DIALOG_TEST", "TESTDLG", "TESTDLG", ACRX_CMD_MODAL, testDialog);
            acedRegCmds->addCommand("VT_DIALOG_TEST", "ASK", "ASK", ACRX_CMD_MODAL, ask);
            return AcRx::kRetOK;
        case AcRx::kUnloadAppMsg:
            acedRegCmds->removeGroup("VT_DIALOG_TEST");
            vthost::removeResourceModule(g_resources);
            FreeLibrary(g_resources);
            return AcRx::kRetOK;
        default: return AcRx::kRetOK;
    }
}

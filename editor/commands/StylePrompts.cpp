#include "commands/StylePrompts.h"

#include "app/ResourceIds.h"
#include "app/VantorellUiApp.h"
#include "dialogs/StyleManagerDialog.h"
#include "ui/AcadFrame.h"
#include "ui/MessageBox.h"

namespace vantorell {

bool askToCreateStyle() {
    CVantorellApp& app = vantorellApp();
    return MessageBoxA(acedGetAcadFrame()->GetSafeHwnd(),
                       app.loadResString(res::kCreateStyleQuestion),
                       app.loadResString(res::kCreateStyleCaption),
                       MB_ICONQUESTION | MB_YESNO) == IDYES;
}

// The manager finds its template through the resource chain: link creation does not push the
// resource handle for it.
bool pickStyleInManager(AcDbObjectId& chosen) {
    StyleManagerDialog manager(acedGetAcadFrame());
    if (manager.DoModal() != IDOK) return false;
    chosen = manager.chosenStyle();
    return true;
}

}  // namespace vantorell

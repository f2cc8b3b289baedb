#include "commands/StylePrompts.h"

#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/VantorellUiApp.h"
#include "ut/AcUtil.h"

namespace vantorell {

// Until the style manager dialog exists, a drawing without styles cannot get one here: the
// question is shown and answered No.
bool askToCreateStyle() {
    CVantorellApp& app = vantorellApp();
    acutPrintf("\n%s", app.loadResString(res::kCreateStyleQuestion).GetString());
    return false;
}

bool pickStyleInManager(AcDbObjectId&) {
    acutPrintf("%s", formatWithString(vantorellApp().loadResString(res::kNotAvailableYet),
                                      "The style manager")
                         .GetString());
    return false;
}

}  // namespace vantorell

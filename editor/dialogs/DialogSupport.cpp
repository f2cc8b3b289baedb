#include "dialogs/DialogSupport.h"

#include "app/VantorellUiApp.h"

namespace vantorell::dialogs {

CString loadString(unsigned id) {
    return vantorellApp().loadResString(id);
}

void showHelpTopic(unsigned long context) {
    vantorellApp().showHelp(context);
}

HINSTANCE resourceModule() {
    return vantorellApp().resourceInstance();
}

CString applicationFile() {
    const char* file = vantorellApp().moduleFileName();
    return CString(file != nullptr ? file : "");
}

}  // namespace vantorell::dialogs

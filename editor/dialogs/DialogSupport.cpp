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

// The application names its folder and its file ("/VantorellUi.arx", separator included) apart.
CString applicationFile() {
    const char* folder = vantorellApp().moduleFolder();
    const char* file = vantorellApp().moduleFileName();
    if (folder == nullptr || file == nullptr) return CString();
    CString path(folder);
    if (*file != '/') path += "/";
    path += file;
    return path;
}

}  // namespace vantorell::dialogs

// The dialogs' application services for the dialogs that the tests build in their own process:
// every call goes to the loaded editor application's own functions, so the dialogs see the same
// resource module, texts and help as they do inside the application.
#include "EditorSession.h"
#include "dialogs/DialogSupport.h"
#include "ut/Win32.h"

namespace vantorell::dialogs {
namespace {

template <class F>
F applicationFunction(const char* name) {
    F function = vthost::procAddress<F>(GetModuleHandleA(vteditor::kApplication), name);
    EXPECT_NE(function, nullptr) << name;
    return function;
}

}  // namespace

CString loadString(unsigned id) {
    auto load = applicationFunction<CString (*)(unsigned)>("_ZN9vantorell7dialogs10loadStringEj");
    return load ? load(id) : CString();
}

void showHelpTopic(unsigned long context) {
    auto show = applicationFunction<void (*)(unsigned long)>("_ZN9vantorell7dialogs13showHelpTopicEm");
    if (show) show(context);
}

HINSTANCE resourceModule() {
    auto module = applicationFunction<HINSTANCE (*)()>("_ZN9vantorell7dialogs14resourceModuleEv");
    return module ? module() : nullptr;
}

}  // namespace vantorell::dialogs

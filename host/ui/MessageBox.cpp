#include "ui/MessageBox.h"

#include <string>
#include <utility>
#include <vector>

#include "ui/CWnd.h"
#include "ui/DialogDriver.h"
#include "ut/AcUtil.h"
#include "ut/CString.h"

namespace {

const char* iconName(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONERROR: return "error";
        case MB_ICONQUESTION: return "question";
        case MB_ICONEXCLAMATION: return "exclamation";
        case MB_ICONINFORMATION: return "information";
        default: return nullptr;
    }
}

std::vector<std::pair<std::string, int>> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL: return {{"OK", IDOK}, {"Cancel", IDCANCEL}};
        case MB_ABORTRETRYIGNORE: return {{"Abort", IDABORT}, {"Retry", IDRETRY}, {"Ignore", IDIGNORE}};
        case MB_YESNOCANCEL: return {{"Yes", IDYES}, {"No", IDNO}, {"Cancel", IDCANCEL}};
        case MB_YESNO: return {{"Yes", IDYES}, {"No", IDNO}};
        case MB_RETRYCANCEL: return {{"Retry", IDRETRY}, {"Cancel", IDCANCEL}};
        default: return {{"OK", IDOK}};
    }
}

int cancellingAnswer(const std::vector<std::pair<std::string, int>>& buttons) {
    for (int wanted : {IDCANCEL, IDNO, IDOK, IDABORT})
        for (const auto& button : buttons)
            if (button.second == wanted) return wanted;
    return buttons.front().second;
}

}  // namespace

extern "C" int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    std::vector<std::pair<std::string, int>> buttons = buttonsOf(type);
    std::size_t defaultIndex = ((type & MB_DEFMASK) >> 8) < buttons.size() ? (type & MB_DEFMASK) >> 8 : 0;
    const char* icon = iconName(type);
    acutPrintf("\n[%s]%s%s%s\n%s", caption != nullptr ? caption : "Error", icon != nullptr ? " (" : "",
               icon != nullptr ? icon : "", icon != nullptr ? ")" : "", text != nullptr ? text : "");
    std::string prompt = "\n";
    for (std::size_t i = 0; i < buttons.size(); ++i) prompt += (i > 0 ? "/" : "") + buttons[i].first;
    prompt += " <" + buttons[defaultIndex].first + ">: ";
    return vthost::ui::readMessageBoxAnswer(prompt, buttons, buttons[defaultIndex].second, cancellingAnswer(buttons));
}

extern "C" BOOL MessageBeep(UINT type) {
    const char* icon = iconName(type);
    acutPrintf("\n<beep%s%s>", icon != nullptr ? ": " : "", icon != nullptr ? icon : "");
    return TRUE;
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT) { return MessageBoxA(nullptr, text, kHostProgramName, type); }

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
    CString text;
    text.LoadString(promptId);
    return AfxMessageBox(text, type, helpId);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
    return MessageBoxA(m_hWnd, text, caption != nullptr ? caption : kHostProgramName, type);
}

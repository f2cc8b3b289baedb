#include "ui/AdUiDialog.h"

#include <cstdint>

#include "ut/SettingsStore.h"

namespace {

const char* const kPlacementValues[] = {"Left", "Top", "Width", "Height"};

vthost::SettingValue numberValue(long value) {
    auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
    vthost::SettingValue setting;
    setting.type = vthost::kRegNumber;
    for (int i = 0; i < 4; ++i) setting.data.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    return setting;
}

bool readNumber(const vthost::SettingValue* setting, long& value) {
    if (setting == nullptr || setting->type != vthost::kRegNumber || setting->data.size() != 4) return false;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(setting->data[static_cast<std::size_t>(i)]);
    value = static_cast<std::int32_t>(bits);
    return true;
}

}  // namespace

CAdUiDialog::CAdUiDialog(UINT templateId, CWnd* parent, HINSTANCE resources) : CDialog(templateId, parent) {
    m_hResourceModule = resources;
}

CString CAdUiDialog::PlacementKey() const {
    if (!m_persistent || m_dialogName.IsEmpty() || m_rootKey.IsEmpty()) return CString();
    return CString("HKEY_CURRENT_USER\\") + m_rootKey + "\\Dialogs\\" + m_dialogName;
}

BOOL CAdUiDialog::ValidateData() { return UpdateData(TRUE); }

BOOL CAdUiDialog::OnInitDialog() {
    BOOL focusFirst = CDialog::OnInitDialog();
    restorePlacement();
    return focusFirst;
}

LRESULT CAdUiDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) savePlacement();
    return CDialog::WindowProc(message, wParam, lParam);
}

void CAdUiDialog::restorePlacement() {
    CString key = PlacementKey();
    if (key.IsEmpty()) return;
    long values[4];
    for (int i = 0; i < 4; ++i)
        if (!readNumber(vthost::settingsStore().value(key.str(), kPlacementValues[i]), values[i])) return;
    if (values[2] <= 0 || values[3] <= 0 || values[2] > 10000 || values[3] > 10000) return;
    SetWindowPos(nullptr, static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                 static_cast<int>(values[3]), SWP_NOZORDER);
}

void CAdUiDialog::savePlacement() {
    CString key = PlacementKey();
    if (key.IsEmpty() || m_hWnd == nullptr) return;
    CRect rect;
    GetWindowRect(&rect);
    vthost::SettingsStore& store = vthost::settingsStore();
    if (!store.createKey(key.str())) return;
    const long values[4] = {rect.left, rect.top, rect.Width(), rect.Height()};
    for (int i = 0; i < 4; ++i) store.setValue(key.str(), kPlacementValues[i], numberValue(values[i]));
}

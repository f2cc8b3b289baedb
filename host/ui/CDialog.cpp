#include "ui/CDialog.h"

#include "ui/AcadFrame.h"
#include "ui/DialogDriver.h"
#include "ui/DialogTemplate.h"
#include "ui/Window.h"
#include "ut/AcUtil.h"
#include "ut/Resources.h"

namespace ui = vthost::ui;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_templateId(templateId) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    HINSTANCE module = m_hResourceModule != nullptr
                           ? m_hResourceModule
                           : vthost::resourceModuleWith(vthost::ResourceKind::kDialog, m_templateId);
    const VthostDialogResource* resource = vthost::findDialogResource(module, m_templateId);
    if (resource == nullptr) {
        acutPrintf("\nDialog %u cannot be found.", m_templateId);
        return -1;
    }
    if (m_hWnd != nullptr) return -1;  // already showing
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd : acedGetAcadFrame();
    HWND previousFocus = ui::focusWindow();
    HWND window = ui::createDialogWindow(*resource, owner != nullptr ? owner->m_hWnd : nullptr);
    SubclassWindow(window);
    m_nModalResult = -1;
    m_ended = false;
    m_running = true;
    ui::enterModal();

    if (SendMessage(WM_INITDIALOG, 0, 0) != FALSE && !m_ended) {
        std::vector<HWND> stops = ui::tabStops(window);
        if (!stops.empty()) ui::setFocusWindow(stops.front());
    }
    if (!m_ended && ui::isWindow(window)) {
        ui::paintDialog(window);
        acutPrintf("\n%s", ui::dumpDialog(window).c_str());
        ui::runOpenedHook(*this);
    }
    while (!m_ended && ui::isWindow(window)) {
        ui::pumpPostedMessages();
        if (m_ended) break;
        if (!ui::readAndPerform(window)) {
            // The input ran out or a script stopped: Cancel, as Escape would; a dialog that
            // refuses to close is closed all the same.
            if (!m_ended) SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            if (!m_ended) EndDialog(IDCANCEL);
        }
    }
    ui::pumpPostedMessages();
    m_running = false;
    ui::destroyWindow(window);
    ui::leaveModal();
    if (ui::isWindow(previousFocus)) ui::setFocusWindow(previousFocus);
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_ended = true;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control != nullptr && ui::isWindow(control->m_hWnd)) ui::setFocusWindow(control->m_hWnd);
}

void CDialog::NextDlgCtrl() const {
    std::vector<HWND> stops = ui::tabStops(m_hWnd);
    if (stops.empty()) return;
    auto at = std::find(stops.begin(), stops.end(), ui::focusWindow());
    ui::setFocusWindow(at == stops.end() || at + 1 == stops.end() ? stops.front() : *(at + 1));
}

void CDialog::SetDefID(UINT id) { ui::sendMessage(m_hWnd, DM_SETDEFID, id, 0); }

DWORD CDialog::GetDefID() const { return static_cast<DWORD>(ui::sendMessage(m_hWnd, DM_GETDEFID, 0, 0)); }

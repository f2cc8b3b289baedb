#include "ui/AcadFrame.h"

#include "ui/Window.h"

CMDIFrameWnd* acedGetAcadFrame() {
    // Never deleted: dialogs may ask for it until the very end of the process.
    static auto* frame = new CMDIFrameWnd;
    if (!vthost::ui::isWindow(frame->m_hWnd)) {
        frame->m_hWnd = nullptr;
        frame->Attach(vthost::ui::createWindow("VthostFrame", "vthost", WS_OVERLAPPED | WS_VISIBLE | WS_CAPTION, 0,
                                               RECT{0, 0, 1024, 768}, nullptr, 0));
    }
    return frame;
}

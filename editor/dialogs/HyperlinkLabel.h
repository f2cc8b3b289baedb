// HyperlinkLabel: a static text that behaves like a link in a web page. Attached to a template's
// static control, it shows its text underlined in the link colour (the visited colour once its
// target was opened, the hover colour while the mouse is over it), shows the pointing hand and a
// tooltip with the target, and opens the target on a click (HyperlinkOpener.h), telling the user
// when that failed. The label owns its underlined font, its copy of the hand cursor and its
// tooltip control; the window belongs to the dialog.
#pragma once
#include "ui/AfxControls.h"
#include "ui/Cursor.h"
#include "ui/Gdi.h"
#include "ui/ToolTipCtrl.h"

namespace vantorell {

class HyperlinkLabel : public CStatic {
public:
    HyperlinkLabel();
    ~HyperlinkLabel() override;

    // Stores the target; with a window, fits the size to the text and shows the target as tip.
    void SetTarget(const CString& target);
    const CString& GetTarget() const { return m_target; }
    // Stores the flag; with a window, draws it again in the colour that now applies.
    void SetVisited(bool visited);
    bool IsVisited() const { return m_visited; }
    bool IsHovering() const { return m_hovering; }
    // Before the label is attached: whether its font is underlined and its size fits its text.
    void SetUnderline(bool underline) { m_underline = underline; }
    void SetFitToText(bool fit) { m_fitToText = fit; }
    // The label's own copy of the hand cursor; null when none could be loaded.
    HCURSOR GetLinkCursor() const { return m_cursor; }
    CToolTipCtrl& GetToolTip() { return m_toolTip; }
    COLORREF GetLinkColour() const { return m_linkColour; }
    COLORREF GetVisitedColour() const { return m_visitedColour; }
    COLORREF GetHoverColour() const { return m_hoverColour; }

    BOOL PreTranslateMessage(MSG* message) override;

protected:
    void PreSubclassWindow() override;
    afx_msg void OnClicked();
    afx_msg HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    afx_msg BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* window);

    DECLARE_MESSAGE_MAP()

private:
    void createUnderlinedFont();
    void fitToText();
    void loadHandCursor();
    void redraw();
    void reportFailure(int result);

    COLORREF m_linkColour;
    COLORREF m_visitedColour;
    COLORREF m_hoverColour;
    bool m_hovering = false;
    bool m_visited = false;
    bool m_underline = true;
    bool m_fitToText = true;
    CString m_target;
    CFont m_font;
    HCURSOR m_cursor = nullptr;
    CToolTipCtrl m_toolTip;
};

}  // namespace vantorell

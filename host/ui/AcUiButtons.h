// The host's button classes: CAdUiOwnerDrawButton (an owner-drawn push button), and the bitmap
// buttons CAdUiBitmapButton and CAcUiBitmapButton. AutoLoad makes the button owner-drawn and
// loads its picture: the bitmap whose id is the button's control id, from the current resource
// handle or the resource chain; a button whose module has none shows the host's standard picture
// (for IDHELP, the standard help picture). A bitmap button draws a push-button frame (pushed
// while pressed), its picture, and the focus rectangle when it has the focus.
#pragma once
#include "ui/AfxControls.h"

class CAdUiOwnerDrawButton : public CButton {
public:
    CAdUiOwnerDrawButton();
    ~CAdUiOwnerDrawButton() override;
    // TRUE when the picture came from a resource module, FALSE for the standard picture.
    virtual BOOL AutoLoad();
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    // The bitmap id the picture came from; 0 for the standard picture.
    UINT PictureId() const { return m_pictureId; }

protected:
    CBitmap m_picture;
    UINT m_pictureId = 0;
};

class CAdUiBitmapButton : public CAdUiOwnerDrawButton {};
class CAcUiBitmapButton : public CAdUiBitmapButton {};

// An image list: images of one size cut from a bitmap, with the pixels of the mask colour
// transparent. CImageList (ui/AfxCommonControls.h) owns one. Host-internal.
#pragma once
#include <vector>

#include "ui/CommCtrl.h"

class CImageList;

struct HIMAGELIST__ {
    int cx = 0;
    int cy = 0;
    int count = 0;
    COLORREF mask = 0;
    UINT bitmapId = 0;
    std::vector<int> transparentPixels;  // per image, the pixels in the mask colour
    CImageList* owner = nullptr;
};

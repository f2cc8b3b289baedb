// Paints one control of a dialog's window tree into its picture, the way the control showed
// itself: what its last painting recorded (owner-drawn buttons, statics with their colours,
// push buttons' frames and texts) drawn again, and what the framework keeps as state rather
// than drawing (an edit's text, a closed combo box with its selection and drop arrow, a list
// view's header, rows and cell colours, a tree's items with their images and expand boxes, the
// default button's frame, the focus, greyed disabled controls). The control's rectangle is the
// framework's own; origin is where its client area's top-left corner falls in the picture.
#pragma once
#include "ui/Window.h"
#include "uipicture/PictureCanvas.h"

namespace vthost::ui {

void paintControlPicture(PictureCanvas& canvas, HWND control, POINT origin);

}  // namespace vthost::ui

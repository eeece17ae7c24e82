#pragma once
// A plain top-level window of the framework at a place of the screen, shown.
#include "framework/window.h"

class TPopupWindow : public TWindow {
public:
    TPopupWindow(const char* title, RECT place, DWORD style = WS_POPUP | WS_VISIBLE) : TWindow(nullptr, title)
    {
        Attr.Style = style;
        Attr.X = place.left;
        Attr.Y = place.top;
        Attr.W = place.right - place.left;
        Attr.H = place.bottom - place.top;
    }
};

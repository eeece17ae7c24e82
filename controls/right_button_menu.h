#pragma once
// The right button of a control or dialog: a press inside followed by a release over it opens
// its pop-up menu at the release point; a release without a press inside opens none. Where the
// right button acts as the left one, the window receives the left-button messages first.
#include "framework/popup_menu.h"

class TWindow;

class TRightButtonMenu {
public:
    // menuName null: no menu. A missing menu resource gives an empty menu.
    TRightButtonMenu(HINSTANCE module, const char* menuName);

    // The menu's commands go to owner.
    void Press(TWindow& window, UINT keys, POINT point, bool actAsLeft);
    void Release(TWindow& window, UINT keys, POINT point, bool actAsLeft, HWND owner);
    // A drop-down button's left press: the menu opens with its top-left corner at the
    // window's bottom-left corner.
    void DropDown(TWindow& window, UINT keys, HWND owner);
    // The menu opened by the keyboard at a point of the window's client area.
    void ShowAt(TWindow& window, POINT point, HWND owner);
    // Losing the mouse to another window ends a press.
    void CaptureChanged(TWindow& window, HWND newCapture);

    bool HasMenu() const { return HasPopup; }
    const TPopupMenu& GetPopup() const { return Popup; }

private:
    void ReleaseAt(TWindow& window, UINT keys, POINT point, bool actAsLeft, HWND owner);

    TPopupMenu Popup;
    bool HasPopup = false;
    bool RightUpPending = false;
    bool RightDown = false;
};

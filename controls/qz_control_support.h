#pragma once
// What the program's own controls share: telling the parent which control the pointer is
// over, their cursors, drawing over a control's client area through its window DC, and the
// right-button press-release machine that opens their pop-up menus.
#include "framework/popup_menu.h"
#include "framework/window.h"

#include <string>

class TMouseLumen;

// The module the program's cursors and menus are loaded from.
HINSTANCE ApplicationInstance();

// The parent learns which control the pointer is over as if one of its menu items were
// highlighted: WM_MENUSELECT with the control's id (0xFFFF0000, a closed menu, for an id
// that is not positive), then WM_ENTERIDLE, both through the parent object's own routing.
void AnnounceHover(TWindow& control);

// The WM_MOUSEMOVE of every hover-aware control: announce, default processing, then the light.
LRESULT HoverMouseMove(TWindow& control, TMouseLumen* lumen, TMessage& message);

// The WM_TIMER of a lit control: every tick drives the light; timers of the system class
// itself (a list box's or an edit's drag scrolling) still reach the class.
LRESULT LightTimer(TWindow& control, TMouseLumen& lumen, TMessage& message);

// The WM_SETCURSOR answer: the named cursor of module, or the system cursor when no name
// is given. Always handled.
LRESULT SetControlCursor(HINSTANCE module, const std::string& name, LPCSTR systemCursor);

// The client rectangle in the coordinates of the window's own window DC.
RECT ClientRectInWindow(HWND window);

// Windows before 3.2 did not protect the mouse cursor from drawing done behind its back.
bool HideCursorWhileDrawing();

// The right button of a control: a press inside followed by a release over the control
// opens the pop-up menu at the release point; a release without a press inside opens none.
// Controls that act on the right button as on the left one receive the left-button
// messages first. Menu commands go to the control's parent window.
class TRightButtonMenu {
public:
    // menuName null: no menu. A missing menu resource gives an empty menu.
    TRightButtonMenu(HINSTANCE module, const char* menuName);

    LRESULT RightButtonDown(TWindow& control, TMessage& message, bool actAsLeft);
    LRESULT RightButtonUp(TWindow& control, TMessage& message, bool actAsLeft);
    // A drop-down button's left press: the menu opens with its top-left corner at the
    // control's bottom-left corner.
    void DropDown(TWindow& control, WPARAM keys);
    // Losing the mouse to another window ends a press.
    LRESULT CaptureChanged(TWindow& control, TMessage& message);

    bool HasMenu() const { return HasPopup; }
    bool IsRightDown() const { return RightDown; }
    const TPopupMenu& GetPopup() const { return Popup; }

private:
    // The release step shared by the right button and the drop-down.
    void Release(TWindow& control, WPARAM keys, POINT point, bool actAsLeft);

    TPopupMenu Popup;
    bool HasPopup = false;
    bool RightUpPending = false;
    bool RightDown = false;
};

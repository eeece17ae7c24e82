#include "controls/right_button_menu.h"

#include "framework/window.h"

TRightButtonMenu::TRightButtonMenu(HINSTANCE module, const char* menuName)
{
    if (!menuName)
        return;
    Popup.LoadResource(module ? module : ::GetModuleHandleW(nullptr), menuName);
    HasPopup = true;
}

void TRightButtonMenu::Press(TWindow& window, UINT keys, POINT point, bool actAsLeft)
{
    RightDown = true;
    if (actAsLeft)
        window.SendMessage(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    // Holding the mouse until the release keeps a release elsewhere from leaving a stale press.
    if (RightDown && ::GetCapture() != window.GetHandle())
        ::SetCapture(window.GetHandle());
}

void TRightButtonMenu::Release(TWindow& window, UINT keys, POINT point, bool actAsLeft, HWND owner)
{
    RECT client = window.GetClientRect();
    if (!::PtInRect(&client, point))
        RightDown = false;   // released away from the window: no menu
    ReleaseAt(window, keys, point, actAsLeft, owner);
}

void TRightButtonMenu::DropDown(TWindow& window, UINT keys, HWND owner)
{
    RECT client = window.GetClientRect();
    RightDown = true;
    ReleaseAt(window, keys, POINT{0, client.bottom}, !HasPopup, owner);
}

void TRightButtonMenu::ReleaseAt(TWindow& window, UINT keys, POINT point, bool actAsLeft, HWND owner)
{
    if (RightDown)
        RightUpPending = true;
    if (actAsLeft)
        window.SendMessage(WM_LBUTTONUP, keys, MAKELPARAM(point.x, point.y));
    RightDown = false;
    if (::GetCapture() == window.GetHandle())
        ::ReleaseCapture();
    bool show = HasPopup && RightUpPending;
    RightUpPending = false;
    if (!show)
        return;
    ::ClientToScreen(window.GetHandle(), &point);
    // The menu runs its own loop: nothing of this object is touched once it has opened.
    Popup.TrackPopupMenu(TPM_LEFTBUTTON, point, owner);
}

void TRightButtonMenu::ShowAt(TWindow& window, POINT point, HWND owner)
{
    if (!HasPopup)
        return;
    ::ClientToScreen(window.GetHandle(), &point);
    Popup.TrackPopupMenu(TPM_LEFTBUTTON, point, owner);
}

void TRightButtonMenu::CaptureChanged(TWindow& window, HWND newCapture)
{
    if (newCapture != window.GetHandle())
        RightDown = false;
}

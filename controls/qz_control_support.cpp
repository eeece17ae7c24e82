#include "controls/qz_control_support.h"

#include "controls/mouse_lumen.h"
#include "framework/application.h"

HINSTANCE ApplicationInstance()
{
    if (TApplication* application = TApplication::Current())
        return application->GetInstance();
    return ::GetModuleHandleA(nullptr);
}

void AnnounceHover(TWindow& control)
{
    int id = ::GetDlgCtrlID(control.GetHandle());
    TWindow* parent = control.GetParentObject();
    if (!parent)
        return;
    WPARAM item = id > 0 ? static_cast<WPARAM>(id) : MAKEWPARAM(0, 0xFFFF);
    parent->ReceiveMessage(WM_MENUSELECT, item, 0);
    parent->ReceiveMessage(WM_ENTERIDLE, MSGF_MENU, 0);
}

LRESULT HoverMouseMove(TWindow& control, TMouseLumen* lumen, TMessage& message)
{
    AnnounceHover(control);
    LRESULT result = control.DefaultProcessing(message);
    if (lumen)
        lumen->MouseMove(message.WParam);
    return result;
}

LRESULT LightTimer(TWindow& control, TMouseLumen& lumen, TMessage& message)
{
    lumen.TimerTick();
    if (message.WParam == TMouseLumen::LightTimerId)
        return 0;
    return control.DefaultProcessing(message);
}

LRESULT SetControlCursor(HINSTANCE module, const std::string& name, LPCSTR systemCursor)
{
    // Resource cursors are shared by the module: they are never destroyed here.
    if (!name.empty())
        ::SetCursor(::LoadCursorA(module, name.c_str()));
    else
        ::SetCursor(::LoadCursorA(nullptr, systemCursor));
    return TRUE;
}

RECT ClientRectInWindow(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    RECT outer{};
    ::GetWindowRect(window, &outer);
    ::OffsetRect(&client, origin.x - outer.left, origin.y - outer.top);
    return client;
}

bool HideCursorWhileDrawing()
{
    static const bool hide = [] {
        DWORD version = ::GetVersion();
        int major = LOBYTE(LOWORD(version));
        int minor = HIBYTE(LOWORD(version));
        return major * 100 + minor < 320;
    }();
    return hide;
}

// ---- TRightButtonMenu ----

TRightButtonMenu::TRightButtonMenu(HINSTANCE module, const char* menuName)
{
    if (!menuName)
        return;
    Popup.LoadResource(module ? module : ApplicationInstance(), menuName);
    HasPopup = true;
}

LRESULT TRightButtonMenu::RightButtonDown(TWindow& control, TMessage& message, bool actAsLeft)
{
    RightDown = true;
    if (actAsLeft)
        control.SendMessage(WM_LBUTTONDOWN, message.WParam, message.LParam);
    // Holding the mouse until the release keeps a release elsewhere from leaving a stale press.
    if (RightDown && ::GetCapture() != control.GetHandle())
        ::SetCapture(control.GetHandle());
    return 0;
}

LRESULT TRightButtonMenu::RightButtonUp(TWindow& control, TMessage& message, bool actAsLeft)
{
    POINT point = message.Point();
    RECT client = control.GetClientRect();
    if (!::PtInRect(&client, point))
        RightDown = false;   // released away from the control: no menu
    Release(control, message.WParam, point, actAsLeft);
    return 0;
}

void TRightButtonMenu::DropDown(TWindow& control, WPARAM keys)
{
    RECT client = control.GetClientRect();
    RightDown = true;
    Release(control, keys, POINT{0, client.bottom}, !HasPopup);
}

void TRightButtonMenu::Release(TWindow& control, WPARAM keys, POINT point, bool actAsLeft)
{
    if (RightDown)
        RightUpPending = true;
    if (actAsLeft)
        control.SendMessage(WM_LBUTTONUP, keys, MAKELPARAM(point.x, point.y));
    RightDown = false;
    if (::GetCapture() == control.GetHandle())
        ::ReleaseCapture();
    bool show = HasPopup && RightUpPending;
    RightUpPending = false;
    if (!show)
        return;
    ::ClientToScreen(control.GetHandle(), &point);
    // The menu runs its own loop: nothing of this object is touched once it has opened.
    Popup.TrackPopupMenu(TPM_LEFTBUTTON, point, ::GetParent(control.GetHandle()));
}

LRESULT TRightButtonMenu::CaptureChanged(TWindow& control, TMessage& message)
{
    if (reinterpret_cast<HWND>(message.LParam) != control.GetHandle())
        RightDown = false;
    return control.DefaultProcessing(message);
}

#include "controls/qz_control.h"

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

void SetControlCursor(HINSTANCE module, const std::string& name, LPCSTR systemCursor)
{
    // Resource cursors are shared by the module: they are never destroyed here.
    if (!name.empty())
        ::SetCursor(::LoadCursorA(module, name.c_str()));
    else
        ::SetCursor(::LoadCursorA(nullptr, systemCursor));
}

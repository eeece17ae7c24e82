#include "controls/qz_control.h"

#include "text/wide_text.h"

void AnnounceHover(TWindow& control)
{
    int id = ::GetDlgCtrlID(control.GetHandle());
    TWindow* parent = control.GetParentObject();
    if (!parent)
        return;
    WPARAM item = id > 0 ? static_cast<WPARAM>(id) : MenuClosedWParam;
    parent->ReceiveMessage(WM_MENUSELECT, item, 0);
    parent->ReceiveMessage(WM_ENTERIDLE, MSGF_MENU, 0);
}

void SetControlCursor(HINSTANCE module, const std::string& name, LPCWSTR systemCursor)
{
    // Resource cursors are shared by the module: they are never destroyed here.
    if (!name.empty())
        ::SetCursor(::LoadCursorW(module, Wide(name).c_str()));
    else
        ::SetCursor(::LoadCursorW(nullptr, systemCursor));
}

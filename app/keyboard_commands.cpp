// The main dialog for the keyboard: the order Tab walks, and the pop-up menu of the focused
// control on Shift+F10 or the context-menu key.
#include "app/base_dlg.h"

#include "res/resource.h"

namespace {

// The order a person works in: the list and its buttons, the texts around each name, the path,
// the settings, then Create. The four path radios are one group, so the arrows go round them.
constexpr int TabOrder[] = {
    IDC_FILELIST,   IDC_DELETE,      IDC_MOVEUP,       IDC_MOVEDOWN,      IDC_HEADER,    IDC_QUEUE,
    IDC_PATH_FULL,  IDC_PATH_RELATIVE, IDC_PATH_NOPATH, IDC_PATH_NONE,    IDC_SETOUTFILE, IDC_OUTFILE,
    IDC_SETMAINHEAD, IDC_MAINHEAD,   IDC_SETMAINQUEUE, IDC_MAINQUEUE,     IDC_INVERTSLASH, IDC_SAVELOCAL,
    IDC_CREATE,     IDC_VIEW,        IDC_SETRELPATH,   IDC_AUTODRAG,      IDC_RELPATH,   IDC_COUNTER,
};

// The controls that start a group: the first, the path radios, and the one after them.
bool StartsGroup(int id)
{
    return id == IDC_FILELIST || id == IDC_PATH_FULL || id == IDC_SETOUTFILE;
}

} // namespace

void BaseDlg::ArrangeTabOrder()
{
    HWND previous = HWND_TOP;
    for (int id : TabOrder) {
        HWND control = ::GetDlgItem(Handle, id);
        if (!control)
            continue;
        ::SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
        style = StartsGroup(id) ? style | WS_GROUP : style & ~static_cast<LONG_PTR>(WS_GROUP);
        ::SetWindowLongPtrW(control, GWL_STYLE, style);
        previous = control;
    }
}

void BaseDlg::CmContextMenu()
{
    // The focused control opens its own menu (the list's, Create's, an edit field's) as the
    // keyboard asks the system for it; the dialog's own when no control of it has the focus.
    HWND focus = ::GetFocus();
    if (!focus || !::IsChild(Handle, focus))
        focus = Handle;
    ::SendMessageW(focus, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(focus), MAKELPARAM(-1, -1));
}

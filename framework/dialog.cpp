#include "framework/dialog.h"

#include "framework/application.h"
#include "framework/resource_name.h"

BEGIN_MESSAGE_TABLE(TDialog, TWindow)
    ON_COMMAND(IDOK, CmOk)
    ON_COMMAND(IDCANCEL, CmCancel)
    ON_MESSAGE(WM_CLOSE, EvClose)
END_MESSAGE_TABLE()

TDialog::TDialog(TWindow* parent, const char* resourceName) : TWindow(parent), ResourceName(resourceName)
{
}

bool TDialog::Create()
{
    if (Handle)
        return true;
    Modal = false;
    HWND parent = GetParentObject() ? GetParentObject()->GetHandle() : nullptr;
    ::CreateDialogParamW(GetInstance(), TResourceName(ResourceName), parent, &TDialog::StaticDialogProc,
                         reinterpret_cast<LPARAM>(this));
    TApplication::RethrowKeptException();
    return Handle != nullptr;
}

INT_PTR TDialog::Execute()
{
    Modal = true;
    HWND parent = GetParentObject() ? GetParentObject()->GetHandle() : nullptr;
    INT_PTR result = ::DialogBoxParamW(GetInstance(), TResourceName(ResourceName), parent, &TDialog::StaticDialogProc,
                                       reinterpret_cast<LPARAM>(this));
    Modal = false;
    TApplication::RethrowKeptException();
    return result;
}

void TDialog::CloseWindow(int returnValue)
{
    if (!Handle)
        return;
    if (Modal)
        ::EndDialog(Handle, returnValue);
    else
        ::DestroyWindow(Handle);
}

void TDialog::SetupWindow()
{
    if (StyleToClear)
        ClearStyle(StyleToClear);
    TWindow::SetupWindow();
}

BOOL TDialog::EvInitDialog(HWND)
{
    return TRUE;
}

bool TDialog::PreProcessMsg(MSG& msg)
{
    // Tab, arrows, Enter and Esc move between the controls.
    return Handle && ::IsDialogMessageW(Handle, &msg);
}

// A dialog that is a window's client (a child) is never closed by Enter or Esc.
void TDialog::CmOk()
{
    if (Modal || !(::GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD))
        if (CanClose())
            CloseWindow(IDOK);
}

void TDialog::CmCancel()
{
    if (Modal || !(::GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD))
        CloseWindow(IDCANCEL);
}

LRESULT TDialog::EvClose(TMessage&)
{
    if (Modal)
        CmCancel();
    else if (CanClose())
        ::DestroyWindow(Handle);
    return 0;
}

INT_PTR CALLBACK TDialog::StaticDialogProc(HWND handle, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;   // everything else reaches the object through its subclassed procedure
    auto* dialog = reinterpret_cast<TDialog*>(lParam);
    if (!dialog)
        return TRUE;
    dialog->Subclass(handle);
    try {
        dialog->SetupWindow();
        return dialog->EvInitDialog(reinterpret_cast<HWND>(0));
    } catch (...) {
        TApplication::KeepException(std::current_exception());
        return TRUE;
    }
}

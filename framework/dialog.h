#pragma once
// Dialogs from the resource script: modeless (as a frame's client, say) or modal.
#include "framework/window.h"

class TDialog : public TWindow {
public:
    TDialog(TWindow* parent, const char* resourceName);

    // Makes the modeless dialog.
    bool Create() override;
    // Runs the dialog modally; the value it closed with (IDOK, IDCANCEL...), -1 when it could not run.
    INT_PTR Execute();
    bool IsModal() const { return Modal; }
    // Ends a modal dialog with the value, or destroys a modeless one.
    void CloseWindow(int returnValue);

    bool PreProcessMsg(MSG& msg) override;

protected:
    // Binds the controls of the resource to their objects.
    void SetupWindow() override;
    // The dialog's answer to WM_INITDIALOG: TRUE lets the system focus the first control.
    virtual BOOL EvInitDialog(HWND focus);

    void CmOk();
    void CmCancel();
    LRESULT EvClose(TMessage& message);

    const char* ResourceName;

    DECLARE_MESSAGE_TABLE()

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    bool Modal = false;
};

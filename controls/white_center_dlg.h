#pragma once
// The base of the program's own dialogs: one font of its own for every control, a hand
// cursor over the background, a little widening at set-up, centring on its monitor, and
// proportional rescaling of every control (positions, sizes, font, item heights) whenever
// the dialog's size changes. The left button drags the dialog by its background; the right
// button opens the dialog's pop-up menu.
#include "controls/right_button_menu.h"
#include "framework/control.h"
#include "framework/dialog.h"
#include "framework/gdi.h"

#include <string>

class TWhiteCenterDlg : public TDialog {
public:
    // menuName: the menu resource shown on a right click (none: the right button acts as the
    // left). font: the font the controls show, copied (none: the stock SYSTEM_FONT).
    TWhiteCenterDlg(TWindow* parent, const char* resourceName, const char* menuName = nullptr,
                    HFONT font = nullptr);
    ~TWhiteCenterDlg() override;

    // The client-equivalent size the last layout pass of any dialog of this class used.
    static SIZE GetLastLayoutSize() { return LastLayoutSize; }

    // Control ids the layout leaves alone: the store itself and a combo box's list and edit.
    static constexpr int LayoutStoreId = 2001;
    static constexpr int ComboListId = 1000;
    static constexpr int ComboEditId = 1001;

protected:
    void SetupWindow() override;
    BOOL EvInitDialog(HWND focus) override;

    virtual void EvLButtonDown(UINT keys, POINT point);
    virtual void EvRButtonDown(UINT keys, POINT point);
    virtual void EvRButtonUp(UINT keys, POINT point);
    virtual LRESULT EvCtlColor(TMessage& message);
    virtual void EvWindowPosChanged(const WINDOWPOS& position);
    bool EvSetCursor(HWND window, UINT hitTest, UINT mouseMessage);
    void EvCaptureChanged(HWND newCapture);

    // The dialog's pop-up menu; without one the right button acts as the left.
    TRightButtonMenu RightButton;
    bool FirstLayout = true;
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
    SIZE FrameSize{};
    RECT InitialClient{};
    TFont DialogFont;
    LOGFONTW BaseLogFont{};
    // One record per descendant window: "handle,left,top,width,height,selH,itemH".
    TListBox LayoutStore;

    static SIZE LastLayoutSize;

    DECLARE_MESSAGE_TABLE()

private:
    void RecordLayout();
    void Rescale(int clientWidth, int clientHeight, bool rescaleFonts);
    // Makes the font of the description the dialog font, given to every control; the old one goes.
    void ReplaceDialogFont(const LOGFONTW& description);
    void RepaintAll() const;

    HFONT GivenFont;
    HCURSOR BackgroundCursor = nullptr;
    bool RightPressForwarded = false;   // inside the left-button handling of a right press
    // The dialog LastLayoutSize belongs to: another dialog's size says nothing about this one's.
    static HWND LastLayoutDialog;
};

#include "controls/qz_property_sheet.h"

#include "controls/control_accessible.h"

TQZPropertySheet::~TQZPropertySheet() = default;

BEGIN_MESSAGE_TABLE(TQZPropertyPage, TPropertyPage)
    ON_WM_SETCURSOR(EvSetCursor)
    ON_WM_LBUTTONDOWN(EvLButtonDown)
END_MESSAGE_TABLE()

void TQZPropertyPage::SetupWindow()
{
    TPropertyPage::SetupWindow();
    ExposeControls(Handle, nullptr);
    ExposeControls(::GetParent(Handle), nullptr);
}

bool TQZPropertyPage::EvSetCursor(HWND window, UINT, UINT)
{
    HCURSOR hand = window == Handle ? ::LoadCursorW(GetInstance(), L"CUR_MANO") : nullptr;
    if (hand)
        ::SetCursor(hand);
    else
        DefaultProcessing();
    return true;
}

void TQZPropertyPage::EvLButtonDown(UINT, POINT point)
{
    // The sheet runs its caption drag, started from the page's background.
    ::ClientToScreen(Handle, &point);
    ::SendMessageW(::GetParent(Handle), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

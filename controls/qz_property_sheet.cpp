#include "controls/qz_property_sheet.h"

TQZPropertySheet::~TQZPropertySheet() = default;

BEGIN_MESSAGE_TABLE(TQZPropertyPage, TPropertyPage)
    ON_MESSAGE(TQZPropertyPage, WM_SETCURSOR, EvSetCursor)
    ON_MESSAGE(TQZPropertyPage, WM_LBUTTONDOWN, EvLButtonDown)
END_MESSAGE_TABLE(TQZPropertyPage, TPropertyPage)

LRESULT TQZPropertyPage::EvSetCursor(TMessage& message)
{
    HCURSOR hand = reinterpret_cast<HWND>(message.WParam) == Handle ? ::LoadCursorA(GetInstance(), "CUR_MANO")
                                                                    : nullptr;
    if (hand)
        ::SetCursor(hand);
    else
        DefaultProcessing(message);
    return TRUE;
}

LRESULT TQZPropertyPage::EvLButtonDown(TMessage& message)
{
    // The sheet runs its caption drag, started from the page's background.
    POINT point = message.Point();
    ::ClientToScreen(Handle, &point);
    ::SendMessageA(::GetParent(Handle), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    return 0;
}

#include "controls/qz_button.h"

BEGIN_MESSAGE_TABLE(TQZButton, TButton)
    ON_MESSAGE(TQZButton, WM_LBUTTONDOWN, EvLButtonDown)
    ON_MESSAGE(TQZButton, WM_RBUTTONDOWN, EvRButtonDown)
    ON_MESSAGE(TQZButton, WM_RBUTTONUP, EvRButtonUp)
    ON_MESSAGE(TQZButton, WM_MOUSEMOVE, EvMouseMove)
    ON_MESSAGE(TQZButton, WM_SETCURSOR, EvSetCursor)
    ON_MESSAGE(TQZButton, WM_CAPTURECHANGED, EvCaptureChanged)
END_MESSAGE_TABLE(TQZButton, TButton)

TQZButton::TQZButton(TWindow* parent, int resourceId, HINSTANCE module, const char* cursorName,
                     const char* menuName)
    : TButton(parent, resourceId),
      RightButton(module, menuName),
      CursorName(cursorName ? cursorName : ""),
      Module(module ? module : ApplicationInstance())
{
}

LRESULT TQZButton::EvLButtonDown(TMessage& message)
{
    // With nothing to drop down, the button clicks like any other.
    if (!MenuOnLeftClick || !RightButton.HasMenu())
        return DefaultProcessing(message);
    RightButton.DropDown(*this, message.WParam);
    return 0;
}

LRESULT TQZButton::EvRButtonDown(TMessage& message)
{
    return RightButton.RightButtonDown(*this, message, !RightButton.HasMenu());
}

LRESULT TQZButton::EvRButtonUp(TMessage& message)
{
    return RightButton.RightButtonUp(*this, message, !RightButton.HasMenu());
}

LRESULT TQZButton::EvMouseMove(TMessage& message)
{
    return HoverMouseMove(*this, nullptr, message);
}

LRESULT TQZButton::EvSetCursor(TMessage&)
{
    return SetControlCursor(Module, CursorName, IDC_ARROW);
}

LRESULT TQZButton::EvCaptureChanged(TMessage& message)
{
    return RightButton.CaptureChanged(*this, message);
}

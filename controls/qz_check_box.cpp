#include "controls/qz_check_box.h"

// ---- TQZCheckBox ----

BEGIN_MESSAGE_TABLE(TQZCheckBox, TCheckBox)
    ON_MESSAGE(TQZCheckBox, WM_MOUSEMOVE, EvMouseMove)
    ON_MESSAGE(TQZCheckBox, WM_TIMER, EvTimer)
    ON_MESSAGE(TQZCheckBox, WM_SETCURSOR, EvSetCursor)
    ON_MESSAGE(TQZCheckBox, WM_RBUTTONDOWN, EvRButtonDown)
    ON_MESSAGE(TQZCheckBox, WM_RBUTTONUP, EvRButtonUp)
    ON_MESSAGE(TQZCheckBox, WM_CAPTURECHANGED, EvCaptureChanged)
END_MESSAGE_TABLE(TQZCheckBox, TCheckBox)

TQZCheckBox::TQZCheckBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module,
                         const char* menuName)
    : TCheckBox(parent, resourceId),
      RightButton(module, menuName),
      Lumen(TMouseLumen::Frame, this),
      CursorName(cursorName ? cursorName : ""),
      Module(module ? module : ApplicationInstance())
{
}

LRESULT TQZCheckBox::EvMouseMove(TMessage& message)
{
    return HoverMouseMove(*this, &Lumen, message);
}

LRESULT TQZCheckBox::EvTimer(TMessage& message)
{
    return LightTimer(*this, Lumen, message);
}

LRESULT TQZCheckBox::EvSetCursor(TMessage&)
{
    return SetControlCursor(Module, CursorName, IDC_ARROW);
}

LRESULT TQZCheckBox::EvRButtonDown(TMessage& message)
{
    return RightButton.RightButtonDown(*this, message, true);
}

LRESULT TQZCheckBox::EvRButtonUp(TMessage& message)
{
    return RightButton.RightButtonUp(*this, message, true);
}

LRESULT TQZCheckBox::EvCaptureChanged(TMessage& message)
{
    return RightButton.CaptureChanged(*this, message);
}

// ---- TQZRadioButton ----

BEGIN_MESSAGE_TABLE(TQZRadioButton, TRadioButton)
    ON_MESSAGE(TQZRadioButton, WM_MOUSEMOVE, EvMouseMove)
    ON_MESSAGE(TQZRadioButton, WM_TIMER, EvTimer)
    ON_MESSAGE(TQZRadioButton, WM_SETCURSOR, EvSetCursor)
    ON_MESSAGE(TQZRadioButton, WM_RBUTTONDOWN, EvRButtonDown)
    ON_MESSAGE(TQZRadioButton, WM_RBUTTONUP, EvRButtonUp)
    ON_MESSAGE(TQZRadioButton, WM_CAPTURECHANGED, EvCaptureChanged)
END_MESSAGE_TABLE(TQZRadioButton, TRadioButton)

TQZRadioButton::TQZRadioButton(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module,
                               const char* menuName)
    : TRadioButton(parent, resourceId),
      RightButton(module, menuName),
      Lumen(TMouseLumen::FrameBesideScrollBar, this),
      CursorName(cursorName ? cursorName : ""),
      Module(module ? module : ApplicationInstance())
{
}

LRESULT TQZRadioButton::EvMouseMove(TMessage& message)
{
    return HoverMouseMove(*this, &Lumen, message);
}

LRESULT TQZRadioButton::EvTimer(TMessage& message)
{
    return LightTimer(*this, Lumen, message);
}

LRESULT TQZRadioButton::EvSetCursor(TMessage&)
{
    return SetControlCursor(Module, CursorName, IDC_ARROW);
}

LRESULT TQZRadioButton::EvRButtonDown(TMessage& message)
{
    return RightButton.RightButtonDown(*this, message, true);
}

LRESULT TQZRadioButton::EvRButtonUp(TMessage& message)
{
    return RightButton.RightButtonUp(*this, message, true);
}

LRESULT TQZRadioButton::EvCaptureChanged(TMessage& message)
{
    return RightButton.CaptureChanged(*this, message);
}

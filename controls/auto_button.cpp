#include "controls/auto_button.h"

#include "controls/window_drawing.h"

namespace {

// Set while a button repaints its edge in the parent: the parent's repaint erases the
// button again, and that erase must not start another.
bool RepaintingParent = false;

// The button's rectangle in its parent's client coordinates.
RECT RectInParent(HWND button, HWND parent)
{
    RECT rect{};
    ::GetWindowRect(button, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

BEGIN_MESSAGE_TABLE(TAutoButton, TQZButton)
    ON_MESSAGE(WM_ERASEBKGND, EvEraseBkgnd)
    ON_WM_KILLFOCUS(EvKillFocus)
END_MESSAGE_TABLE()

TAutoButton::TAutoButton(TWindow* parent, int resourceId, const char* cursorName, const char* menuName)
    : TQZButton({TMouseLumen::Face, IDC_ARROW, TQZControlStyle::TRightButton::ActsAsLeftWithoutMenu}, parent,
                resourceId, nullptr, cursorName, menuName)
{
}

LRESULT TAutoButton::EvEraseBkgnd(TMessage&)
{
    // The button paints its whole face itself; its background is never erased.
    HWND parent = ::GetParent(Handle);
    if (RepaintingParent || !Lumen.IsLit() || !parent)
        return TRUE;
    // The light itself stays: it is drawn again once the button has painted its face.
    RepaintingParent = true;
    ::InvalidateRgn(parent, RingRegion(RectInParent(Handle, parent), 3), TRUE);
    ::UpdateWindow(parent);
    RepaintingParent = false;
    return TRUE;
}

void TAutoButton::EvKillFocus(HWND)
{
    DefaultProcessing();
    if (HWND parent = ::GetParent(Handle)) {
        RECT rect = RectInParent(Handle, parent);
        ::InflateRect(&rect, 2, 2);
        ::InvalidateRect(parent, &rect, TRUE);
        ::UpdateWindow(parent);
    }
}

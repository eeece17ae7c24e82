#include "controls/qz_edit_cursor.h"

#include "controls/window_drawing.h"
#include "framework/gdi.h"

BEGIN_MESSAGE_TABLE(TQZEditCursor, TQZControl<TEdit>)
    ON_MESSAGE(WM_KEYDOWN, EvKeyDown)
    ON_MESSAGE(WM_PAINT, EvPaint)
    ON_WM_KILLFOCUS(EvKillFocus)
    ON_WM_MENUSELECT(EvMenuSelect)
END_MESSAGE_TABLE()

TQZEditCursor::TQZEditCursor(TWindow* parent, int resourceId, int textLimit, HINSTANCE module,
                             const char* cursorName)
    : TQZControl({TMouseLumen::Frame, IDC_IBEAM, TQZControlStyle::TRightButton::System}, cursorName, module,
                 nullptr, parent, resourceId, textLimit)
{
}

LRESULT TQZEditCursor::EvKeyDown(TMessage& message)
{
    if (message.WParam == VK_ESCAPE) {
        SendMessage(WM_UNDO);
        return 0;
    }
    return DefaultProcessing(message);
}

LRESULT TQZEditCursor::EvPaint(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    if (::GetFocus() == Handle)
        DrawFocusFrame();
    return result;
}

void TQZEditCursor::DrawFocusFrame()
{
    RECT rect;
    if (!ClientRectInParent(rect))
        return;
    ::InflateRect(&rect, 1, 1);
    // The ring lies just outside the client area: on the border of a framed field, in the
    // parent on a field without one. The edit's own window DC reaches only the first, so
    // the frame goes through a DC of the parent that its children do not clip.
    TClientDC dc(::GetParent(Handle), DCX_CACHE);
    if (!dc)
        return;
    TPen pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    TSelectObject oldPen(dc, pen);
    TSelectObject oldBrush(dc, ::GetStockObject(NULL_BRUSH));
    DrawRectangle(dc, rect);
}

bool TQZEditCursor::ClientRectInParent(RECT& inner) const
{
    HWND parent = ::GetParent(Handle);
    if (!parent)
        return false;
    inner = GetClientRect();
    ::MapWindowPoints(Handle, parent, reinterpret_cast<POINT*>(&inner), 2);
    return true;
}

void TQZEditCursor::EvKillFocus(HWND)
{
    DefaultProcessing();
    RECT inner;
    if (!ClientRectInParent(inner))
        return;
    RECT outer = inner;
    ::InflateRect(&outer, 1, 1);
    // Children too, even under a parent that clips them: the ring may lie on the field's border.
    ::RedrawWindow(::GetParent(Handle), nullptr, RingRegion(outer, 1), RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TQZEditCursor::EvMenuSelect(UINT, UINT flags, HMENU menu)
{
    DefaultProcessing();
    // The menu has closed: whatever it covered is repainted now, not after the next command.
    if (MenuClosed(flags, menu))
        if (HWND parent = ::GetParent(Handle))
            ::UpdateWindow(parent);
}

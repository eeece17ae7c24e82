#include "controls/qz_edit_cursor.h"

#include "controls/window_drawing.h"
#include "framework/gdi.h"
#include "text/wide_text.h"

BEGIN_MESSAGE_TABLE(TQZEditCursor, TQZControl<TEdit>)
    ON_MESSAGE(WM_KEYDOWN, EvKeyDown)
    ON_MESSAGE(WM_PAINT, EvPaint)
    ON_WM_KILLFOCUS(EvKillFocus)
    ON_MESSAGE(WM_SETFOCUS, EvSetFocus)
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

void TQZEditCursor::SetPlaceholder(const std::string& text)
{
    Placeholder = Wide(text);
    if (Handle)
        ::InvalidateRect(Handle, nullptr, TRUE);
}

LRESULT TQZEditCursor::EvPaint(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    if (::GetFocus() == Handle)
        DrawFocusFrame();
    if (WantsPlaceholder()) {
        DrawPlaceholder();
    } else if (PlaceholderShown) {
        // The field repainted only what its text changed: the rest of the placeholder goes too.
        PlaceholderShown = false;
        ::InvalidateRect(Handle, nullptr, TRUE);
    }
    return result;
}

bool TQZEditCursor::WantsPlaceholder() const
{
    return !Placeholder.empty() && ::GetFocus() != Handle && ::GetWindowTextLengthW(Handle) == 0;
}

void TQZEditCursor::DrawPlaceholder()
{
    RECT format{};
    SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    TClientDC dc(Handle);
    if (!dc)
        return;
    TSelectObject oldFont(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, Placeholder.c_str(), static_cast<int>(Placeholder.size()), &format,
                DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    PlaceholderShown = true;
}

LRESULT TQZEditCursor::EvSetFocus(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    if (PlaceholderShown)
        ::InvalidateRect(Handle, nullptr, TRUE);
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
    if (WantsPlaceholder())
        ::InvalidateRect(Handle, nullptr, TRUE);
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

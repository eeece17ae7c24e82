#include "controls/window_drawing.h"

RECT ClientRectInWindow(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    RECT outer{};
    ::GetWindowRect(window, &outer);
    ::OffsetRect(&client, origin.x - outer.left, origin.y - outer.top);
    return client;
}

namespace {

bool HideCursorWhileDrawing()
{
    static const bool hide = [] {
        DWORD version = ::GetVersion();
        int major = LOBYTE(LOWORD(version));
        int minor = HIBYTE(LOWORD(version));
        return major * 100 + minor < 320;
    }();
    return hide;
}

} // namespace

void DrawRectangle(HDC dc, const RECT& rect)
{
    const bool hide = HideCursorWhileDrawing();
    if (hide)
        ::ShowCursor(FALSE);
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    if (hide)
        ::ShowCursor(TRUE);
}

TRegion RingRegion(const RECT& outer, int thickness)
{
    RECT inner = outer;
    ::InflateRect(&inner, -thickness, -thickness);
    TRegion ring(::CreateRectRgnIndirect(&outer));
    TRegion inside(::CreateRectRgnIndirect(&inner));
    ::CombineRgn(ring, ring, inside, RGN_DIFF);
    return ring;
}

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

#include "framework/monitor_area.h"

namespace {

TMonitorArea AreaOf(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor && ::GetMonitorInfoW(monitor, &info))
        return {info.rcMonitor, info.rcWork};
    // No answer: the primary screen, as systems of one monitor have it.
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return {screen, screen};
}

} // namespace

TMonitorArea MonitorAreaOfWindow(HWND window)
{
    return AreaOf(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

TMonitorArea MonitorAreaOfPoint(POINT screenPoint)
{
    return AreaOf(::MonitorFromPoint(screenPoint, MONITOR_DEFAULTTONEAREST));
}

TMonitorArea MonitorAreaOfWindowOrPointer(HWND window)
{
    if (window)
        return MonitorAreaOfWindow(window);
    POINT pointer{0, 0};
    ::GetCursorPos(&pointer);
    return MonitorAreaOfPoint(pointer);
}

POINT CentredIn(const RECT& area, SIZE size)
{
    LONG left = area.left + (area.right - area.left - size.cx) / 2;
    LONG top = area.top + (area.bottom - area.top - size.cy) / 2;
    return {left > area.left ? left : area.left, top > area.top ? top : area.top};
}

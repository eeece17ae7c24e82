#pragma once
// The monitor a window or a point is on, and where a window goes on it. With several monitors
// the primary one is only one of them: the others may lie on any side of it, at negative
// coordinates too, and each has its own work area (the part the taskbar leaves free).
#include <windows.h>

// What the system says of one monitor (GetMonitorInfoW): its whole rectangle and its work area.
struct TMonitorArea {
    RECT Monitor;
    RECT Work;
};

// The monitor the window is on (the nearest one, when it is on none).
TMonitorArea MonitorAreaOfWindow(HWND window);
// The monitor the point of the screen is on (the nearest one, when it is on none).
TMonitorArea MonitorAreaOfPoint(POINT screenPoint);
// The monitor of the window, or of the mouse pointer when there is no window.
TMonitorArea MonitorAreaOfWindowOrPointer(HWND window);

// The top-left corner of a window of the size centred in the area; a window larger than the
// area keeps its top-left corner (its caption) inside it.
POINT CentredIn(const RECT& area, SIZE size);

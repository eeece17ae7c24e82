#pragma once
// The scale a window, a monitor or the system draws at, in dots per inch (96 at 100%). Windows
// 10 gives each monitor its own (GetDpiForWindow, 1607; GetDpiForMonitor, 8.1); older systems
// have one for the whole screen. The newer functions are found at run time, so the program
// still starts where they are missing, and then draws everything at the system's scale.
#include <windows.h>

#include <optional>

constexpr int StandardDpi = 96;

// The scale of the whole screen: what every window had before per-monitor scales.
int SystemDpi();
// The window's scale: its monitor's under Windows 10, else the system's.
int DpiOfWindow(HWND window);
// The scale of the monitor a point of the screen is on (the nearest one).
int DpiOfMonitorAt(POINT screenPoint);

// A length meant for 96 DPI, at the scale.
inline int ScaledToDpi(int pixels, int dpi) { return ::MulDiv(pixels, dpi, StandardDpi); }

// A font description made for one scale, for another.
LOGFONTW FontAtDpi(LOGFONTW font, int fromDpi, int toDpi);

// The window rectangle around a client rectangle, with the frame's thickness at the scale.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi);

// The system's caption, menu, status and message fonts and frame sizes at the scale.
std::optional<NONCLIENTMETRICSW> NonClientMetricsForDpi(int dpi);
// The same, made from the system's own record (taken at systemDpi) where the system cannot
// give them for another scale: every font height and size scaled.
NONCLIENTMETRICSW NonClientMetricsScaled(const NONCLIENTMETRICSW& system, int systemDpi, int dpi);

#pragma once
// Drawing over a control's client area through its window DC, and the rings of a light or a
// focus frame that a repaint takes away again.
#include "framework/handles.h"

#include <windows.h>

// The client rectangle in the coordinates of the window's own window DC.
RECT ClientRectInWindow(HWND window);

// Rectangle with the DC's pen and brush; on Windows before 3.2, which did not protect the
// mouse cursor from drawing done behind its back, with the cursor hidden meanwhile.
void DrawRectangle(HDC dc, const RECT& rect);

// The band of the given thickness just inside outer: what a frame drawn there covers.
TRegion RingRegion(const RECT& outer, int thickness);

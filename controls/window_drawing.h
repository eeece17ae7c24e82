#pragma once
// Drawing over a control's client area through its window DC.
#include <windows.h>

// The client rectangle in the coordinates of the window's own window DC.
RECT ClientRectInWindow(HWND window);

// Rectangle with the DC's pen and brush; on Windows before 3.2, which did not protect the
// mouse cursor from drawing done behind its back, with the cursor hidden meanwhile.
void DrawRectangle(HDC dc, const RECT& rect);

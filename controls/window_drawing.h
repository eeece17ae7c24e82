#pragma once
// Drawing over a control's client area through its window DC.
#include <windows.h>

// The client rectangle in the coordinates of the window's own window DC.
RECT ClientRectInWindow(HWND window);

// Windows before 3.2 did not protect the mouse cursor from drawing done behind its back.
bool HideCursorWhileDrawing();

#pragma once
// A message box that stays on the screen whatever names its text holds.
#include <windows.h>

#include <string>

// Shows the text as the system's message box does, but a line too wide for the screen (a long
// path, say) is shown shortened in its middle; Ctrl+C in the box still copies the whole text,
// in the layout the system gives a box's copy.
int ScreenFitBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

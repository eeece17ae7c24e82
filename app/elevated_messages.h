#pragma once
// A program run as administrator gets no messages from programs of a lower integrity level
// (Explorer, a copy of Strandel started by Send To) unless it lets them through, window by
// window. Only what the program needs from them is let through: the hand-off and the drops.
#include <windows.h>

#include <initializer_list>
#include <vector>

// The message the system carries a drop's data across processes with; no header names it.
constexpr UINT WM_COPYGLOBALDATA = 0x0049;

// Lets the messages through to the window; true when the system took every one.
bool LetThroughFromLowerIntegrity(HWND window, std::initializer_list<UINT> messages);

// The main window takes the hand-off of other copies; it and every window below it that
// accepts dropped files take Explorer's drops.
void LetHandOffAndDropsThrough(HWND mainWindow);

// The messages LetThroughFromLowerIntegrity let through to the window, as the system confirmed them.
std::vector<UINT> MessagesLetThrough(HWND window);

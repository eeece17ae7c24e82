#pragma once
// The program's start: first copy or second copy, and the top-level exception message.
#include <windows.h>

// Runs the program with its arguments (the program's path first); the exit code.
int RunStrandel(int argc, char** argv, int cmdShow);

// Hands a file name to a running copy's main window and waits for its answer: true when the
// running copy took it. A copy that does not answer in time is given up, and the user told.
bool HandOffToRunningCopy(HWND runningCopy, const char* fileName);

// How long a second copy waits for the first one to take its file.
constexpr UINT HandOffTimeoutMs = 15000;

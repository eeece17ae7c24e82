#pragma once
// Which help the Help menu opens.
#include <windows.h>

// Whether the system of that major version still runs old help files (WinHelp): Windows XP and
// earlier do; from Vista on, winhlp32 only says "Feature not included".
bool SystemRunsWinHelp(DWORD majorVersion);
// The same for the system the program runs on.
bool SystemRunsWinHelp();

#pragma once
// What the whole process shares: the program's folder, the file being handed over, the
// main window's status bar.
#include <string>

class TTipStatusBar;

// Buffers of the names that travel through the program: 1999 characters and the zero.
constexpr std::size_t NameRoom = 2000;

// The program's folder with a trailing backslash; empty when the program's path is unknown.
extern std::string ProgramFolder;
// The one file being handed over or just dropped on a special target; emptied by whatever
// consumes it.
extern std::string PendingFile;
// The main window's status bar, set while the main window is built.
extern TTipStatusBar* MainStatusBar;

#pragma once
// The program's start: first copy or second copy, and the top-level exception message.
#include <windows.h>

#include <string>
#include <vector>

// The program's command line as the system keeps it (UTF-16), split as the shell splits it,
// each argument in UTF-8; the program's path first.
std::vector<std::string> CommandLineArguments();

// The folder of the program's own executable, with a trailing backslash.
std::string ExecutableFolder();

// Runs the program with its arguments (the program's path first); the exit code.
int RunStrandel(const std::vector<std::string>& arguments, int cmdShow);

// Hands the file names (one or more) to a running copy's main window in one record and waits
// for its answer: true when the running copy took them. The running copy may take the
// foreground meanwhile. A copy that does not answer in time is given up, and the user told.
bool HandOffToRunningCopy(HWND runningCopy, const std::vector<std::string>& names);

// The names this copy was started with, waiting for its main dialog to take them; emptied then.
extern std::vector<std::string> StartNames;

// How long a second copy waits for the first one to take its file.
constexpr UINT HandOffTimeoutMs = 15000;

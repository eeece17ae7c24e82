#pragma once
// Starting a file or a program the way the shell would.
#include <windows.h>

#include <string>

// Opens the command line through the shell's associations; a line the shell cannot open
// whole is tried as a file and the parameters from its first slash, then started as a
// program's command line. True when the shell started it.
bool Launch(HWND owner, const std::string& commandLine, int showState);

// The command line without its leading and trailing spaces.
std::string TrimSpaces(const std::string& text);

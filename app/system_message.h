#pragma once
// The system's own words for an error code.
#include <windows.h>

#include <string>

// FormatMessageW's text for the code, its line breaks and final full stop trimmed; for a code the
// system has no text for, "Error <code>".
std::string SystemMessage(DWORD code);

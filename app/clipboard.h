#pragma once
// The clipboard, as plain text.
#include <windows.h>

#include <string>

// Puts the text (in the program's code page) on the clipboard for the owner window, as Unicode
// text; failures are not reported.
void CopyTextToClipboard(HWND owner, const std::string& text);

struct TOutputFormat;

// Puts the text of an output file written in the format on the clipboard (up to its first zero
// character); a file that cannot be read puts nothing.
void CopyFileToClipboard(HWND owner, const std::string& fileName, const TOutputFormat& format);

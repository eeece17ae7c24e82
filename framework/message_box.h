#pragma once
// The system's message box, given the program's texts.
#include <windows.h>

#include <string>

int MessageBoxText(HWND owner, const std::string& text, const std::string& caption, UINT flags);

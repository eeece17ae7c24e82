#pragma once
// The names the program is known by: to the user, to other copies of itself, on the web.

// The main window's title and the caption of the program's messages.
inline constexpr const char* ProgramTitle = "Tarvik Strandel";
// The main window's class, and the window message of the same name: how a second copy finds
// the first.
inline constexpr const char* MainWindowClass = "QZ_STRANDEL";
// The program's own web page.
inline constexpr const char* HomePageAddress = "http://www.tarvik.example/strandel/";

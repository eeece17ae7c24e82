#pragma once
// Text is UTF-8 throughout the program. Files written before it was (by an older copy, or by
// hand) hold their names and texts in the system's legacy code page; such bytes are read as
// that code page and turned into UTF-8, and text that is already UTF-8 is left as it is.
#include <string>
#include <string_view>

// The code page Windows used for files before UTF-8 when nothing else is known.
constexpr int WesternCodePage = 1252;
constexpr int Utf8CodePage = 65001;

bool IsValidUtf8(std::string_view bytes);

// The bytes in UTF-8: as they are when they are UTF-8 already, else read in codePage (a
// Windows code page number, 1252 say). Bytes the code page does not know become U+FFFD.
std::string Utf8FromLegacy(std::string_view bytes, int codePage);

// The bytes read in codePage, whatever they look like (text known to be in that code page).
std::string Utf8FromCodePage(std::string_view bytes, int codePage);

// The code page the system gives programs that do not use Unicode (the system locale's ANSI
// code page on Windows); the Western one where the system has none.
int SystemLegacyCodePage();

// The UTF-8 text in codePage, for a consumer that reads only that. A character the code page
// cannot hold (no near look-alike is put in its place) becomes "?" and sets lost.
std::string LegacyFromUtf8(std::string_view utf8, int codePage, bool& lost);

// Whether every character of the text has its own place in codePage.
bool FitsLegacy(std::string_view utf8, int codePage);

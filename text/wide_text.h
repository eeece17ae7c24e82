#pragma once
// The program's UTF-8 text as the system's wide (UTF-16) strings and back: every call to a
// wide system function converts here, so no code page stands between a character and the program.
#include "text/utf16_text.h"

#include <cwchar>
#include <string>
#include <string_view>

#ifdef _WIN32
static_assert(sizeof(wchar_t) == 2, "Windows' wide characters are UTF-16 units");
#endif

inline std::wstring Wide(std::string_view utf8)
{
    std::wstring out;
    Utf16Detail::AppendUtf16(out, utf8);
    return out;
}

inline std::string Narrow(std::wstring_view wide)
{
    std::string out;
    Utf16Detail::AppendUtf8FromUtf16(out, wide.data(), wide.size());
    return out;
}

// A zero-ended wide text of the system (null reads as empty).
inline std::string Narrow(const wchar_t* wide)
{
    return wide ? Narrow(std::wstring_view(wide)) : std::string();
}
